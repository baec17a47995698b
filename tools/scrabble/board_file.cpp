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
            error = "more than " + std::to_string(size) + " lines";
            return std::nullopt;
        }
        if (int(line.size()) != size) {
            error = "line " + std::to_string(row) + " has " + std::to_string(line.size()) + " characters, not " +
                    std::to_string(size);
            return std::nullopt;
        }
        for (int col = 1; col <= size; ++col) {
            const char c = line[std::size_t(col - 1)];
            if (c == '.')
                continue;
            if (!scrabble::IsUpperLetter(c) && !scrabble::IsLowerLetter(c)) {
                error = "line " + std::to_string(row) + ", column " + std::to_string(col) + ": unexpected '" +
                        std::string(1, c) + "'";
                return std::nullopt;
            }
            grid.Play(col, row, c);
        }
    }
    if (row != size) {
        error = std::to_string(row) + " lines, not " + std::to_string(size);
        return std::nullopt;
    }
    return grid;
}

std::optional<scrabble::Grid> ReadBoardFile(const std::string &path, int size, std::string &error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    std::stringstream text;
    text << in.rdbuf();
    auto grid = ParseBoard(text.str(), size, error);
    if (!grid)
        error = path + ": " + error;
    return grid;
}

} // namespace scrabble_tool
