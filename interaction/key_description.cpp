#include "interaction/key_description.h"

#include <array>

#include "interaction/key_focus.h"

namespace interaction {

namespace {

constexpr std::array<const char*, TS_RANKS> kRanks = {"Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
                                                      "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
constexpr std::array<const char*, TS_SUITS> kSuits = {"Clubs", "Diamonds", "Hearts", "Spades"};

std::string Cards(int n) { return std::to_string(n) + (n == 1 ? " card" : " cards"); }

// What a module wrote, cut at its buffer and kept to printable text.
std::string NameFromModule(const char* bytes, size_t size)
{
    std::string name;
    for (size_t i = 0; i < size && bytes[i] != '\0'; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        name += c < 0x20 ? ' ' : static_cast<char>(c);
    }
    return name;
}

}  // namespace

std::string CardInWords(const CardEntry& card)
{
    if (card.faceDown) return "face-down card";
    if (card.image < 0 || card.image >= TS_CARDS) return "unknown card";
    return std::string(kRanks[static_cast<size_t>(TS_CARD_RANK(card.image))]) + " of " +
           kSuits[static_cast<size_t>(TS_CARD_SUIT(card.image))];
}

std::string StackInWords(core::HostCore& core, int16_t stack)
{
    const core::ModuleEntry* m = core.currentModule();
    if (m && m->optional.getStackName && stack >= 0 && stack < core.table.count()) {
        char name[TS_NAME_BYTES] = {};
        if (m->optional.getStackName(core.table[stack], name, static_cast<int32_t>(sizeof name - 1)) != 0) {
            const std::string text = NameFromModule(name, sizeof name - 1);
            if (text.find_first_not_of(' ') != std::string::npos) return text;
        }
    }
    return "Stack " + std::to_string(stack + 1);
}

std::string DescribeFocus(core::HostCore& core)
{
    const Focus f = CurrentFocus(core);
    if (!f.onTable) return kFocusHiddenText;
    const CardStack& s = *core.table[f.stack];
    const int16_t count = table::ReadableCount(s);
    std::string text = f.card < 0 ? "empty stack" : CardInWords(s.cards[f.card]);
    if (f.card >= 0 && f.card < count - 1) text += " with " + Cards(count - 1 - f.card) + " on it";
    text += ", " + StackInWords(core, f.stack);
    if (count > 1) text += ", " + Cards(count);
    if (const CardStack* held = HeldCards(core)) {
        const int16_t n = table::ReadableCount(*held);
        const int16_t from = static_cast<int16_t>(core.table.IndexOf(core.drag.grabbedStack));
        text += "; holding " + (n == 1 ? CardInWords(held->cards[0]) : Cards(n));
        if (from >= 0) text += " from " + StackInWords(core, from);
    }
    return text;
}

}  // namespace interaction
