// A small game module that exercises the headless host: a stock, four piles
// and a foundation.
//
//   [stock]  [pile 1] [pile 2] [pile 3] [pile 4]  [foundation]
//
// A press on the stock deals one card face up to every pile. Pile cards are
// dragged as runs onto any pile; the foundation takes single cards only, 5
// points each. A double-click sends a pile's top card to the foundation;
// Auto Play sends aces there. Option 0 loses the game, option 1 is a check
// mark. Saved data: the score.
#include <cstring>

#include "tessel_native.h"

namespace {

TSWindow host;
CardStack* stock;
CardStack* piles[4];
CardStack* foundation;
int16_t score, undoScore;

intptr_t Send(uint32_t message, uintptr_t wParam = 0, const void* lParam = nullptr)
{
    return TsNativeSend(host, message, wParam, reinterpret_cast<intptr_t>(lParam));
}

CardStack* Create(int32_t x, int32_t y, int16_t fan, int16_t capacity, int16_t base)
{
    StackSpec spec{0, x, y, base, fan, capacity, 0};
    return reinterpret_cast<CardStack*>(Send(HM_CREATESTACK, 0, &spec));
}

void Move(CardStack* from, CardStack* to, bool slide)
{
    CardMove move{from, to, 0, slide ? 1u : 0u, 0};
    Send(HM_MOVECARD, 0, &move);
}

void ShowScore()
{
    char text[32];
    std::strcpy(text, "Score: ");
    int v = score, n = 7;
    if (v < 0) {
        text[n++] = '-';
        v = -v;
    }
    char digits[8];
    int d = 0;
    do {
        digits[d++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v);
    while (d) text[n++] = digits[--d];
    text[n] = 0;
    Send(HM_SETSCORE, 0, text);
}

bool IsPile(const CardStack* s)
{
    for (CardStack* p : piles)
        if (p == s) return true;
    return false;
}

void CardArrived()
{
    score += 5;
    ShowScore();
    if (foundation->count == 52) Send(HM_GAMEWON);
}

}  // namespace

extern "C" {

int32_t TS_CALL TSInitModule(TSWindow window, char* name, int32_t* extent)
{
    host = window;
    std::strcpy(name, "Fixture Patience");
    extent[0] = 400;
    extent[1] = 300;
    return 1;
}

void TS_CALL TSCloseModule(void) {}

int32_t TS_CALL TSNewGame(void)
{
    stock = Create(10, 10, TS_FAN_COUNTED, 52, TS_BASE_STOCK_DONE);
    for (int i = 0; i < 4; ++i) piles[i] = Create(70 + 55 * i, 10, TS_FAN_DOWN, 60, TS_BASE_EMPTY);
    foundation = Create(300, 10, TS_FAN_SQUARED, 52, TS_BASE_FOUNDATION_ANY);
    uint8_t deck[52];
    for (int i = 0; i < 52; ++i) deck[i] = static_cast<uint8_t>(i);
    Send(HM_SHUFFLE, 52, deck);
    for (uint8_t card : deck) {
        CardPlacement p{stock, 1, 0, card, 0};
        Send(HM_ADDCARD, 0, &p);
    }
    for (int round = 0; round < 3; ++round)
        for (CardStack* pile : piles) Move(stock, pile, false);
    score = 0;
    ShowScore();
    Send(HM_SETMESSAGE, 0, "Fixture dealt");
    return 1;
}

void TS_CALL TSLoadGame(CardStack** stacks, int16_t count, TSMemory data)
{
    if (count != 6) return;
    stock = stacks[0];
    for (int i = 0; i < 4; ++i) piles[i] = stacks[1 + i];
    foundation = stacks[5];
    score = 0;
    if (TsNativeMemorySize(data) >= sizeof score) std::memcpy(&score, TsNativeMemoryData(data), sizeof score);
}

TSMemory TS_CALL TSGetGameData(void)
{
    TSMemory block = TsNativeMemoryAlloc(sizeof score);
    if (block) std::memcpy(TsNativeMemoryData(block), &score, sizeof score);
    return block;
}

void TS_CALL TSSetGameData(void) {}

void TS_CALL TSSetupOptionsMenu(void)
{
    Send(HM_ADDOPTION, 0, "Lose now");
    Send(HM_ADDOPTION, 1, "Check me");
}

void TS_CALL TSOptionSelected(int32_t option)
{
    static bool checked;
    if (option == 0) Send(HM_GAMELOST);
    if (option == 1) {
        checked = !checked;
        Send(HM_CHECKOPTION, 0, reinterpret_cast<const void*>(static_cast<intptr_t>(1 | (checked ? 1 << 16 : 0))));
    }
}

void TS_CALL TSAutoPlay(void)
{
    if (!Send(HM_GETAUTOPLAY)) return;
    for (CardStack* pile : piles) {
        if (pile->count > 0 && TS_CARD_RANK(pile->cards[pile->count - 1].image) == TS_RANK_ACE) {
            Move(pile, foundation, true);
            CardArrived();
        }
    }
}

int16_t TS_CALL TSMouseHit(CardStack* stack, int16_t card)
{
    if (stack == stock) {
        for (CardStack* pile : piles)
            if (stock->count > 0) Move(stock, pile, false);
        return TS_HIT_NOTHING;
    }
    if (IsPile(stack) && card >= 0) return TS_HIT_DRAG_RUN;
    return TS_HIT_NOTHING;
}

void TS_CALL TSDoubleClick(CardStack* stack, int16_t card)
{
    if (IsPile(stack) && card >= 0 && card == stack->count - 1) {
        Move(stack, foundation, true);
        CardArrived();
    }
}

int32_t TS_CALL TSOkToDropCards(CardStack* dragged, CardStack* target)
{
    if (target == foundation) return dragged->count == 1;
    return IsPile(target);
}

void TS_CALL TSStackChanged(CardStack* target)
{
    if (target == foundation) CardArrived();
}

void TS_CALL TSPrepareForUndo(void) { undoScore = score; }

void TS_CALL TSUndo(void)
{
    const int16_t s = score;
    score = undoScore;
    undoScore = s;
}

int16_t TS_CALL TSGetScore(void) { return score; }

}  // extern "C"
