// SPDX-License-Identifier: GPL-3.0-or-later
// TPlateau::Dessine: the board in its style. Walls are wall tiles chosen by
// shape or a texture or colour with black corridors; their rims are bevel
// lines of the style's palette, or traced outlines of each wall block
// filled with a colour gradient and red crosses.
#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include "wordgames/avaleur/avaleur_game.h"
#include "wordgames/avaleur/maze_board.h"

namespace avaleur {

namespace {
// The tile of the wall-tile sheet for each exposed-sides value.
constexpr std::array<int, 16> kTileOfShape = {0, 1, 2, 15, 3, 5, 8, 12, 4, 6, 7, 10, 14, 9, 11, 13};
constexpr std::uint8_t kTraced = 64;
} // namespace

void TPlateau::Dessine(QImage &picture)
{
    if (picture.size() != QSize(kBoardWidth, kBoardHeight))
        picture = QImage(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    DrawTiles(picture);
    if (ModeContour == 0)
        DrawBevels(picture);
    else
        DrawOutlines(picture);
}

void TPlateau::DrawTiles(QImage &picture)
{
    QPainter p(&picture);
    if (ModeFond == 0) {
        picture.fill(Qt::black);
        for (int x = 1; x <= kColumns; ++x)
            for (int y = 1; y <= kRows; ++y) {
                const int nature = At(x, y).Nature;
                if (nature < kWall)
                    continue;
                const QRect cell((x - 1) * kCell, (y - 1) * kCell, kCell, kCell);
                if (Fond.isNull())
                    p.fillRect(cell, CouleurFond);
                else
                    p.drawImage(cell.topLeft(), Fond,
                                QRect(kTileOfShape[std::size_t(nature & 15)] * kCell, 0, kCell, kCell));
            }
        return;
    }
    picture.fill(CouleurFond);
    if (!Fond.isNull())
        for (int top = 0; top < kBoardHeight; top += Fond.height())
            for (int left = 0; left < kBoardWidth; left += Fond.width())
                p.drawImage(left, top, Fond);
    for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y)
            if (At(x, y).Nature < kWall)
                p.fillRect((x - 1) * kCell, (y - 1) * kCell, kCell, kCell, Qt::black);
}

void TPlateau::DrawBevels(QImage &picture)
{
    QPainter p(&picture);
    for (const PaletteEntry &entry : Palette) {
        p.setPen(QColor(entry.Colour));
        const int k = entry.Inset;
        for (int x = 1; x <= kColumns; ++x)
            for (int y = 1; y <= kRows; ++y) {
                const int nature = At(x, y).Nature;
                if (nature < kWall)
                    continue;
                const bool l = nature & 1, r = nature & 2, t = nature & 4, b = nature & 8;
                const int left = (x - 1) * kCell, top = (y - 1) * kCell;
                const int right = left + 33, bottom = top + 33;
                // An end moves inwards by k where the side beside it is
                // exposed and outwards where it is not: the insets of the
                // palette make a bevelled rim.
                const auto in = [k](bool exposed) { return exposed ? k : -k; };
                if (l)
                    p.drawLine(left + k, top + in(t), left + k, bottom - in(b));
                if (r)
                    p.drawLine(right - k, top + in(t), right - k, bottom - in(b));
                if (t)
                    p.drawLine(left + in(l), top + k, right - in(r), top + k);
                if (b)
                    p.drawLine(left + in(l), bottom - k, r ? right - k + 1 : right + k, bottom - k);
            }
    }
}

std::vector<QPoint> TPlateau::TraceOutline(int x, int y)
{
    // Sides in the cycle left, bottom, right, top; entry sides by the same
    // index: 'G' 0, 'B' 1, 'D' 2, 'H' 3.
    static constexpr std::array<int, 4> kBit = {1, 8, 2, 4};
    static constexpr std::array<std::pair<int, int>, 4> kAcross = {{{-1, 0}, {0, 1}, {1, 0}, {0, -1}}};
    // Entering across side i lands on the opposite side of the next cell.
    static constexpr std::array<int, 4> kEntryAcross = {2, 3, 0, 1};
    std::vector<QPoint> points;
    int entry = 3; // the start cell is entered through its top
    for (int cells = 0; cells < 1000; ++cells) {
        TCase &cell = At(x, y);
        cell.Nature |= kTraced;
        const int shape = cell.Nature & 15;
        const int x0 = (x - 1) * kCell, x1 = x * kCell, y0 = (y - 1) * kCell, y1 = y * kCell;
        bool moved = false;
        for (int n = 0; n < 4; ++n) {
            const int side = (entry + 1 + n) % 4;
            if (shape & kBit[std::size_t(side)]) {
                QPoint a, b;
                switch (side) {
                case 0:
                    a = {x0, y0}, b = {x0, y1};
                    break;
                case 1:
                    a = {x0, y1}, b = {x1, y1};
                    break;
                case 2:
                    a = {x1, y1}, b = {x1, y0};
                    break;
                default:
                    a = {x1, y0}, b = {x0, y0};
                }
                for (std::size_t i = 0; i + 1 < points.size(); i += 2)
                    if (points[i] == a && points[i + 1] == b)
                        return points; // the outline is closed
                points.push_back(a);
                points.push_back(b);
                continue;
            }
            const auto [dx, dy] = kAcross[std::size_t(side)];
            if (!Inside(x + dx, y + dy))
                return points;
            x += dx;
            y += dy;
            entry = kEntryAcross[std::size_t(side)];
            moved = true;
            break;
        }
        if (!moved)
            return points; // a wall cell exposed on its four sides
    }
    return points;
}

void TPlateau::DrawOutlines(QImage &picture)
{
    picture.fill(Qt::black);
    QRegion region;
    for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y) {
            const int nature = At(x, y).Nature;
            if (nature < kWall || (nature & kTraced))
                continue;
            std::vector<QPoint> traced = TraceOutline(x, y);
            std::vector<QPoint> points;
            for (const QPoint &point : traced)
                if (points.empty() || points.back() != point)
                    points.push_back(point);
            QPolygon polygon;
            for (std::size_t i = 0; i + 1 < points.size(); i += 2) {
                QPoint a = points[i], b = points[i + 1];
                const bool vertical = a.x() == b.x(), horizontal = a.y() == b.y();
                const int grow = ModeContour == 1 && vertical ? 2 : -2;
                if (vertical) {
                    const int s = b.y() > a.y() ? 1 : -1;
                    a.ry() -= s * grow;
                    b.ry() += s * grow;
                } else if (horizontal) {
                    const int s = b.x() > a.x() ? 1 : -1;
                    a.rx() += s * 2;
                    b.rx() -= s * 2;
                } else if (ModeContour == 2) {
                    continue;
                }
                polygon << a << b;
            }
            if (polygon.size() >= 3)
                region += QRegion(polygon, Qt::OddEvenFill);
        }
    QPainter p(&picture);
    p.setClipRegion(region);
    for (int band = 0; band < kBoardWidth; ++band) {
        const double t = double(band) / double(kBoardWidth - 1);
        p.fillRect(band, 0, 1, kBoardHeight, QColor(int(1 + t * 254), int(254 - t * 254), 255));
    }
    p.setPen(Qt::red);
    for (int n = 0; n < 1001; ++n) {
        const int cx = Jeu.Random(kBoardWidth), cy = Jeu.Random(kBoardHeight);
        p.drawLine(cx, cy - 3, cx, cy + 2);
        p.drawLine(cx - 3, cy, cx + 2, cy);
    }
    if (ModeContour == 2) {
        // A 2-pixel border inside the region: what is left of it when it is
        // shrunk by 2 pixels on every side.
        const QRegion inner = region.translated(2, 0) & region.translated(-2, 0) & region.translated(0, 2) &
                              region.translated(0, -2);
        p.setClipping(false);
        for (const QRect &rect : region - inner)
            p.fillRect(rect, QColor(255, 0, 255));
    }
    for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y)
            At(x, y).Nature &= std::uint8_t(~kTraced);
}

} // namespace avaleur
