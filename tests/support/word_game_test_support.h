// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the rules tests of the word-guessing games share: their payload
// written to bytes and read back, and the players a test sets.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "framework/config.h"
#include "framework/savefile/typed_stream.h"

namespace word_game_test {

template <typename Game> std::string SavedPayload(const Game &game)
{
    std::ostringstream out;
    savefile::TypedWriter writer(out);
    game.Write(writer);
    writer.Flush();
    return out.str();
}

// False for a payload refused or cut short.
template <typename Game> bool LoadPayload(Game &game, const std::string &bytes)
{
    std::istringstream in(bytes);
    savefile::TypedReader reader(in);
    try {
        return game.Read(reader);
    } catch (const savefile::ReadError &) {
        return false;
    }
}

// Players 1.. of the settings: `computers[i]` for player i + 1.
inline void SetPlayers(GameSettings &settings, const std::vector<bool> &computers)
{
    settings.PlayerCount = int(computers.size());
    settings.AllComputers = true;
    for (std::size_t i = 0; i < computers.size(); ++i) {
        settings.Players[i + 1].Level = computers[i] ? 1 : 0;
        settings.Players[i + 1].IsComputer = computers[i];
        settings.AllComputers = settings.AllComputers && computers[i];
    }
}

} // namespace word_game_test
