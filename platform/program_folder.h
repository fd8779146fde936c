// The folder the program runs from. Everything the program opens beside
// itself (card libraries, game modules, the resume and score files) is
// opened by its full path in this folder, whatever the current folder.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The longest path the platform's file and library calls take, with the
// terminator.
constexpr size_t kMaxPathBytes = 260;
// The longest name opened beside the program: "tslnsave.gam" while it is
// being replaced ("tslnsave.gam.new").
constexpr size_t kLongestNameBeside = 16;

// The folder of the executable's full path, with its final backslash.
// Empty when the path names no folder, or when the folder is too long for
// every name the program opens beside itself.
std::string ProgramFolder(std::string_view executablePath);

}  // namespace platform
