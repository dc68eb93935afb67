#include "shell/sound_port.h"

#include <utility>

namespace qz {

SoundPort::SoundPort(std::function<void(const std::string&)> warn, std::intptr_t window)
    : warn_(std::move(warn)), window_(window) {}

// Until the sound library is built in, the program is silent and says nothing.
void SoundPort::初期化_サウンド() {}
std::int32_t SoundPort::読込_サウンド(const std::string&, std::int32_t) {
  return 0;
}
void SoundPort::終了_サウンド() {}
std::int32_t SoundPort::dsPlay(std::int32_t) {
  return 0;
}
std::int32_t SoundPort::dsPlayLooping(std::int32_t) {
  return 0;
}
std::int32_t SoundPort::dsStop(std::int32_t) {
  return 0;
}
std::int32_t SoundPort::dsFree(std::int32_t) {
  return 0;
}

}  // namespace qz
