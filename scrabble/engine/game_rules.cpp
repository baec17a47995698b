// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/game_rules.h"

namespace scrabble {

const GameRules &GameRules::Classic()
{
    static const GameRules rules;
    return rules;
}

std::string GameRules::PremiumSquareText(const BoardLayout &layout, int col, int row)
{
    std::string text(1, ' ');
    text += PremiumText(layout.At(col, row));
    return text;
}

std::unique_ptr<TJeton> GameRules::NewTile(char letter)
{
    return std::make_unique<TJeton>(letter);
}

} // namespace scrabble
