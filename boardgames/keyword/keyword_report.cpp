// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/keyword/keyword_report.h"

#include "scrabble/engine/board_picture.h"

namespace keyword {

std::vector<std::string> ReportLines(const scrabble::Grid &grid,
                                     const std::vector<std::unique_ptr<scrabble::Tcoup>> &moves,
                                     const PlayerName &playerName)
{
    std::vector<std::string> lines = scrabble::BoardPictureLines(grid);
    lines.emplace_back();
    for (const auto &move : moves)
        lines.push_back(std::to_string(move->MoveNumber) + " " + playerName(move->Player) + " " +
                        move->Text());
    lines.emplace_back();
    lines.emplace_back("Ludorine");
    return lines;
}

} // namespace keyword
