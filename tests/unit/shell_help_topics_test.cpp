// The help window's topics and its search.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/help_topics.h"

namespace {

TEST(HelpTopics, TheProgramsTopicsThenTheRulesOfEachGame)
{
    std::vector<shell::HelpTopic> topics = shell::HostHelpTopics();
    std::vector<std::string> titles;
    for (const auto& t : topics) titles.push_back(t.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"How to play", "Menus and keys", "Keys", "Saved games and scores"}));
    for (const auto& t : topics) {
        EXPECT_FALSE(t.text.empty());
        EXPECT_EQ(t.text.find("\n"), t.text.find("\r\n") + 1);  // every line break is \r\n
    }

    const char rules[] = "Golf\n\nBuild up or down.\r\nWraps at kings.\rEnd\0trailing";
    const shell::HelpTopic golf = shell::GameRulesTopic("Golf", rules, sizeof rules - 1);
    EXPECT_EQ(golf.title, "Golf");
    EXPECT_EQ(golf.text, "Golf\r\n\r\nBuild up or down. Wraps at kings. End");

    for (const char* none : {static_cast<const char*>(nullptr), "", "  \t "}) {
        const shell::HelpTopic t = shell::GameRulesTopic("Bare", none, none ? std::char_traits<char>::length(none) : 0);
        EXPECT_EQ(t.text, "There are no rules for this game in its module.");
    }
}

TEST(HelpTopics, TheKeysTopicNamesEveryKeyOfTheTable)
{
    const std::vector<shell::HelpTopic> topics = shell::HostHelpTopics();
    const auto keys =
        std::find_if(topics.begin(), topics.end(), [](const shell::HelpTopic& t) { return t.title == "Keys"; });
    ASSERT_NE(keys, topics.end());
    for (const char* key : {"Left", "Right", "Up", "Down", "+ or Shift+Up", "- or Shift+Down", "Enter or Space",
                            "Esc", "Shift+Enter", "ctrl+Z", "Alt"})
        EXPECT_NE(keys->text.find(key), std::string::npos) << key;
    const std::vector<size_t> found = shell::MatchingTopics(topics, "keyboard");
    EXPECT_NE(std::find(found.begin(), found.end(), static_cast<size_t>(keys - topics.begin())), found.end())
        << "the search finds it";
}

// The window deletes the Card sizes menu, and the right button shows one
// covered card, not a whole pile: the help must not promise either.
TEST(HelpTopics, TheHostsTopicsDescribeOnlyWhatTheWindowDoes)
{
    for (const shell::HelpTopic& t : shell::HostHelpTopics()) {
        EXPECT_EQ(t.text.find("Card sizes"), std::string::npos) << t.title;
        EXPECT_EQ(t.text.find("all of its cards"), std::string::npos) << t.title;
    }
    const std::vector<shell::HelpTopic> topics = shell::HostHelpTopics();
    const std::vector<size_t> right = shell::MatchingTopics(topics, "right button");
    ASSERT_EQ(right.size(), 1u);
    EXPECT_NE(topics[right[0]].text.find("see that card whole"), std::string::npos);
}

TEST(HelpTopics, SearchKeepsTopicsHoldingTheWordInTitleOrTextWithoutRegardToCase)
{
    const std::vector<shell::HelpTopic> topics = {
        {"Klondike", "Build down in alternate colours."},
        {"Golf", "Play up or down, kings wrap."},
        {"Scores", "Score History lists the games."},
    };
    struct Case {
        const char* word;
        std::vector<size_t> want;
    };
    const Case cases[] = {
        {"", {0, 1, 2}},  {"   ", {0, 1, 2}}, {"DOWN", {0, 1}},    {"golf", {1}},
        {" score ", {2}}, {"queen", {}},      {"kings wrap", {1}},
    };
    for (const Case& c : cases) EXPECT_EQ(shell::MatchingTopics(topics, c.word), c.want) << c.word;
}

TEST(HelpTopics, RulesWrappedForAnEditorAreJoinedIntoParagraphsAndItems)
{
    const char rules[] =
        "Golf\n"
        "\n"
        "Thirty-five cards are dealt\n"
        "face up.\n"
        "\n\n"
        "- The top card may be played\n"
        "  when it is one rank above.\n"
        "- Ranks do not turn the corner.\n"
        "* Nothing is built on the columns.\n"
        "\n";
    EXPECT_EQ(shell::Reflow(rules),
              "Golf\n\nThirty-five cards are dealt face up.\n\n"
              "- The top card may be played when it is one rank above.\n"
              "- Ranks do not turn the corner.\n"
              "* Nothing is built on the columns.");
    EXPECT_EQ(shell::Reflow("\n\n  lone line  \n\n"), "lone line");
    EXPECT_EQ(shell::Reflow(""), "");
}

TEST(HelpTopics, TextForTheEditControlDropsControlCharactersButTabs)
{
    EXPECT_EQ(shell::ForEditControl(std::string("a\tb\x01\x7f"
                                                "c\n",
                                                7)),
              "a\tbc\r\n");
}

}  // namespace
