// What the command-line tail asks the program to open.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace shell {

// The longest saved-game path the command line may name.
constexpr std::size_t kMaxTailPath = 255;

// The saved-game path the tail names, or nothing. The whole tail, spaces
// included, is one path; one pair of surrounding double quotes is dropped.
// A one-character tail, an empty path and a path longer than kMaxTailPath
// name nothing.
std::optional<std::string> SavedGamePathFromTail(std::string_view tail);

}  // namespace shell
