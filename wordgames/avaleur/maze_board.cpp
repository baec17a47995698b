// SPDX-License-Identifier: GPL-3.0-or-later
// TPlateau: creation, the styles, the sprites on the grid, the wall shapes,
// the questions of the sprites and the saved form. The generator, the path
// finder and the drawing have their own files.
#include "wordgames/avaleur/maze_board.h"

#include <cmath>

#include "framework/resourcelib/picture_registry.h"
#include "framework/savefile/typed_stream.h"
#include "wordgames/avaleur/avaleur_game.h"
#include "wordgames/avaleur/sprites.h"

namespace avaleur {

namespace {

struct StyleRow {
    const char *picture;
    int modeFond;
    std::vector<PaletteEntry> palette;
};

QRgb Rgb(int r, int g, int b)
{
    return qRgb(r, g, b);
}

const StyleRow &StyleOf(int style)
{
    static const std::array<StyleRow, 6> rows = {{
        {"BEIGE", 1, {{Rgb(58, 46, 22), 0}, {Rgb(95, 83, 61), 1}}},
        {"MUR", 0, {}},
        {"NUIT",
         1,
         {{Rgb(90, 8, 107), 0},
          {Rgb(140, 66, 156), 1},
          {Rgb(165, 107, 181), 2},
          {Rgb(156, 99, 173), 3},
          {Rgb(123, 41, 148), 4},
          {Rgb(49, 0, 66), 5}}},
        {nullptr,
         1,
         {{Rgb(148, 99, 0), 0},
          {Rgb(206, 148, 0), 1},
          {Rgb(255, 206, 0), 2},
          {Rgb(255, 255, 41), 3},
          {Rgb(255, 255, 41), 4},
          {Rgb(181, 189, 181), 5},
          {Rgb(148, 99, 0), 10},
          {Rgb(206, 148, 0), 11},
          {Rgb(255, 206, 0), 12},
          {Rgb(255, 255, 41), 13},
          {Rgb(255, 255, 41), 14},
          {Rgb(181, 189, 181), 15}}},
        {nullptr, 1, {}},
        {nullptr, 1, {}},
    }};
    return rows[std::size_t(style)];
}

double Euclid(int ax, int ay, int bx, int by)
{
    return std::sqrt(double((ax - bx) * (ax - bx) + (ay - by) * (ay - by)));
}

} // namespace

TPlateau::TPlateau(int mondeX, AvaleurGame &jeu, int mondeY)
    : MondeX(mondeX), Jeu(jeu), Numero((mondeX - 1) * kWorldSide + mondeY)
{
    MondeY = mondeY;
    Prepare(-1, true);
}

void TPlateau::Prepare(int style, bool generate)
{
    if (style < 0 || style > 5)
        style = Jeu.Random(5);
    if (generate)
        for (auto &column : Cases)
            for (TCase &cell : column)
                cell = TCase{};
    Fond = QImage();
    Palette.clear();
    CouleurFond = Qt::white;
    ModeContour = 0;
    ModeFond = 1;
    Style = style;
    const StyleRow &row = StyleOf(style);
    if (row.picture)
        Fond = GetBitmap(QString::fromLatin1(row.picture));
    ModeFond = row.modeFond;
    Palette = row.palette;
    if (style == 3)
        CouleurFond = QColor(0, 16, 66);
    if (style == 4)
        ModeContour = 1;
    if (style == 5)
        ModeContour = 2;

    std::vector<CellXY> keep;
    for (int place = 1; place <= kPlaces && keep.size() < 49; ++place)
        if (TSprite *s = Jeu.Sprite(place); s && s->Plateau == this && Inside(s->CaseX, s->CaseY))
            keep.push_back({s->CaseX, s->CaseY});
    if (generate)
        Genere(keep);
    CalculeMurs();
    PlaceSprites();
    for (int place = 1; place <= kPlaces; ++place)
        if (TSprite *s = Jeu.Sprite(place); s && s->Plateau == this)
            s->SortDesMurs();
    PlaceSprites();
}

void TPlateau::PlaceSprites()
{
    NbPlaces = 0;
    for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y) {
            TCase &cell = At(x, y);
            cell.Occupant = -1;
            if (cell.Nature < kWall)
                cell.Nature = kFree;
        }
    for (int place = 1; place <= kPlaces; ++place) {
        TSprite *s = Jeu.Sprite(place);
        if (!s || s->Plateau != this || !Inside(s->CaseX, s->CaseY))
            continue;
        TCase &cell = At(s->CaseX, s->CaseY);
        cell.Occupant = place;
        if (cell.Nature >= kWall)
            continue;
        if (s->Kind() == SpriteKind::Letter) {
            cell.Nature = kLetterHere;
            ++NbPlaces;
        } else if (s->Kind() == SpriteKind::Eater) {
            cell.Nature = kEaterHere;
            ++NbPlaces;
        }
    }
}

void TPlateau::CalculeMurs()
{
    for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y) {
            TCase &cell = At(x, y);
            if (cell.Nature < kWall)
                continue;
            int m = 0;
            if (x == 1 || !IsWall(x - 1, y))
                m |= 1;
            if (x == kColumns || !IsWall(x + 1, y))
                m |= 2;
            if (y == 1 || !IsWall(x, y - 1))
                m |= 4;
            if (y == kRows || !IsWall(x, y + 1))
                m |= 8;
            cell.Nature = std::uint8_t(kWall + m);
        }
}

bool TPlateau::MurEn(int px, int py, QRect *square) const
{
    // Only the cells the box can reach are looked at, in the same order as
    // a scan of the whole board.
    const int x0 = std::max(1, px / kCell), x1 = std::min(kColumns, (px + 30) / kCell + 1);
    const int y0 = std::max(1, py / kCell), y1 = std::min(kRows, (py + 30) / kCell + 1);
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y) {
            if (At(x, y).Nature < kWall)
                continue;
            const int left = (x - 1) * kCell, top = (y - 1) * kCell;
            if (left < px + 30 && px < left + kCell && top < py + 30 && py < top + kCell) {
                if (square)
                    *square = QRect(left, top, kCell, kCell);
                return true;
            }
        }
    return false;
}

CellXY TPlateau::CaseLibreProche(int x, int y)
{
    if (Inside(x, y) && At(x, y).Nature == kFree)
        return {x, y};
    int budget = 8;
    for (int r = 1; r <= 11; ++r) {
        for (int tries = 0; tries < 10 + budget; ++tries) {
            const int cx = x + r - Jeu.Random(2 * r), cy = y + r - Jeu.Random(2 * r);
            if (Inside(cx, cy) && At(cx, cy).Nature == kFree)
                return {cx, cy};
        }
        budget *= 2;
    }
    return {};
}

CellXY TPlateau::PlaceEloignee(const TSprite &sprite)
{
    for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y)
            if (At(x, y).Nature < kWall)
                At(x, y).Nature = kFree;
    // The marks are kept aside rather than written into the grid, so that a
    // mark on a wall cell (the eater elsewhere counts as standing on (1, 1))
    // never spoils the wall.
    std::array<CellXY, kPlaces + 1> marks{};
    int markCount = 0;
    for (int place = 1; place <= kPlaces; ++place) {
        const TSprite *s = Jeu.Sprite(place);
        if (s && s != &sprite && s->Plateau == this && s->Kind() != SpriteKind::Eater &&
            Inside(s->CaseX, s->CaseY))
            marks[std::size_t(markCount++)] = {s->CaseX, s->CaseY};
    }
    const TSprite *eater = Jeu.Sprite(1);
    if (eater && eater != &sprite) {
        if (eater->Plateau == this)
            marks[std::size_t(markCount++)] = {eater->CaseX, eater->CaseY};
        else
            marks[std::size_t(markCount++)] = {1, 1};
    }
    CellXY best;
    double bestDistance = -1;
    for (int draw = 0; draw < 100; ++draw) {
        const int x = 1 + Jeu.Random(kColumns), y = 1 + Jeu.Random(kRows);
        if (At(x, y).Nature != kFree)
            continue;
        double nearest = markCount == 0 ? 2121.0 : 1e9;
        for (int m = 0; m < markCount; ++m)
            if (!(marks[std::size_t(m)] == CellXY{x, y}))
                nearest = std::min(nearest, Euclid(x, y, marks[std::size_t(m)].x, marks[std::size_t(m)].y));
        if (nearest > bestDistance) {
            bestDistance = nearest;
            best = {x, y};
        }
    }
    if (!best.Valid()) // a crowded board: any free cell will do
        for (int x = 1; x <= kColumns && !best.Valid(); ++x)
            for (int y = 1; y <= kRows && !best.Valid(); ++y)
                if (At(x, y).Nature == kFree)
                    best = {x, y};
    return best;
}

CellXY TPlateau::SortieProche(int x, int y) const
{
    CellXY best;
    double bestDistance = 1e9;
    const auto consider = [&](int cx, int cy) {
        if (At(cx, cy).Nature >= kWall)
            return;
        const double d = Euclid(x, y, cx, cy);
        if (d < bestDistance) {
            bestDistance = d;
            best = {cx, cy};
        }
    };
    for (int cx = 1; cx <= kColumns; ++cx) {
        consider(cx, 1);
        consider(cx, kRows);
    }
    for (int cy = 1; cy <= kRows; ++cy) {
        consider(1, cy);
        consider(kColumns, cy);
    }
    return best;
}

const TPlateau *TPlateau::Neighbour(int dx, int dy) const
{
    return Jeu.Plateau(MondeX + dx, MondeY + dy);
}

void TPlateau::Sauve(savefile::TypedWriter &writer) const
{
    writer.WriteInteger(Style);
    for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y) {
            writer.WriteInteger(At(x, y).Nature);
            writer.WriteInteger(At(x, y).Occupant);
        }
    for (int value : {MondeX, MondeY, Numero, NbPlaces, ModeFond, ModeContour})
        writer.WriteInteger(value);
    writer.WriteInteger(std::int32_t(Palette.size()));
    for (const PaletteEntry &entry : Palette) {
        writer.WriteInteger(std::int32_t(entry.Colour & 0xFFFFFF));
        writer.WriteInteger(entry.Inset);
    }
}

bool TPlateau::Charge(savefile::TypedReader &reader)
{
    const int style = reader.ReadInteger();
    if (style < 0 || style > 5)
        return false;
    for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y) {
            const int nature = reader.ReadInteger();
            const int occupant = reader.ReadInteger();
            if (nature < 0 || nature > 255 || occupant < -1 || occupant > kPlaces)
                return false;
            // Generation and drawing marks never reach a file: a cell is a
            // wall or it is free.
            At(x, y).Nature = nature >= kWall ? kWall : kFree;
            At(x, y).Occupant = occupant;
        }
    const int mondeX = reader.ReadInteger(), mondeY = reader.ReadInteger(), numero = reader.ReadInteger();
    if (mondeX != MondeX || mondeY != MondeY || numero != Numero)
        return false;
    NbPlaces = reader.ReadInteger();
    reader.ReadInteger(); // ModeFond and ModeContour follow from the style
    reader.ReadInteger();
    const int entries = reader.ReadInteger();
    if (entries < 0 || entries > 64)
        return false;
    for (int i = 0; i < entries; ++i) {
        reader.ReadInteger();
        reader.ReadInteger();
    }
    Prepare(style, false);
    return true;
}

} // namespace avaleur
