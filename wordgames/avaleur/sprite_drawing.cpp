// SPDX-License-Identifier: GPL-3.0-or-later
// How the sprites are drawn on the board picture: frames of their picture
// sheets combined by OR-ing (black is transparent), smaller while they
// shrink; the eater last, after the letters of its train.
#include <QPainter>

#include "wordgames/avaleur/avaleur_game.h"
#include "wordgames/avaleur/sprites.h"

namespace avaleur {

QRect TSprite::ShrunkSquare() const
{
    if (Retrecit < 0)
        return {X + 1, Y + 1, 30, 30};
    const int offset = (kCell - Retrecit) / 2 + 1;
    return {X + offset, Y + offset, Retrecit / 2 - 2, Retrecit / 2 - 2};
}

void TSprite::DrawFrame(QPainter &canvas, const QImage &sheet, int column, int row) const
{
    const QRect target = ShrunkSquare();
    if (target.width() <= 0 || sheet.isNull())
        return;
    canvas.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    canvas.drawImage(target, sheet, QRect(column * kCell + 1, row * kCell + 1, 30, 30));
    canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TLettre::Dessine(QPainter &canvas, const SpriteSheets &sheets, const QRegion &region) const
{
    if (Retrecit == 0 || !region.intersects(Box()))
        return;
    if (Attache == 1 || Attache == 2) {
        const QRect square = ShrunkSquare();
        if (square.width() > 0) {
            canvas.setPen(QPen(QColor(255, 255, 0), 1));
            canvas.setBrush(Attache == 1 ? QColor(200, 0, 0) : QColor(0, 0, 200));
            canvas.drawRoundedRect(square, 10, 10);
        }
    }
    DrawFrame(canvas, sheets.alphabet, Image / 2, Lettre - 'A' + 1);
}

void TPhantom::Dessine(QPainter &canvas, const SpriteSheets &sheets, const QRegion &region) const
{
    if (Retrecit == 0 || !region.intersects(Box()))
        return;
    DrawFrame(canvas, sheets.ghost, Image % 10, Modele);
}

void TMagic::Dessine(QPainter &canvas, const SpriteSheets &sheets, const QRegion &region) const
{
    if (Retrecit == 0 || Retrecit == 1 || !region.intersects(Box()))
        return;
    DrawFrame(canvas, sheets.magic, Image / 2, 0);
}

void TPacman::Dessine(QPainter &canvas, const SpriteSheets &sheets, const QRegion &region) const
{
    const int current = Plateau ? Plateau->Numero : 0;
    for (int p = NbTrain; p >= 1; --p) {
        const TrainPlace &place = Train[std::size_t(p)];
        if (place.letter && place.trail[0].board == current)
            place.letter->Dessine(canvas, sheets, region);
    }
    if (!Visible || !region.intersects(Box()))
        return;
    static constexpr std::string_view kRows = "DGHBPM";
    const std::size_t row = kRows.find(Direction);
    DrawFrame(canvas, sheets.eater, Direction == 'M' ? 3 : std::clamp(Image, 0, 3),
              row == std::string_view::npos ? 4 : int(row));
}

} // namespace avaleur
