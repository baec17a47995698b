// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/philosophe/philo_marks.h"

#include <algorithm>

namespace philo {

namespace {
std::string Fitted(const std::string &word, int length)
{
    std::string fitted = word.substr(0, std::size_t(length));
    fitted.resize(std::size_t(length), ' ');
    return fitted;
}

int RandomIndex(std::mt19937 &random, int size)
{
    return std::uniform_int_distribution<int>(0, size - 1)(random);
}

bool CoinFlip(std::mt19937 &random)
{
    return std::uniform_int_distribution<int>(0, 1)(random) == 0;
}
} // namespace

Mark NoteMot(const std::string &hidden, const std::string &proposal, int length, bool withMisplaced)
{
    std::string w = Fitted(hidden, length);
    std::string p = Fitted(proposal, length);
    Mark mark;
    for (int i = 0; i < length; ++i)
        if (w[std::size_t(i)] == p[std::size_t(i)]) {
            ++mark.BienPlacees;
            w[std::size_t(i)] = p[std::size_t(i)] = '.';
        }
    if (!withMisplaced)
        return mark;
    for (char c : w) {
        if (c == '.')
            continue;
        const std::size_t k = p.find(c);
        if (k != std::string::npos) {
            ++mark.MalPlacees;
            p[k] = '.';
        }
    }
    return mark;
}

std::string NoteText(const Mark &mark, bool withMisplaced)
{
    std::string text = std::to_string(mark.BienPlacees);
    if (withMisplaced) {
        text += '/';
        text += std::to_string(mark.MalPlacees);
    }
    return text;
}

void CandidateList::Reset(std::vector<std::string> words)
{
    words_.clear();
    words_.reserve(words.size());
    for (std::string &word : words)
        words_.push_back({std::move(word), true, false});
}

void CandidateList::Filter(const std::string &proposal, const Mark &mark, int length, bool withMisplaced)
{
    for (TCandidat &candidate : words_) {
        if (!candidate.Possible)
            continue;
        if (NoteMot(candidate.Mot, proposal, length, withMisplaced) == mark)
            candidate.Liste = false;
        else
            candidate.Possible = false;
    }
}

std::string CandidateList::ComputerChoice(std::mt19937 &random) const
{
    if (words_.empty())
        return {};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const TCandidat &candidate = words_[std::size_t(RandomIndex(random, Size()))];
        if (candidate.Possible)
            return candidate.Mot;
    }
    auto possible = [](const TCandidat &candidate) { return candidate.Possible; };
    if (CoinFlip(random)) {
        const auto it = std::find_if(words_.begin(), words_.end(), possible);
        return it == words_.end() ? std::string() : it->Mot;
    }
    const auto it = std::find_if(words_.rbegin(), words_.rend(), possible);
    return it == words_.rend() ? std::string() : it->Mot;
}

std::vector<std::string> CandidateList::PossibleMoves(std::mt19937 &random)
{
    constexpr std::size_t kMost = 100;
    std::vector<std::string> listed;
    auto take = [&listed](TCandidat &candidate) {
        if (!candidate.Possible || candidate.Liste)
            return false;
        candidate.Liste = true;
        listed.push_back(candidate.Mot);
        return true;
    };
    if (words_.empty())
        return listed;
    for (int misses = 0; listed.size() < kMost && misses < 500;)
        if (!take(words_[std::size_t(RandomIndex(random, Size()))]))
            ++misses;
    if (listed.size() < kMost) {
        if (CoinFlip(random)) {
            for (auto it = words_.begin(); it != words_.end() && listed.size() < kMost; ++it)
                take(*it);
        } else {
            for (auto it = words_.rbegin(); it != words_.rend() && listed.size() < kMost; ++it)
                take(*it);
        }
    }
    return listed;
}

int CandidateList::PossibleCount() const
{
    return int(std::count_if(words_.begin(), words_.end(), [](const TCandidat &c) { return c.Possible; }));
}

} // namespace philo
