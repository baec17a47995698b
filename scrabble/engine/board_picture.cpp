// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/board_picture.h"

#include "scrabble/engine/board_layout.h"

namespace scrabble {

std::vector<std::string> BoardPictureLines(const Grid &grid)
{
    const int size = grid.Size();
    std::vector<std::string> lines;
    lines.emplace_back();
    const std::string rule = "     " + std::string(std::size_t(2 * size), '_');
    lines.push_back(rule);
    for (int row = 1; row <= size; ++row) {
        std::string line = std::string("  ") + RowLetter(row) + "  |";
        for (int col = 1; col <= size; ++col) {
            const Square &square = grid.At(col, row);
            line += square.HasTile() ? square.letter : '-';
            line += '|';
        }
        lines.push_back(line);
    }
    lines.push_back(rule);
    std::string digits = "      ";
    for (int col = 1; col <= size; ++col)
        digits += std::to_string(col % 10) + " ";
    lines.push_back(digits);
    return lines;
}

std::string HistoryReportLine(int number, std::string name, const std::string &moveText)
{
    name.resize(20, ' ');
    return std::to_string(number) + " " + name + " " + moveText;
}

} // namespace scrabble
