#include "shell/sound_port.h"

#include <utility>

#include "shell/sound/assets_dir.h"
#include "shell/sound/dsound.h"
#include "shell/sound/module1.h"

namespace qz {

// Sounds are looked for in the current directory, then in our own assets.
struct SoundPort::Impl {
  Impl(サウンド警告関数 warn, std::intptr_t w) : module(std::move(warn), sounds()), window(w) {}
  static std::filesystem::path sounds() {
    const auto assets = find_assets_dir(current_executable());
    return assets.empty() ? assets : assets / "sounds";
  }
  Module1 module;
  std::intptr_t window;
};

SoundPort::SoundPort(std::function<void(const Message&, const std::string&)> warn,
                     std::intptr_t window)
    : impl_(std::make_unique<Impl>(std::move(warn), window)) {}
SoundPort::~SoundPort() {
  impl_->module.終了_サウンド();
}
void SoundPort::初期化_サウンド() {
  impl_->module.初期化_サウンド(impl_->window);
}
std::int32_t SoundPort::読込_サウンド(const std::string& ファイル名, std::int32_t 数) {
  return impl_->module.読込_サウンド(ファイル名, 数);
}
void SoundPort::終了_サウンド() {
  impl_->module.終了_サウンド();
}
std::int32_t SoundPort::dsPlay(std::int32_t b) {
  if (!effects_) return 0;
  return qz::dsPlay(b);
}
std::int32_t SoundPort::dsPlayLooping(std::int32_t b) {
  return qz::dsPlayLooping(b);
}
std::int32_t SoundPort::dsStop(std::int32_t b) {
  return qz::dsStop(b);
}
std::int32_t SoundPort::dsFree(std::int32_t b) {
  return qz::dsFree(b);
}

}  // namespace qz
