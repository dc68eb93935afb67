// Writing a file so that a failure never destroys what was there.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace qz {

// Writes 内容 to a new file beside パス and renames it over パス only once
// it is completely written and flushed; a failure removes the new file and
// leaves パス untouched. Returns "" or the reason, in the program's words.
std::string ファイル置換書込(const std::filesystem::path& パス, std::string_view 内容);

}  // namespace qz
