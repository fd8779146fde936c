#include "shell/command_tail.h"

namespace shell {

std::optional<std::string> SavedGamePathFromTail(std::string_view tail)
{
    if (tail.empty()) return std::nullopt;
    if (tail.front() == '"') tail.remove_prefix(1);
    // A tail of one character (after the opening quote) is ignored.
    if (tail.size() == 1) return std::nullopt;
    if (tail.size() > kMaxTailPath) return std::nullopt;
    if (!tail.empty() && tail.back() == '"') tail.remove_suffix(1);
    if (tail.empty()) return std::nullopt;
    return std::string(tail);
}

}  // namespace shell
