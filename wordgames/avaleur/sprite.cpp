// SPDX-License-Identifier: GPL-3.0-or-later
// TSprite: what every sprite does (its cell, contacts, registering on the
// grid, shrinking, leaving walls, the saved form), and the magic item, which
// only stands and sparkles.
#include <cmath>

#include "framework/savefile/typed_stream.h"
#include "wordgames/avaleur/avaleur_game.h"
#include "wordgames/avaleur/sprites.h"

namespace avaleur {

namespace {
bool IsDirection(char c)
{
    return c == 'D' || c == 'G' || c == 'H' || c == 'B' || c == 'P' || c == 'M' || c == ' ';
}
} // namespace

TSprite::TSprite(AvaleurGame &jeu, TPlateau *plateau) : Jeu(jeu), Plateau(plateau)
{
    PlateauNo = plateau ? plateau->Numero : 0;
}

CellXY TSprite::CaseDe() const
{
    const auto cell = [](int pixels, int most) {
        const long n = std::lrint(double(pixels) / double(kCell)) + 1; // halves to even
        return int(std::clamp<long>(n, 1, most));
    };
    return {cell(X, kColumns), cell(Y, kRows)};
}

void TSprite::PlaceSur(int x, int y)
{
    CaseX = x;
    CaseY = y;
    X = (x - 1) * kCell;
    Y = (y - 1) * kCell;
}

QRect TSprite::WindowRect() const
{
    return {Jeu.OrigineX + X, Jeu.OrigineY + Y, kCell, kCell};
}

TSprite *TSprite::Touche(int size) const
{
    const int inset = size <= kCell ? (kCell - size) / 2 : 0;
    const QRect mine(QPoint(X + inset, Y + inset), QPoint(X + size, Y + size));
    for (int place = 1; place <= kPlaces; ++place) {
        TSprite *other = Jeu.Sprite(place);
        if (!other || other == this || other->Plateau != Plateau || other->Image < 1 || other->Image > 11 ||
            other->Rang == Rang || (other->CaseX != CaseX && other->CaseY != CaseY))
            continue;
        const QRect theirs(QPoint(other->X + inset, other->Y + inset),
                           QPoint(other->X + size, other->Y + size));
        const QRect common = mine & theirs;
        const int dx = other->X - X, dy = other->Y - Y;
        if ((!common.isEmpty() && common.width() * common.height() > 5) || dx * dx + dy * dy < size * size)
            return other;
    }
    return nullptr;
}

void TSprite::Avance()
{
    if (Retrecit > 0)
        --Retrecit;
    if (Plateau && TPlateau::Inside(CaseInscX, CaseInscY)) {
        TCase &registered = Plateau->At(CaseInscX, CaseInscY);
        if (registered.Nature < kWall) {
            registered.Nature = kFree;
            registered.Occupant = 0;
        }
    }
    const CellXY cell = CaseDe();
    if (cell.x != CaseX || cell.y != CaseY) {
        AncCaseX = CaseX;
        AncCaseY = CaseY;
    }
    CaseX = cell.x;
    CaseY = cell.y;
    if (Plateau && Attache == 0 && Plateau->At(CaseX, CaseY).Nature < kWall) {
        TCase &here = Plateau->At(CaseX, CaseY);
        here.Occupant = Rang;
        here.Nature = kRegistered;
        CaseInscX = CaseX;
        CaseInscY = CaseY;
    }
}

void TSprite::Zone(QRegion &region) const
{
    region += WindowRect();
}

void TSprite::Disparait()
{
    if (Retrecit < 0)
        Retrecit = 32;
}

void TSprite::SortDesMurs()
{
    if (!Plateau || !Plateau->IsWall(CaseX, CaseY))
        return;
    const CellXY free = Plateau->CaseLibreProche(CaseX, CaseY);
    if (free.Valid())
        PlaceSur(free);
}

bool TSprite::FollowPath(CellPath &path)
{
    if (path.empty())
        return true;
    CellXY next = CellOfNumber(path.back());
    if (X == (next.x - 1) * kCell && Y == (next.y - 1) * kCell) {
        path.pop_back();
        if (path.empty())
            return true;
        next = CellOfNumber(path.back());
    }
    X += std::clamp((next.x - 1) * kCell - X, -Vitesse, Vitesse);
    Y += std::clamp((next.y - 1) * kCell - Y, -Vitesse, Vitesse);
    return false;
}

void TSprite::Sauve(savefile::TypedWriter &writer) const
{
    for (int value :
         {PrecX, PrecY, X, Y, Rang, CaseInscX, CaseInscY, CaseX, CaseY, AncCaseX, AncCaseY, PlateauNo})
        writer.WriteInteger(value);
    writer.WriteString(std::string{DirPrec, Direction});
    writer.WriteInteger(Plateau ? Plateau->Numero : 0);
    for (int value : {Largeur, Hauteur, Image, Attache, Vitesse})
        writer.WriteInteger(value);
    writer.WriteBoolean(Visible);
    writer.WriteInteger(Modele);
    writer.WriteInteger(Retrecit);
}

bool TSprite::Charge(savefile::TypedReader &reader)
{
    std::array<int, 12> v{};
    for (int &value : v)
        value = reader.ReadInteger();
    const std::string directions = reader.ReadString();
    const int board = reader.ReadInteger();
    std::array<int, 5> w{};
    for (int &value : w)
        value = reader.ReadInteger();
    const bool visible = reader.ReadBoolean();
    const int modele = reader.ReadInteger(), retrecit = reader.ReadInteger();

    const auto within = [](int value, int low, int high) { return value >= low && value <= high; };
    const bool cellsOk = within(v[5], 0, kColumns) && within(v[6], 0, kRows) && within(v[7], 1, kColumns) &&
                         within(v[8], 1, kRows) && within(v[9], 0, kColumns) && within(v[10], 0, kRows);
    if (!within(v[0], -2 * kCell, kBoardWidth + kCell) || !within(v[1], -2 * kCell, kBoardHeight + kCell) ||
        !within(v[2], -2 * kCell, kBoardWidth + kCell) || !within(v[3], -2 * kCell, kBoardHeight + kCell) ||
        !within(v[4], 0, kPlaces) || !cellsOk || !within(v[11], 0, kWorldSide * kWorldSide) ||
        directions.empty() || directions.size() > 2 || !IsDirection(directions[0]) ||
        (directions.size() == 2 && !IsDirection(directions[1])) ||
        !within(board, 0, kWorldSide * kWorldSide) || w[0] != kCell || w[1] != kCell ||
        !within(w[2], 0, 19) || !within(w[3], 0, 2) || !within(w[4], 0, 32) || !within(modele, 0, 7) ||
        !within(retrecit, -1, 32))
        return false;
    PrecX = v[0], PrecY = v[1], X = v[2], Y = v[3], Rang = v[4];
    CaseInscX = v[5], CaseInscY = v[6], CaseX = v[7], CaseY = v[8], AncCaseX = v[9], AncCaseY = v[10];
    PlateauNo = v[11];
    DirPrec = directions[0];
    Direction = directions.size() == 2 ? directions[1] : ' ';
    if (TPlateau *found = Jeu.PlateauNumero(board))
        Plateau = found;
    Largeur = w[0], Hauteur = w[1], Image = w[2], Attache = w[3], Vitesse = w[4];
    Visible = visible;
    Modele = modele;
    Retrecit = retrecit;
    return true;
}

TMagic::TMagic(AvaleurGame &jeu, TPlateau *plateau) : TSprite(jeu, plateau)
{
    Vitesse = 0;
}

void TMagic::Avance()
{
    Image = (Image + 1) % 7;
    TSprite::Avance();
    SortDesMurs();
}

} // namespace avaleur
