// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marking a Philosophe proposal against a hidden word, and the list of the
// words that still agree with every mark of the round.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace philo {

inline constexpr int kShortestWord = 4;
inline constexpr int kLongestWord = 10;

struct Mark {
    int BienPlacees = 0; // letters in the right place
    int MalPlacees = 0;  // letters present elsewhere (0 when not asked)
    bool operator==(const Mark &) const = default;
};

// Both words are cut or padded with blanks to `length`; each well-placed
// letter is counted once, then each remaining letter of the hidden word
// takes the first unused same letter of the proposal as misplaced.
Mark NoteMot(const std::string &hidden, const std::string &proposal, int length, bool withMisplaced);

// The mark as shown: "2", or "2/1" with the misplaced letters.
std::string NoteText(const Mark &mark, bool withMisplaced);

struct TCandidat {
    std::string Mot;
    bool Possible = true; // agrees with every mark of the round
    bool Liste = false;   // already shown among the possible moves
};

class CandidateList {
public:
    void Reset(std::vector<std::string> words);
    // Clears Possible on every candidate the mark of `proposal` rules out;
    // the others may be listed again.
    void Filter(const std::string &proposal, const Mark &mark, int length, bool withMisplaced);
    // The computer's proposal: up to 100 random picks, then a scan from one
    // end or the other; "" when no candidate is left.
    std::string ComputerChoice(std::mt19937 &random) const;
    // Up to 100 candidates not listed yet (random picks until 500 misses,
    // then a scan), each marked as listed.
    std::vector<std::string> PossibleMoves(std::mt19937 &random);

    int Size() const { return int(words_.size()); }
    int PossibleCount() const;
    const TCandidat &At(int index) const { return words_[std::size_t(index)]; }

private:
    std::vector<TCandidat> words_;
};

} // namespace philo
