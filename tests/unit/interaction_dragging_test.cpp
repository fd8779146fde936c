#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core_fixture.h"
#include "interaction/card_motion.h"
#include "interaction/dragging.h"
#include "interaction/undo.h"
#include "modules/game_flow.h"
#include "modules/service_messages.h"

using core::Sound;
using core::SoundMode;
using headless::SeamCall;
using headless::SeamEvent;
using table::Point;
using table::Rect;
using testing_core::CoreFixture;
using testing_core::FakeModule;

namespace {

// Stack 0 at (10, 10) fans down five cards 0..4: card i lies at y 42 + 10 i.
// Stack 1 at (200, 10) holds card 20; stack 2 at (250, 10) is empty.
class Dragging : public CoreFixture, public ::testing::Test {
protected:
    void SetUp() override
    {
        source = AddStack(10, 10, TS_FAN_DOWN, 10, {{0}, {1}, {2}, {3}, {4}});
        left = AddStack(200, 10, TS_FAN_DOWN, 10, {{20}});
        right = AddStack(250, 10, TS_FAN_DOWN, 10);
        Play(fake);
        fake.okToDrop = [this](CardStack*, CardStack* target) {
            offered.push_back(core.table.IndexOf(target));
            return static_cast<int32_t>(target == accepting);
        };
    }

    bool Drag(Point press, Point release)
    {
        interaction::PickUpCards(core, press.x, press.y);
        interaction::DragCards(core, press.x + 5, press.y);
        interaction::DragCards(core, release.x, release.y);
        return interaction::DropCards(core, release.x, release.y);
    }
    int Sounds(Sound sound, SoundMode mode) const
    {
        int n = 0;
        for (const SeamEvent& e : seam.Calls(SeamCall::PlaySound)) n += e.sound == sound && e.mode == mode;
        return n;
    }

    FakeModule fake;
    CardStack* source = nullptr;
    CardStack* left = nullptr;
    CardStack* right = nullptr;
    CardStack* accepting = nullptr;
    std::vector<int> offered;
    const Point onCard2{30, 65};
};

}  // namespace

TEST_F(Dragging, TheDragStartsAtFivePixelsAlongEitherAxis)
{
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_RUN}; };
    struct Case {
        Point to;
        bool drags;
    };
    for (const Case c : {Case{{34, 69}, false}, Case{{35, 65}, true}, Case{{30, 60}, true}, Case{{26, 61}, false},
                         Case{{25, 61}, true}}) {
        seam.Clear();
        interaction::PickUpCards(core, onCard2.x, onCard2.y);
        interaction::DragCards(core, c.to.x, c.to.y);
        EXPECT_EQ(core.drag.dragging, c.drags) << c.to.x << "," << c.to.y;
        EXPECT_EQ(source->count, c.drags ? 2 : 5) << c.to.x << "," << c.to.y;
        interaction::DragCards(core, c.to.x + 20, c.to.y + 20);
        EXPECT_EQ(Sounds(Sound::Slide, SoundMode::Async), 1) << "the slide sound plays once, at the start";
        interaction::DropCards(core, c.to.x, c.to.y);
        EXPECT_EQ(Images(*source), (std::vector<int16_t>{0, 1, 2, 3, 4}));
        EXPECT_EQ(Sounds(Sound::Flip, SoundMode::Async), 1) << "a drop onto its own stack still plays";
    }
    EXPECT_EQ(fake.Calls("OkToDrop"), 0) << "nothing lies under the group but its own stack";
    EXPECT_EQ(fake.Calls("StackChanged"), 0);
    EXPECT_EQ(fake.Calls("PrepareForUndo"), 0);
}

TEST_F(Dragging, APressAndReleaseWithinFourPixelsOnlyAsksTheModule)
{
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_RUN}; };
    interaction::PickUpCards(core, onCard2.x, onCard2.y);
    interaction::DragCards(core, 34, 69);
    EXPECT_FALSE(interaction::DropCards(core, 34, 69));
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"MouseHit"}));
    EXPECT_EQ(seam.Count(SeamCall::MakeDragImage), 0);
    EXPECT_EQ(seam.Count(SeamCall::CaptureMouse), 1);
    EXPECT_EQ(seam.Count(SeamCall::ReleaseMouse), 1);
    EXPECT_FALSE(core.drag.leftPressed);
}

TEST_F(Dragging, AnAcceptedRunMovesTakesTheSnapshotAndTellsTheModule)
{
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_RUN}; };
    accepting = left;
    EXPECT_TRUE(Drag(onCard2, {220, 75}));
    EXPECT_EQ(Images(*source), (std::vector<int16_t>{0, 1}));
    EXPECT_EQ(Images(*left), (std::vector<int16_t>{20, 2, 3, 4}));
    EXPECT_EQ(offered, std::vector<int>{1});
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"MouseHit", "OkToDrop", "PrepareForUndo", "StackChanged"}));
    EXPECT_EQ(Images(*core.table.shadow()[0]), (std::vector<int16_t>{0, 1, 2, 3, 4}))
        << "the snapshot shows the table before the move";
    EXPECT_EQ(Sounds(Sound::Flip, SoundMode::Async), 1);
    EXPECT_EQ(core.drag.dragStack, nullptr);

    const auto drawn = seam.Calls(SeamCall::MakeDragImage);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].rect, (Rect{0, 0, 45, 83})) << "three cards fanned down";
    EXPECT_EQ(drawn[0].number, 3);
    EXPECT_EQ(seam.Count(SeamCall::ReleaseDragImage), 1);
    // The last repaint shows the group's last place and the target.
    const auto invalidated = seam.Calls(SeamCall::Invalidate);
    ASSERT_GE(invalidated.size(), 2u);
    EXPECT_EQ(invalidated[invalidated.size() - 2].rect, (Rect{200, 72, 245, 155}));
    EXPECT_EQ(invalidated.back().rect, (Rect{200, 42, 245, 135}));
}

TEST_F(Dragging, EveryMoveRestoresTheOldPlaceAndDrawsTheImageOnce)
{
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_RUN}; };
    interaction::PickUpCards(core, onCard2.x, onCard2.y);
    interaction::DragCards(core, 35, 65);
    seam.Clear();
    interaction::DragCards(core, 45, 75);
    ASSERT_EQ(seam.events.size(), 4u);
    EXPECT_EQ(seam.events[0].call, SeamCall::Invalidate);
    EXPECT_EQ(seam.events[0].rect, (Rect{15, 62, 60, 145}));
    EXPECT_EQ(seam.events[1].call, SeamCall::ValidateRect);
    EXPECT_EQ(seam.events[1].rect, (Rect{25, 72, 70, 155}));
    EXPECT_EQ(seam.events[2].call, SeamCall::RepaintNow);
    EXPECT_FALSE(seam.events[2].flag) << "the table is not redrawn during a move";
    EXPECT_EQ(seam.events[3].call, SeamCall::DrawDragImage);
    EXPECT_EQ(seam.events[3].point, (Point{25, 72}));

    seam.dragImagesAvailable = false;  // the next drag has no image: the stack is drawn at each move
    interaction::DropCards(core, 45, 75);
    interaction::PickUpCards(core, onCard2.x, onCard2.y);
    interaction::DragCards(core, 35, 65);
    seam.Clear();
    interaction::DragCards(core, 45, 75);
    EXPECT_EQ(seam.Count(SeamCall::DrawDragImage), 0);
    EXPECT_EQ(seam.Count(SeamCall::DrawStackOnWindow), 1);
    interaction::DropCards(core, 45, 75);
    EXPECT_EQ(seam.Count(SeamCall::ReleaseDragImage), 0) << "no image was made, none is released";
}

// The frame is drawn around a framed stack's cards, not part of them: the
// carried card starts exactly where it lay.
TEST_F(Dragging, ACardFromAFramedStackStartsWhereItLay)
{
    CardStack* framed = AddStack(400, 100, TS_FAN_SQUARED, 5, {{30}}, 1);
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_CARD}; };
    interaction::PickUpCards(core, 420, 150);
    seam.Clear();
    interaction::DragCards(core, 425, 150);
    const auto drawn = seam.Calls(SeamCall::DrawDragImage);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].point, (Point{405, 132})) << "the card at (400, 132), moved 5 pixels right";
    interaction::DropCards(core, 425, 150);
    EXPECT_EQ(framed->count, 1);
}

TEST_F(Dragging, DropCandidatesAreAskedByOverlapThenTableOrder)
{
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_CARD}; };
    struct Case {
        const char* what;
        int32_t releaseX;  // the dragged card's left edge lands at releaseX - 20
        CardStack* accepts;
        std::vector<int> offered;
    };
    const Case cases[] = {
        {"equal overlaps: the earlier stack first", 245, nullptr, {1, 2}},
        {"a refusal passes to the next", 245, right, {1, 2}},
        {"the larger overlap first", 250, nullptr, {2, 1}},
        {"the first to accept ends the search", 250, right, {2}},
    };
    for (const Case& c : cases) {
        offered.clear();
        accepting = c.accepts;
        right->count = 0;
        left->count = 1;
        source->count = 5;
        for (int16_t i = 0; i < 5; ++i) source->cards[i].image = i;
        Drag(onCard2, {c.releaseX, 65});
        EXPECT_EQ(offered, c.offered) << c.what;
        EXPECT_EQ(right->count, c.accepts ? 1 : 0) << c.what;
    }
}

TEST_F(Dragging, ASingleCardLeavesItsStackAndComesBackToItsPlace)
{
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_CARD}; };
    interaction::PickUpCards(core, onCard2.x, onCard2.y);
    interaction::DragCards(core, 30, 70);
    EXPECT_EQ(Images(*source), (std::vector<int16_t>{0, 1, 3, 4})) << "the cards above close up at once";
    EXPECT_EQ(core.drag.dragStack->count, 1);
    EXPECT_FALSE(interaction::DropCards(core, 230, 70));  // onto the left stack, which refuses
    EXPECT_EQ(Images(*source), (std::vector<int16_t>{0, 1, 2, 3, 4}));
    EXPECT_FALSE(core.drag.singleCard);
}

TEST_F(Dragging, PressesThatStartNoDrag)
{
    struct Case {
        const char* what;
        Point press;
        int16_t answer;
        int16_t expectedCard;  // what the module was asked about
        uint32_t markOfCard2;
    };
    const Case cases[] = {
        {"an empty stack is reported with -1", {270, 60}, TS_HIT_DRAG_RUN, -1, 0},
        {"answer 1 marks the card", onCard2, TS_HIT_MARK, 2, 1},
        {"answer 2 does nothing", onCard2, TS_HIT_NOTHING, 2, 0},
        {"an unknown answer does nothing", onCard2, 7, 2, 0},
    };
    for (const Case& c : cases) {
        source->cards[2].mark = 0;
        int16_t asked = 99;
        fake.mouseHit = [&](CardStack*, int16_t card) { return asked = card, c.answer; };
        seam.Clear();
        interaction::PickUpCards(core, c.press.x, c.press.y);
        EXPECT_EQ(asked, c.expectedCard) << c.what;
        interaction::DragCards(core, c.press.x + 30, c.press.y + 30);
        EXPECT_FALSE(core.drag.dragging) << c.what;
        EXPECT_EQ(source->cards[2].mark, c.markOfCard2) << c.what;
        if (c.markOfCard2) {
            const auto inv = seam.Calls(SeamCall::Invalidate);
            ASSERT_EQ(inv.size(), 1u);
            EXPECT_EQ(inv[0].rect, (Rect{10, 62, 55, 125}));
            EXPECT_EQ(seam.Count(SeamCall::RepaintNow), 1);
        }
        interaction::DropCards(core, c.press.x + 30, c.press.y + 30);
    }
    fake.calls.clear();
    interaction::PickUpCards(core, 600, 400);  // the background
    EXPECT_TRUE(fake.calls.empty());
    EXPECT_TRUE(core.drag.leftPressed) << "the capture is taken even when nothing is hit";
}

TEST_F(Dragging, AutoplayAfterANonzeroAnswerRunsBeforeTheDragAndMayCancelIt)
{
    core.state.autoPlay = 1;
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_CARD}; };
    fake.autoPlay = [this] { source->count = 2; };  // moves the grabbed card away
    interaction::PickUpCards(core, onCard2.x, onCard2.y);
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"MouseHit", "AutoPlay"}));
    interaction::DragCards(core, 60, 90);
    EXPECT_FALSE(core.drag.dragging) << "a stale grabbed index cancels the drag";
    EXPECT_FALSE(core.drag.armed);
    EXPECT_EQ(source->count, 2);
    EXPECT_EQ(seam.Count(SeamCall::MakeDragImage), 0);
    interaction::DropCards(core, 60, 90);

    fake.calls.clear();
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{0}; };
    interaction::PickUpCards(core, 30, 45);
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"MouseHit"})) << "answer 0 runs no autoplay";
}

TEST_F(Dragging, AnAcceptedDropThatCannotFitLeavesTheCardsOnTheirSource)
{
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_RUN}; };
    left->capacity = 3;  // holds 1, cannot take 3 more
    accepting = left;
    EXPECT_FALSE(Drag(onCard2, {220, 75}));
    EXPECT_EQ(Images(*source), (std::vector<int16_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(Images(*left), (std::vector<int16_t>{20}));
    EXPECT_EQ(fake.Calls("StackChanged"), 0);
    EXPECT_EQ(fake.Calls("PrepareForUndo"), 0);
}

TEST_F(Dragging, ATableDiscardedUnderTheDragEndsItSafely)
{
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_RUN}; };
    interaction::PickUpCards(core, onCard2.x, onCard2.y);
    interaction::DragCards(core, 40, 70);
    interaction::DiscardTable(core);
    EXPECT_EQ(core.drag.dragStack, nullptr);
    EXPECT_EQ(seam.Count(SeamCall::ReleaseDragImage), 1);
    interaction::DragCards(core, 50, 80);
    EXPECT_FALSE(interaction::DropCards(core, 50, 80));
    EXPECT_FALSE(core.drag.leftPressed);
    EXPECT_EQ(fake.Calls("OkToDrop"), 0);
}

TEST_F(Dragging, TheRightButtonShowsACoveredCardWhole)
{
    source->cards[1].faceDown = 1;
    interaction::ShowCard(core, 30, 55);  // card 1's strip
    const auto shown = seam.Calls(SeamCall::DrawStackOnWindow);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].point, (Point{10, 20})) << "table position of card 1";
    EXPECT_TRUE(core.drag.viewing);
    EXPECT_EQ(core.drag.dragStack->cards[0].faceDown, 1u) << "a face-down card is shown face down";

    interaction::PickUpCards(core, onCard2.x, onCard2.y);  // ignored while viewing
    EXPECT_EQ(fake.Calls("MouseHit"), 0);
    seam.Clear();
    interaction::HideCard(core, 30, 55);
    EXPECT_EQ(seam.Calls(SeamCall::Invalidate).at(0).rect, (Rect{10, 52, 55, 115}));
    EXPECT_EQ(seam.Count(SeamCall::RepaintNow), 1);
    EXPECT_EQ(seam.Count(SeamCall::ReleaseMouse), 1);
    EXPECT_EQ(core.drag.dragStack, nullptr);

    seam.Clear();
    interaction::ShowCard(core, 270, 60);   // an empty stack
    interaction::ShowCard(core, 600, 400);  // the background
    EXPECT_TRUE(seam.events.empty());
    EXPECT_FALSE(core.drag.viewing);

    interaction::PickUpCards(core, 600, 400);  // the left button held
    seam.Clear();
    interaction::ShowCard(core, 30, 55);
    interaction::HideCard(core, 30, 55);
    EXPECT_TRUE(seam.events.empty()) << "no capture, no picture while the left button is down";
}

// The window draws with what the core hands it: the view, the face map of
// the card set in use and the back of that set (set 0 for one out of range).
TEST_F(Dragging, PicturesOnTheWindowAreDrawnWithTheCoresFacesAndBack)
{
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_RUN}; };
    for (const int16_t set : {int16_t{2}, int16_t{7}}) {
        SCOPED_TRACE(set);
        core.state.cardSet = set;
        core.faceMap = table::BuildFaceMap(table::DrawnCardSet(set));
        seam.Clear();
        interaction::ShowCard(core, 30, 55);
        interaction::HideCard(core, 30, 55);
        interaction::PickUpCards(core, onCard2.x, onCard2.y);
        interaction::DragCards(core, 35, 65);
        interaction::DropCards(core, 35, 65);

        std::vector<headless::SeamEvent> drawings = seam.Calls(SeamCall::DrawStackOnWindow);
        for (const auto& e : seam.Calls(SeamCall::MakeDragImage)) drawings.push_back(e);
        ASSERT_EQ(drawings.size(), 2u);
        for (const auto& e : drawings) {
            EXPECT_EQ(e.drawing.faces, &core.faceMap);
            EXPECT_EQ(e.drawing.backSet, set == 2 ? 2 : 0);
            EXPECT_EQ(e.drawing.view.origin, core.view.origin);
            EXPECT_EQ(e.drawing.view.cards.width, core.view.cards.width);
        }
    }
}

// The release of a button whose capture another window took never reaches
// the table: neither button may stay blocked waiting for it.
TEST_F(Dragging, ALostCaptureFreesBothButtons)
{
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_RUN}; };

    interaction::ShowCard(core, 30, 55);
    ASSERT_TRUE(core.drag.viewing);
    seam.Clear();
    interaction::MouseCaptureLost(core);
    EXPECT_FALSE(core.drag.viewing);
    EXPECT_EQ(core.drag.dragStack, nullptr);
    EXPECT_EQ(seam.Calls(SeamCall::Invalidate).at(0).rect, (Rect{10, 52, 55, 115})) << "the viewed card is taken away";
    interaction::PickUpCards(core, onCard2.x, onCard2.y);
    EXPECT_EQ(fake.Calls("MouseHit"), 1) << "a left press after the lost view reaches the module";
    interaction::DropCards(core, onCard2.x, onCard2.y);

    interaction::PickUpCards(core, onCard2.x, onCard2.y);
    interaction::DragCards(core, 60, 90);
    ASSERT_TRUE(core.drag.dragging);
    interaction::MouseCaptureLost(core);
    EXPECT_EQ(source->count, 5) << "the lifted cards are back";
    EXPECT_FALSE(core.drag.leftPressed);
    seam.Clear();
    interaction::ShowCard(core, 30, 55);
    EXPECT_TRUE(core.drag.viewing) << "a right press after the lost drag shows the card";
    EXPECT_EQ(seam.Count(SeamCall::DrawStackOnWindow), 1);
    interaction::HideCard(core, 30, 55);
}

TEST_F(Dragging, ADoubleClickCountsOnlyOnTheStackOfItsFirstPress)
{
    core.state.autoPlay = 1;
    int16_t clicked = 99;
    fake.doubleClick = [&](CardStack*, int16_t card) { clicked = card; };
    interaction::PickUpCards(core, onCard2.x, onCard2.y);
    interaction::DropCards(core, onCard2.x, onCard2.y);
    interaction::DoubleClickCards(core, 220, 50);  // the second press hit the left stack
    EXPECT_EQ(fake.Calls("DoubleClick"), 0);
    interaction::DoubleClickCards(core, 30, 95);  // card 4 of the first press's stack
    EXPECT_EQ(clicked, 4);
    // The press was answered 2, which is nonzero: autoplay followed it too.
    EXPECT_EQ(fake.calls, (std::vector<std::string>{"MouseHit", "AutoPlay", "DoubleClick", "AutoPlay"}));
    EXPECT_TRUE(core.flow.undoArmed);
}

TEST(DraggingWithoutAModule, PressesAreAnsweredNothingAndDropsRefused)
{
    CoreFixture f;
    CardStack* s = f.AddStack(10, 10, TS_FAN_DOWN, 5, {{1}, {2}});
    interaction::PickUpCards(f.core, 30, 50);
    interaction::DragCards(f.core, 60, 80);
    EXPECT_FALSE(f.core.drag.dragging);
    EXPECT_FALSE(f.core.flow.undoArmed);
    EXPECT_FALSE(interaction::DropCards(f.core, 60, 80));
    EXPECT_EQ(s->count, 2);
}

TEST_F(Dragging, WhatArrivesDuringADragPutsTheLiftedCardsBackFirst)
{
    struct Case {
        const char* what;
        std::function<void(core::HostCore&)> during;
    };
    const Case cases[] = {
        // The release went elsewhere (the capture was taken away): the next press.
        {"a second press", [](core::HostCore& c) { interaction::PickUpCards(c, 600, 400); }},
        {"Undo from the keyboard", [](core::HostCore& c) { interaction::Undo(c); }},
        {"Auto Play from the menu", [](core::HostCore& c) { modules::ToggleAutoPlay(c); }},
        {"a module option", [](core::HostCore& c) { modules::SelectOption(c, modules::kCommandFirstOption); }},
        {"the capture lost", [](core::HostCore& c) { interaction::CancelDrag(c); }},
    };
    core.flow.optionCount = 1;
    core.flow.undoAvailable = true;
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_RUN}; };
    // Autoplay puts a card on the source: were the lifted cards still in the
    // air, returning them would overwrite it.
    fake.autoPlay = [this] {
        CardPlacement p{source, 0, 0, 30, 0};
        modules::HandleServiceMessage(core, HM_ADDCARD, 0, reinterpret_cast<intptr_t>(&p));
    };
    for (const Case& c : cases) {
        core.table.Snapshot();
        core.state.autoPlay = 0;
        source->count = 5;
        left->count = 1;
        interaction::PickUpCards(core, onCard2.x, onCard2.y);
        interaction::DragCards(core, 60, 90);
        ASSERT_EQ(source->count, 2) << c.what;
        core.state.autoPlay = 1;
        c.during(core);
        EXPECT_FALSE(core.drag.dragging) << c.what;
        EXPECT_EQ(core.drag.dragStack, nullptr) << c.what;
        const std::vector<int16_t> images = Images(*source);
        ASSERT_GE(images.size(), 5u) << c.what;
        EXPECT_EQ(std::vector<int16_t>(images.begin(), images.begin() + 5), (std::vector<int16_t>{0, 1, 2, 3, 4}))
            << c.what;
        interaction::DropCards(core, 60, 90);
        EXPECT_EQ(Images(*source), images) << c.what << ": the late release changes nothing";
    }
}

TEST_F(Dragging, WhatTheModuleWritesIntoTheOfferedDragStackNeverReachesTheCardsInTheAir)
{
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_RUN}; };
    struct Case {
        const char* what;
        int16_t count;  // written into the drag stack it is offered
        bool accepts;
    };
    for (const Case c : {Case{"a negative count, accepted", -5, true}, Case{"a count of 300, refused", 300, false},
                         Case{"a count of 300, accepted", 300, true}, Case{"no cards, accepted", 0, true}}) {
        source->count = 5;
        for (int16_t i = 0; i < 5; ++i) source->cards[i] = CardEntry{0, 0, i, 0};
        left->count = 1;
        accepting = c.accepts ? left : nullptr;
        fake.okToDrop = [&](CardStack* dragged, CardStack* target) {
            dragged->count = c.count;
            dragged->capacity = c.count;
            dragged->cards[0].image = 44;
            return static_cast<int32_t>(target == accepting);
        };
        Drag(onCard2, {220, 75});
        EXPECT_EQ(Images(*source), c.accepts ? (std::vector<int16_t>{0, 1}) : (std::vector<int16_t>{0, 1, 2, 3, 4}))
            << c.what;
        EXPECT_EQ(Images(*left), c.accepts ? (std::vector<int16_t>{20, 2, 3, 4}) : (std::vector<int16_t>{20}))
            << c.what;
    }
}

TEST_F(Dragging, ASourceTheModuleChangesDuringTheDropGetsItsCardsBack)
{
    // While the cards 2, 3, 4 are in the air the module clears their stack
    // and puts a card of its own there; the drop is refused.
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_RUN}; };
    fake.okToDrop = [this](CardStack*, CardStack*) {
        modules::HandleServiceMessage(core, HM_CLEARSTACK, 0, reinterpret_cast<intptr_t>(source));
        CardPlacement p{source, 0, 0, 30, 0};
        modules::HandleServiceMessage(core, HM_ADDCARD, 0, reinterpret_cast<intptr_t>(&p));
        return 0;
    };
    EXPECT_FALSE(Drag(onCard2, {220, 75}));
    EXPECT_EQ(Images(*source), (std::vector<int16_t>{30, 2, 3, 4})) << "the cards in the air come back on top";
}

TEST_F(Dragging, MessagesLeaveTheSlotsOfTheCardsInTheAir)
{
    // The source has 10 slots and 5 cards; 3 are in the air. A module that
    // adds cards meanwhile finds room for 5 only, so the 3 can come back.
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_RUN}; };
    fake.okToDrop = [this](CardStack*, CardStack*) {
        for (int16_t i = 0; i < 8; ++i) {
            CardPlacement p{source, 0, 0, static_cast<uint32_t>(30 + i), 0};
            modules::HandleServiceMessage(core, HM_ADDCARD, 0, reinterpret_cast<intptr_t>(&p));
        }
        return 0;
    };
    EXPECT_FALSE(Drag(onCard2, {220, 75}));
    EXPECT_EQ(Images(*source), (std::vector<int16_t>{0, 1, 30, 31, 32, 33, 34, 2, 3, 4}));
}

TEST_F(Dragging, AnUndoSnapshotTakenDuringTheDropShowsTheCardsOnTheirSource)
{
    // The module's first change after the press comes from TSOkToDropCards,
    // while cards 2, 3, 4 are in the air: Undo must bring back all five.
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_RUN}; };
    fake.okToDrop = [this](CardStack*, CardStack* target) {
        CardPlacement p{right, 0, 0, 40, 0};
        modules::HandleServiceMessage(core, HM_ADDCARD, 0, reinterpret_cast<intptr_t>(&p));
        return static_cast<int32_t>(target == left);
    };
    EXPECT_TRUE(Drag(onCard2, {220, 75}));
    EXPECT_EQ(Images(*left), (std::vector<int16_t>{20, 2, 3, 4}));
    EXPECT_EQ(fake.Calls("PrepareForUndo"), 1);
    interaction::Undo(core);
    EXPECT_EQ(Images(*source), (std::vector<int16_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(Images(*left), (std::vector<int16_t>{20}));
    EXPECT_EQ(Images(*right), (std::vector<int16_t>{}));
}

TEST_F(Dragging, RoomOnTheTargetIsCheckedAgainAfterTheModulePreparedForUndo)
{
    // The target accepts, then fills itself in TSPrepareForUndo: the cards
    // go back to their source instead of beyond the target's slots.
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_RUN}; };
    accepting = left;
    fake.prepareForUndo = [this] { left->count = 9; };
    EXPECT_FALSE(Drag(onCard2, {220, 75}));
    EXPECT_EQ(Images(*source), (std::vector<int16_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(left->count, 9);
    EXPECT_EQ(fake.Calls("StackChanged"), 0);
}
