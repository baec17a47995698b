// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/wordy/wordy_rules.h"

#include "boardgames/wordy/wordy_board.h"
#include "framework/savefile/typed_stream.h"
#include "scrabble/engine/board_picture.h"
#include "scrabble/engine/text.h"

namespace wordy {

Scoring::Scoring()
{
    letterValue = &ColourCode;
}

int Scoring::WordScore(const scrabble::Grid &grid, const scrabble::BoardLayout &layout, int col, int row,
                       char dir, const std::string &word, int) const
{
    int wordMultiplier = 1;
    int sum = 0;
    for (const char letter : word) {
        if (!layout.Inside(col, row) || !grid.Inside(col, row))
            return 0;
        const scrabble::Square &square = grid.At(col, row);
        const int value = square.HasTile() && square.joker ? 0 : ColourCode(letter);
        int letterMultiplier = 1;
        if (!square.IsPlayed()) {
            const int code = layout.Code(col, row);
            if (code == kWordTriple)
                wordMultiplier *= 3;
            else if (code == kWordDouble)
                wordMultiplier *= 2;
            else if (code == value)
                letterMultiplier = 2;
        }
        sum += value * letterMultiplier;
        col += scrabble::StepCol(dir);
        row += scrabble::StepRow(dir);
    }
    return sum * wordMultiplier;
}

const scrabble::BoardLayout &Layout()
{
    static const scrabble::BoardLayout layout(kBoardSize, SquareCodes(), {{kStartCol, kStartRow}});
    return layout;
}

std::string SquareText(const scrabble::BoardLayout &layout, int col, int row)
{
    return scrabble::CodePage(" case ") + scrabble::CodePage(SquareName(layout.Code(col, row)));
}

const scrabble::GameRules &Rules()
{
    static const Scoring scoring;
    static const scrabble::GameRules rules = [] {
        scrabble::GameRules r;
        r.layout = &Layout();
        r.tileSet = WordyTileSet();
        r.scoring = &scoring;
        r.movesKeepRack = false;
        r.manualDrawOfTheLastTiles = true;
        r.squareText = &SquareText;
        r.readTile = &TJeton::Read;
        r.newTile = &TJeton::Make;
        return r;
    }();
    return rules;
}

std::vector<std::string> ReportLines(const scrabble::BoardGame &game)
{
    std::vector<std::string> lines = scrabble::BoardPictureLines(game.Snapshot());
    lines.emplace_back();
    for (const auto &move : game.History())
        lines.push_back(std::to_string(move->MoveNumber) + " " + game.PlayerName(move->Player) + " " +
                        move->Text());
    lines.emplace_back();
    lines.emplace_back("Ludorine");
    return lines;
}

} // namespace wordy
