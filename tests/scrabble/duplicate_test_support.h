// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the Duplicate tests: the real dictionary, players, draws chosen
// by hand, and the checks that hold after every turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/dictionnaire.h"
#include "scrabble/engine/duplicate_game.h"

namespace duplicate_test {

inline const TDictionnaire &Dictionary()
{
    static const std::unique_ptr<TDictionnaire> dico = TDictionnaire::Create(LUDORINE_TEST_DICTIONARY, 'R');
    return *dico;
}

// Players "Joueur 1".. with the given levels (0: human).
inline std::vector<scrabble::PlayerInfo> Players(const std::vector<int> &levels)
{
    std::vector<scrabble::PlayerInfo> players;
    for (std::size_t i = 0; i < levels.size(); ++i)
        players.push_back({"Joueur " + std::to_string(i + 1), levels[i], 0, {}});
    return players;
}

// A manual draw whose prompts are answered from a list (then by the default).
struct ScriptedDraw {
    std::deque<std::string> answers;
    std::vector<std::string> labels;

    void Attach(scrabble::DuplicateGame &game)
    {
        game.drawMode = scrabble::DrawMode::Manual;
        game.drawPrompt = [this](const std::string &, const std::string &label,
                                 const std::string &) -> std::optional<std::string> {
            labels.push_back(label);
            if (answers.empty())
                return std::nullopt;
            std::string answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
};

// Letters of a string counted, '_' left out; a joker as '*'.
inline std::map<char, int> Letters(const std::string &text)
{
    std::map<char, int> counts;
    for (const char c : text)
        if (c != '_')
            ++counts[c];
    return counts;
}

// Bag, draw and played squares hold the 100 letters and 2 jokers.
inline void CheckTiles(const scrabble::DuplicateGame &game)
{
    std::map<char, int> counts = Letters(game.Bag() + game.Draw());
    for (const scrabble::DuplicateSquare &s : game.Squares())
        if (s.IsPlayed())
            ++counts[s.IsJoker ? '*' : s.Letter];
    std::map<char, int> expected = Letters(scrabble::FrenchTileSet().letters + "**");
    EXPECT_EQ(counts, expected);
}

// Kept scores add up to TopTotal; each total is the sum of the player's rows.
inline void CheckScores(const scrabble::DuplicateGame &game)
{
    int top = 0;
    for (const auto &move : game.History())
        top += move->Score;
    EXPECT_EQ(game.TopTotal(), top);
    for (const scrabble::DuplicatePlayer &p : game.Players()) {
        int sum = 0;
        for (const scrabble::PlayerRow &row : p.Past)
            if (row.IsValid())
                sum += row.Score;
        EXPECT_EQ(p.Info.Score, sum) << p.Info.Name;
    }
}

} // namespace duplicate_test
