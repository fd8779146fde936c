// What the game tests and the soak share: a headless host with one game
// module loaded, cards written and read as short names ("TD" the ten of
// diamonds, "9H#" face down), positions arranged directly on the table,
// the checks that no card was lost, and a random player.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "cards.h"
#include "headless_host.h"

namespace gametest {

using kit::Card;

Card ParseCard(const std::string& name);  // "AS", "TD", "KH"; -1 when not a card
std::string CardName(Card c);
// The names the games' messages use: "7 of hearts" or, on a narrow table,
// "7H" and "10D"; -1 when not a card.
Card CardFromWords(const std::string& words);

class Session {
public:
    explicit Session(const std::string& modulePath);
    bool loaded() const { return loaded_; }
    const std::string& modulePath() const { return path_; }
    const std::string& loadError() const { return error_; }
    headless::HeadlessHost& host() { return *host_; }
    headless::HeadlessHost* operator->() { return host_.get(); }

    bool start(uint32_t seed, bool autoPlay = false);

    // A pile as names bottom to top, e.g. "9H# 4C 3D" (marked cards "4C*"
    // when asked).
    std::string pile(int stack, bool marks = false) const;
    std::vector<std::string> table(bool marks = false) const;
    int count(int stack) const { return host_->Stack(stack).count; }
    Card top(int stack) const;
    // Every card on the table, sorted (two decks give pairs).
    std::vector<Card> allCards() const;

    // Writes the listed piles straight into the host's stacks and empties
    // every other one: a position to test from.
    void arrange(const std::map<int, std::string>& piles);

    // Broken invariants of the table ("" when sound): each card exactly as
    // often as `expected` holds it, counts within capacities.
    std::string check(const std::vector<Card>& expected) const;

    // Plays one random action (a drag, a click, a double click; now and then
    // an undo or a save and load); false when nothing was accepted.
    bool playRandom(std::mt19937& rng, bool undoAndReload = true);
    // One user action only: a drag or a click (a double click is two).
    bool playDragOrClick(std::mt19937& rng);

    // Reloads the game from its saved bytes into a fresh host.
    bool reload(const std::vector<uint8_t>& saved);

private:
    bool tryDrag(std::mt19937& rng);
    std::string path_;
    std::unique_ptr<headless::HeadlessHost> host_;
    bool loaded_ = false;
    std::string error_;
};

}  // namespace gametest
