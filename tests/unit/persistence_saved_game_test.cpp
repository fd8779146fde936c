// The saved-game format byte by byte, the writer, and the reader with each
// of its errors, against files built by hand from the format.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "interaction/card_motion.h"
#include "interaction/dragging.h"
#include "persistence/game_file.h"
#include "persistence/native_game_memory.h"
#include "tests/unit/core_fixture.h"
#include "tests/unit/persistence_bytes.h"

namespace {

using headless::SeamCall;
using persistence::LoadError;
using persistence_bytes::Bytes;
using persistence_bytes::CardBytes;
using persistence_bytes::SavedGameHead;
using persistence_bytes::StackRecord;
using persistence_bytes::StateFields;

// What the module was handed by TSLoadGame, and what it hands out.
struct ModuleData {
    static inline std::vector<uint8_t> out;  // TSGetGameData's bytes; none when empty
    static inline bool loaded = false;
    static inline int16_t count = -1;
    static inline std::vector<CardStack*> stacks;
    static inline bool hadBlock = false;
    static inline std::vector<uint8_t> in;

    static void Reset()
    {
        out.clear();
        loaded = false;
        count = -1;
        stacks.clear();
        hadBlock = false;
        in.clear();
    }
    static void Install(core::ModuleEntry& m)
    {
        m.entry.getGameData = []() -> TSMemory {
            if (out.empty()) return nullptr;
            TSMemory block = TsNativeMemoryAlloc(out.size());
            std::memcpy(TsNativeMemoryData(block), out.data(), out.size());
            return block;
        };
        m.entry.loadGame = [](CardStack** s, int16_t n, TSMemory data) {
            loaded = true;
            count = n;
            stacks.assign(s, s + n);
            hadBlock = data != nullptr;
            const auto* p = static_cast<const uint8_t*>(TsNativeMemoryData(data));
            in.assign(p, p + TsNativeMemorySize(data));
        };
    }
};

class SavedGame : public testing::Test, public testing_core::CoreFixture {
protected:
    testing_core::FakeModule fake;
    persistence::NativeGameMemory memory;

    void SetUp() override
    {
        ModuleData::Reset();
        fake.Install(core, 0, "Fake Game", 400, 300);
        ModuleData::Install(core.modules.rows[0]);
        fake.Install(core, 1, "Other Game", 500, 320);
        ModuleData::Install(core.modules.rows[1]);
    }

    LoadError Load(const Bytes& file)
    {
        persistence::SpanSource in(file.b);
        return persistence::LoadGameFile(core, memory, &in, "game.tsg");
    }

    std::vector<uint8_t> Save()
    {
        persistence::VectorSink out;
        EXPECT_TRUE(persistence::WriteGameFile(core, memory, out));
        return out.bytes;
    }

    // A game of row 0 on the table: two stacks, texts, a deal in play.
    void PutGameOnTable()
    {
        core.flow.currentModule = 0;
        core.state.gameInPlay = 1;
        core.flow.scorePending = true;
        AddStack(1, 2, TS_FAN_DOWN, 2, {{5}});
        AddStack(100, 4, TS_FAN_RIGHT, 1, {{6}});
    }

    std::vector<headless::SeamEvent> Messages() const { return seam.Calls(SeamCall::ShowMessage); }
};

// One stack of three slots, two cards on it, at (10, 20), framed.
Bytes OneStack() { return StackRecord(10, 20, TS_FAN_DOWN, 3, {{1, 0, 51}, {0, 1, 12}}, 1, TS_BASE_FOUNDATION_ANY); }

StateFields Fields()
{
    StateFields s;
    s.cardSize = 0;
    s.cardSet = 2;
    s.background = 3;
    s.autoPlay = 1;
    s.sounds = 0;
    s.gameInPlay = 1;
    s.seed = 0x12345678;
    s.moduleName = "Fake Game";
    s.message = "Hello";
    s.score = "Score: 7";
    return s;
}

TEST_F(SavedGame, WithoutModuleDataTheStackCountLiesAt356)
{
    Bytes file = SavedGameHead(Fields());
    file.u32(0);  // L
    ASSERT_EQ(file.size(), 356u);
    file.i16(1).append(OneStack());

    ASSERT_EQ(Load(file), LoadError::None);
    ASSERT_EQ(core.table.count(), 1);
    const CardStack& s = *core.table[0];
    EXPECT_EQ(s.framed, 1u);
    EXPECT_EQ(s.x, 10);
    EXPECT_EQ(s.y, 20);
    EXPECT_EQ(s.baseImage, TS_BASE_FOUNDATION_ANY);
    EXPECT_EQ(s.fanDirection, TS_FAN_DOWN);
    EXPECT_EQ(s.capacity, 3);
    ASSERT_EQ(s.count, 2);
    EXPECT_EQ(s.cards[0].image, 51);
    EXPECT_EQ(s.cards[0].faceDown, 1u);
    EXPECT_EQ(s.cards[1].image, 12);
    EXPECT_EQ(s.cards[1].mark, 1u);
    // The shadow is a byte copy of the stack.
    EXPECT_EQ(std::memcmp(core.table.shadow()[0], core.table[0], TS_STACK_BYTES(3)), 0);

    EXPECT_TRUE(ModuleData::loaded);
    EXPECT_EQ(ModuleData::count, 1);
    EXPECT_EQ(ModuleData::stacks[0], core.table[0]);
    EXPECT_FALSE(ModuleData::hadBlock);

    EXPECT_EQ(core.state.cardSet, 2);
    EXPECT_EQ(core.state.background, 3);
    EXPECT_EQ(core.state.autoPlay, 1u);
    EXPECT_EQ(core.state.sounds, 0u);
    EXPECT_EQ(core.state.seed, 0x12345678u);
    EXPECT_STREQ(core.state.messageText, "Hello");
    EXPECT_STREQ(core.state.scoreText, "Score: 7");
    EXPECT_EQ(core.flow.currentModule, 0);
    EXPECT_TRUE(core.flow.scorePending);
    EXPECT_FALSE(core.flow.undoAvailable);
    EXPECT_TRUE(Messages().empty());

    // The writer gives back the very same bytes.
    EXPECT_EQ(Save(), file.b);
}

TEST_F(SavedGame, ModuleDataAndSeveralStacksKeepTheirOrder)
{
    Bytes file = SavedGameHead(Fields());
    file.u32(5).text("abcde", 5);
    file.i16(3);
    file.append(StackRecord(0, 0, TS_FAN_SQUARED, 52, {{1, 0, 0}, {1, 0, 1}, {0, 0, 2}}));
    file.append(StackRecord(60, 0, TS_FAN_DOWN, 0, {}));
    file.append(OneStack());

    ASSERT_EQ(Load(file), LoadError::None);
    ASSERT_EQ(core.table.count(), 3);
    EXPECT_EQ(core.table[0]->capacity, 52);
    EXPECT_EQ(core.table[0]->count, 3);
    EXPECT_EQ(core.table[1]->capacity, 0);
    EXPECT_EQ(core.table[1]->x, 60);
    EXPECT_EQ(core.table[2]->y, 20);
    EXPECT_TRUE(ModuleData::hadBlock);
    EXPECT_EQ(ModuleData::in, (std::vector<uint8_t>{'a', 'b', 'c', 'd', 'e'}));
    ASSERT_EQ(ModuleData::count, 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(ModuleData::stacks[static_cast<size_t>(i)], core.table[i]);

    ModuleData::out = {'a', 'b', 'c', 'd', 'e'};
    EXPECT_EQ(Save(), file.b);
}

TEST_F(SavedGame, TheWriterCopiesTheModuleNameAndWritesNothingWithoutAGame)
{
    persistence::VectorSink out;
    EXPECT_FALSE(persistence::WriteGameFile(core, memory, out));
    EXPECT_TRUE(out.bytes.empty());

    core.flow.currentModule = 1;
    core::CopyText(core.state.moduleName, "stale");
    const std::vector<uint8_t> bytes = Save();
    ASSERT_EQ(bytes.size(), 352u + 4u + 2u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[8 + 24])), "Other Game");
    EXPECT_EQ(bytes[356], 0);
    EXPECT_EQ(bytes[357], 0);
}

TEST_F(SavedGame, SavingDuringADragWritesTheLiftedCardsBackInPlace)
{
    PutGameOnTable();
    fake.mouseHit = [](CardStack*, int16_t) { return int16_t{TS_HIT_DRAG_RUN}; };
    interaction::PickUpCards(core, 20, 40);  // the only card of stack 0 at (1, 2)
    interaction::DragCards(core, 40, 60);
    ASSERT_EQ(core.table[0]->count, 0);  // lifted

    const std::vector<uint8_t> bytes = Save();
    ASSERT_GE(bytes.size(), 358u + 4u + 24u);
    EXPECT_EQ(bytes[358 + 4 + 20], 1);  // stack 0's count in the file
    EXPECT_EQ(core.table[0]->count, 1);
    EXPECT_EQ(core.table[0]->cards[0].image, 5);
}

TEST_F(SavedGame, ATableTheModuleBrokeIsSavedAsItsMemoryHoldsItAndLoadsAgain)
{
    struct Case {
        const char* what;
        int16_t capacity;  // written over the record's capacity of 2
        int16_t count;     // written over its count of 1
        int16_t savedCount;
    };
    const Case cases[] = {
        {"a count beyond the capacity", 2, 900, 2},
        {"a capacity raised beyond the memory", 5000, 1, 1},
        {"a capacity lowered below the cards", 0, 1, 1},
        {"a negative count", 2, -3, 0},
    };
    for (const Case& c : cases) {
        interaction::DiscardTable(core);
        PutGameOnTable();
        CardStack& s = *core.table[0];
        s.capacity = c.capacity;
        s.count = c.count;
        const std::vector<uint8_t> bytes = Save();  // AddressSanitizer catches a read beyond the 2 slots
        ASSERT_EQ(bytes.size(), 358u + (4 + 24 + 2 * 12) + (4 + 24 + 12)) << c.what;
        persistence::SpanSource in(bytes);
        ASSERT_EQ(persistence::LoadGameFile(core, memory, &in, "again.tsg"), LoadError::None) << c.what;
        EXPECT_EQ(core.table[0]->capacity, 2) << c.what;
        EXPECT_EQ(core.table[0]->count, c.savedCount) << c.what;
        EXPECT_EQ(core.table[1]->count, 1) << c.what;
    }
}

TEST_F(SavedGame, TheModuleGetsItsOwnCopyOfTheStackAddresses)
{
    PutGameOnTable();
    const std::vector<uint8_t> bytes = Save();
    core.modules.rows[0].entry.loadGame = [](CardStack** stacks, int16_t n, TSMemory) {
        for (int16_t i = 0; i < n; ++i) stacks[i] = nullptr;  // a module writing into the array it was lent
    };
    persistence::SpanSource in(bytes);
    ASSERT_EQ(persistence::LoadGameFile(core, memory, &in, "again.tsg"), LoadError::None);
    ASSERT_EQ(core.table.count(), 2);
    EXPECT_NE(core.table[0], nullptr);
    EXPECT_NE(core.table[1], nullptr);
    EXPECT_EQ(core.table[0]->cards[0].image, 5);
}

TEST_F(SavedGame, EachErrorShowsItsMessageAndLeavesTheTableAsItWas)
{
    Bytes good = SavedGameHead(Fields());
    Bytes shortHead = good;
    shortHead.b.resize(351);
    StateFields unknown = Fields();
    unknown.moduleName = "Nope";
    Bytes cutData = SavedGameHead(Fields());
    cutData.u32(10).text("abc", 3);
    Bytes noL = SavedGameHead(Fields());
    noL.u16(0);
    Bytes huge = SavedGameHead(Fields());
    huge.u32(0xFFFFFFFFu).fill(0, 16);

    struct Case {
        const char* what;
        Bytes file;
        LoadError error;
        const char* text;
    };
    const Case cases[] = {
        {"351 bytes", shortHead, LoadError::TooShort, "Invalid saved game file"},
        {"wrong magic", SavedGameHead(Fields(), 0xFF0011EEu).u32(0).i16(0), LoadError::NotSavedGame,
         "Invalid saved game file"},
        {"version 257", SavedGameHead(Fields(), 0xEE1100FFu, 257).u32(0).i16(0), LoadError::NotSavedGame,
         "Invalid saved game file"},
        {"module not installed", SavedGameHead(unknown).u32(0).i16(0), LoadError::NoModule,
         "Couldn't find game module: Nope"},
        // The game is looked for before its data and its table are used.
        {"module not installed, its data cut short", SavedGameHead(unknown).u32(10).text("abc", 3),
         LoadError::NoModule, "Couldn't find game module: Nope"},
        {"module not installed, its table cut short", SavedGameHead(unknown).u32(0).i16(3), LoadError::NoModule,
         "Couldn't find game module: Nope"},
        {"module data cut short", cutData, LoadError::BadData, "Error loading file"},
        {"ends before L", noL, LoadError::BadData, "Error loading file"},
        {"L beyond the file", huge, LoadError::BadData, "Error loading file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        core.table.Discard();
        fake.score = 3;
        core.modules.rows[0].score = {};
        PutGameOnTable();
        seam.Clear();
        ModuleData::Reset();

        EXPECT_EQ(Load(c.file), c.error);
        const auto shown = Messages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, c.text);
        EXPECT_EQ(shown[0].text2, "Load Game Error " + std::to_string(static_cast<int>(c.error)));
        // The deal was booked before the file was read, and stays on the table.
        EXPECT_EQ(core.modules.rows[0].score.played, 1);
        EXPECT_EQ(core.modules.rows[0].score.scoreTotal, 3);
        EXPECT_EQ(core.table.count(), 2);
        EXPECT_EQ(core.table[0]->cards[0].image, 5);
        EXPECT_EQ(core.state.gameInPlay, 1u);
        EXPECT_FALSE(ModuleData::loaded);
    }
}

TEST_F(SavedGame, AFileThatCannotBeOpenedIsNamedInTheMessage)
{
    PutGameOnTable();
    EXPECT_EQ(persistence::LoadGameFile(core, memory, nullptr, "C:\\games\\lost.tsg"), LoadError::CannotOpen);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "Couldn't open game file: C:\\games\\lost.tsg");
    EXPECT_EQ(Messages()[0].text2, "Load Game Error 1");
    EXPECT_EQ(core.modules.rows[0].score.played, 1);
}

TEST_F(SavedGame, NoMemoryForTheModuleDataIsError5)
{
    memory.limit = 4;
    Bytes file = SavedGameHead(Fields());
    file.u32(5).text("abcde", 5).i16(0);
    EXPECT_EQ(Load(file), LoadError::NoMemory);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "Error loading file");
    EXPECT_EQ(Messages()[0].text2, "Load Game Error 5");
}

TEST_F(SavedGame, AnInconsistentTableBlockLeavesAnEmptyTableWithNoGameInPlay)
{
    Bytes cutRecord = StackRecord(0, 0, TS_FAN_DOWN, 4, {{0, 0, 1}});
    cutRecord.b.resize(cutRecord.size() - 1);
    Bytes sizeTooBig = StackRecord(0, 0, TS_FAN_DOWN, 2, {});
    sizeTooBig.b[0] = static_cast<uint8_t>(sizeTooBig.b[0] + 12);  // S says 3 slots, capacity 2
    sizeTooBig.fill(0, 12);
    struct Case {
        const char* what;
        Bytes block;
    };
    const Case cases[] = {
        {"no stack count", Bytes{}},
        {"count 101", Bytes{}.i16(101)},
        {"count -1", Bytes{}.i16(-1)},
        {"record cut short", Bytes{}.i16(1).append(cutRecord)},
        {"second record missing", Bytes{}.i16(2).append(OneStack())},
        {"S not 24 + 12 * capacity", Bytes{}.i16(1).append(sizeTooBig)},
        {"S below the header", Bytes{}.i16(1).u32(20).fill(0, 20)},
        {"count above capacity", Bytes{}.i16(1).append(StackRecord(0, 0, 0, 2, {}, 0, 0, 3))},
        {"negative count", Bytes{}.i16(1).append(StackRecord(0, 0, 0, 2, {}, 0, 0, -2))},
        {"negative capacity", Bytes{}.i16(1).u32(24).u32(0).i32(0).i32(0).i16(0).i16(0).i16(-1).i16(0).i16(0).i16(0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        core.table.Discard();
        PutGameOnTable();
        seam.Clear();
        ModuleData::Reset();
        Bytes file = SavedGameHead(Fields());
        file.u32(0).append(c.block);

        EXPECT_EQ(Load(file), LoadError::BadData);
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].text, "Error loading file");
        EXPECT_EQ(Messages()[0].text2, "Load Game Error 6");
        EXPECT_EQ(core.table.count(), 0);
        EXPECT_EQ(core.table.shadow().count, 0);
        EXPECT_EQ(core.state.gameInPlay, 0u);
        EXPECT_FALSE(core.flow.scorePending);
        EXPECT_FALSE(ModuleData::loaded);
    }
}

TEST_F(SavedGame, TheModuleNameMatchesInAnyLetterCaseFirstRowFirst)
{
    fake.Install(core, 2, "FAKE GAME");
    StateFields s = Fields();
    s.moduleName = "fAKE gAmE";
    Bytes file = SavedGameHead(s);
    file.u32(0).i16(0);
    ASSERT_EQ(Load(file), LoadError::None);
    EXPECT_EQ(core.flow.currentModule, 0);
    const auto titles = seam.Calls(SeamCall::SetTitle);
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0].text, "Lumora Solitaire - Fake Game");
}

TEST_F(SavedGame, LoadingAnotherGameSwitchesModuleWindowAndMenus)
{
    core.flow.currentModule = 0;
    core.flow.optionCount = 2;
    StateFields s = Fields();
    s.moduleName = "Other Game";
    s.gameInPlay = 0;
    Bytes file = SavedGameHead(s);
    file.u32(0).i16(0);
    ASSERT_EQ(Load(file), LoadError::None);

    const auto fits = seam.Calls(SeamCall::FitWindowToTable);
    ASSERT_EQ(fits.size(), 1u);
    EXPECT_EQ(fits[0].number, 500);
    EXPECT_EQ(fits[0].number2, 320);
    EXPECT_EQ(seam.Count(SeamCall::RemoveOptionItems), 1);
    EXPECT_EQ(fake.Calls("SetupOptionsMenu"), 1);
    EXPECT_EQ(seam.Count(SeamCall::EnableGameCommands), 0);  // a game was chosen before
    const auto rows = seam.Calls(SeamCall::CheckGameListRow);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].number, 1);
    EXPECT_EQ(core.flow.currentModule, 1);
    EXPECT_FALSE(core.flow.scorePending);               // the saved deal had ended
    EXPECT_EQ(seam.Count(SeamCall::RedrawMenuBar), 2);  // options removed, then the load's own
}

TEST_F(SavedGame, ReloadingTheSameGameRepaintsAndTheFirstLoadEnablesTheGameCommands)
{
    Bytes file = SavedGameHead(Fields());
    file.u32(0).i16(0);
    ASSERT_EQ(Load(file), LoadError::None);
    EXPECT_EQ(seam.Count(SeamCall::EnableGameCommands), 1);
    EXPECT_EQ(seam.Count(SeamCall::FitWindowToTable), 1);  // no game was current
    std::vector<std::pair<int, bool>> checks;
    for (const auto& e : seam.Calls(SeamCall::CheckMenuItem)) checks.emplace_back(e.number, e.flag);
    EXPECT_EQ(checks, (std::vector<std::pair<int, bool>>{{114, true}, {115, false}, {108, true}, {109, false}}));

    seam.Clear();
    ASSERT_EQ(Load(file), LoadError::None);
    EXPECT_EQ(seam.Count(SeamCall::FitWindowToTable), 0);
    EXPECT_EQ(seam.Count(SeamCall::InvalidateClient), 1);
    EXPECT_EQ(seam.Count(SeamCall::EnableGameCommands), 0);
    EXPECT_EQ(fake.Calls("SetupOptionsMenu"), 1);  // only at the first load
}

TEST_F(SavedGame, AMissingCardLibraryConvertsTheStacksToTheOtherSize)
{
    struct Case {
        int16_t saved;
        bool smallThere, largeThere;
        int32_t x, y, wantX, wantY;
        int16_t wantSize;
    };
    const Case cases[] = {
        {0, false, true, 11, -7, 16, -10, 1},  // small saved, only large: * 3 / 2 toward zero
        {1, true, false, 16, -10, 10, -6, 0},  // large saved, only small: * 2 / 3 toward zero
        {0, true, false, 11, -7, 11, -7, 0},
        {1, true, true, 11, -7, 11, -7, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saved * 100 + c.smallThere * 10 + c.largeThere);
        seam.smallCardsAvailable = c.smallThere;
        seam.largeCardsAvailable = c.largeThere;
        seam.Clear();
        StateFields s = Fields();
        s.cardSize = c.saved;
        Bytes file = SavedGameHead(s);
        file.u32(0).i16(1).append(StackRecord(c.x, c.y, TS_FAN_DOWN, 1, {}));
        ASSERT_EQ(Load(file), LoadError::None);
        EXPECT_EQ(core.table[0]->x, c.wantX);
        EXPECT_EQ(core.table[0]->y, c.wantY);
        EXPECT_EQ(core.table.shadow()[0]->x, c.wantX);
        EXPECT_EQ(core.state.cardSize, c.wantSize);
        EXPECT_EQ(core.view.cards.width, c.wantSize == 1 ? 67 : 45);
        const auto loads = seam.Calls(SeamCall::LoadCardPictures);
        ASSERT_EQ(loads.size(), 1u);
        EXPECT_EQ(loads[0].number, c.wantSize);
    }
}

TEST_F(SavedGame, OutOfRangeOptionsAndUnterminatedTextsAreMadeUsable)
{
    Bytes file;
    file.u32(0xEE1100FFu).u32(256).i16(7).i16(9).i16(-2).i16(0).u32(0).u32(1).u32(0).u32(0);
    file.text("Fake Game", 64).fill('m', 128).fill('s', 128);
    file.u32(0).i16(0);
    ASSERT_EQ(Load(file), LoadError::None);
    EXPECT_EQ(core.state.cardSize, 0);
    EXPECT_EQ(core.state.cardSet, 1);
    EXPECT_EQ(core.state.background, 0);
    EXPECT_EQ(std::string(core.state.messageText), std::string(127, 'm'));
    EXPECT_EQ(std::string(core.state.scoreText), std::string(127, 's'));
}

TEST_F(SavedGame, ANameWithoutTerminatorIsCutBeforeTheMessageShowsIt)
{
    Bytes file;
    file.u32(0xEE1100FFu).u32(256).fill(0, 8).u32(0).u32(1).u32(0).u32(0);
    file.fill('Q', 64).text("", 128).text("", 128).u32(0).i16(0);
    EXPECT_EQ(Load(file), LoadError::NoModule);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "Couldn't find game module: " + std::string(63, 'Q'));
}

}  // namespace
