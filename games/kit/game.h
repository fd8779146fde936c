// SPDX-License-Identifier: MIT
//
// The base of every game module. A game declares its piles (role, place,
// fan, base picture, capacity) in its constructor, names the plain record
// that holds the rest of its state, and overrides the few rule hooks it
// needs. The base does the bookkeeping every module shares: creating the
// stacks, finding a stack by address, the pair of undo states, saving and
// restoring the state, the score and message texts, and telling the host
// when the game is won or lost.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "cards.h"
#include "host.h"

namespace kit {

enum class Role { Stock, Waste, Foundation, Tableau, Cell, Reserve, Discard };

struct Pile {
    Role role;
    int x, y;        // small-card pixels (cards are 45 x 63, fanned 10 apart)
    int fan;         // TS_FAN_...
    int base;        // TS_BASE_...
    int capacity;    // every card the pile can ever hold
    bool framed;
};

struct Extent {
    int width, height;  // small-card pixels
};

class Game {
public:
    virtual ~Game() = default;

    // The module's entry points land here (module_entry.cpp).
    bool init(TSWindow host, char* name, int32_t* extent);
    int32_t newGame();
    void loadGame(CardStack** stacks, int count, TSMemory data);
    TSMemory gameData() const;
    void setupOptionsMenu() { addOptions(); }
    void optionSelected(int option);
    void autoPlay();
    int16_t mouseHit(CardStack* s, int card);
    void doubleClick(CardStack* s, int card);
    bool okToDrop(const CardStack* dragged, const CardStack* target);
    void stackChanged(CardStack* target);
    void prepareForUndo();
    void undo();
    int16_t score() const;
    // Brackets every call that may change the table, so that an undo
    // snapshot taken in the middle of it saves the state from before it.
    void enterCall();
    void leaveCall() { --callDepth_; }

protected:
    Game(const char* name, Extent extent) : name_(name), extent_(extent) {}

    // --- The declaration ---
    int addPile(Role role, int x, int y, int fan, int base, int capacity, bool framed = false);
    // The game's own state: a plain record, saved, restored and undone whole.
    template <class State>
    void keepState(State& state)
    {
        static_assert(std::is_trivially_copyable_v<State>, "game state must be a plain record");
        state_ = reinterpret_cast<uint8_t*>(&state);
        stateSize_ = sizeof(State);
    }

    // --- What a game writes ---
    virtual void resetState() {}      // before a deal, and when loading finds no saved state
    virtual void deal() = 0;          // the stacks exist and are empty
    virtual void stateFromTable() {}  // loading without saved state: derive what can be derived
    virtual void loaded() {}          // after a load, state restored
    virtual int16_t pressed(int pile, int index) { return TS_HIT_NOTHING; }
    virtual bool accepts(int from, const CardStack* moving, int to) const { return false; }
    virtual void dropped(int from, int to, int cards) {}
    virtual void doubleClicked(int pile, int index) {}
    virtual bool autoStep() { return false; }  // one safe move to the foundations
    virtual bool won() const = 0;
    virtual bool lost() const { return false; }
    virtual int points() const { return 0; }
    // The score box is narrow (55 pixels): the number alone.
    virtual std::string scoreText() const { return std::to_string(points()); }
    virtual std::string messageText() const { return {}; }
    virtual void addOptions() {}
    virtual void optionChosen(int option) {}

    // --- Helpers for the rules ---
    Host& host() { return host_; }
    int pileCount() const { return static_cast<int>(piles_.size()); }
    const Pile& pile(int i) const { return piles_[i]; }
    Role role(int i) const { return piles_[i].role; }
    CardStack* stack(int i) const { return stacks_[i]; }
    int count(int i) const { return CountOf(stacks_[i]); }
    bool empty(int i) const { return count(i) == 0; }
    Card top(int i) const { return TopOf(stacks_[i]); }
    Card cardAt(int i, int k) const { return CardAt(stacks_[i], k); }
    bool faceUp(int i, int k) const { return FaceUpAt(stacks_[i], k); }
    bool topFaceUp(int i) const { return count(i) > 0 && faceUp(i, count(i) - 1); }
    bool topMarked(int i) const { return count(i) > 0 && stacks_[i]->cards[count(i) - 1].mark != 0; }
    std::vector<int> piles(Role r) const;
    int firstPile(Role r) const;
    int cardsIn(Role r) const;
    int indexOf(const CardStack* s) const;
    int dragSource() const { return dragFrom_; }
    bool playing() const { return playing_; }

    // Randomness comes only from the host's shuffle, so Replay repeats a deal.
    // Shuffles `deck` (at most 255 cards) and returns it in dealing order.
    std::vector<Card> shuffled(const std::vector<Card>& deck);
    static std::vector<Card> fullDecks(int decks);

    // Changes of the table, all through the host.
    void dealCard(int pile, Card card, bool faceDown = false);
    void moveTop(int from, int to, bool faceDown = false, bool slide = true, bool redraw = true);
    void turnTop(int pile, bool faceDown = false);
    void markTop(int pile, bool marked);
    void showMessage(const std::string& text) { host_.setMessage(text); }

private:
    void afterAction();
    void resetTransients();

    const char* name_;
    Extent extent_;
    Host host_;
    std::vector<Pile> piles_;
    std::vector<CardStack*> stacks_;
    uint8_t* state_ = nullptr;
    size_t stateSize_ = 0;
    std::vector<uint8_t> entryState_, undoState_;
    int callDepth_ = 0;
    bool playing_ = false;
    bool changed_ = false;
    bool announced_ = false;
    int dragFrom_ = -1;
    int dropCount_ = 0;
};

// "1 card", "5 cards": a count and its noun, for messages.
inline std::string Counted(int n, const std::string& noun) { return std::to_string(n) + " " + noun + (n == 1 ? "" : "s"); }

// Each game module defines this once: LUMORA_GAME(MyGame).
Game& TheGame();

}  // namespace kit

#define LUMORA_GAME(GameClass)          \
    kit::Game& kit::TheGame()           \
    {                                   \
        static GameClass game;          \
        return game;                    \
    }
