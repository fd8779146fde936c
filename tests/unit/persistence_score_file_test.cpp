// The score file against files built by hand, the CurState record and the
// Score History lines.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "persistence/cur_state.h"
#include "persistence/score_file.h"
#include "persistence/score_history.h"
#include "tests/unit/persistence_bytes.h"

namespace {

using persistence_bytes::Bytes;

core::ModuleTable Rows(std::initializer_list<const char*> names)
{
    core::ModuleTable t;
    for (const char* n : names) std::strcpy(t.rows[static_cast<size_t>(t.count++)].name, n);
    return t;
}

Bytes Header(int16_t count, uint32_t magic = 0xFF11EE00u, uint32_t version = 256)
{
    return Bytes{}.u32(magic).u32(version).i16(count).u16(0xBEEF);  // padding is not significant
}

Bytes Record(const std::string& name, int32_t played, int32_t wins, int32_t total, int32_t max)
{
    return Bytes{}.text(name, 64).i32(played).i32(wins).i32(total).i32(max);
}

void Read(core::ModuleTable& t, const Bytes& file)
{
    persistence::SpanSource in(file.b);
    persistence::ReadScoreFile(t, in);
}

TEST(ScoreFile, NamesThatDifferOnlyInCaseBothLandInTheFirstRowTheLaterWinning)
{
    core::ModuleTable t = Rows({"Golf", "GOLF", "Spider"});
    Bytes file = Header(3);
    file.append(Record("Golf", 5, 2, 40, 12)).append(Record("GOLF", 7, 1, -3, 9)).append(Record("spider", 1, 1, 8, 8));
    Read(t, file);
    EXPECT_EQ(t.rows[0].score, (core::ScoreRecord{7, 1, -3, 9}));
    EXPECT_EQ(t.rows[1].score, (core::ScoreRecord{}));
    EXPECT_EQ(t.rows[2].score, (core::ScoreRecord{1, 1, 8, 8}));
}

TEST(ScoreFile, ACountBeyondTheRecordsAppliesTheWholeOnesAndStops)
{
    core::ModuleTable t = Rows({"A", "B", "C"});
    Bytes file = Header(5);
    file.append(Record("A", 1, 0, 0, 0)).append(Record("B", 2, 0, 0, 0));
    Bytes partial = Record("C", 3, 0, 0, 0);
    partial.b.resize(70);
    file.append(partial);
    Read(t, file);
    EXPECT_EQ(t.rows[0].score.played, 1);
    EXPECT_EQ(t.rows[1].score.played, 2);
    EXPECT_EQ(t.rows[2].score.played, 0);
}

TEST(ScoreFile, ShortForeignOrEmptyFilesChangeNothingAndUnknownNamesAreSkipped)
{
    struct Case {
        const char* what;
        Bytes file;
    };
    Bytes shortHeader = Header(1);
    shortHeader.b.resize(11);
    const Case cases[] = {
        {"empty", Bytes{}},
        {"11-byte header", shortHeader},
        {"saved-game magic", Header(1, 0xEE1100FFu).append(Record("A", 9, 9, 9, 9))},
        {"version 257", Header(1, 0xFF11EE00u, 257).append(Record("A", 9, 9, 9, 9))},
        {"count 0", Header(0).append(Record("A", 9, 9, 9, 9))},
        {"count -1", Header(-1).append(Record("A", 9, 9, 9, 9))},
        {"unknown name", Header(1).append(Record("Nothing", 9, 9, 9, 9))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        core::ModuleTable t = Rows({"A"});
        t.rows[0].score = {1, 2, 3, 4};
        Read(t, c.file);
        EXPECT_EQ(t.rows[0].score, (core::ScoreRecord{1, 2, 3, 4}));
    }
}

TEST(ScoreFile, ANameWithoutTerminatorIsCutAtItsLastByte)
{
    const std::string name(63, 'x');
    core::ModuleTable t = Rows({name.c_str()});
    Read(t, Header(1).append(Bytes{}.fill('x', 64).i32(4).i32(3).i32(2).i32(1)));
    EXPECT_EQ(t.rows[0].score, (core::ScoreRecord{4, 3, 2, 1}));
}

TEST(ScoreFile, TheWriterGivesOneRecordPerRowInRowOrder)
{
    core::ModuleTable t = Rows({"Golf", "Yukon"});
    t.rows[0].score = {3, 1, 6, 10};
    t.rows[1].score = {-1, 0, INT_MIN, INT_MAX};
    persistence::VectorSink out;
    persistence::WriteScoreFile(t, out);
    Bytes want = Bytes{}.u32(0xFF11EE00u).u32(256).i16(2).u16(0);
    want.append(Record("Golf", 3, 1, 6, 10)).append(Record("Yukon", -1, 0, INT_MIN, INT_MAX));
    EXPECT_EQ(out.bytes, want.b);

    core::ModuleTable back = Rows({"Yukon", "Golf"});
    persistence::SpanSource in(out.bytes);
    persistence::ReadScoreFile(back, in);
    EXPECT_EQ(back.rows[0].score, t.rows[1].score);
    EXPECT_EQ(back.rows[1].score, t.rows[0].score);
}

TEST(ScoreHistory, LinesWithTruncatedAverages)
{
    core::ModuleTable t = Rows({"Golf", "Yukon", "Pyramid", "Odd"});
    t.rows[0].score = {3, 1, 6, 10};        // scores 10, 0 and -4
    t.rows[1].score = {2, 0, -7, 0};        // -3.5 goes toward zero
    t.rows[2].score = {0, 0, 0, 0};         // nothing played
    t.rows[3].score = {-1, 0, INT_MIN, 0};  // from a damaged file: no overflow
    const std::vector<std::string> want = {
        "Game\tPlayed\tWins\tMax\tAvg", "", "Golf\t3\t1\t10\t2", "Yukon\t2\t0\t0\t-3", "Pyramid\t0\t0\t0\t0",
        "Odd\t-1\t0\t0\t-2147483648",
    };
    EXPECT_EQ(persistence::ScoreHistoryLines(t), want);

    EXPECT_EQ(persistence::ScoreHistoryLines(core::ModuleTable{}),
              (std::vector<std::string>{"Game\tPlayed\tWins\tMax\tAvg", ""}));

    persistence::ClearScores(t);
    for (int i = 0; i < t.count; ++i) EXPECT_EQ(t.rows[static_cast<size_t>(i)].score, core::ScoreRecord{});
}

TEST(ScoreFile, FindModuleByNameIgnoresCaseAndTakesTheFirstRow)
{
    core::ModuleTable t = Rows({"Klondike", "Forty Thieves", "KLONDIKE"});
    EXPECT_EQ(core::FindModuleByName(t, "kLoNdIkE"), 0);
    EXPECT_EQ(core::FindModuleByName(t, "forty thieves"), 1);
    EXPECT_EQ(core::FindModuleByName(t, "Forty"), -1);
    EXPECT_EQ(core::FindModuleByName(t, ""), -1);
}

TEST(CurState, OnlyAWhole32ByteRecordThatShowsTheWindowIsUsed)
{
    const Bytes good = Bytes{}.u32(0xABCD1100u).i32(6).u32(3).i32(10).i32(20).i32(810).i32(620).u32(77);
    Bytes longer = good;
    longer.fill(0, 8);
    Bytes shorter = good;
    shorter.b.resize(31);
    struct Case {
        const char* what;
        Bytes value;
        bool read;
    };
    const Case cases[] = {
        {"32 bytes", good, true},
        {"40 bytes", longer, false},
        {"31 bytes", shorter, false},
        {"wrong magic", Bytes{}.u32(0x0011CDABu).i32(6).u32(3).fill(0, 20), false},
        {"show command 0 would hide the window", Bytes{}.u32(0xABCD1100u).i32(6).u32(0).fill(0, 20), false},
        {"show command 12", Bytes{}.u32(0xABCD1100u).i32(6).u32(12).fill(0, 20), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bool read = !c.read;
        const persistence::CurStateRecord r = persistence::CurStateFromValue(c.value.b.data(), c.value.size(), 5, read);
        EXPECT_EQ(read, c.read);
        if (c.read) {
            EXPECT_EQ(r.gameIndex, 6);
            EXPECT_EQ(r.showCmd, 3u);
            EXPECT_EQ(r.left, 10);
            EXPECT_EQ(r.bottom, 620);
            EXPECT_EQ(r.reserved, 77u);
        } else {
            EXPECT_EQ(r.magic, 0xABCD1100u);
            EXPECT_EQ(r.gameIndex, -1);
            EXPECT_EQ(r.showCmd, 5u);
            EXPECT_EQ(r.left | r.top | r.right | r.bottom, 0);
            EXPECT_EQ(r.reserved, 0u);
        }
    }
}

TEST(CurState, TheExitRecordKeepsReservedAndTheWindowComesBackOnlyForTheSameGame)
{
    persistence::CurStateRecord old;
    old.magic = 1;
    old.reserved = 0xDEADBEEF;
    const persistence::CurStateRecord r = persistence::CurStateAtExit(old, -1, 3, 1, 2, 3, 4);
    Bytes want = Bytes{}.u32(0xABCD1100u).i32(-1).u32(3).i32(1).i32(2).i32(3).i32(4).u32(0xDEADBEEF);
    ASSERT_EQ(want.size(), sizeof r);
    EXPECT_EQ(std::memcmp(&r, want.b.data(), sizeof r), 0);

    persistence::CurStateRecord saved = persistence::CurStateAtExit(old, 6, 3, 100, 50, 600, 450);
    EXPECT_TRUE(persistence::RestoresSavedRect(saved, true, 6));
    EXPECT_FALSE(persistence::RestoresSavedRect(saved, true, 2));
    EXPECT_FALSE(persistence::RestoresSavedRect(saved, false, 6));
    // A first run: no record, no game, an empty rectangle.
    EXPECT_FALSE(persistence::RestoresSavedRect(persistence::DefaultCurState(1), false, -1));
    EXPECT_FALSE(persistence::RestoresSavedRect(persistence::CurStateAtExit(old, -1, 1, 0, 0, 0, 0), true, -1));
}

}  // namespace
