// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scrabble/board_file.h"

#include <fstream>
#include <sstream>

#include "scrabble/engine/letters.h"

namespace scrabble_tool {

std::optional<scrabble::Grid> ParseBoard(const std::string &text, int size, std::string &error)
{
    std::istringstream in(text);
    std::string line;
    scrabble::Grid grid(size);
    int row = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() && row == size)
            continue; // blank lines after the board
        ++row;
        if (row > size) {
            error = "plus de " + std::to_string(size) + " lignes";
            return std::nullopt;
        }
        if (int(line.size()) != size) {
            error = "la ligne " + std::to_string(row) + " a " + std::to_string(line.size()) +
                    " caractères au lieu de " + std::to_string(size);
            return std::nullopt;
        }
        for (int col = 1; col <= size; ++col) {
            const char c = line[std::size_t(col - 1)];
            if (c == '.')
                continue;
            if (!scrabble::IsUpperLetter(c) && !scrabble::IsLowerLetter(c)) {
                error = "ligne " + std::to_string(row) + ", colonne " + std::to_string(col) +
                        " : caractère inattendu '" + std::string(1, c) + "'";
                return std::nullopt;
            }
            grid.Play(col, row, c);
        }
    }
    if (row != size) {
        error = std::to_string(row) + " lignes au lieu de " + std::to_string(size);
        return std::nullopt;
    }
    return grid;
}

std::optional<scrabble::Grid> ReadBoardFile(const std::string &path, int size, std::string &error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "impossible de lire " + path;
        return std::nullopt;
    }
    std::stringstream text;
    text << in.rdbuf();
    auto grid = ParseBoard(text.str(), size, error);
    if (!grid)
        error = path + " : " + error;
    return grid;
}

} // namespace scrabble_tool
