#include "game_session.h"

#include <algorithm>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace gametest {

namespace {
constexpr char kRanks[] = "A23456789TJQK";
constexpr char kSuits[] = "CDHS";
}  // namespace

Card ParseCard(const std::string& name)
{
    if (name.size() < 2) return kit::kNoCard;
    const char* r = std::char_traits<char>::find(kRanks, 13, name[0]);
    const char* s = std::char_traits<char>::find(kSuits, 4, name[1]);
    if (!r || !s) return kit::kNoCard;
    return kit::MakeCard(static_cast<int>(s - kSuits), static_cast<int>(r - kRanks));
}

std::string CardName(Card c)
{
    if (!kit::IsCard(c)) return "??";
    return std::string{kRanks[kit::Rank(c)], kSuits[kit::Suit(c)]};
}

Card CardFromWords(const std::string& words)
{
    static const std::string kShortRanks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    static const std::string kRankWords[] = {"ace", "2", "3", "4", "5", "6", "7", "8", "9", "10", "jack", "queen", "king"};
    static const std::string kSuitWords[] = {"clubs", "diamonds", "hearts", "spades"};
    const size_t of = words.find(" of ");
    for (int r = 0; r < 13; ++r) {
        for (int s = 0; s < 4; ++s) {
            if (of == std::string::npos ? words == kShortRanks[r] + kSuits[s]
                                        : words == kRankWords[r] + " of " + kSuitWords[s])
                return kit::MakeCard(s, r);
        }
    }
    return kit::kNoCard;
}

Session::Session(const std::string& modulePath) : path_(modulePath), host_(std::make_unique<headless::HeadlessHost>())
{
    loaded_ = host_->LoadModule(path_);
    if (!loaded_) error_ = host_->LoadError();
}

bool Session::start(uint32_t seed, bool autoPlay)
{
    host_->SetAutoPlay(autoPlay);
    return host_->StartGame(0, seed);
}

std::string Session::pile(int stack, bool marks) const
{
    const CardStack& s = host_->Stack(stack);
    std::string out;
    for (int i = 0; i < s.count; ++i) {
        if (i) out += ' ';
        out += CardName(s.cards[i].image);
        if (s.cards[i].faceDown) out += '#';
        if (marks && s.cards[i].mark) out += '*';
    }
    return out;
}

std::vector<std::string> Session::table(bool marks) const
{
    std::vector<std::string> out;
    for (int i = 0; i < host_->StackCount(); ++i) out.push_back(pile(i, marks));
    return out;
}

Card Session::top(int stack) const
{
    const CardStack& s = host_->Stack(stack);
    return s.count > 0 ? s.cards[s.count - 1].image : kit::kNoCard;
}

std::vector<Card> Session::allCards() const
{
    std::vector<Card> out;
    for (int i = 0; i < host_->StackCount(); ++i) {
        const CardStack& s = host_->Stack(i);
        for (int k = 0; k < s.count; ++k) out.push_back(s.cards[k].image);
    }
    std::sort(out.begin(), out.end());
    return out;
}

void Session::arrange(const std::map<int, std::string>& piles)
{
    for (int i = 0; i < host_->StackCount(); ++i) {
        CardStack& s = host_->Stack(i);
        s.count = 0;
        const auto it = piles.find(i);
        if (it == piles.end()) continue;
        std::istringstream words(it->second);
        std::string word;
        while (words >> word) {
            if (s.count >= s.capacity) throw std::runtime_error("arranged pile over capacity");
            const Card c = ParseCard(word);
            if (c == kit::kNoCard) throw std::runtime_error("not a card: " + word);
            s.cards[s.count++] = CardEntry{word.back() == '#' ? 1u : 0u, 0, static_cast<int16_t>(c), 0};
        }
    }
}

std::string Session::check(const std::vector<Card>& expected) const
{
    std::ostringstream problems;
    for (int i = 0; i < host_->StackCount(); ++i) {
        const CardStack& s = host_->Stack(i);
        if (s.count < 0 || s.count > s.capacity)
            problems << "stack " << i << " holds " << s.count << " of " << s.capacity << "; ";
    }
    if (!problems.str().empty()) return problems.str();
    const std::vector<Card> now = allCards();
    if (now != expected) {
        std::vector<Card> lost, extra;
        std::set_difference(expected.begin(), expected.end(), now.begin(), now.end(), std::back_inserter(lost));
        std::set_difference(now.begin(), now.end(), expected.begin(), expected.end(), std::back_inserter(extra));
        problems << "cards lost:";
        for (Card c : lost) problems << ' ' << CardName(c);
        problems << "; cards duplicated:";
        for (Card c : extra) problems << ' ' << CardName(c);
    }
    return problems.str();
}

bool Session::tryDrag(std::mt19937& rng)
{
    // Candidates: every card a player can see, to every other stack.
    struct Drag {
        int from, card, to;
    };
    std::vector<Drag> drags;
    const int n = host_->StackCount();
    for (int from = 0; from < n; ++from) {
        const CardStack& s = host_->Stack(from);
        const bool fanned = s.fanDirection < TS_FAN_SQUARED;
        for (int k = fanned ? 0 : s.count - 1; k >= 0 && k < s.count; ++k) {
            if (s.cards[k].faceDown) continue;
            for (int to = 0; to < n; ++to)
                if (to != from) drags.push_back({from, k, to});
        }
    }
    std::shuffle(drags.begin(), drags.end(), rng);
    // Each try presses a card, which is a move of its own in some games
    // (marking, pairing): stop at the first that changed anything.
    const std::vector<std::string> before = table(true);
    const size_t tries = std::min<size_t>(drags.size(), 40);
    for (size_t i = 0; i < tries; ++i) {
        if (host_->DragCard(drags[i].from, drags[i].card, drags[i].to)) return true;
        if (table(true) != before) return false;
    }
    return false;
}

bool Session::playRandom(std::mt19937& rng, bool undoAndReload)
{
    const int n = host_->StackCount();
    const int what = static_cast<int>(rng() % 100);
    int stack = static_cast<int>(rng() % static_cast<unsigned>(n));
    // Half the clicks go to a pile that shows its count (a stock), so that
    // deals run through their stock, its redeals and their end.
    std::vector<int> counted;
    for (int i = 0; i < n; ++i)
        if (host_->Stack(i).fanDirection == TS_FAN_COUNTED) counted.push_back(i);
    if (!counted.empty() && rng() % 2) stack = counted[rng() % counted.size()];
    const int topCard = host_->Stack(stack).count - 1;
    if (what < 60) return tryDrag(rng);
    if (what < 80) return host_->Click(stack, topCard);
    if (what < 93 || !undoAndReload) return host_->DoubleClick(stack, topCard);
    if (what < 97) {
        host_->Undo();
        return true;
    }
    return reload(host_->Save());
}

bool Session::playDragOrClick(std::mt19937& rng)
{
    if (rng() % 4 != 0) return tryDrag(rng);
    const int stack = static_cast<int>(rng() % static_cast<unsigned>(host_->StackCount()));
    return host_->Click(stack, host_->Stack(stack).count - 1);
}

bool Session::reload(const std::vector<uint8_t>& saved)
{
    const bool autoPlay = host_->Core().state.autoPlay != 0;
    host_.reset();
    host_ = std::make_unique<headless::HeadlessHost>();
    if (!host_->LoadModule(path_)) return false;
    host_->SetAutoPlay(autoPlay);
    return host_->Load(saved);
}

}  // namespace gametest
