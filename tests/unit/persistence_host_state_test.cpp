#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/host_state.h"

using core::HostState;

TEST(HostState, ValuesFromAFileAreBroughtIntoRange)
{
    struct Case {
        int16_t cardSize, cardSet, background;
        int16_t wantSize, wantSet, wantBackground;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0}, {1, 3, 5, 1, 3, 5}, {2, 4, 6, 1, 1, 0}, {-1, -1, -1, 1, 1, 0}, {0, 2, 3, 0, 2, 3},
    };
    for (const Case& c : cases) {
        HostState s;
        s.cardSize = c.cardSize;
        s.cardSet = c.cardSet;
        s.background = c.background;
        core::MakeUsable(s, 1);  // only the large-card library is there
        EXPECT_EQ(s.cardSize, c.wantSize) << c.cardSize;
        EXPECT_EQ(s.cardSet, c.wantSet) << c.cardSet;
        EXPECT_EQ(s.background, c.wantBackground) << c.background;
    }
}

TEST(HostState, TextsWithoutTerminatorAreCutAtTheirLastByte)
{
    HostState s;
    std::memset(s.moduleName, 'n', sizeof s.moduleName);
    std::memset(s.messageText, 'm', sizeof s.messageText);
    std::memset(s.scoreText, 's', sizeof s.scoreText);
    core::MakeUsable(s, 0);
    EXPECT_EQ(std::string(s.moduleName), std::string(63, 'n'));
    EXPECT_EQ(std::string(s.messageText), std::string(127, 'm'));
    EXPECT_EQ(std::string(s.scoreText), std::string(127, 's'));

    char small[4];
    core::CopyText(small, "abcdef");
    EXPECT_STREQ(small, "abc");
    core::CopyText(small, nullptr);
    EXPECT_STREQ(small, "");
}
