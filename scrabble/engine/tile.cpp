// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/tile.h"

#include <algorithm>

#include "framework/savefile/typed_stream.h"
#include "scrabble/engine/letters.h"
#include "scrabble/engine/move.h"
#include "scrabble/engine/text.h"

namespace scrabble {

bool TJeton::KnownState(int state)
{
    return state == InBag || state == OnRack || state == InExchange || state == Placed || state == Matched ||
           state == Fixed;
}

TJeton::TJeton(char letter)
    : Letter(letter == kJoker ? kJoker : letter), IsJoker(letter == kJoker), Value(LetterValue(letter))
{
}

void TJeton::SetJokerLetter(char letter)
{
    if (!IsJoker)
        return;
    Letter = IsUpperLetter(Upper(letter)) ? Lower(letter) : kJoker;
}

void TJeton::SetTarget(const TileRect &target)
{
    Target = target;
    Moving = !(Bounds == Target);
}

void TJeton::MoveTo(int x, int y)
{
    // The tile keeps its size (the squares of some boards follow the window).
    const int width = Bounds.Right > Bounds.Left ? Bounds.Right - Bounds.Left : kSize;
    const int height = Bounds.Bottom > Bounds.Top ? Bounds.Bottom - Bounds.Top : kSize;
    Bounds = {x, y, x + width, y + height};
}

bool TJeton::HitTest(int x, int y) const
{
    return x > Bounds.Left && x < Bounds.Right && y > Bounds.Top && y < Bounds.Bottom;
}

bool TJeton::Step()
{
    auto toward = [](int from, int to) { return from + std::clamp(to - from, -15, 15); };
    const int x = toward(Bounds.Left, Target.Left);
    const int y = toward(Bounds.Top, Target.Top);
    const bool moved = x != Bounds.Left || y != Bounds.Top;
    MoveTo(x, y);
    Moving = !(Bounds == Target);
    return moved;
}

std::string TJeton::Description(const std::function<std::string(int)> &playerName) const
{
    if (State == InBag)
        return "Masse";
    std::string text;
    if (IsJoker)
        text = "Joker" + CodePage(" («") + Letter + CodePage("»)");
    else
        text = "Lettre " + CodePage("«") + Letter + CodePage("»");
    if (Move != nullptr)
        text += CodePage(" jouée par «") + playerName(Move->Player) + CodePage("» ") + Move->Text() +
                CodePage(" coup n° ") + std::to_string(Move->MoveNumber);
    if (State == OnRack && Owner >= 1 && Owner <= 4) {
        text += ' ';
        text += playerName(Owner);
    } else if (State == InExchange) {
        text += CodePage(" en cours échange");
    }
    return text;
}

void TJeton::WriteRect(savefile::TypedWriter &out, const TileRect &r) const
{
    out.WriteInteger(r.Left);
    out.WriteInteger(r.Right);
    out.WriteInteger(r.Top);
    out.WriteInteger(r.Bottom);
}

TileRect TJeton::ReadRect(savefile::TypedReader &in)
{
    TileRect r;
    r.Left = in.ReadInteger();
    r.Right = in.ReadInteger();
    r.Top = in.ReadInteger();
    r.Bottom = in.ReadInteger();
    // Far enough off the surface for any drag, near enough that the
    // animation's arithmetic cannot overflow.
    for (const int coordinate : {r.Left, r.Top, r.Right, r.Bottom})
        if (coordinate < -kFarthest || coordinate > kFarthest)
            throw savefile::ReadError("tile position");
    return r;
}

void TJeton::WritePlace(savefile::TypedWriter &out) const
{
    out.WriteInteger(Row);
    out.WriteInteger(Col);
    out.WriteString(std::string(1, Letter));
    out.WriteInteger(State);
    out.WriteInteger(Owner);
    out.WriteInteger(Slot);
    out.WriteInteger(Value);
    out.WriteString(IsJoker ? "T" : "F");
    out.WriteInteger(Move != nullptr ? Move->MoveNumber : -1);
}

void TJeton::ReadPlace(savefile::TypedReader &in, TJeton &tile, int &moveNumber)
{
    const int row = in.ReadInteger();
    const int col = in.ReadInteger();
    const std::string letter = in.ReadString();
    const int state = in.ReadInteger();
    const int owner = in.ReadInteger();
    const int slot = in.ReadInteger();
    const int value = in.ReadInteger();
    const std::string joker = in.ReadString();
    moveNumber = in.ReadInteger();
    if (letter.size() != 1)
        throw savefile::ReadError("tile letter");
    if (joker != "T" && joker != "F")
        throw savefile::ReadError("tile joker flag");
    if (!KnownState(state))
        throw savefile::ReadError("tile state");
    tile.IsJoker = joker == "T";
    tile.Letter = letter[0];
    tile.Value = value;
    tile.State = state;
    tile.Owner = owner;
    tile.Slot = slot;
    tile.Row = row;
    tile.Col = col;
    tile.Moving = !(tile.Bounds == tile.Target);
}

void TJeton::Write(savefile::TypedWriter &out) const
{
    WriteRect(out, Bounds);
    WriteRect(out, Target);
    WritePlace(out);
}

std::unique_ptr<TJeton> TJeton::Read(savefile::TypedReader &in, int &moveNumber)
{
    auto tile = std::make_unique<TJeton>(kJoker);
    tile->Bounds = ReadRect(in);
    tile->Target = ReadRect(in);
    ReadPlace(in, *tile, moveNumber);
    return tile;
}

void TileWithPrevious::Write(savefile::TypedWriter &out) const
{
    WriteRect(out, Bounds);
    WriteRect(out, Target);
    WriteRect(out, Previous);
    WritePlace(out);
}

std::unique_ptr<TJeton> TileWithPrevious::Read(savefile::TypedReader &in, int &moveNumber)
{
    auto tile = std::make_unique<TileWithPrevious>(kJoker);
    tile->Bounds = ReadRect(in);
    tile->Target = ReadRect(in);
    tile->Previous = ReadRect(in);
    ReadPlace(in, *tile, moveNumber);
    return tile;
}

} // namespace scrabble
