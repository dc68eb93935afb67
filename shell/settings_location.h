// Where the settings file lives. Run from a build tree, the program keeps
// "QZ氷結将棋.ini" in the folder it was started from, as it always has.
// Installed (share/qzshogi/ beside its bin/), or started from a folder it
// cannot write, it keeps the same file in $XDG_CONFIG_HOME/qzshogi/
// (~/.config/qzshogi/ when that is unset or not absolute). With neither an
// absolute XDG_CONFIG_HOME nor an absolute HOME it stays in the start folder,
// or has none at all (the defaults, never saved) when that is the root.
#pragma once

#include <filesystem>
#include <string>

namespace qz {

struct Surroundings {
  std::filesystem::path executable;  // the running program's own file
  std::filesystem::path current;     // the folder it was started from
  bool currentWritable = true;       // whether the program may write there
  std::string xdgConfigHome;         // $XDG_CONFIG_HOME, may be empty
  std::string home;                  // $HOME, may be empty
};

// The surroundings of this process.
Surroundings currentSurroundings();

// True when the executable is an installed one: share/qzshogi/ with the
// pictures stands beside its folder.
bool installed(const std::filesystem::path& executable);

// The settings folder of the rule above; empty when there is none.
std::filesystem::path settingsFolder(const Surroundings& s);

// The settings file's path (empty when there is no folder); for the per-user folder, the folder is made and a
// settings file left in the start folder by an earlier version is copied
// there first, so it loads unchanged.
std::filesystem::path settingsPath(const Surroundings& s);

}  // namespace qz
