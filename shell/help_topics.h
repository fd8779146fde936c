// The help window's topics: how to play, the menus and keys, saved games
// and scores, and one topic per loaded game with the rules its module
// carries. The search box keeps the topics that hold a word.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

struct HelpTopic {
    std::string title;
    std::string text;  // lines end in "\r\n", as an edit control shows them
};

// The program's own topics, in the order the list shows them.
std::vector<HelpTopic> HostHelpTopics();

// A game's topic from its rules text (bytes of any kind, up to `size` or
// the first zero); a game without rules gets a plain "no rules" line.
HelpTopic GameRulesTopic(std::string_view gameName, const char* rules, size_t size);

// Indices of the topics whose title or text holds `word`, without regard
// to case; every topic for an empty word (blanks around it do not count).
std::vector<size_t> MatchingTopics(const std::vector<HelpTopic>& topics, std::string_view word);

// Rules are written wrapped for a text editor; the window wraps them to its
// own width. Lines of a paragraph are joined; blank lines and list items
// ("- " or "* ") keep their breaks. Lines end in "\n".
std::string Reflow(std::string_view text);

// "\n" and lone "\r" become "\r\n"; other control characters but the tab
// are dropped.
std::string ForEditControl(std::string_view text);

}  // namespace shell
