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
#include <cstring>
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

// How a pile looks, for declaring rows and grids of alike piles.
struct PileLook {
    int fan = TS_FAN_SQUARED;
    int base = TS_BASE_EMPTY;
    int capacity = 1;
    bool framed = false;
};

// The piles of a grid declared with addGrid, row by row.
struct GridPiles {
    int first = 0, rows = 0, columns = 0;

    int at(int row, int column) const { return first + row * columns + column; }
    bool holds(int pile) const { return pile >= first && pile < first + rows * columns; }
    int rowOf(int pile) const { return (pile - first) / columns; }
    int columnOf(int pile) const { return (pile - first) % columns; }
    // Side by side, one above the other or corner to corner.
    bool touching(int a, int b) const
    {
        const int dr = rowOf(a) - rowOf(b), dc = columnOf(a) - columnOf(b);
        return holds(a) && holds(b) && a != b && dr >= -1 && dr <= 1 && dc >= -1 && dc <= 1;
    }
};

// Face up or face down, where a call would otherwise show a bare bool.
enum class Face { Up, Down };

// How a card moves: moveTop(from, to, {.faceDown = true, .slide = false}).
struct Motion {
    bool faceDown = false;
    bool slide = true;    // the card slides across the table
    bool redraw = true;   // the table is repainted at once
};

class Game {
public:
    virtual ~Game() = default;

    // The module's entry points land here (module_entry.cpp).
    bool init(TSWindow host, char* name, int32_t* extent);
    int32_t newGame();
    void loadGame(CardStack** stacks, int count, TSMemory data);
    TSMemory gameData() const;
    void setupOptionsMenu()
    {
        host_.forgetOptions();
        addOptions();
        kitOptions_ = host_.nextOption();
        addKitOptions();
    }
    void optionSelected(int option);
    void autoPlay();
    int16_t mouseHit(CardStack* s, int card);
    void doubleClick(CardStack* s, int card);
    bool okToDrop(const CardStack* dragged, const CardStack* target);
    void stackChanged(CardStack* target);
    void prepareForUndo();
    void undo();
    int16_t score() const;
    // The pile's name as the player knows it, from its role: "Stock",
    // "Foundation 2", "Column 5" (numbered when the role has several).
    std::string pileName(const CardStack* s) const;
    // Brackets every call that may change the table, so that an undo
    // snapshot taken in the middle of it saves the state from before it.
    void enterCall();
    void leaveCall() { --callDepth_; }

protected:
    Game(const char* name, Extent extent) : name_(name), extent_(extent) {}

    // --- The declaration ---
    int addPile(Role role, int x, int y, int fan, int base, int capacity, bool framed = false);
    int addPile(Role role, int x, int y, const PileLook& look) { return addPile(role, x, y, look.fan, look.base, look.capacity, look.framed); }
    // `count` alike piles in a row from (x, y), `pitch` apart; returns their numbers.
    std::vector<int> addRow(Role role, int count, int x, int y, int pitch, const PileLook& look);
    // `rows` x `columns` alike piles, row by row, `xPitch` and `yPitch` apart.
    GridPiles addGrid(Role role, int rows, int columns, int x, int y, int xPitch, int yPitch, const PileLook& look);
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
    // What happens by itself after every action, before the score and the
    // win are looked at (Spider: a finished run goes home).
    virtual void settle() {}
    virtual bool won() const = 0;
    virtual bool lost() const { return false; }
    virtual int points() const { return 0; }
    // The score box is narrow (55 pixels): the number alone.
    virtual std::string scoreText() const { return std::to_string(points()); }
    virtual std::string messageText() const { return {}; }
    virtual void addOptions() {}
    virtual void optionChosen(int option) {}

    // --- What the kit's families add ---
    // Options the kit adds after the game's own: kit option k is the menu's
    // option kitOption(k); kitOptionChosen gets k.
    int kitOption(int k) const { return kitOptions_ + k; }
    virtual void addKitOptions() {}
    virtual void kitOptionChosen(int option) {}
    // Lays out a new deal on the empty piles: deal(), or a family's choice of deals.
    virtual void dealTable() { deal(); }
    // Bytes saved after the game's state, and read back from a saved game that has them.
    virtual std::vector<uint8_t> kitData() const { return {}; }
    virtual void kitDataLoaded(const std::vector<uint8_t>& bytes) {}
    // A text that the message area shows after the deal instead of messageText().
    void noticeAfterDeal(const std::string& text) { notice_ = text; }

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
    const std::vector<int>& piles(Role r) const { return byRole_[static_cast<size_t>(r)]; }
    int firstPile(Role r) const;
    int cardsIn(Role r) const;
    int indexOf(const CardStack* s) const;
    int dragSource() const { return dragFrom_; }
    int dragIndex() const { return dragIndex_; }  // the card the drag picked up

    // Covering: `pile` lies under the piles in `covering` (Pyramid: the two
    // cards of the row below; Klondike's Draw Three: the cards just turned,
    // fanned over the waste). Its cards are free only while those are empty.
    void coverWith(int pile, const std::vector<int>& covering);
    bool covered(int pile) const;
    bool uncovered(int pile) const { return !empty(pile) && !covered(pile); }
    // A pyramid of one-card piles: row r (0 at the top) holds r + 1 cards,
    // each half under the two cards of the row below it. `x` is the left
    // edge of the bottom row, `y` the top of row 0. Returns the first pile:
    // card i of row r is pile first + r * (r + 1) / 2 + i.
    int addPyramid(int rows, int x, int y, int pitch, int rowStep, Role role = Role::Tableau, int base = TS_BASE_NONE);
    bool playing() const { return playing_; }

    // Randomness comes only from the host's shuffle, so Replay repeats a deal.
    // Shuffles `deck` (at most 255 cards) and returns it in dealing order.
    std::vector<Card> shuffled(const std::vector<Card>& deck);
    static std::vector<Card> fullDecks(int decks);

    // Changes of the table, all through the host. Each one brings the score,
    // the message and the win or loss up to date at the end of the action.
    void dealCard(int pile, Card card, bool faceDown = false);
    void dealCard(int pile, Card card, Face face) { dealCard(pile, card, face == Face::Down); }
    void moveTop(int from, int to, bool faceDown = false, bool slide = true, bool redraw = true);
    void moveTop(int from, int to, const Motion& how) { moveTop(from, to, how.faceDown, how.slide, how.redraw); }
    // Takes card `index` out of `from` and puts it on top of `to`, keeping its face.
    void moveCardAt(int from, int index, int to);
    // Takes card `index` off the table (Gaps: the aces).
    void removeCard(int pile, int index);
    // Takes every card of the pile off the table.
    void clearPile(int pile);
    void turnTop(int pile, bool faceDown = false);
    void markTop(int pile, bool marked);
    // Turns `waste` over onto `stock` face down, so that the stock deals its
    // cards again in the order they came; false when the waste is empty.
    bool recycle(int waste, int stock);
    void showMessage(const std::string& text)
    {
        if (!offTable_) host_.setMessage(text);
    }
    // About how many characters the message area shows with small cards: it
    // runs from 220 pixels to the window's right edge, some 6 pixels a character.
    int messageRoom() const { return (extent_.width - 224) / 6; }

    // Marks the top card of `pile` as a hint, without changing anything the
    // player could undo; the mark goes at the player's next action.
    void showHintMark(int pile);
    void clearHintMark();

    // Off the table: the piles are the game's own copies (a deal being tried,
    // a position searched). dealCard and moveTop change them directly; nothing
    // reaches the host.
    std::vector<CardStack*> exchangeStacks(std::vector<CardStack*> stacks)
    {
        stacks_.swap(stacks);
        return stacks;
    }
    void setOffTable(bool off) { offTable_ = off; }
    bool offTable() const { return offTable_; }
    // A search plays the game's own moves on its copies: a move that would
    // shuffle cannot be known ahead, so the deck comes back as it was and
    // the search is told (guessed()).
    void setSearching(bool searching)
    {
        searching_ = searching;
        guessed_ = false;
    }
    bool guessed() const { return guessed_; }
    // Off the table, each pile changed is appended to `list` (0: not recorded).
    void recordChanges(std::vector<int>* list) { touched_ = list; }
    // The game's state record, for a search to keep and put back.
    const uint8_t* stateBytes() const { return state_; }
    size_t stateSize() const { return stateSize_; }
    void restoreState(const uint8_t* bytes)
    {
        if (state_ && bytes) std::memcpy(state_, bytes, stateSize_);
    }
    // Does the pile cover another or lie under one (coverWith)?
    bool inCovering(int pile) const;

private:
    void afterAction();
    void resetTransients();
    void tableChanged()
    {
        changed_ = true;
        clickArmedUndo_ = false;  // the host took its snapshot at the first change
    }
    CardStack* createStack(const Pile& pile);

    const char* name_;
    Extent extent_;
    Host host_;
    std::vector<Pile> piles_;
    std::vector<int> byRole_[7];  // the piles of each role, in order
    std::vector<std::vector<int>> coveredBy_;  // per pile, the piles lying on it
    std::vector<CardStack*> stacks_;
    uint8_t* state_ = nullptr;
    size_t stateSize_ = 0;
    std::vector<uint8_t> entryState_, undoState_;
    int callDepth_ = 0;
    bool playing_ = false;
    bool changed_ = false;
    bool announced_ = false;
    int dragFrom_ = -1;
    int dragIndex_ = -1;
    int dropCount_ = 0;
    bool offTable_ = false;
    bool searching_ = false;
    std::vector<int>* touched_ = nullptr;
    void touch(int pile)
    {
        if (touched_) touched_->push_back(pile);
    }
    bool guessed_ = false;
    int kitOptions_ = 0;
    Card hintCard_ = kNoCard;
    bool clickArmedUndo_ = false;  // a click armed the host's undo and nothing has changed since
    std::string notice_;
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
