// SPDX-License-Identifier: MIT
#include "game.h"

#include <algorithm>
#include <cstring>

namespace kit {

namespace {

// Saved data: a small header, then the game's state record.
struct SavedHeader {
    char magic[4];
    uint32_t piles;
    uint32_t stateSize;
};
constexpr char kMagic[4] = {'L', 'G', 'K', '1'};
constexpr int kAutoPlayLimit = 1000;  // more moves than any game has cards

}  // namespace

int Game::addPile(Role role, int x, int y, int fan, int base, int capacity, bool framed)
{
    piles_.push_back(Pile{role, x, y, fan, base, capacity, framed});
    byRole_[static_cast<size_t>(role)].push_back(static_cast<int>(piles_.size()) - 1);
    return static_cast<int>(piles_.size()) - 1;
}

std::vector<int> Game::addRow(Role role, int count, int x, int y, int pitch, const PileLook& look)
{
    std::vector<int> out;
    for (int i = 0; i < count; ++i) out.push_back(addPile(role, x + i * pitch, y, look));
    return out;
}

GridPiles Game::addGrid(Role role, int rows, int columns, int x, int y, int xPitch, int yPitch, const PileLook& look)
{
    GridPiles grid{pileCount(), rows, columns};
    for (int r = 0; r < rows; ++r) addRow(role, columns, x, y + r * yPitch, xPitch, look);
    return grid;
}

bool Game::init(TSWindow host, char* name, int32_t* extent)
{
    host_.attach(host);
    if (name) {
        std::strncpy(name, name_, TS_NAME_BYTES - 1);
        name[TS_NAME_BYTES - 1] = '\0';
    }
    if (extent) {
        extent[0] = extent_.width;
        extent[1] = extent_.height;
    }
    return true;
}

void Game::resetTransients()
{
    dragFrom_ = dragIndex_ = -1;
    dropCount_ = 0;
    announced_ = false;
    changed_ = false;
}

int32_t Game::newGame()
{
    playing_ = false;
    stacks_.clear();
    for (const Pile& p : piles_) {
        CardStack* s = createStack(p);
        if (!s) return 0;
        stacks_.push_back(s);
    }
    if (state_) std::memset(state_, 0, stateSize_);
    resetState();
    notice_.clear();
    hintCard_ = kNoCard;
    clickArmedUndo_ = false;
    dealTable();
    playing_ = true;
    resetTransients();
    if (state_) undoState_.assign(state_, state_ + stateSize_);
    host_.setScore(scoreText());
    host_.setMessage(notice_.empty() ? messageText() : notice_);
    notice_.clear();
    return 1;
}

CardStack* Game::createStack(const Pile& p)
{
    const StackSpec spec{p.framed ? 1u : 0u, p.x, p.y, static_cast<int16_t>(p.base),
                         static_cast<int16_t>(p.fan), static_cast<int16_t>(p.capacity), 0};
    return host_.createStack(spec);
}

void Game::loadGame(CardStack** stacks, int count, TSMemory data)
{
    playing_ = false;
    stacks_.clear();
    resetTransients();
    hintCard_ = kNoCard;
    clickArmedUndo_ = false;
    if (!stacks || count <= 0 || count > pileCount()) return;
    for (int i = 0; i < count; ++i) {
        const CardStack* s = stacks[i];
        if (!s || s->capacity < piles_[i].capacity || s->count < 0 || s->count > s->capacity) return;
        for (int k = 0; k < s->count; ++k)
            if (!IsCard(CardAt(s, k))) return;
    }
    stacks_.assign(stacks, stacks + count);
    // A game saved before the game gained piles at its end (Klondike's cards
    // just turned): the piles it lacks are added, empty.
    for (int i = count; i < pileCount(); ++i) {
        CardStack* s = createStack(piles_[static_cast<size_t>(i)]);
        if (!s) {
            stacks_.clear();
            return;
        }
        stacks_.push_back(s);
    }

    const std::vector<uint8_t> bytes = ReadDataBlock(data);
    SavedHeader h{};
    bool restored = false;
    if (bytes.size() >= sizeof h) {
        std::memcpy(&h, bytes.data(), sizeof h);
        restored = std::memcmp(h.magic, kMagic, 4) == 0 && h.piles == static_cast<uint32_t>(count) &&
                   h.stateSize == stateSize_ && bytes.size() >= sizeof h + stateSize_;
    }
    if (state_) {
        if (restored) {
            std::memcpy(state_, bytes.data() + sizeof h, stateSize_);
        } else {
            std::memset(state_, 0, stateSize_);
            resetState();
            stateFromTable();
        }
        undoState_.assign(state_, state_ + stateSize_);
    }
    if (restored) kitDataLoaded(std::vector<uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(sizeof h + stateSize_), bytes.end()));
    playing_ = true;
    loaded();
}

TSMemory Game::gameData() const
{
    if (!playing_) return nullptr;
    std::vector<uint8_t> bytes(sizeof(SavedHeader) + stateSize_);
    SavedHeader h{};
    std::memcpy(h.magic, kMagic, 4);
    h.piles = static_cast<uint32_t>(pileCount());
    h.stateSize = static_cast<uint32_t>(stateSize_);
    std::memcpy(bytes.data(), &h, sizeof h);
    if (stateSize_) std::memcpy(bytes.data() + sizeof h, state_, stateSize_);
    const std::vector<uint8_t> extra = kitData();
    bytes.insert(bytes.end(), extra.begin(), extra.end());
    return MakeDataBlock(bytes.data(), bytes.size());
}

void Game::enterCall()
{
    if (callDepth_++ == 0 && state_) entryState_.assign(state_, state_ + stateSize_);
}

void Game::prepareForUndo()
{
    if (!state_) return;
    // Inside one of our calls the host snapshots the table before its first
    // change; our state may already have moved on, so keep the one from entry.
    if (callDepth_ > 0 && entryState_.size() == stateSize_)
        undoState_ = entryState_;
    else
        undoState_.assign(state_, state_ + stateSize_);
}

void Game::undo()
{
    dragFrom_ = -1;
    announced_ = false;
    if (!state_ || undoState_.size() != stateSize_) return;
    std::vector<uint8_t> now(state_, state_ + stateSize_);
    std::memcpy(state_, undoState_.data(), stateSize_);
    undoState_.swap(now);
}

void Game::optionSelected(int option)
{
    changed_ = false;
    if (option >= kitOptions_) kitOptionChosen(option - kitOptions_);
    else optionChosen(option);
    if (playing_ && changed_) afterAction();
}

void Game::autoPlay()
{
    if (!playing_ || !host_.autoPlayOn()) return;
    changed_ = false;
    for (int i = 0; i < kAutoPlayLimit && autoStep(); ++i) {
    }
    if (changed_) afterAction();
}

int16_t Game::mouseHit(CardStack* s, int card)
{
    dragFrom_ = dragIndex_ = -1;
    clickArmedUndo_ = true;
    const int p = indexOf(s);
    if (!playing_ || p < 0) return TS_HIT_NOTHING;
    changed_ = false;
    const int16_t answer = pressed(p, card);
    if (answer == TS_HIT_DRAG_RUN || answer == TS_HIT_DRAG_CARD) {
        dragFrom_ = p;
        dragIndex_ = card;
    }
    if (changed_) afterAction();
    return answer;
}

void Game::doubleClick(CardStack* s, int card)
{
    clickArmedUndo_ = true;
    const int p = indexOf(s);
    if (!playing_ || p < 0) return;
    changed_ = false;
    doubleClicked(p, card);
    if (changed_) afterAction();
}

bool Game::okToDrop(const CardStack* dragged, const CardStack* target)
{
    const int to = indexOf(target);
    if (!playing_ || to < 0 || dragFrom_ < 0 || to == dragFrom_ || CountOf(dragged) <= 0) return false;
    if (count(to) + dragged->count > stacks_[to]->capacity) return false;
    if (!accepts(dragFrom_, dragged, to)) return false;
    dropCount_ = dragged->count;
    return true;
}

void Game::stackChanged(CardStack* target)
{
    const int to = indexOf(target);
    if (!playing_ || to < 0 || dragFrom_ < 0) return;
    const int from = dragFrom_;
    dragFrom_ = -1;
    tableChanged();
    dropped(from, to, dropCount_);
    afterAction();
}

int16_t Game::score() const
{
    const int p = playing_ ? points() : 0;
    return static_cast<int16_t>(std::clamp(p, -32768, 32767));
}

void Game::afterAction()
{
    clearHintMark();
    settle();
    host_.setScore(scoreText());
    host_.setMessage(messageText());
    if (announced_) return;
    if (won()) {
        announced_ = true;
        host_.gameWon();
    } else if (lost()) {
        announced_ = true;
        host_.gameLost();
    }
}

void Game::coverWith(int pile, const std::vector<int>& covering)
{
    if (static_cast<int>(coveredBy_.size()) <= pile) coveredBy_.resize(static_cast<size_t>(pile) + 1);
    coveredBy_[static_cast<size_t>(pile)] = covering;
}

bool Game::covered(int pile) const
{
    if (pile < 0 || pile >= static_cast<int>(coveredBy_.size())) return false;
    for (int p : coveredBy_[static_cast<size_t>(pile)])
        if (!empty(p)) return true;
    return false;
}

int Game::addPyramid(int rows, int x, int y, int pitch, int rowStep, Role role, int base)
{
    const int first = pileCount();
    for (int row = 0; row < rows; ++row)
        for (int i = 0; i <= row; ++i)
            addPile(role, x + (rows - 1 - row) * pitch / 2 + i * pitch, y + row * rowStep, TS_FAN_SQUARED, base, 1);
    for (int row = 0; row + 1 < rows; ++row) {
        for (int i = 0; i <= row; ++i) {
            const int below = first + (row + 1) * (row + 2) / 2 + i;
            coverWith(first + row * (row + 1) / 2 + i, {below, below + 1});
        }
    }
    return first;
}

int Game::firstPile(Role r) const
{
    for (int i = 0; i < pileCount(); ++i)
        if (piles_[i].role == r) return i;
    return -1;
}

int Game::cardsIn(Role r) const
{
    int n = 0;
    for (int i = 0; i < static_cast<int>(stacks_.size()); ++i)
        if (piles_[i].role == r) n += count(i);
    return n;
}

int Game::indexOf(const CardStack* s) const
{
    if (!s) return -1;
    for (int i = 0; i < static_cast<int>(stacks_.size()); ++i)
        if (stacks_[i] == s) return i;
    return -1;
}

std::vector<Card> Game::fullDecks(int decks)
{
    std::vector<Card> deck;
    for (int d = 0; d < decks; ++d)
        for (Card c = 0; c < TS_CARDS; ++c) deck.push_back(c);
    return deck;
}

std::vector<Card> Game::shuffled(const std::vector<Card>& deck)
{
    // The host shuffles bytes; we shuffle positions in `deck` and read them back.
    if (searching_) {
        guessed_ = true;
        return deck;
    }
    std::vector<uint8_t> order(deck.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<uint8_t>(i);
    host_.shuffle(order);
    std::vector<Card> out;
    out.reserve(deck.size());
    for (uint8_t i : order) out.push_back(deck[i]);
    return out;
}

void Game::dealCard(int pile, Card card, bool faceDown)
{
    if (offTable_) {
        CardStack* s = stacks_[pile];
        if (s->count < s->capacity) s->cards[s->count++] = CardEntry{faceDown ? 1u : 0u, 0u, static_cast<int16_t>(card), 0};
        touch(pile);
        return;
    }
    host_.addCard(stacks_[pile], card, faceDown);
    tableChanged();
}

void Game::moveTop(int from, int to, bool faceDown, bool slide, bool redraw)
{
    if (empty(from)) return;
    if (offTable_) {
        CardStack* s = stacks_[from];
        CardStack* t = stacks_[to];
        if (t->count >= t->capacity) return;
        CardEntry e = s->cards[--s->count];
        e.faceDown = faceDown ? 1u : 0u;
        t->cards[t->count++] = e;
        touch(from);
        touch(to);
        return;
    }
    host_.moveCard(stacks_[from], stacks_[to], faceDown, slide, redraw);
    tableChanged();
}

void Game::turnTop(int pile, bool faceDown)
{
    if (empty(pile)) return;
    if (offTable_) {
        stacks_[pile]->cards[count(pile) - 1].faceDown = faceDown ? 1u : 0u;
        touch(pile);
        return;
    }
    host_.turnTop(stacks_[pile], faceDown);
    tableChanged();
}

void Game::moveCardAt(int from, int index, int to)
{
    if (index < 0 || index >= count(from)) return;
    const CardEntry card = stacks_[from]->cards[index];
    if (offTable_) {
        CardStack* s = stacks_[from];
        CardStack* t = stacks_[to];
        if (t->count >= t->capacity) return;
        for (int k = index + 1; k < s->count; ++k) s->cards[k - 1] = s->cards[k];
        --s->count;
        t->cards[t->count++] = CardEntry{card.faceDown, 0u, card.image, 0};
        touch(from);
        touch(to);
        return;
    }
    host_.removeCard(stacks_[from], index);
    host_.addCard(stacks_[to], card.image, card.faceDown != 0, true);
    tableChanged();
}

void Game::removeCard(int pile, int index)
{
    if (index < 0 || index >= count(pile)) return;
    if (offTable_) {
        CardStack* s = stacks_[pile];
        for (int k = index + 1; k < s->count; ++k) s->cards[k - 1] = s->cards[k];
        --s->count;
        touch(pile);
        return;
    }
    host_.removeCard(stacks_[pile], index);
    tableChanged();
}

void Game::clearPile(int pile)
{
    if (offTable_) {
        stacks_[pile]->count = 0;
        touch(pile);
        return;
    }
    host_.clearStack(stacks_[pile]);
    tableChanged();
}

bool Game::recycle(int waste, int stock)
{
    if (empty(waste)) return false;
    while (count(waste) > 1) moveTop(waste, stock, {.faceDown = true, .slide = false, .redraw = false});
    moveTop(waste, stock, {.faceDown = true, .slide = false});
    return true;
}

void Game::markTop(int pile, bool marked)
{
    if (empty(pile) || offTable_) return;
    host_.markTop(stacks_[pile], marked);
    tableChanged();
}

void Game::showHintMark(int pile)
{
    // After a click that changed nothing the host's undo is still armed: a
    // mark now would take its snapshot, and Undo would lose the last move.
    if (offTable_ || empty(pile) || clickArmedUndo_) return;
    host_.markTop(stacks_[pile], true);
    hintCard_ = top(pile);
}

void Game::clearHintMark()
{
    if (hintCard_ == kNoCard) return;
    for (int p = 0; p < static_cast<int>(stacks_.size()); ++p)
        if (!empty(p) && top(p) == hintCard_ && topMarked(p)) host_.markTop(stacks_[p], false);
    hintCard_ = kNoCard;
}

bool Game::inCovering(int pile) const
{
    for (size_t p = 0; p < coveredBy_.size(); ++p) {
        if (coveredBy_[p].empty()) continue;
        if (static_cast<int>(p) == pile) return true;
        for (int q : coveredBy_[p])
            if (q == pile) return true;
    }
    return false;
}

}  // namespace kit
