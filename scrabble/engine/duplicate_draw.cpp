// SPDX-License-Identifier: GPL-3.0-or-later
// Duplicate's bag and draw: the letters left in the draw stay, new ones
// complete it, by hand or at random with the vowel/consonant balance; the
// joker game puts one joker, first, in every draw while jokers are left. The
// bag is shuffled lightly and counted after every change.
#include <algorithm>

#include "scrabble/engine/duplicate_game.h"
#include "scrabble/engine/text.h"

namespace scrabble {

namespace {

// A manual answer that keeps being refused gives way to the default answer
// after this many prompts, so that a broken prompt cannot hang the game.
constexpr int kMaxPrompts = 100;
constexpr int kMaxDrawAttempts = 50;

int Count(const std::string &text, char c)
{
    return int(std::count(text.begin(), text.end(), c));
}

// Puts a letter into the first free position ('_') of the draw, else at its end.
void PutInDraw(std::string &draw, char letter)
{
    const auto at = draw.find('_');
    if (at == std::string::npos)
        draw += letter;
    else
        draw[at] = letter;
}

// Removes the first occurrence of each letter of `letters` from `pool`;
// false when one is missing.
bool TakeAll(std::string &pool, const std::string &letters)
{
    for (const char c : letters) {
        const auto at = pool.find(c);
        if (at == std::string::npos)
            return false;
        pool.erase(at, 1);
    }
    return true;
}

} // namespace

int DuplicateGame::BagJokers() const
{
    return Count(bag_, kJoker);
}

void DuplicateGame::RefreshBagFacts()
{
    const int n = int(bag_.size());
    if (n >= 2) {
        const int steps = 10 + random.Below(100);
        for (int i = 0; i < steps; ++i) {
            std::swap(bag_[std::size_t(random.Below(n))], bag_[std::size_t(random.Below(n))]);
            std::reverse(bag_.begin(), bag_.end());
        }
    }
    vowelCount_ = int(std::count_if(bag_.begin(), bag_.end(), IsVowel));
    consonantCount_ = int(std::count_if(bag_.begin(), bag_.end(), IsConsonant));
}

std::string DuplicateGame::ManualDraw(const std::string &start, std::string &bag) const
{
    const bool jokerGame = variant_ == DuplicateVariant::Joker;
    const int n = DrawSize();
    for (int prompts = 0;; ++prompts) {
        std::string draw = start;
        std::string pool = bag;
        if (jokerGame)
            for (char &c : draw)
                if (c == kJoker) {
                    c = '_';
                    pool += kJoker;
                }
        const int poolJokers = jokerGame ? Count(pool, kJoker) : 0;
        std::string choosable = pool;
        if (jokerGame)
            choosable.erase(std::remove(choosable.begin(), choosable.end(), kJoker), choosable.end());
        const int kept = int(draw.size()) - Count(draw, '_');
        const int count = n - kept - (poolJokers > 0 ? 1 : 0);
        std::string chosen;
        if (count > 0 && int(choosable.size()) > count) {
            const std::string defaultAnswer = choosable.substr(0, std::size_t(count));
            std::optional<std::string> answer;
            if (drawPrompt && prompts < kMaxPrompts)
                answer = drawPrompt(
                    "Tirage ", "Choisissez " + std::to_string(count) + " lettres parmi " + choosable + ":",
                    defaultAnswer);
            chosen = UpperCase(Trimmed(answer ? *answer : defaultAnswer));
            std::string check = choosable;
            if (int(chosen.size()) != count || !TakeAll(check, chosen))
                continue;
        } else if (count > 0) {
            chosen = choosable;
        }
        TakeAll(pool, chosen);
        for (const char c : chosen)
            PutInDraw(draw, c);
        if (poolJokers > 0) {
            pool.erase(pool.find(kJoker), 1);
            const auto at = draw.find('_');
            if (at == std::string::npos)
                draw.insert(draw.begin(), kJoker);
            else
                draw[at] = kJoker;
        }
        bag = pool;
        return draw;
    }
}

std::string DuplicateGame::AutomaticDraw(const std::string &start, std::string &bag)
{
    const int missing = Count(start, '_');
    if (int(bag.size()) < missing) {
        std::string draw = start;
        for (const char c : bag)
            PutInDraw(draw, c);
        bag.clear();
        return draw;
    }
    std::string draw;
    std::string pool;
    for (int attempt = 1; attempt <= kMaxDrawAttempts; ++attempt) {
        draw = start;
        pool = bag;
        for (char &c : draw)
            if (c == '_') {
                const int at = random.Below(int(pool.size()));
                c = pool[std::size_t(at)];
                pool.erase(std::size_t(at), 1);
            }
        int vowels = 0;
        int consonants = 0;
        for (const char c : draw) {
            vowels += c == kJoker || IsVowel(c);
            consonants += c == kJoker || IsConsonant(c);
        }
        if ((vowels >= 3 && consonants >= 3) || (attempt > 20 && vowels >= 2 && consonants >= 2))
            break;
    }
    bag = pool;
    return draw;
}

void DuplicateGame::ApplyJokerRule(std::string &draw, std::string &bag, const std::string &before) const
{
    const int letters = int(draw.size()) - Count(draw, '_');
    if (!JokerRule() || bag.empty() || letters != 7)
        return;
    const int jokers = Count(draw, kJoker);
    if (jokers == 0) {
        // The bag's first joker trades places with the first new letter.
        const auto inBag = bag.find(kJoker);
        for (std::size_t i = 0; inBag != std::string::npos && i < draw.size(); ++i)
            if (i < before.size() && before[i] == '_' && draw[i] != '_') {
                std::swap(draw[i], bag[inBag]);
                break;
            }
    } else if (jokers >= 2) {
        // One joker back to the bag for the bag's last tile.
        std::swap(draw[draw.rfind(kJoker)], bag.back());
    }
    const auto at = draw.find(kJoker);
    if (at != std::string::npos && at > 0) {
        draw.erase(at, 1);
        draw.insert(draw.begin(), kJoker);
    }
}

void DuplicateGame::DealDraw()
{
    candidates_.clear();
    searchCountdown_ = -1;
    if (seedSource)
        random.Reseed(seedSource());
    const std::size_t n = std::size_t(DrawSize());
    std::string start = draw_;
    if (start.size() < n)
        start.append(n - start.size(), '_');
    std::string bag = bag_;
    std::string draw = drawMode == DrawMode::Manual ? ManualDraw(start, bag) : AutomaticDraw(start, bag);
    ApplyJokerRule(draw, bag, start);
    FinishDeal(draw, std::move(bag));
}

void DuplicateGame::FinishDeal(const std::string &draw, std::string bag)
{
    draw_.clear();
    for (const char c : draw)
        if (c != '_')
            draw_ += c;
    bag_ = std::move(bag);
    RefreshBagFacts();
    ++drawNumber_;
    drawLines_.push_back({drawNumber_, draw_});
    for (DuplicatePlayer &p : players_) {
        p.Current.ProposalState = NotPlayed;
        p.Current.IsTop = false;
    }
    ClearProposalSquares();
    drawShown_ = draw_;
    searchCountdown_ = 0;
    drawStart_ = Now();
}

void DuplicateGame::RedealDraw()
{
    if (GameOver)
        return;
    for (const char c : draw_)
        if (c != '_')
            bag_ += c;
    draw_.assign(std::size_t(DrawSize()), '_');
    // The proposals made for the old letters are gone with them.
    for (DuplicatePlayer &p : players_) {
        const int number = p.Current.Player;
        p.Current = PlayerRow{};
        p.Current.Player = number;
    }
    DealDraw();
    --drawNumber_;
    drawLines_.back().number = drawNumber_;
}

std::string DrawLine::Text() const
{
    return CodePage("Tirage n° ") + std::to_string(number) + " : " + draw;
}

void DuplicateGame::RebuildDrawLines()
{
    drawLines_.clear();
    for (const auto &move : history_)
        drawLines_.push_back({move->MoveNumber, move->RackText});
    if (!draw_.empty() && (history_.empty() || history_.back()->MoveNumber != drawNumber_))
        drawLines_.push_back({drawNumber_, draw_});
}

} // namespace scrabble
