// SPDX-License-Identifier: GPL-3.0-or-later
// ludorine-scrabble: lists the candidates of the move search for a rack on a
// board, or scores one move.
//
//   ludorine-scrabble moves DICT BOARDFILE RACK [--variant classic|duplicate|problem] [--bag N]
//   ludorine-scrabble score DICT BOARDFILE "H 8 CAFE"
//
// Exit status: 0 done, 2 bad arguments, board file, rack or move.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/dictionnaire.h"
#include "scrabble/engine/letters.h"
#include "scrabble/engine/move_search.h"
#include "scrabble/engine/text.h"
#include "tools/scrabble/board_file.h"

namespace {

using namespace scrabble;

int Usage()
{
    std::cerr << "usage : ludorine-scrabble moves DICO PLATEAU TIRAGE [--variant classic|duplicate|problem] "
                 "[--bag N]\n"
                 "        ludorine-scrabble score DICO PLATEAU \"H 8 CAFE\"\n"
                 "PLATEAU : 15 lignes de 15 caractères, '.' case vide, A-Z lettre posée, a-z joker\n";
    return 2;
}

int Fail(const std::string &message)
{
    std::cerr << "ludorine-scrabble : " << message << "\n";
    return 2;
}

std::unique_ptr<TDictionnaire> OpenDictionary(const std::string &path)
{
    if (!std::filesystem::is_regular_file(path))
        return nullptr;
    auto dico = TDictionnaire::Create(path, 'R');
    return dico->IsOpen() ? std::move(dico) : nullptr;
}

// The dictionary and the board named by the first two arguments.
struct Position {
    std::unique_ptr<TDictionnaire> dico;
    std::optional<Grid> grid;
};

// 0 when both were read; otherwise the exit status after the message.
int LoadPosition(const std::vector<std::string> &args, Position &position)
{
    position.dico = OpenDictionary(args[0]);
    if (!position.dico)
        return Fail("impossible d'ouvrir le dictionnaire " + args[0]);
    std::string error;
    position.grid = scrabble_tool::ReadBoardFile(args[1], 15, error);
    if (!position.grid)
        return Fail(error);
    return 0;
}

// Rack letters, '*' or '?' for a joker, at most 8 (a Duplicate draw).
bool ParseRack(const std::string &text, std::string &rack)
{
    rack.clear();
    for (const char c : text) {
        const char u = Upper(c);
        if (IsUpperLetter(u))
            rack += u;
        else if (c == '*' || c == '?')
            rack += kJoker;
        else
            return false;
    }
    return !rack.empty() && rack.size() <= 8;
}

int Moves(const std::vector<std::string> &args)
{
    if (args.size() < 3)
        return Usage();
    Variant variant = Variant::Classic;
    int bag = 100;
    for (std::size_t i = 3; i < args.size(); ++i) {
        if (args[i] == "--variant" && i + 1 < args.size()) {
            const std::string &v = args[++i];
            if (v == "classic")
                variant = Variant::Classic;
            else if (v == "duplicate")
                variant = Variant::Duplicate;
            else if (v == "problem")
                variant = Variant::Problem;
            else
                return Fail("variante inconnue '" + v + "'");
        } else if (args[i] == "--bag" && i + 1 < args.size()) {
            try {
                bag = std::stoi(args[++i]);
            } catch (...) {
                return Fail("--bag attend un nombre");
            }
        } else {
            return Usage();
        }
    }
    Position position;
    if (const int failed = LoadPosition(args, position))
        return failed;
    auto &dico = position.dico;
    const auto &grid = position.grid;
    std::string rack;
    if (!ParseRack(args[2], rack))
        return Fail("tirage incorrect '" + args[2] + "' : de 1 à 8 lettres, '*' ou '?' pour un joker");
    MoveSearch search(*dico);
    SearchOptions options;
    options.variant = variant;
    options.bagSize = bag;
    options.opening = grid->PlayedCount() == 0;
    for (const Tcoup &move : search.GenerateMoves(*grid, rack, options))
        std::cout << Utf8(move.Text()) << "\n";
    return 0;
}

int Score(const std::vector<std::string> &args)
{
    if (args.size() != 3)
        return Usage();
    Position position;
    if (const int failed = LoadPosition(args, position))
        return failed;
    const auto &grid = position.grid;
    // "H 8 CAFE" (across from row H, column 8) or "8 H CAFE" (down).
    std::vector<std::string> parts;
    std::string part;
    for (const char c : args[2] + " ") {
        if (c == ' ') {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (parts.size() != 3)
        return Fail("coup incorrect '" + args[2] + "' : attendu \"H 8 MOT\" ou \"8 H MOT\"");
    auto rowOf = [](const std::string &s) {
        return s.size() == 1 && IsUpperLetter(Upper(s[0])) ? Upper(s[0]) - 'A' + 1 : 0;
    };
    auto numberOf = [](const std::string &s) {
        if (s.empty() || s.size() > 2 || s.find_first_not_of("0123456789") != std::string::npos)
            return 0;
        return std::stoi(s);
    };
    char dir = 'H';
    int row = rowOf(parts[0]);
    int col = numberOf(parts[1]);
    if (row == 0) {
        dir = 'V';
        col = numberOf(parts[0]);
        row = rowOf(parts[1]);
    }
    if (!grid->Inside(col, row))
        return Fail(Utf8(ErrorMessage(10)));
    const std::string &word = parts[2];
    for (std::size_t i = 0; i < word.size(); ++i) {
        const int c = col + StepCol(dir) * int(i);
        const int r = row + StepRow(dir) * int(i);
        if (!IsUpperLetter(Upper(word[i])))
            return Fail(Utf8(ErrorMessage(18, word)));
        if (!grid->Inside(c, r))
            return Fail(Utf8(ErrorMessage(11)));
        const Square &sq = grid->At(c, r);
        if (sq.HasTile() && Upper(sq.letter) != Upper(word[i]))
            return Fail(Utf8(ErrorMessage(11)));
    }
    // Board letters keep the case of the board: a played joker stays at 0.
    std::string played = word;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const Square &sq = grid->At(col + StepCol(dir) * int(i), row + StepRow(dir) * int(i));
        if (sq.HasTile())
            played[i] = sq.letter;
    }
    const Tcoup move = Tcoup::Placement(0, played, dir, col, row, *grid);
    std::cout << move.Score << "\n";
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "moves")
        return Moves(args);
    if (command == "score")
        return Score(args);
    return Usage();
}
