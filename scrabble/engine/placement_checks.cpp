// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/placement_checks.h"

#include "dictionary/dictionnaire.h"
#include "scrabble/engine/letters.h"

namespace scrabble {

int TakeLetter(std::string_view letters, const std::vector<bool> &taken, char letter)
{
    auto free = [&](std::size_t i) { return i >= taken.size() || !taken[i]; };
    for (std::size_t i = 0; i < letters.size(); ++i)
        if (free(i) && letters[i] == letter)
            return int(i);
    for (std::size_t i = 0; i < letters.size(); ++i)
        if (free(i) && letters[i] == kJoker)
            return int(i);
    return -1;
}

bool CoversCentre(const BoardLayout &layout, const std::vector<SquarePos> &newSquares)
{
    for (const SquarePos &s : newSquares)
        if (layout.IsStartSquare(s.col, s.row))
            return true;
    return false;
}

bool TouchesPlayed(const Grid &played, const std::vector<SquarePos> &newSquares)
{
    for (const SquarePos &s : newSquares)
        if (played.HasPlayed(s.col - 1, s.row) || played.HasPlayed(s.col + 1, s.row) ||
            played.HasPlayed(s.col, s.row - 1) || played.HasPlayed(s.col, s.row + 1))
            return true;
    return false;
}

bool Connected(const Grid &played, int col, int row, char dir, const std::string &word)
{
    int c = col;
    int r = row;
    for (const char letter : word) {
        if (!played.Inside(c, r))
            return false;
        const Square &square = played.At(c, r);
        if (!LaysTile(square, letter))
            return true;
        int sc = 0;
        int sr = 0;
        if (CrossWord(played, c, r, dir, letter, sc, sr).size() >= 2)
            return true;
        c += StepCol(dir);
        r += StepRow(dir);
    }
    return false;
}

std::vector<std::string> WordsFormed(const Grid &played, int col, int row, char dir, const std::string &word)
{
    std::vector<std::string> words;
    if (word.size() >= 2)
        words.push_back(word);
    int c = col;
    int r = row;
    for (const char letter : word) {
        if (played.Inside(c, r) && LaysTile(played.At(c, r), letter)) {
            int sc = 0;
            int sr = 0;
            std::string cross = CrossWord(played, c, r, dir, letter, sc, sr);
            if (cross.size() >= 2)
                words.push_back(std::move(cross));
        }
        c += StepCol(dir);
        r += StepRow(dir);
    }
    return words;
}

std::vector<std::string> MissingWords(const TDictionnaire *dictionary, const std::vector<std::string> &words)
{
    std::vector<std::string> missing;
    if (dictionary == nullptr)
        return missing;
    for (const std::string &word : words)
        if (!dictionary->Contains(UpperCase(word)))
            missing.push_back(word);
    return missing;
}

} // namespace scrabble
