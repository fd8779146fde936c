// Writes the seed corpus of the fuzz targets with the program's own
// writers: saved games with and without module data, score files and
// CurState values; and small PNG pictures as the art generator stores them.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/host_core.h"
#include "persistence/cur_state.h"
#include "persistence/game_file.h"
#include "persistence/native_game_memory.h"
#include "persistence/score_file.h"
#include "tests/fuzz/module_script.h"
#include "tests/fuzz/null_seam.h"

#include <zlib.h>

namespace {

bool Put(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

size_t g_dataBytes = 0;

TSMemory TS_CALL GetGameData(void)
{
    if (!g_dataBytes) return nullptr;
    TSMemory block = TsNativeMemoryAlloc(g_dataBytes);
    std::memset(TsNativeMemoryData(block), 0x5A, g_dataBytes);
    return block;
}

std::vector<uint8_t> SavedGame(size_t dataBytes, int stacks, int16_t cardSize)
{
    fuzz::NullSeam seam;
    core::HostCore core(seam);
    core::ModuleEntry& m = core.modules.rows[0];
    std::strcpy(m.name, "Fuzz Game");
    m.entry.getGameData = GetGameData;
    core.modules.count = 1;
    core.flow.currentModule = 0;
    core.state.cardSize = cardSize;
    core.state.gameInPlay = 1;
    core.state.seed = 12345;
    core::CopyText(core.state.messageText, "Message");
    core::CopyText(core.state.scoreText, "Score: 10");
    for (int i = 0; i < stacks; ++i) {
        const StackSpec spec{static_cast<uint32_t>(i & 1),
                             10 + 60 * i,
                             10,
                             0,
                             static_cast<int16_t>(i % 10),
                             static_cast<int16_t>(i == 0 ? 52 : 13),
                             0};
        CardStack* s = core.table.Create(spec, table::CardSize::Small);
        for (int c = 0; c < (i == 0 ? 24 : i); ++c)
            s->cards[s->count++] = CardEntry{c % 2u, 0, static_cast<int16_t>((c * 7 + i) % 52), 0};
    }
    g_dataBytes = dataBytes;
    persistence::NativeGameMemory memory;
    persistence::VectorSink out;
    persistence::WriteGameFile(core, memory, out);
    return out.bytes;
}

// Scripts of the module-interface target (module_script.h): a deal of
// three stacks, then what players and modules do with it.
class Script {
public:
    std::vector<uint8_t> bytes;
    Script& Byte(uint8_t b)
    {
        bytes.push_back(b);
        return *this;
    }
    Script& U16(uint16_t v) { return Byte(static_cast<uint8_t>(v)).Byte(static_cast<uint8_t>(v >> 8)); }
    Script& U32(uint32_t v) { return U16(static_cast<uint16_t>(v)).U16(static_cast<uint16_t>(v >> 16)); }
    // Both rows accepted with a small table, Auto Play as given, the deal's
    // seed, no options, then TSNewGame's actions.
    explicit Script(bool autoPlay)
    {
        for (int row = 0; row < 2; ++row) Byte(1).Byte(100).Byte(80);
        Byte(autoPlay).U32(12345).Byte(0);
    }
    Script& Actions(uint8_t n) { return Byte(n); }
    Script& CreateStack(uint8_t x, uint8_t fan, uint8_t capacity)
    {
        Byte(fuzz::script::kMessage).Byte(HM_CREATESTACK - HM_FIRST + 1);
        Byte(0).Byte(1).Byte(x).Byte(4).Byte(1).Byte(fan).Byte(capacity).U16(0);
        return *this;
    }
    Script& AddCard(uint8_t stack, uint8_t image, bool faceDown = false)
    {
        Byte(fuzz::script::kMessage).Byte(HM_ADDCARD - HM_FIRST + 1);
        Byte(fuzz::script::kLive).Byte(stack).Byte(faceDown).Byte(1).Byte(1).Byte(image).Byte(0).Byte(1);
        return *this;
    }
    Script& Send(uint16_t message, fuzz::script::StackChoice choice = fuzz::script::kLive, uint8_t stack = 0)
    {
        Byte(fuzz::script::kMessage).Byte(static_cast<uint8_t>(message - HM_FIRST + 1));
        if (message == HM_REMOVECARD) Byte(1).U16(0);
        if (message == HM_MARKCARD) U32(1);
        Byte(choice);
        if (choice == fuzz::script::kLive) Byte(stack);
        return *this;
    }
    Script& Write(fuzz::script::Field field, uint8_t stack, uint16_t value)
    {
        Byte(fuzz::script::kWrite).Byte(0).Byte(stack).Byte(field).U16(value);
        return *this;
    }
    Script& Dealt() { return Byte(1); }
    // Three stacks fanned down: five cards, two cards and none.
    Script& Deal()
    {
        Actions(10).CreateStack(3, TS_FAN_DOWN, 13).CreateStack(23, TS_FAN_DOWN, 13).CreateStack(43, TS_FAN_DOWN, 13);
        for (uint8_t c = 0; c < 5; ++c) AddCard(0, c, c < 2);
        AddCard(1, 20).AddCard(1, 21);
        return Dealt();
    }
    Script& Step(fuzz::script::Step step) { return Byte(step); }
    Script& OnCard(fuzz::script::Step step, uint8_t stack, uint8_t card)
    {
        return Step(step).Byte(fuzz::script::kOnCard).Byte(stack).Byte(card).Byte(0x33);
    }
    Script& Answer(uint8_t answer) { return Byte(0).Byte(answer); }  // no actions, then the answer
};

std::vector<uint8_t> DragAndUndo()
{
    using namespace fuzz::script;
    Script s(false);
    s.Deal();
    s.OnCard(kPress, 0, 2).Answer(TS_HIT_DRAG_RUN).OnCard(kMove, 1, 1).OnCard(kRelease, 1, 1);
    s.Answer(1).Actions(0).Actions(0);  // accepted; TSPrepareForUndo, TSStackChanged
    s.Step(kUndo).Actions(0);
    s.Step(kSaveAndLoad).Actions(0).Byte(1).Byte(4).Byte(2).Actions(0).U16(0).Actions(0);
    s.OnCard(kRightPress, 0, 0).OnCard(kRightRelease, 0, 0);
    s.OnCard(kPress, 1, 0).Answer(TS_HIT_MARK).OnCard(kRelease, 1, 0);
    s.OnCard(kDoubleClick, 1, 0).Actions(0);
    return s.bytes;
}

std::vector<uint8_t> SingleCardRefused()
{
    using namespace fuzz::script;
    Script s(true);
    s.Deal();
    s.Actions(0);  // autoplay after the deal
    s.OnCard(kPress, 0, 3).Answer(TS_HIT_DRAG_CARD).Actions(0).OnCard(kMove, 2, 0).OnCard(kRelease, 2, 0).Answer(0);
    s.OnCard(kPress, 0, 1).Answer(TS_HIT_DRAG_CARD).Actions(0).OnCard(kMove, 1, 1).Step(kCaptureLost);
    s.Step(kCardSize).Byte(1).Step(kCardSet).Byte(2).Step(kAutoPlay).Step(kSounds).Byte(0);
    return s.bytes;
}

// The module changes the table from inside the drop: it clears the source
// and fills the target while the cards are in the air.
std::vector<uint8_t> ChangesDuringTheDrop()
{
    using namespace fuzz::script;
    Script s(false);
    s.Deal();
    s.OnCard(kPress, 0, 2).Answer(TS_HIT_DRAG_RUN).OnCard(kMove, 1, 1).OnCard(kRelease, 1, 1);
    s.Actions(3).Send(HM_CLEARSTACK, kLive, 0).AddCard(1, 30).Write(kCount, 1, 500).Byte(1);
    s.Actions(1).AddCard(0, 40).Actions(0);
    s.Step(kUndo).Actions(0).Step(kUndo).Actions(0);
    return s.bytes;
}

// The module breaks its own table, and the game is saved and loaded.
std::vector<uint8_t> BrokenTableSaved()
{
    using namespace fuzz::script;
    Script s(false);
    s.Deal();
    s.Step(kModuleWrite).Byte(0).Byte(0).Byte(kCount).U16(900);
    s.Step(kModuleWrite).Byte(0).Byte(1).Byte(kCapacity).U16(5000);
    s.Step(kModuleWrite).Byte(0).Byte(2).Byte(kFan).U16(77);
    s.Step(kSaveAndLoad).Actions(0).Byte(0).Byte(2).Actions(0).U16(0).Actions(0);
    s.Step(kModuleMessage).Send(HM_REMOVECARD, kLive, 1);
    s.Step(kModuleMessage).Send(HM_CLEARSTACK, kMadeUp).Byte(1).U16(0);
    return s.bytes;
}

}  // namespace

void PutBe32(std::vector<uint8_t>& b, uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<uint8_t>(v >> s));
}

void PngChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& body)
{
    PutBe32(out, static_cast<uint32_t>(body.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    PutBe32(out, static_cast<uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

// A w x h PNG picture of colour type 3 (palette, `depth` bits) or 2 (RGB).
std::vector<uint8_t> Png(uint32_t w, uint32_t h, uint8_t depth, uint8_t colourType)
{
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, ihdr, rows;
    PutBe32(ihdr, w);
    PutBe32(ihdr, h);
    ihdr.insert(ihdr.end(), {depth, colourType, 0, 0, 0});
    PngChunk(out, "IHDR", ihdr);
    if (colourType == 3) PngChunk(out, "PLTE", {255, 255, 255, 200, 20, 30, 20, 20, 24, 30, 60, 40});
    const size_t rowBytes = colourType == 3 ? (w * depth + 7) / 8 : w * 3;
    for (uint32_t y = 0; y < h; ++y) {
        rows.push_back(static_cast<uint8_t>(y % 5));  // every filter
        for (size_t i = 0; i < rowBytes; ++i) rows.push_back(static_cast<uint8_t>(colourType == 3 ? (i + y) % 4 * (depth == 4 ? 0x11 : 1) : i * 7 + y));
    }
    uLongf n = compressBound(static_cast<uLong>(rows.size()));
    std::vector<uint8_t> z(n);
    compress(z.data(), &n, rows.data(), static_cast<uLong>(rows.size()));
    z.resize(n);
    PngChunk(out, "IDAT", z);
    PngChunk(out, "IEND", {});
    return out;
}

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: make_corpus <saved-game dir> <score dir> <curstate dir> <module-script dir> <picture dir>\n");
        return 2;
    }
    const std::string games = argv[1], scores = argv[2], states = argv[3], scripts = argv[4], pictures = argv[5];
    if (!Put(pictures + "/palette4.png", Png(9, 7, 4, 3)) || !Put(pictures + "/palette8.png", Png(5, 6, 8, 3)) ||
        !Put(pictures + "/rgb.png", Png(4, 5, 8, 2)) || !Put(pictures + "/scales.bin", {125, 0, 150, 0, 200, 0}))
        return 1;
    bool ok = Put(games + "/empty_table.tsg", SavedGame(0, 0, 0)) && Put(games + "/no_data.tsg", SavedGame(0, 3, 0)) &&
              Put(games + "/with_data.tsg", SavedGame(16, 5, 1)) && Put(games + "/many.tsg", SavedGame(1, 13, 0));

    core::ModuleTable table;
    for (const char* name : {"Golf", "Klondike", "GOLF"}) {
        core::ModuleEntry& row = table.rows[static_cast<size_t>(table.count++)];
        std::strcpy(row.name, name);
        row.score = {table.count * 3, table.count, table.count * 10 - 15, table.count * 7};
    }
    persistence::VectorSink scoreFile;
    persistence::WriteScoreFile(table, scoreFile);
    ok = ok && Put(scores + "/three.sav", scoreFile.bytes);
    table.count = 0;
    persistence::VectorSink emptyScores;
    persistence::WriteScoreFile(table, emptyScores);
    ok = ok && Put(scores + "/none.sav", emptyScores.bytes);

    for (uint32_t show : {1u, 3u}) {
        const persistence::CurStateRecord r =
            persistence::CurStateAtExit(persistence::DefaultCurState(1), 6, show, 100, 80, 740, 600);
        std::vector<uint8_t> bytes(sizeof r);
        std::memcpy(bytes.data(), &r, sizeof r);
        ok = ok && Put(states + "/show" + std::to_string(show) + ".bin", bytes);
    }
    ok = ok && Put(scripts + "/drag_and_undo.bin", DragAndUndo()) &&
         Put(scripts + "/single_card_refused.bin", SingleCardRefused()) &&
         Put(scripts + "/changes_during_the_drop.bin", ChangesDuringTheDrop()) &&
         Put(scripts + "/broken_table_saved.bin", BrokenTableSaved());
    return ok ? 0 : 1;
}
