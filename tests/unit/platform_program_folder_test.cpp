#include <gtest/gtest.h>

#include <string>

#include "platform/program_folder.h"

namespace {

using platform::ProgramFolder;

TEST(ProgramFolder, IsTheExecutablesFolderWithItsBackslash)
{
    struct Case {
        std::string path, folder;
    };
    const Case cases[] = {
        {"C:\\Games\\Lumora\\lumora.exe", "C:\\Games\\Lumora\\"},
        {"C:\\Users\\Ann Lee\\Downloads\\lumora-solitaire 1.12\\lumora.exe",
         "C:\\Users\\Ann Lee\\Downloads\\lumora-solitaire 1.12\\"},
        {"\\\\server\\share\\lumora.exe", "\\\\server\\share\\"},
        {"Z:/tmp/lumora.exe", "Z:/tmp/"},
        {"lumora.exe", ""},  // no folder: never the current one instead
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ProgramFolder(c.path), c.folder) << c.path;
}

// Every name opened beside the program must fit the platform's path limit;
// a folder too deep for the longest is refused as a whole rather than some
// files landing elsewhere.
TEST(ProgramFolder, AFolderTooDeepForTheLongestNameIsRefused)
{
    const size_t longestFolder = platform::kMaxPathBytes - 1 - platform::kLongestNameBeside;
    const std::string fits = "C:\\" + std::string(longestFolder - 4, 'a') + "\\";
    ASSERT_EQ(fits.size(), longestFolder);
    EXPECT_EQ(ProgramFolder(fits + "lumora.exe"), fits);
    const std::string deeper = "C:\\" + std::string(longestFolder - 3, 'a') + "\\";
    EXPECT_EQ(ProgramFolder(deeper + "lumora.exe"), "");
    const std::string deep150 = "C:\\Users\\Player\\Documents\\My Games\\" + std::string(120, 'x') + "\\";
    EXPECT_EQ(ProgramFolder(deep150 + "lumora.exe"), deep150) << "a folder of over 150 characters works";
}

}  // namespace
