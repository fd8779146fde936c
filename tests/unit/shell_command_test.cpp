#include <gtest/gtest.h>

#include "shell/association.h"
#include "shell/command_ranges.h"
#include "shell/command_tail.h"

using shell::ClassifyCommand;
using shell::CommandKind;
using shell::SavedGamePathFromTail;

TEST(CommandTail, NamesTheWholeTailAsOnePath)
{
    struct Case {
        const char* tail;
        const char* path;  // nullptr: nothing to open
    };
    const Case cases[] = {
        {"", nullptr},
        {"x", nullptr},     // one character
        {"\"\"", nullptr},  // two double quotes
        {"\"", nullptr},    // a lone quote names no file
        {"\"a\"", "a"},     // the copy "a\"" is two characters long
        {"C:\\games\\a b.tsg", "C:\\games\\a b.tsg"},
        {"\"C:\\games\\a b.tsg\"", "C:\\games\\a b.tsg"},
        {"C:\\x.tsg\"", "C:\\x.tsg"},  // a closing quote alone is cut too
        {"ab", "ab"},
    };
    for (const Case& c : cases) {
        auto path = SavedGamePathFromTail(c.tail);
        if (c.path == nullptr) {
            EXPECT_FALSE(path.has_value()) << "tail [" << c.tail << "]";
        } else {
            ASSERT_TRUE(path.has_value()) << "tail [" << c.tail << "]";
            EXPECT_EQ(*path, c.path);
        }
    }
}

// What the shell runs on a double-click: the open command with "%1" replaced
// by the file, split by the platform at the program's closing quote; the
// rest is the tail the program gets.
TEST(Association, TheOpenCommandQuotesBothAndItsFileComesBackWhole)
{
    const std::string program = "C:\\Program Files\\Lumora Solitaire 1.12\\lumora.exe";
    const std::string command = shell::OpenCommand(program);
    EXPECT_EQ(command, "\"C:\\Program Files\\Lumora Solitaire 1.12\\lumora.exe\" \"%1\"");

    const std::string file = "D:\\My Saved Games\\klondike two.tsg";
    std::string run = command;
    run.replace(run.find("%1"), 2, file);
    ASSERT_EQ(run.rfind('"' + program + "\" ", 0), 0u) << "the program is one quoted word";
    const std::string tail = run.substr(program.size() + 3);
    const auto path = SavedGamePathFromTail(tail.c_str());
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, file);
}

TEST(CommandTail, LongestPathFitsAndLongerTailsAreIgnored)
{
    const std::string longest(shell::kMaxTailPath, 'p');
    EXPECT_EQ(SavedGamePathFromTail(longest), longest);
    EXPECT_EQ(SavedGamePathFromTail("\"" + longest), longest);
    EXPECT_FALSE(SavedGamePathFromTail(longest + "p").has_value());
}

TEST(CommandRanges, RangesAreTestedInOrder)
{
    struct Case {
        int id, options, rows;
        CommandKind kind;
        int index;
    };
    const Case cases[] = {
        {5000, 1, 0, CommandKind::ModuleOption, 0}, {5002, 3, 0, CommandKind::ModuleOption, 2},
        {5003, 3, 0, CommandKind::None, 0},  // one past the last option
        {5000, 0, 0, CommandKind::None, 0},         {4000, 0, 0, CommandKind::CardSet, 0},
        {4003, 0, 0, CommandKind::CardSet, 3},      {4004, 0, 0, CommandKind::None, 0},
        {3000, 0, 0, CommandKind::Background, 0},   {3005, 0, 0, CommandKind::Background, 5},
        {3006, 0, 0, CommandKind::None, 0},         {1000, 0, 0, CommandKind::None, 0},  // no modules: no rows
        {1000, 0, 1, CommandKind::GameRow, 0},      {1029, 0, 30, CommandKind::GameRow, 29},
        {1030, 0, 30, CommandKind::None, 0},        {101, 0, 0, CommandKind::Fixed, 101},
        {120, 0, 0, CommandKind::Fixed, 120},       {100, 0, 0, CommandKind::None, 0},
        {121, 0, 0, CommandKind::None, 0},          {0, 0, 0, CommandKind::None, 0},
    };
    for (const Case& c : cases) {
        auto got = ClassifyCommand(c.id, c.options, c.rows);
        EXPECT_EQ(got.kind, c.kind) << "id " << c.id;
        EXPECT_EQ(got.index, c.index) << "id " << c.id;
    }
}

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "game_list.h"
#include "modules/module_names.h"

TEST(ModuleNameList, ThirtyDistinctStemsWithKlondikeSeventhOfTheShippedGames)
{
    std::set<std::string> seen;
    for (const char* stem : modules::kModuleNameList) {
        ASSERT_NE(stem, nullptr);
        const std::size_t n = std::strlen(stem);
        EXPECT_GE(n, 1u);
        EXPECT_LE(n, 8u) << stem;
        for (const char* c = stem; *c; ++c)
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(*c)) || std::isdigit(static_cast<unsigned char>(*c)))
                << stem;
        EXPECT_TRUE(seen.insert(stem).second) << "repeated stem " << stem;
    }
    // The games we ship (the rows of games/game_list.txt with a folder);
    // KLONDIKE must come seventh among them, and the last two rows are free.
    const std::set<std::string> shipped = {LUMORA_SHIPPED_GAME_STEMS};
    EXPECT_EQ(shipped.size(), 28u);
    EXPECT_FALSE(shipped.count("MYGAME1") || shipped.count("MYGAME2"));
    EXPECT_STREQ(modules::kModuleNameList[28], "MYGAME1");
    EXPECT_STREQ(modules::kModuleNameList[29], "MYGAME2");
    int row = 0;
    for (const char* stem : modules::kModuleNameList) {
        if (!shipped.count(stem)) continue;
        if (std::string(stem) == "KLONDIKE") break;
        ++row;
    }
    EXPECT_EQ(row, 6);
}
