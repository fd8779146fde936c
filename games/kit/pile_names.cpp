// SPDX-License-Identifier: MIT
//
// Piles named by their roles, for the host to tell a screen reader where
// the keyboard's focus is.
#include "game.h"

namespace kit {

namespace {

const char* RoleName(Role r)
{
    switch (r) {
    case Role::Stock: return "Stock";
    case Role::Waste: return "Waste";
    case Role::Foundation: return "Foundation";
    case Role::Tableau: return "Column";
    case Role::Cell: return "Free Cell";
    case Role::Reserve: return "Reserve";
    case Role::Discard: return "Discard";
    }
    return "Pile";
}

}  // namespace

std::string Game::pileName(const CardStack* s) const
{
    const int p = indexOf(s);
    if (p < 0) return {};
    const std::vector<int>& alike = piles(role(p));
    std::string name = RoleName(role(p));
    if (alike.size() < 2) return name;
    for (size_t i = 0; i < alike.size(); ++i)
        if (alike[i] == p) return name + " " + std::to_string(i + 1);
    return name;
}

}  // namespace kit
