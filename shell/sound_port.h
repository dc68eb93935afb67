// The sound layer Form1 plays through: Module1 and the sound library when
// the library is built, silence otherwise.
#pragma once

#include <functional>
#include <string>

#include "play/platform.h"

namespace qz {

class SoundPort : public Sound {
 public:
  // warn shows a warning box (text, caption "QZ氷結将棋.dll", exclamation).
  // window is the main window's native handle.
  SoundPort(std::function<void(const std::string&)> warn, std::intptr_t window);

  void 初期化_サウンド() override;
  std::int32_t 読込_サウンド(const std::string& ファイル名, std::int32_t 数) override;
  void 終了_サウンド() override;
  std::int32_t dsPlay(std::int32_t buffer) override;
  std::int32_t dsPlayLooping(std::int32_t buffer) override;
  std::int32_t dsStop(std::int32_t buffer) override;
  std::int32_t dsFree(std::int32_t buffer) override;

 private:
  std::function<void(const std::string&)> warn_;
  std::intptr_t window_;
};

}  // namespace qz
