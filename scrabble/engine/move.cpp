// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/move.h"

#include "framework/savefile/typed_stream.h"
#include "scrabble/engine/text.h"

namespace scrabble {

Tcoup Tcoup::Placement(int player, const std::string &word, char kind, int col, int row, const Grid &grid,
                       const BoardLayout &layout, const ScoringRules &rules, int side)
{
    Tcoup move;
    move.Player = player;
    move.Word = Trimmed(word);
    move.Kind = kind;
    move.Col = col;
    move.Row = row;
    const PlacementScore score =
        ScorePlacement(grid, layout, rules, col, row, kind, move.Word, side < 0 ? player : side);
    move.Score = score.score;
    move.TilesPlaced = score.tilesPlaced;
    return move;
}

Tcoup Tcoup::MakeExchange(int player, const std::string &letters)
{
    Tcoup move;
    move.Player = player;
    move.Kind = Exchange;
    move.Word = Trimmed(letters);
    return move;
}

Tcoup Tcoup::MakePass(int player)
{
    Tcoup move;
    move.Player = player;
    move.Kind = Pass;
    return move;
}

Tcoup Tcoup::MakePenalty(int player, const std::string &letters, int points)
{
    Tcoup move;
    move.Player = player;
    move.Kind = Penalty;
    move.Word = Trimmed(letters);
    move.Row = move.Col = move.Score = points;
    return move;
}

Tcoup Tcoup::MakeBonus(int player, int points)
{
    Tcoup move;
    move.Player = player;
    move.Kind = Bonus;
    move.Row = move.Col = move.Score = points;
    return move;
}

std::string Tcoup::Notation() const
{
    return IsPlacement() ? MoveNotation(Kind, Col, Row) : std::string();
}

std::string Tcoup::Text() const
{
    std::string text = RackText;
    if (!text.empty() && text.size() < 9)
        text.resize(9, ' ');
    switch (Kind) {
    case Bonus:
        text = "Bonus";
        break;
    case Exchange:
        text += "Change";
        break;
    case Horizontal:
    case Vertical:
        text += Notation();
        break;
    case Pass:
        text += "Passe";
        break;
    case Penalty:
        text = CodePage("Penalité");
        break;
    default:
        break;
    }
    return text + " " + Word + " " + std::to_string(Score) + " pts.";
}

void Tcoup::Write(savefile::TypedWriter &out, bool withOpenness, bool withKey) const
{
    out.WriteInteger(Row);
    out.WriteInteger(Col);
    out.WriteInteger(Player);
    out.WriteString(std::string(1, Kind) + RackText);
    out.WriteString(Word);
    out.WriteInteger(Score);
    if (withOpenness)
        out.WriteInteger(Openness);
    out.WriteInteger(Reserved);
    out.WriteInteger(MoveNumber);
    if (withKey)
        out.WriteString(KeyFormed);
}

Tcoup Tcoup::Read(savefile::TypedReader &in, bool withOpenness, bool withKey)
{
    Tcoup move;
    move.Row = in.ReadInteger();
    move.Col = in.ReadInteger();
    move.Player = in.ReadInteger();
    const std::string kindAndRack = in.ReadString();
    if (kindAndRack.empty())
        throw savefile::ReadError("move without a kind");
    move.Kind = kindAndRack[0];
    if (std::string("HVEPSB").find(move.Kind) == std::string::npos)
        throw savefile::ReadError("unknown move kind");
    move.RackText = kindAndRack.substr(1, withOpenness ? 8 : 7);
    move.Word = in.ReadString();
    move.Score = in.ReadInteger();
    if (withOpenness)
        move.Openness = in.ReadInteger();
    move.Reserved = in.ReadInteger();
    move.MoveNumber = in.ReadInteger();
    if (withKey)
        move.KeyFormed = in.ReadString();
    return move;
}

int LetterSum(const std::string &word, int (*value)(char))
{
    int sum = 0;
    for (const char c : word)
        sum += value(c);
    return sum;
}

} // namespace scrabble
