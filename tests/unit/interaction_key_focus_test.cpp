#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "core_fixture.h"
#include "interaction/card_motion.h"
#include "interaction/dragging.h"
#include "interaction/key_description.h"
#include "interaction/key_focus.h"
#include "interaction/undo.h"
#include "modules/game_flow.h"
#include "modules/service_messages.h"

using core::Sound;
using headless::SeamCall;
using headless::SeamEvent;
using interaction::Direction;
using interaction::TableKey;
using table::Rect;
using testing_core::CoreFixture;
using testing_core::FakeModule;

namespace {

// A small table in the manner of FreeCell (origin (0, 32), small cards):
//
//   [0 empty] [1 7H] [2 empty] [3 empty]        y 10, squared
//   [4 fd fd AC 2C 3C 4C] [5 8D] [6 empty]      y 100, fanned down
constexpr int16_t kSevenOfHearts = TS_CARD_INDEX(TS_SUIT_HEARTS, 6);
constexpr int16_t kEightOfDiamonds = TS_CARD_INDEX(TS_SUIT_DIAMONDS, 7);

class KeyFocus : public CoreFixture, public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 4; ++i)
            cells.push_back(AddStack(10 + 50 * i, 10, TS_FAN_SQUARED, 5,
                                     i == 1 ? std::initializer_list<testing_core::Card>{{kSevenOfHearts}}
                                            : std::initializer_list<testing_core::Card>{}));
        column = AddStack(10, 100, TS_FAN_DOWN, 20, {{40, 1}, {41, 1}, {0}, {1}, {2}, {3}});
        other = AddStack(60, 100, TS_FAN_DOWN, 20, {{kEightOfDiamonds}});
        empty = AddStack(110, 100, TS_FAN_DOWN, 20);
        Play(fake);
        fake.mouseHit = [this](CardStack*, int16_t card) {
            pressed.push_back(card);
            return answer;
        };
        fake.okToDrop = [this](CardStack* dragged, CardStack* target) {
            offered.push_back(core.table.IndexOf(target));
            offeredCards = dragged->count;
            return static_cast<int32_t>(target == accepting);
        };
    }

    // Shows the focus and puts it on a stack.
    void FocusOn(int16_t stack, int16_t card = -1)
    {
        interaction::PressTableKey(core, TableKey::Left);
        core.keys.stack = stack;
        core.keys.card = card;
    }
    int Sounds(Sound sound) const
    {
        int n = 0;
        for (const SeamEvent& e : seam.Calls(SeamCall::PlaySound)) n += e.sound == sound;
        return n;
    }

    FakeModule fake;
    std::vector<CardStack*> cells;
    CardStack* column = nullptr;
    CardStack* other = nullptr;
    CardStack* empty = nullptr;
    int16_t answer = TS_HIT_DRAG_RUN;
    CardStack* accepting = nullptr;
    std::vector<int16_t> pressed;
    std::vector<int> offered;
    int16_t offeredCards = 0;
};

}  // namespace

TEST_F(KeyFocus, ArrowsGoToTheNearestStackThatWayAndStayAtAnEdge)
{
    struct Case {
        int16_t from;
        Direction to;
        int16_t expected;
    };
    const Case cases[] = {
        {0, Direction::Right, 1}, {1, Direction::Right, 2}, {3, Direction::Right, -1}, {0, Direction::Left, -1},
        {0, Direction::Up, -1},   {0, Direction::Down, 4},  {1, Direction::Down, 5},   {2, Direction::Down, 6},
        {3, Direction::Down, 6},  {4, Direction::Up, 0},    {5, Direction::Up, 1},     {6, Direction::Up, 2},
        {4, Direction::Right, 5}, {6, Direction::Left, 5},  {4, Direction::Left, -1},  {4, Direction::Down, -1},
        {2, Direction::Left, 1},  {5, Direction::Left, 4},  {5, Direction::Down, -1},  // the long column beside
                                                                                       // lies neither below nor above
    };
    for (const Case& c : cases)
        EXPECT_EQ(interaction::NearestStack(core.table.live(), core.view, c.from, c.to), c.expected)
            << "from " << c.from << " way " << static_cast<int>(c.to);
}

TEST(KeyFocusGeometry, TiesGoToTheStackMadeFirstAndFarStacksAcrossTheWayAreLeftOut)
{
    // A pyramid's two cards below one card, and a card far off to the side.
    CoreFixture f;
    f.AddStack(100, 10, TS_FAN_SQUARED, 1, {{1}});
    f.AddStack(75, 40, TS_FAN_SQUARED, 1, {{2}});
    f.AddStack(125, 40, TS_FAN_SQUARED, 1, {{3}});
    f.AddStack(400, 300, TS_FAN_SQUARED, 1, {{4}});
    EXPECT_EQ(interaction::NearestStack(f.core.table.live(), f.core.view, 0, Direction::Down), 1);
    EXPECT_EQ(interaction::NearestStack(f.core.table.live(), f.core.view, 1, Direction::Right), 2)
        << "the card beside it, not the one below";
    EXPECT_EQ(interaction::NearestStack(f.core.table.live(), f.core.view, 2, Direction::Up), 0);
    EXPECT_EQ(interaction::NearestStack(f.core.table.live(), f.core.view, 2, Direction::Right), 3)
        << "within 45 degrees of the way";
    EXPECT_EQ(interaction::NearestStack(f.core.table.live(), f.core.view, 0, Direction::Right), 2);
    EXPECT_EQ(interaction::NearestStack(f.core.table.live(), f.core.view, 3, Direction::Up), 2);
}

// The waste and the cards just turned over it (Draw Three) share a place:
// the arrows lead to what lies on top there.
TEST(KeyFocusGeometry, AStackWhollyUnderALaterOneIsPassedOver)
{
    CoreFixture f;
    f.AddStack(10, 10, TS_FAN_SQUARED, 24, {{1, 1}});                       // 0 stock
    CardStack* waste = f.AddStack(65, 10, TS_FAN_SQUARED, 24, {{2}, {3}});  // 1 waste
    CardStack* turned = f.AddStack(65, 10, TS_FAN_RIGHT, 3);                // 2 turned, over the waste
    const auto right = [&] { return interaction::NearestStack(f.core.table.live(), f.core.view, 0, Direction::Right); };
    EXPECT_EQ(right(), 1) << "nothing turned: the waste";
    for (const int16_t n : {int16_t{1}, int16_t{3}}) {
        turned->count = n;
        EXPECT_EQ(right(), 2) << n << " turned";
    }
    waste->count = 0;
    turned->count = 0;
    EXPECT_EQ(right(), 1) << "both empty: the first made";
}

TEST_F(KeyFocus, TheFirstKeyShowsTheFrameOnTheFirstStackAndAMousePressHidesIt)
{
    Rect frame;
    EXPECT_FALSE(interaction::FocusFrameRect(core, frame));
    EXPECT_TRUE(interaction::PressTableKey(core, TableKey::Right));
    EXPECT_TRUE(core.keys.shown);
    EXPECT_EQ(core.keys.stack, 0) << "the first key only shows the focus";
    ASSERT_TRUE(interaction::FocusFrameRect(core, frame));
    const int32_t w = interaction::kFocusFrameWidth;
    EXPECT_EQ(frame, (Rect{10 - w, 42 - w, 55 + w, 105 + w}));
    ASSERT_EQ(seam.Calls(SeamCall::Invalidate).size(), 1u);
    EXPECT_EQ(seam.Calls(SeamCall::Invalidate)[0].rect, frame);
    EXPECT_EQ(seam.events.back().call, SeamCall::RepaintNow);
    EXPECT_TRUE(seam.events.back().flag) << "the frame is drawn with the table";
    EXPECT_TRUE(fake.calls.empty());

    seam.Clear();
    interaction::PressTableKey(core, TableKey::Down);
    EXPECT_EQ(core.keys.stack, 4);
    const auto moved = seam.Calls(SeamCall::Invalidate);
    ASSERT_EQ(moved.size(), 2u) << "where the frame was and where it is";
    EXPECT_EQ(moved[0].rect, frame);
    EXPECT_EQ(moved[1].rect, (Rect{10 - w, 182 - w, 55 + w, 245 + w})) << "around the top card";

    seam.Clear();
    interaction::MousePressedOnTable(core);
    EXPECT_FALSE(core.keys.shown);
    EXPECT_EQ(seam.Calls(SeamCall::Invalidate).at(0).rect, moved[1].rect);
    EXPECT_FALSE(interaction::FocusFrameRect(core, frame));
    interaction::PressTableKey(core, TableKey::Up);
    EXPECT_EQ(core.keys.stack, 4) << "shown again where it was";
}

TEST_F(KeyFocus, PlusAndMinusWalkTheFaceUpCardsOnly)
{
    FocusOn(4);
    struct Step {
        TableKey key;
        bool acts;
        int16_t card;  // the focused card after the key
    };
    const Step steps[] = {
        {TableKey::Higher, false, 5}, {TableKey::Deeper, true, 4},  {TableKey::Deeper, true, 3},
        {TableKey::Deeper, true, 2},  {TableKey::Deeper, false, 2}, {TableKey::Higher, true, 3},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(interaction::PressTableKey(core, s.key), s.acts);
        EXPECT_EQ(interaction::CurrentFocus(core).card, s.card);
    }
    Rect frame;
    ASSERT_TRUE(interaction::FocusFrameRect(core, frame));
    const int32_t w = interaction::kFocusFrameWidth;
    EXPECT_EQ(frame, (Rect{10 - w, 162 - w, 55 + w, 245 + w})) << "around the card and all above it";

    // A squared stack shows only its top card; an empty one has none.
    FocusOn(1);
    EXPECT_FALSE(interaction::PressTableKey(core, TableKey::Deeper));
    FocusOn(6);
    EXPECT_FALSE(interaction::PressTableKey(core, TableKey::Deeper));
    EXPECT_EQ(interaction::CurrentFocus(core).card, -1);
}

TEST_F(KeyFocus, EnterLiftsWhatThePressAllowsAndDropsItOnTheFocusedStack)
{
    core.state.sounds = 1;
    FocusOn(4, 3);  // the run 2C 3C 4C
    seam.Clear();
    EXPECT_TRUE(interaction::PressTableKey(core, TableKey::Act));
    EXPECT_EQ(pressed, std::vector<int16_t>{3});
    EXPECT_EQ(column->count, 3) << "three cards are lifted";
    const CardStack* held = interaction::HeldCards(core);
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->count, 3);
    const table::Point lift = interaction::HeldCardsLift(core.view);
    EXPECT_EQ(table::StackRect(*held, core.view), (Rect{10 + lift.x, 162 + lift.y, 55 + lift.x, 245 + lift.y}))
        << "lifted over their place";
    EXPECT_EQ(seam.Count(SeamCall::MakeDragImage), 0) << "held cards are drawn with the table";
    EXPECT_EQ(seam.Count(SeamCall::CaptureMouse), 0);
    EXPECT_EQ(interaction::CurrentFocus(core).card, 2) << "the focus goes to the top of what is left";

    // Refused: still held, with the drop's sound.
    interaction::PressTableKey(core, TableKey::Right);
    ASSERT_EQ(core.keys.stack, 5);
    seam.Clear();
    EXPECT_TRUE(interaction::PressTableKey(core, TableKey::Act));
    EXPECT_EQ(offered, std::vector<int>{5});
    EXPECT_EQ(offeredCards, 3);
    EXPECT_NE(interaction::HeldCards(core), nullptr);
    EXPECT_EQ(Sounds(Sound::Flip), 1);
    EXPECT_EQ(column->count, 3);

    // Accepted on the empty column: everything an accepted drop does.
    accepting = empty;
    interaction::PressTableKey(core, TableKey::Right);
    fake.calls.clear();
    EXPECT_TRUE(interaction::PressTableKey(core, TableKey::Act));
    EXPECT_EQ(Images(*empty), (std::vector<int16_t>{1, 2, 3}));
    EXPECT_EQ(column->count, 3);
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"OkToDrop", "PrepareForUndo", "StackChanged"}));
    EXPECT_EQ(interaction::HeldCards(core), nullptr);
    EXPECT_FALSE(core.keys.holding);
    EXPECT_EQ(Images(*core.table.shadow()[4]), (std::vector<int16_t>{40, 41, 0, 1, 2, 3}))
        << "the snapshot shows the table before the move";
    interaction::Undo(core);
    EXPECT_EQ(column->count, 6);
    EXPECT_EQ(empty->count, 0);
}

TEST_F(KeyFocus, PressesThatLiftNothing)
{
    struct Case {
        const char* what;
        int16_t focus;
        int16_t answer;
        int16_t asked;  // the card the module was asked about
        bool marks;
        int16_t lifted;
    };
    const Case cases[] = {
        {"an empty stack is pressed with -1", 6, TS_HIT_DRAG_RUN, -1, false, 0},
        {"answer 1 marks the card", 5, TS_HIT_MARK, 0, true, 0},
        {"answer 2 does nothing", 5, TS_HIT_NOTHING, 0, false, 0},
        {"answer 3 lifts the card alone", 4, TS_HIT_DRAG_CARD, 5, false, 1},
    };
    for (const Case& c : cases) {
        pressed.clear();
        other->cards[0].mark = 0;
        answer = c.answer;
        FocusOn(c.focus);
        interaction::PressTableKey(core, TableKey::Act);
        EXPECT_EQ(pressed, std::vector<int16_t>{c.asked}) << c.what;
        EXPECT_EQ(other->cards[0].mark, c.marks ? 1u : 0u) << c.what;
        const CardStack* held = interaction::HeldCards(core);
        EXPECT_EQ(held ? held->count : 0, c.lifted) << c.what;
        interaction::PressTableKey(core, TableKey::PutBack);
        EXPECT_EQ(column->count, 6) << c.what;
    }
}

TEST_F(KeyFocus, EscAndTheCardsOwnStackPutThemBackWithoutAskingTheModule)
{
    struct Case {
        const char* what;
        TableKey key;
        int flips;
    };
    core.state.sounds = 1;
    for (const Case c : {Case{"Esc", TableKey::PutBack, 0}, Case{"Enter on their own stack", TableKey::Act, 1}}) {
        FocusOn(4);
        interaction::PressTableKey(core, TableKey::Act);
        ASSERT_EQ(column->count, 5) << c.what;
        seam.Clear();
        fake.calls.clear();
        EXPECT_TRUE(interaction::PressTableKey(core, c.key)) << c.what;
        EXPECT_EQ(Images(*column), (std::vector<int16_t>{40, 41, 0, 1, 2, 3})) << c.what;
        EXPECT_EQ(interaction::HeldCards(core), nullptr) << c.what;
        EXPECT_TRUE(fake.calls.empty()) << c.what;
        EXPECT_EQ(Sounds(Sound::Flip), c.flips) << c.what;
        EXPECT_GE(seam.Count(SeamCall::RepaintNow), 1) << c.what;
    }
    EXPECT_FALSE(interaction::PressTableKey(core, TableKey::PutBack)) << "nothing held";
}

TEST_F(KeyFocus, ShiftEnterIsAPressAReleaseAndADoubleClick)
{
    int16_t clicked = 99;
    fake.doubleClick = [&](CardStack* s, int16_t card) {
        clicked = card;
        EXPECT_EQ(s, column);
    };
    FocusOn(4, 4);
    EXPECT_TRUE(interaction::PressTableKey(core, TableKey::DoubleAct));
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"MouseHit", "DoubleClick"}));
    EXPECT_EQ(clicked, 4);
    EXPECT_EQ(column->count, 6) << "nothing is lifted";
    EXPECT_FALSE(core.drag.armed);
    EXPECT_TRUE(core.flow.undoArmed);

    // Held cards go back first.
    interaction::PressTableKey(core, TableKey::Act);
    ASSERT_NE(interaction::HeldCards(core), nullptr);
    interaction::PressTableKey(core, TableKey::DoubleAct);
    EXPECT_EQ(interaction::HeldCards(core), nullptr);
    EXPECT_EQ(column->count, 6);
    EXPECT_EQ(clicked, 5);
}

TEST_F(KeyFocus, WithoutADealInPlayTheKeysOnlyMoveTheFocus)
{
    core.state.gameInPlay = 0;
    FocusOn(4);
    EXPECT_FALSE(interaction::PressTableKey(core, TableKey::Act));
    EXPECT_FALSE(interaction::PressTableKey(core, TableKey::DoubleAct));
    EXPECT_TRUE(interaction::PressTableKey(core, TableKey::Right));
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(KeyFocus, HeldCardsGoBackWhenSomethingElseEndsTheHold)
{
    struct Case {
        const char* what;
        std::function<void(KeyFocus&)> during;
    };
    const Case cases[] = {
        {"a mouse press on the table", [](KeyFocus& t) { interaction::MousePressedOnTable(t.core); }},
        {"Undo", [](KeyFocus& t) { interaction::Undo(t.core); }},
    };
    for (const Case& c : cases) {
        core.table.Snapshot();
        core.flow.undoAvailable = true;
        FocusOn(5);
        interaction::PressTableKey(core, TableKey::Act);
        ASSERT_NE(interaction::HeldCards(core), nullptr) << c.what;
        c.during(*this);
        EXPECT_EQ(interaction::HeldCards(core), nullptr) << c.what;
        EXPECT_EQ(Images(*other), std::vector<int16_t>{kEightOfDiamonds}) << c.what;
        EXPECT_FALSE(core.drag.dragging) << c.what;
    }
}

TEST_F(KeyFocus, ANewDealKeepsTheFocusOnTheTable)
{
    FocusOn(6);
    interaction::PressTableKey(core, TableKey::Up);
    ASSERT_EQ(core.keys.stack, 2);
    FocusOn(5);
    interaction::PressTableKey(core, TableKey::Act);
    ASSERT_NE(interaction::HeldCards(core), nullptr);
    interaction::DiscardTable(core);  // a new deal while cards are held
    EXPECT_EQ(interaction::HeldCards(core), nullptr);
    EXPECT_TRUE(core.keys.shown);
    EXPECT_EQ(interaction::DescribeFocus(core), interaction::kFocusHiddenText) << "no stack to be on";

    AddStack(10, 10, TS_FAN_SQUARED, 5, {{7}});
    EXPECT_EQ(interaction::CurrentFocus(core).stack, 0) << "stack 5 is gone: the first stack";
    seam.Clear();
    EXPECT_TRUE(interaction::PressTableKey(core, TableKey::Act)) << "the next Enter presses the new deal's stack";
    EXPECT_EQ(pressed.back(), 0);
    EXPECT_NE(interaction::HeldCards(core), nullptr);
    interaction::PressTableKey(core, TableKey::PutBack);
}

TEST(KeyDescription, CardsInWords)
{
    struct Case {
        CardEntry card;
        const char* words;
    };
    const Case cases[] = {
        {{0, 0, TS_CARD_INDEX(TS_SUIT_HEARTS, 6), 0}, "Seven of Hearts"},
        {{0, 0, TS_CARD_INDEX(TS_SUIT_CLUBS, TS_RANK_ACE), 0}, "Ace of Clubs"},
        {{0, 0, TS_CARD_INDEX(TS_SUIT_SPADES, TS_RANK_KING), 0}, "King of Spades"},
        {{0, 0, TS_CARD_INDEX(TS_SUIT_DIAMONDS, TS_RANK_TEN), 0}, "Ten of Diamonds"},
        {{1, 0, 5, 0}, "face-down card"},
        {{0, 0, 52, 0}, "unknown card"},
        {{0, 0, -1, 0}, "unknown card"},
    };
    for (const Case& c : cases) EXPECT_EQ(interaction::CardInWords(c.card), c.words);
}

TEST_F(KeyFocus, TheDescriptionSaysTheCardWhereItIsAndWhatIsHeld)
{
    EXPECT_EQ(interaction::DescribeFocus(core), interaction::kFocusHiddenText);
    struct Case {
        int16_t stack;
        int16_t card;
        const char* words;
    };
    const Case cases[] = {
        {1, -1, "Seven of Hearts, Stack 2"},
        {0, -1, "empty stack, Stack 1"},
        {4, -1, "Four of Clubs, Stack 5, 6 cards"},
        {4, 2, "Ace of Clubs with 3 cards on it, Stack 5, 6 cards"},
    };
    for (const Case& c : cases) {
        FocusOn(c.stack, c.card);
        EXPECT_EQ(interaction::DescribeFocus(core), c.words);
    }
    column->cards[5].faceDown = 1;
    FocusOn(4);
    EXPECT_EQ(interaction::DescribeFocus(core), "face-down card, Stack 5, 6 cards");
    column->cards[5].faceDown = 0;

    FocusOn(4, 3);
    interaction::PressTableKey(core, TableKey::Act);
    interaction::PressTableKey(core, TableKey::Right);
    EXPECT_EQ(interaction::DescribeFocus(core), "Eight of Diamonds, Stack 6; holding 3 cards from Stack 5");
    interaction::PressTableKey(core, TableKey::PutBack);
    FocusOn(5);
    answer = TS_HIT_DRAG_CARD;
    interaction::PressTableKey(core, TableKey::Act);
    interaction::PressTableKey(core, TableKey::Up);
    EXPECT_EQ(interaction::DescribeFocus(core), "Seven of Hearts, Stack 2; holding Eight of Diamonds from Stack 6");
    interaction::PressTableKey(core, TableKey::PutBack);
}

namespace {

std::vector<std::string> gNames;
std::vector<CardStack*> gStacks;

int32_t TS_CALL NameFromList(CardStack* stack, char* name, int32_t size)
{
    for (size_t i = 0; i < gStacks.size(); ++i)
        if (gStacks[i] == stack) {
            if (gNames[i].empty()) return 0;
            std::memset(name, 'x', static_cast<size_t>(size));  // no terminator within size: cut there
            std::memcpy(name, gNames[i].c_str(), std::min(gNames[i].size() + 1, static_cast<size_t>(size)));
            return 1;
        }
    return 0;
}

}  // namespace

TEST_F(KeyFocus, AGameThatNamesItsPilesIsHeardByThoseNames)
{
    gStacks = {cells[0], cells[1], cells[2], cells[3], column, other, empty};
    gNames = {"Free Cell 1", "Free Cell 2", "", "   ", "Column 1", std::string(100, 'L'), "Column\t3"};
    core.modules.rows[0].optional.getStackName = NameFromList;
    struct Case {
        int16_t stack;
        std::string words;
    };
    const Case cases[] = {
        {1, "Seven of Hearts, Free Cell 2"}, {2, "empty stack, Stack 3"},  // the game gives it no name
        {3, "empty stack, Stack 4"},                                       // nothing but blanks
        {6, "empty stack, Column 3"},        {5, "Eight of Diamonds, " + std::string(TS_NAME_BYTES - 1, 'L')},
    };
    for (const Case& c : cases) {
        FocusOn(c.stack);
        EXPECT_EQ(interaction::DescribeFocus(core), c.words);
    }
    core.modules.rows[0].optional.getStackName = nullptr;
    FocusOn(1);
    EXPECT_EQ(interaction::DescribeFocus(core), "Seven of Hearts, Stack 2") << "an older module lacks the export";
}
