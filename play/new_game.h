// What the new-game dialog chooses, and its line in the settings file
// ("新規対局=COM,先手,3,0,600,30,0,ON"), so that the dialog opens on the
// last choices.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "records/time_limit.h"
#include "rules/message.h"

namespace qz {

struct 新規対局設定 {
  bool 対COM = true;   // against the computer, or between two people
  bool MAN先 = true;   // against the computer: the human moves first
  int レベル = 3;      // the computer's level, by its number (computer/levels.h)
  int ハンデ = 0;      // the handicap ladder's grade, -最高段級..最高段級
  持ち時間設定 時間;   // none when all zero
  bool 千日手 = true;  // a fourth repetition ends the game
  bool operator==(const 新規対局設定&) const = default;
};

// The settings file's key of the last choices.
inline constexpr const char* 新規対局キー = "新規対局";

std::string 新規対局の文(const 新規対局設定& s);
// Reads what 新規対局の文 writes; nothing for any other text (a value out
// of range included).
std::optional<新規対局設定> 新規対局を読む(std::string_view 文);

// The dialog's name of a handicap grade: the standard name where the
// grade's start is a standard one, else "上手 n枚落ち" / "下手 n枚落ち".
文面 ハンデの名(int 段級);

}  // namespace qz
