// Module1: the program's side of the sound library. It opens the sound
// system for the main window, turns a .wav file into a playable buffer and
// reports failures through a warning the window shows (an exclamation box
// with an OK button).
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "rules/message.h"

namespace qz {

// Shows a warning: the text and the caption of an exclamation box.
using サウンド警告関数 = std::function<void(const 文面& text, const std::string& caption)>;

inline constexpr const char* サウンド警告見出し = "QZ氷結将棋.dll";
inline constexpr const char* サウンド初期化失敗文 =
    QZ_TR("Direct Soundインターフェースが作成できません。");

class Module1 {
 public:
  // `warn` shows the warnings; `sounds_dir` is the program's own folder of
  // sounds, searched after the current directory (empty: current only).
  explicit Module1(サウンド警告関数 warn, std::filesystem::path sounds_dir = {});

  // Opens the sound system; warns once when it cannot be opened.
  void 初期化_サウンド(std::intptr_t window);
  // Loads a sound file into a buffer with `count` overlapping plays; 0 when
  // there is no sound system, no such file (silently) or a bad file (warned).
  std::int32_t 読込_サウンド(const std::string& file_name, std::int32_t count);
  // Closes the sound system if it is open.
  void 終了_サウンド();
  // The exclamation box with the sound library's caption.
  void 表示_サウンド警告(const 文面& text);

  std::int32_t サウンド_ハンドル = 0;

  // Changes the program's own folder of sounds.
  void set_sounds_dir(std::filesystem::path dir) { sounds_dir_ = std::move(dir); }

  // Where 読込_サウンド finds a file: the current directory first, then the
  // sounds folder; an empty path when it is in neither.
  std::filesystem::path find_sound_file(const std::string& file_name) const;

 private:
  サウンド警告関数 warn_;
  std::filesystem::path sounds_dir_;
};

}  // namespace qz
