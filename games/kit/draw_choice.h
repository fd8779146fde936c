// SPDX-License-Identifier: MIT
//
// The Draw One / Draw Three choice of games that turn their stock onto a
// waste (Klondike, Canfield): the first two items of the Options menu. It is
// a setting of the player that each deal takes up when it starts, so that
// neither a change during a game nor a loaded game changes the cards being
// played.
#pragma once

#include <string>

#include "host.h"

namespace kit {

class DrawChoice {
public:
    // Option numbers 0 and 1: Draw One and Draw Three.
    enum Option { kDrawOne, kDrawThree };

    explicit DrawChoice(int preferred) : preferred_(preferred == 3 ? 3 : 1) {}

    int preferred() const { return preferred_; }

    void addOptions(Host& host) const
    {
        host.addOption(kDrawOne, "Draw One");
        host.addOption(kDrawThree, "Draw Three");
        check(host);
    }
    // Shows the player's choice in the menu again (after a load).
    void check(Host& host) const
    {
        host.checkOption(kDrawOne, preferred_ == 1);
        host.checkOption(kDrawThree, preferred_ == 3);
    }
    // The player chose an option: false when it was not one of the two.
    bool choose(Host& host, int option)
    {
        if (option != kDrawOne && option != kDrawThree) return false;
        preferred_ = option == kDrawThree ? 3 : 1;
        check(host);
        return true;
    }
    // What the message area says while a game with another draw goes on.
    std::string nextDealNote() const { return preferred_ == 3 ? "Draw Three next deal" : "Draw One next deal"; }

private:
    int preferred_;
};

}  // namespace kit
