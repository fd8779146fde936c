// The game modules the host looks for at start-up, in Game List order.
#pragma once

#include <array>

namespace modules {

constexpr int kModuleNameCount = 30;

// File-name stems: "<stem>.dll". Games not shipped yet are simply absent.
// With every shipped module present, KLONDIKE is row 6, the game a first
// run deals.
extern const std::array<const char*, kModuleNameCount> kModuleNameList;

}  // namespace modules
