#include "hint_follower.h"

#include <dlfcn.h>

#include <algorithm>

namespace gametest {

int HintOption(Session& g)
{
    const std::vector<std::string> items = g->OptionTexts();
    const auto found = std::find(items.begin(), items.end(), "Hint");
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

HintMove AskHint(Session& g, bool* ok)
{
    HintMove m;
    if (ok) *ok = false;
    const int option = HintOption(g);
    if (option < 0 || !g->SelectOption(option)) return m;
    void* module = dlopen(g.modulePath().c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (!module) return m;
    using Probe = int (*)(int*);
    auto probe = reinterpret_cast<Probe>(dlsym(module, "LumoraKitHint"));
    int move[3] = {-1, 0, -1};
    const int answer = probe ? probe(move) : -1;
    dlclose(module);
    if (answer < 0) return m;
    if (ok) *ok = true;
    m.named = answer == 1;
    m.from = move[0];
    if (m.from < 0) m.stock = move[1];
    else m.index = move[1];
    m.to = move[2];
    return m;
}

namespace {
std::vector<std::pair<int, int>> Marks(Session& g)
{
    std::vector<std::pair<int, int>> out;
    for (int s = 0; s < g->StackCount(); ++s)
        for (int k = 0; k < g.count(s); ++k)
            if (g->Stack(s).cards[k].mark) out.emplace_back(s, k);
    return out;
}
}  // namespace

std::string HintDisagrees(Session& g, const HintMove& m)
{
    const std::string text = g->MessageText();
    if (!m.named) return text.rfind("Hint: ", 0) == 0 ? "" : "not a hint: " + text;
    const auto marks = Marks(g);
    if (m.click()) {
        if (m.stock < 0) return "a click with no stock";
        if (!marks.empty() && marks != std::vector<std::pair<int, int>>{{m.stock, g.count(m.stock) - 1}})
            return "a stock hint marks another card";
        return "";
    }
    if (m.from >= g->StackCount() || m.index < 0 || m.index >= g.count(m.from) || m.to < 0 || m.to >= g->StackCount())
        return "the move is off the table";
    const std::string prefix = "Hint: ";
    const size_t to = text.find(" to ");
    if (text.rfind(prefix, 0) != 0 || to == std::string::npos) return "the text names no move: " + text;
    const Card named = CardFromWords(text.substr(prefix.size(), to - prefix.size()));
    const Card card = g->Stack(m.from).cards[m.index].image;
    if (named != card) return "the text names " + CardName(named) + ", the move takes " + CardName(card) + ": " + text;
    const std::string where = text.substr(to + 4);
    if (where.rfind("the ", 0) == 0) {
        const Card onto = CardFromWords(where.substr(4));
        if (g.count(m.to) == 0 || g.top(m.to) != onto) return "the text names another target: " + text;
    }
    const bool top = m.index == g.count(m.from) - 1;
    if (top && !marks.empty() && marks != std::vector<std::pair<int, int>>{{m.from, m.index}})
        return "the mark is not on " + CardName(card);
    if (!top && !marks.empty()) return "a card is marked that the text does not name";
    return "";
}

bool PlayHint(Session& g, const HintMove& m)
{
    if (!m.named) return false;
    if (m.click()) {
        const std::vector<std::string> before = g.table();
        const int won = g->GamesWon();
        g->Click(m.stock, g.count(m.stock) - 1);
        return g.table() != before || g->GamesWon() != won;
    }
    return g->DragCard(m.from, m.index, m.to);
}

}  // namespace gametest
