#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core_fixture.h"
#include "interaction/card_motion.h"
#include "modules/game_flow.h"
#include "modules/service_messages.h"

using core::Sound;
using core::SoundMode;
using headless::SeamCall;
using headless::SeamEvent;
using table::Rect;
using testing_core::Card;
using testing_core::CoreFixture;
using testing_core::FakeModule;

namespace {

class ServiceMessages : public CoreFixture, public ::testing::Test {
protected:
    intptr_t Send(uint32_t message, uintptr_t wParam = 0, const void* lParam = nullptr)
    {
        return modules::HandleServiceMessage(core, message, wParam, reinterpret_cast<intptr_t>(lParam));
    }
    intptr_t SendValue(uint32_t message, uintptr_t wParam, intptr_t lParam)
    {
        return modules::HandleServiceMessage(core, message, wParam, lParam);
    }

    // What reached the screen and the speaker, in order: I invalidate (I!
    // with erasing), R repaint now (R* with tableDirty set), D a card picture
    // drawn on the window, S / A a synchronous / asynchronous sound.
    std::string Trace() const
    {
        std::string out;
        for (const SeamEvent& e : seam.events) {
            switch (e.call) {
            case SeamCall::Invalidate: out += e.flag ? "I! " : "I "; break;
            case SeamCall::RepaintNow: out += e.flag ? "R* " : "R "; break;
            case SeamCall::DrawCardOnWindow: out += "D "; break;
            case SeamCall::PlaySound: out += e.mode == SoundMode::Sync ? "S " : "A "; break;
            default: break;
            }
        }
        return out;
    }
    std::vector<Rect> Invalidated() const
    {
        std::vector<Rect> out;
        for (const SeamEvent& e : seam.Calls(SeamCall::Invalidate)) out.push_back(e.rect);
        return out;
    }
};

}  // namespace

TEST_F(ServiceMessages, CreateStackDrawsItsFirstCardPlaceAtOnce)
{
    const StackSpec framed{1, 100, 41, TS_BASE_EMPTY, TS_FAN_DOWN, 13, 0};
    auto* s = reinterpret_cast<CardStack*>(Send(HM_CREATESTACK, 0, &framed));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->capacity, 13);
    EXPECT_EQ(Trace(), "I R* ");
    EXPECT_EQ(Invalidated(), (std::vector<Rect>{{97, 70, 148, 139}})) << "the card place grown by 3 for a frame";
    EXPECT_EQ(Send(HM_CREATESTACK), 0) << "no StackSpec";
}

TEST_F(ServiceMessages, CreateStackScalesForLargeCardsAndRefusesTheHundredAndFirst)
{
    core::SwitchCardSize(core, table::CardSize::Large, false);
    const StackSpec spec{0, 100, 41, TS_BASE_NONE, TS_FAN_SQUARED, 1, 0};
    auto* s = reinterpret_cast<CardStack*>(Send(HM_CREATESTACK, 0, &spec));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->x, 150);
    EXPECT_EQ(s->y, 61);
    for (int i = 1; i < 100; ++i) ASSERT_NE(Send(HM_CREATESTACK, 0, &spec), 0);
    seam.Clear();
    EXPECT_EQ(Send(HM_CREATESTACK, 0, &spec), 0);
    EXPECT_EQ(core.table.count(), 100);
    EXPECT_TRUE(seam.events.empty()) << "nothing drawn for a refused stack";
}

TEST_F(ServiceMessages, AddCardInvalidatesTheTopAreaAndRepaintsOnlyWhenAsked)
{
    CardStack* down = AddStack(10, 10, TS_FAN_DOWN, 3);
    CardStack* downTop = AddStack(100, 10, TS_FAN_DOWN_TOP, 3, {{1}});
    struct Case {
        CardStack* stack;
        uint32_t redraw;
        const char* trace;
        Rect area;
    };
    const Case cases[] = {
        {down, 0, "I ", {10, 42, 55, 105}},
        {down, 1, "I R* ", {10, 52, 55, 115}},
        {downTop, 0, "I ", {100, 42, 145, 115}},  // the whole stack moves under its top card
    };
    for (const Case& c : cases) {
        seam.Clear();
        CardPlacement p{c.stack, 1, 1, 0x00070005u, c.redraw};
        Send(HM_ADDCARD, 0, &p);
        EXPECT_EQ(Trace(), c.trace);
        EXPECT_EQ(Invalidated(), std::vector<Rect>{c.area});
        const CardEntry& top = c.stack->cards[c.stack->count - 1];
        EXPECT_EQ(top.image, 5);
        EXPECT_EQ(top.imageHigh, 7) << "the upper half of the image word is kept beside it";
        EXPECT_EQ(top.faceDown, 1u);
        EXPECT_EQ(top.mark, 1u);
    }
}

TEST_F(ServiceMessages, NothingIsWrittenBeyondAStackOrIntoAStrangersMemory)
{
    FakeModule fake;
    Play(fake);
    core.flow.undoArmed = true;
    CardStack* full = AddStack(10, 10, TS_FAN_DOWN, 2, {{1}, {2}});
    CardStack* other = AddStack(100, 10, TS_FAN_DOWN, 2, {{3}});
    CardStack stranger{};

    CardPlacement onFull{full, 0, 0, 9, 1};
    Send(HM_ADDCARD, 0, &onFull);
    CardMove toFull{other, full, 0, 1, 1};
    Send(HM_MOVECARD, 0, &toFull);
    CardPlacement onStranger{&stranger, 0, 0, 9, 1};
    Send(HM_ADDCARD, 0, &onStranger);
    Send(HM_MARKCARD, 1, &stranger);
    Send(HM_CLEARSTACK, 0, &stranger);
    Send(HM_REMOVECARD, 0, &stranger);
    CardMove fromStranger{&stranger, other, 0, 0, 1};
    Send(HM_MOVECARD, 0, &fromStranger);

    EXPECT_EQ(Images(*full), (std::vector<int16_t>{1, 2}));
    EXPECT_EQ(Images(*other), (std::vector<int16_t>{3})) << "the move leaves the card on its source";
    EXPECT_EQ(stranger.count, 0);
    EXPECT_TRUE(seam.events.empty());
    EXPECT_EQ(fake.Calls("PrepareForUndo"), 0) << "a request that changes nothing takes no snapshot";
    EXPECT_TRUE(core.flow.undoArmed);
}

TEST_F(ServiceMessages, AStackAModuleWroteIsNeverReadOrWrittenBeyondItsSlots)
{
    FakeModule fake;
    Play(fake);
    CardStack* raised = AddStack(10, 10, TS_FAN_DOWN, 2, {{1}, {2}});
    CardStack* other = AddStack(100, 10, TS_FAN_DOWN, 4, {{3}});
    raised->capacity = 400;  // written by the module: the stack still has 2 slots
    raised->count = 2;

    CardPlacement onRaised{raised, 0, 0, 9, 1};
    Send(HM_ADDCARD, 0, &onRaised);
    CardMove toRaised{other, raised, 0, 0, 1};
    Send(HM_MOVECARD, 0, &toRaised);
    EXPECT_EQ(Images(*raised), (std::vector<int16_t>{1, 2})) << "no third card in two slots";
    EXPECT_EQ(Images(*other), (std::vector<int16_t>{3}));

    raised->count = 300;  // beyond its memory: no top card to touch
    Send(HM_REMOVECARD, 0, raised);
    Send(HM_MARKCARD, 1, raised);
    CardMove fromRaised{raised, other, 0, 0, 1};
    Send(HM_MOVECARD, 0, &fromRaised);
    EXPECT_EQ(raised->count, 300);
    EXPECT_EQ(Images(*other), (std::vector<int16_t>{3}));
}

TEST_F(ServiceMessages, AChangeIsCheckedAgainAfterTheModulePreparedForUndo)
{
    // The first change after a click takes the snapshot, which calls
    // TSPrepareForUndo; the module fills the stack there.
    FakeModule fake;
    Play(fake);
    CardStack* s = AddStack(10, 10, TS_FAN_DOWN, 3, {{1}});
    CardStack* other = AddStack(100, 10, TS_FAN_DOWN, 3, {{5}});
    struct Case {
        const char* what;
        std::function<void()> send;
        std::function<void()> meanwhile;
    };
    const Case cases[] = {
        {"a card added to a stack filled meanwhile",
         [&] {
             CardPlacement p{s, 0, 0, 9, 1};
             Send(HM_ADDCARD, 0, &p);
         },
         [&] { s->count = 3; }},
        {"a card moved onto a stack filled meanwhile",
         [&] {
             CardMove m{other, s, 0, 0, 1};
             Send(HM_MOVECARD, 0, &m);
         },
         [&] { s->count = 3; }},
        {"a card removed from a stack emptied meanwhile", [&] { Send(HM_REMOVECARD, 0, other); },
         [&] { other->count = 0; }},
        {"a card marked on a stack whose count went beyond its memory", [&] { Send(HM_MARKCARD, 1, other); },
         [&] { other->count = 900; }},
    };
    for (const Case& c : cases) {
        s->count = 1;
        other->count = 1;
        core.flow.undoArmed = true;
        fake.prepareForUndo = c.meanwhile;
        c.send();  // AddressSanitizer catches a card written or read beyond the 3 slots
        EXPECT_EQ(fake.Calls("PrepareForUndo"), 1) << c.what;
        EXPECT_LE(s->count, 3) << c.what;
        fake.calls.clear();
    }
}

TEST_F(ServiceMessages, MoveCardTurnsMovesSlidesRepaintsAndPlays)
{
    struct Case {
        const char* what;
        bool toOther;
        uint32_t slide;
        uint32_t redraw;
        const char* trace;
    };
    // A move to another stack invalidates the source's old top area and the
    // destination's new one; the slide draws 2 frames over 40 pixels.
    const Case cases[] = {
        {"turn, deferred", false, 0, 0, "I "},
        {"turn, redraw now", false, 0, 1, "I R* S "},
        {"turn never slides", false, 1, 0, "I "},
        {"move, deferred", true, 0, 0, "I I "},
        {"move, redraw now", true, 0, 1, "I I R* S "},
        {"slide without redraw", true, 1, 0, "I R* D I R D I I R* S "},
        {"slide word with high bits", true, 0x00030001u, 0, "I R* D I R D I I R* S "},
        {"slide word 2 does not slide", true, 2, 0, "I I "},
    };
    for (const Case& c : cases) {
        seam.Clear();
        core.table.Discard();
        CardStack* a = AddStack(0, 0, TS_FAN_SQUARED, 5, {{1, 1, 1}, {2, 1, 1}});
        CardStack* b = AddStack(40, 0, TS_FAN_SQUARED, 5);
        CardMove m{a, c.toOther ? b : a, 0, c.slide, c.redraw};
        Send(HM_MOVECARD, 0, &m);
        EXPECT_EQ(Trace(), c.trace) << c.what;
        const CardStack& dest = c.toOther ? *b : *a;
        const CardEntry& moved = dest.cards[dest.count - 1];
        EXPECT_EQ(moved.image, 2) << c.what;
        EXPECT_EQ(moved.faceDown, 0u) << c.what;
        EXPECT_EQ(moved.mark, 0u) << c.what << ": the mark is cleared";
        EXPECT_EQ(a->count, c.toOther ? 1 : 2) << c.what;
    }
}

TEST_F(ServiceMessages, MoveCardFromAnEmptyStackDoesNothingAtAll)
{
    FakeModule fake;
    Play(fake);
    core.flow.undoArmed = true;
    CardStack* a = AddStack(0, 0, TS_FAN_SQUARED, 5);
    CardStack* b = AddStack(40, 0, TS_FAN_SQUARED, 5);
    for (CardStack* dest : {a, b}) {
        CardMove m{a, dest, 0, 1, 1};
        Send(HM_MOVECARD, 0, &m);
    }
    EXPECT_TRUE(seam.events.empty());
    EXPECT_EQ(fake.Calls("PrepareForUndo"), 0);
    EXPECT_EQ(b->count, 0);
}

TEST_F(ServiceMessages, TheSlidePacesItsFramesAndEndsExactlyOnTheNewPlace)
{
    CardStack* a = AddStack(0, 0, TS_FAN_SQUARED, 5, {{7}});
    CardStack* b = AddStack(300, 100, TS_FAN_DOWN, 5, {{1}, {2}});  // the card lands at (300, 152)
    seam.tickStep = 3;
    CardMove m{a, b, 1, TS_SLIDE, 0};
    Send(HM_MOVECARD, 0, &m);
    // |300| + |120| = 420 pixels: 420 / 80 = 5 frames, from (0, 32) to (300, 152).
    std::vector<table::Point> frames;
    for (const SeamEvent& e : seam.Calls(SeamCall::DrawCardOnWindow)) {
        frames.push_back(e.point);
        EXPECT_EQ(e.number, 7);
        EXPECT_TRUE(e.flag) << "it arrives face down, so its back slides";
    }
    EXPECT_EQ(frames, (std::vector<table::Point>{{60, 56}, {120, 80}, {180, 104}, {240, 128}, {300, 152}}));
    // Each frame waits until the clock has moved 17 ms past the previous one;
    // with a clock that advances 3 ms per reading that is 6 readings.
    EXPECT_EQ(seam.tick, 1000u + 3u * (1 + 5 * 6));
}

TEST_F(ServiceMessages, SlideFrameCounts)
{
    using interaction::SlideFrameCount;
    struct Case {
        int32_t dx, dy;
        table::CardSize size;
        int frames;
    };
    const Case cases[] = {
        {40, 0, table::CardSize::Small, 2},       {400, 0, table::CardSize::Small, 5},
        {-1000, 1000, table::CardSize::Small, 8}, {0, 0, table::CardSize::Small, 2},
        {400, 0, table::CardSize::Large, 3},      {-239, 0, table::CardSize::Small, 2},
        {240, 0, table::CardSize::Small, 3},      {719, 0, table::CardSize::Small, 8},
        {959, 0, table::CardSize::Large, 7},
    };
    for (const Case& c : cases) EXPECT_EQ(SlideFrameCount(c.dx, c.dy, c.size), c.frames) << c.dx << "," << c.dy;
    // Coinciding places still show two frames there; a negative step truncates toward zero.
    EXPECT_EQ(interaction::SlideFramePos({5, 5}, 0, 0, 1, 2), (table::Point{5, 5}));
    EXPECT_EQ(interaction::SlideFramePos({0, 0}, -7, 7, 1, 2), (table::Point{-3, 3}));
}

TEST_F(ServiceMessages, ShufflePlaysItsSoundWhetherOrNotItShuffled)
{
    core.random.Seed(0);
    uint8_t good[3] = {10, 20, 30};
    EXPECT_EQ(Send(HM_SHUFFLE, 3, good), 1);
    EXPECT_EQ(good[0], 30);
    uint8_t bad[3] = {1, 255, 2};
    EXPECT_EQ(Send(HM_SHUFFLE, 3, bad), 0);
    EXPECT_EQ(bad[1], 255);
    EXPECT_EQ(Send(HM_SHUFFLE, static_cast<uintptr_t>(-1), good), 0);
    EXPECT_EQ(Trace(), "S S ") << "a shuffle that could not run plays nothing";
    for (const SeamEvent& e : seam.Calls(SeamCall::PlaySound)) EXPECT_EQ(e.sound, Sound::Shuffle);

    seam.Clear();
    core.state.sounds = 0;
    EXPECT_EQ(Send(HM_SHUFFLE, 3, good), 1);
    EXPECT_EQ(Trace(), "") << "with the Sounds option off nothing plays";
}

TEST_F(ServiceMessages, RemoveMarkAndClearRepaintTheAreaTheyChanged)
{
    CardStack* s = AddStack(10, 10, TS_FAN_DOWN, 6, {{0}, {1}, {2}, {3}});
    const Rect before{10, 42, 55, 135};
    Send(HM_REMOVECARD, 1, s);
    EXPECT_EQ(Images(*s), (std::vector<int16_t>{0, 2, 3}));
    Send(HM_REMOVECARD, 50, s);
    EXPECT_EQ(Images(*s), (std::vector<int16_t>{0, 2})) << "an index beyond the top removes the top card";
    Send(HM_REMOVECARD, static_cast<uintptr_t>(-1), s);
    EXPECT_EQ(Images(*s), (std::vector<int16_t>{0, 2})) << "a negative index removes nothing";
    EXPECT_EQ(Invalidated(), (std::vector<Rect>{before, {10, 42, 55, 125}}));
    EXPECT_EQ(Trace(), "I R* I R* ");

    seam.Clear();
    Send(HM_MARKCARD, 5, s);
    EXPECT_EQ(s->cards[1].mark, 5u);
    EXPECT_EQ(s->cards[0].mark, 0u);
    EXPECT_EQ(Invalidated(), (std::vector<Rect>{{10, 52, 55, 115}}));

    seam.Clear();
    Send(HM_CLEARSTACK, 0, s);
    EXPECT_EQ(s->count, 0);
    EXPECT_EQ(Invalidated(), (std::vector<Rect>{{10, 42, 55, 115}}));
    EXPECT_EQ(Trace(), "I R* ");
}

TEST_F(ServiceMessages, TheFirstChangeAfterAClickTakesTheOnlySnapshot)
{
    FakeModule fake;
    Play(fake);
    CardStack* s = AddStack(10, 10, TS_FAN_DOWN, 6, {{0}});
    modules::SetMessageText(core, "before");

    const StackSpec spec{0, 0, 0, 0, 0, 1, 0};
    core.flow.undoArmed = true;
    Send(HM_CREATESTACK, 0, &spec);
    EXPECT_TRUE(core.flow.undoArmed) << "creating a stack takes no snapshot";

    CardPlacement p{s, 0, 0, 4, 0};
    Send(HM_ADDCARD, 0, &p);
    Send(HM_ADDCARD, 0, &p);
    Send(HM_SETMESSAGE, 0, "after");
    EXPECT_EQ(fake.Calls("PrepareForUndo"), 1);
    EXPECT_FALSE(core.flow.undoArmed);
    EXPECT_TRUE(core.flow.undoAvailable);
    EXPECT_EQ(core.table.shadow()[0]->count, 1) << "the shadow holds the table before the first change";
    EXPECT_STREQ(core.flow.snapshot.messageText, "before");

    core.flow.undoArmed = true;
    Send(HM_CLEARSTACK, 0, core.table[1]);  // an empty stack: still a change
    EXPECT_EQ(fake.Calls("PrepareForUndo"), 2);
}

TEST_F(ServiceMessages, TextsAreCutAtOneHundredTwentySevenCharactersAndRepaintTheirPartOfTheStrip)
{
    const Rect scoreBox{165, 0, 220, 32};
    const Rect messageArea{220, 0, 640, 32};
    const std::string longText(300, 'x');
    Send(HM_SETSCORE, 0, longText.c_str());
    EXPECT_EQ(std::string(core.state.scoreText), std::string(127, 'x'));
    Send(HM_SETMESSAGE, 0, "Hello");
    EXPECT_STREQ(core.state.messageText, "Hello");
    Send(HM_SETMESSAGE, 0, nullptr);
    EXPECT_STREQ(core.state.messageText, "");
    EXPECT_EQ(Invalidated(), (std::vector<Rect>{scoreBox, messageArea, messageArea}));
    EXPECT_EQ(Trace(), "I R* I R* I R* ");
}

TEST_F(ServiceMessages, TheSameTextsAgainRepaintNothing)
{
    Send(HM_SETSCORE, 0, "Score: 5");
    Send(HM_SETMESSAGE, 0, "Cards left: 12");
    seam.Clear();
    const std::string longText = std::string(127, 'y') + "beyond the cut";
    struct Case {
        uint32_t message;
        const char* text;
    };
    const Case cases[] = {
        {HM_SETSCORE, "Score: 5"},
        {HM_SETMESSAGE, "Cards left: 12"},
    };
    for (const Case& c : cases) Send(c.message, 0, c.text);
    EXPECT_EQ(Trace(), "") << "texts already shown";

    Send(HM_SETSCORE, 0, longText.c_str());
    seam.Clear();
    Send(HM_SETSCORE, 0, longText.c_str());
    EXPECT_EQ(Trace(), "") << "a text that is the same once cut";
    Send(HM_SETMESSAGE, 0, "");
    Send(HM_SETMESSAGE, 0, nullptr);
    EXPECT_EQ(Trace(), "I R* ") << "an empty text and no text are the same";
}

TEST_F(ServiceMessages, QueriesOptionsAndUnknownNumbers)
{
    EXPECT_EQ(Send(HM_QUERYHOST), 1);
    EXPECT_EQ(Send(HM_NOOP), 0);
    EXPECT_EQ(Send(HM_GETAUTOPLAY), 0);
    core.state.autoPlay = 1;
    EXPECT_EQ(Send(HM_GETAUTOPLAY), 1);
    EXPECT_EQ(Send(HM_LAST + 1), 0);

    Send(HM_ADDOPTION, 0, "Draw one");
    Send(HM_ADDOPTION, 0x10001, "Draw three");  // the option number is 16 bits
    SendValue(HM_CHECKOPTION, 0, 1 | (1 << 16));
    SendValue(HM_CHECKOPTION, 0, 0);
    const auto items = seam.Calls(SeamCall::AppendOptionItem);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].number, 5000);
    EXPECT_TRUE(items[0].flag) << "a separator comes before the first item";
    EXPECT_EQ(items[1].number, 5001);
    EXPECT_FALSE(items[1].flag);
    EXPECT_EQ(core.flow.optionCount, 2);
    const auto checks = seam.Calls(SeamCall::CheckMenuItem);
    ASSERT_EQ(checks.size(), 2u);
    EXPECT_EQ(checks[0].number, 5001);
    EXPECT_TRUE(checks[0].flag);
    EXPECT_EQ(checks[1].number, 5000);
    EXPECT_FALSE(checks[1].flag);
}
