// The sound layer Form1 plays through: Module1 over our sound library.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "play/platform.h"

namespace qz {

class SoundPort : public Sound {
 public:
  // warn shows a warning box (text and caption, with an exclamation icon);
  // window is the main window's native handle.
  SoundPort(std::function<void(const Message& text, const std::string& caption)> warn,
            std::intptr_t window);
  // Closes the sound system if the program did not.
  ~SoundPort() override;

  void 初期化_サウンド() override;
  std::int32_t 読込_サウンド(const std::string& ファイル名, std::int32_t 数) override;
  void 終了_サウンド() override;
  // The sound effects (every sound but the looping music) on or off.
  void setEffects(bool on) { effects_ = on; }
  std::int32_t dsPlay(std::int32_t buffer) override;
  std::int32_t dsPlayLooping(std::int32_t buffer) override;
  std::int32_t dsStop(std::int32_t buffer) override;
  std::int32_t dsFree(std::int32_t buffer) override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  bool effects_ = true;
};

}  // namespace qz
