#include "shell/help_topics.h"

#include <algorithm>

namespace shell {

namespace {

constexpr char kHowToPlay[] =
    "Choose a game from the Game List menu. The cards are dealt at once; "
    "the game's own topic below tells its rules.\n\n"
    "Press the left mouse button on a card and move the mouse to carry it "
    "(with the cards above it, where the game allows) to another pile; "
    "release the button to drop it there. A pile that does not take the "
    "cards sends them back. Double-click a card to send it where the game "
    "plays it by itself, usually a foundation. Hold the right button on a "
    "card that others cover to see that card whole until you let go. Every "
    "game can also be played from the keyboard alone: see Keys.\n\n"
    "The message area above the table tells what the game wants, and the "
    "score box its score. When a game is won or lost, \"Game Over\" is "
    "shown; choose New Game or Replay Game to play again.";

constexpr char kMenusAndKeys[] =
    "Game menu\n"
    "  New Game (ctrl+N): a new deal of the current game.\n"
    "  Replay Game (ctrl+R): the same deal again from its start.\n"
    "  Undo (ctrl+Z): takes back the last move.\n"
    "  Load Game (ctrl+O) and Save Game (ctrl+S): saved games.\n"
    "  Score History: the scores of every game.\n"
    "  Exit (ctrl+Q): ends the program; the game on the table comes back "
    "at the next start.\n\n"
    "Game List menu: every installed game.\n\n"
    "Options menu\n"
    "  Auto Play: the game moves cards to the foundations by itself.\n"
    "  Sounds: turns the sounds on and off.\n"
    "  Backgrounds and Card sets: how the table looks.\n"
    "  Below them, the options of the current game.\n\n"
    "Help menu\n"
    "  Contents (F1) and Search: this window. Type a word in the Search "
    "box to list only the topics that hold it.";

constexpr char kKeys[] =
    "Every game can be played from the keyboard alone. A frame on the table "
    "shows the keyboard's place: one card, or an empty pile. It appears "
    "with the first of these keys and goes away when you press the mouse "
    "on the table.\n\n"
    "  Left, Right, Up and Down arrows: the nearest pile that way on the "
    "table. The first key puts the frame on the game's first pile.\n"
    "  + or Shift+Up: one face-up card lower in the pile, to take the cards "
    "above it with it.\n"
    "  - or Shift+Down: one card back toward the top.\n"
    "  Enter or Space: what a click on the framed card does. Cards the game "
    "lets you carry are lifted and held; move the frame to another pile "
    "and press Enter or Space again to put them there. A pile that does not "
    "take them leaves them held.\n"
    "  Esc: puts held cards back where they came from.\n"
    "  Shift+Enter: what a double-click on the framed card does.\n\n"
    "The menu keys work as always: ctrl+N, ctrl+R, ctrl+Z, ctrl+O, ctrl+S, "
    "ctrl+Q and F1, and Alt with a menu's letter.\n\n"
    "A screen reader says where the frame is and what is held, for "
    "example \"Seven of Hearts, Column 3, 7 cards; holding 2 cards from "
    "Column 5\", and reads the score box and the message area.";

constexpr char kSavedGames[] =
    "Save Game writes the game on the table to a file (\".tsg\"), with "
    "its options, texts and card size; Load Game takes it up again, also "
    "in a later run. You can also drop a saved game on the window, or "
    "open it from the desktop.\n\n"
    "When you exit, the game on the table is kept and comes back at the "
    "next start, finished or not. A deal counts as played when it ends or "
    "when you leave it for another.\n\n"
    "Score History lists, for every game, how many deals were played and "
    "won, the best score and the average score. Clear Scores sets them "
    "all to zero.";

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool Contains(std::string_view text, std::string_view word)
{
    if (word.empty()) return true;
    auto it = std::search(text.begin(), text.end(), word.begin(), word.end(),
                          [](char a, char b) { return Lower(a) == Lower(b); });
    return it != text.end();
}

std::string_view Trimmed(std::string_view s, char also = ' ')
{
    auto blank = [also](char c) { return c == ' ' || c == '\t' || c == also; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

bool StartsItem(std::string_view line) { return line.starts_with("- ") || line.starts_with("* "); }

}  // namespace

std::string Reflow(std::string_view text)
{
    std::string out;
    bool joinable = false;   // the last line out may take the next one
    bool paragraph = false;  // a blank line came since the last text
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view body = Trimmed(Trimmed(text.substr(pos, end - pos)), '\r');
        pos = end + 1;
        if (body.empty()) {
            paragraph = !out.empty();
            joinable = false;
            continue;
        }
        if (joinable && !StartsItem(body)) {
            out += ' ';
        } else if (!out.empty()) {
            out += paragraph ? "\n\n" : "\n";
        }
        out += body;
        joinable = true;
        paragraph = false;
    }
    return out;
}

std::string ForEditControl(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else if ((static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) || c == '\t') {
            out += c;
        }
    }
    return out;
}

std::vector<HelpTopic> HostHelpTopics()
{
    return {
        {"How to play", ForEditControl(kHowToPlay)},
        {"Menus and keys", ForEditControl(kMenusAndKeys)},
        {"Keys", ForEditControl(kKeys)},
        {"Saved games and scores", ForEditControl(kSavedGames)},
    };
}

HelpTopic GameRulesTopic(std::string_view gameName, const char* rules, size_t size)
{
    std::string_view text;
    if (rules) {
        text = std::string_view(rules, size);
        text = text.substr(0, text.find('\0'));
    }
    HelpTopic topic;
    topic.title = std::string(gameName);
    topic.text = Trimmed(text).empty() ? "There are no rules for this game in its module."
                                       : ForEditControl(Reflow(ForEditControl(text)));
    return topic;
}

std::vector<size_t> MatchingTopics(const std::vector<HelpTopic>& topics, std::string_view word)
{
    word = Trimmed(word);
    std::vector<size_t> out;
    for (size_t i = 0; i < topics.size(); ++i)
        if (Contains(topics[i].title, word) || Contains(topics[i].text, word)) out.push_back(i);
    return out;
}

}  // namespace shell
