// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures, drawn in code with a small pixel font of our own so
// that they need no font on the machine.
#include "wordgames/avaleur/avaleur_pictures.h"

#include <array>
#include <cmath>
#include <mutex>
#include <QPainter>
#include <QPainterPath>
#include <random>

#include "framework/resourcelib/picture_registry.h"
#include "wordgames/avaleur/avaleur_types.h"

namespace avaleur {

namespace {

// 5 x 7 glyphs of A..Z then 0..9, one string of 7 rows of 5 pixels each.
constexpr std::array<const char *, 36> kGlyphs = {
    " ### #   ##   #######   ##   ##   #", "#### #   ##   ##### #   ##   ##### ",
    " ### #   ##    #    #    #   # ### ", "#### #   ##   ##   ##   ##   ##### ",
    "######    #    #### #    #    #####", "######    #    #### #    #    #    ",
    " ### #   ##    # ####   ##   # ####", "#   ##   ##   #######   ##   ##   #",
    " ###   #    #    #    #    #   ### ", "  ###   #    #    #    # #  #  ##  ",
    "#   ##  # # #  ##   # #  #  # #   #", "#    #    #    #    #    #    #####",
    "#   ### ### # ##   ##   ##   ##   #", "#   ###  ## # ##  ###   ##   ##   #",
    " ### #   ##   ##   ##   ##   # ### ", "#### #   ##   ##### #    #    #    ",
    " ### #   ##   ##   ## # ##  #  ## #", "#### #   ##   ##### # #  #  # #   #",
    " #####    #     ###     #    ##### ", "#####  #    #    #    #    #    #  ",
    "#   ##   ##   ##   ##   ##   # ### ", "#   ##   ##   ##   ##   # # #   #  ",
    "#   ##   ##   ## # ## # ## # # # # ", "#   ##   # # #   #   # # #   ##   #",
    "#   ##   # # #   #    #    #    #  ", "#####    #   #   #   #   #    #####",
    " ### #   ##  ### # ###  ##   # ### ", "  #   ##  # #    #    #    #  #####",
    " ### #   #    #  ##  #   #    #####", " ### #   #    #  ##     ##   # ### ",
    "   #   ##  # # #  # #####   #    # ", "######    ####     #    ##   # ### ",
    " ### #    #    #### #   ##   # ### ", "#####    #   #   #   #    #    #   ",
    " ### #   ##   # ### #   ##   # ### ", " ### #   ##   # ####    #    # ### ",
};

// Draws a glyph scaled to pixel blocks of `cell`, top-left at (x, y).
void DrawGlyph(QPainter &p, int index, int x, int y, int cell, const QColor &colour)
{
    const char *rows = kGlyphs[std::size_t(index)];
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 5; ++c)
            if (rows[r * 5 + c] == '#')
                p.fillRect(x + c * cell, y + r * cell, cell, cell, colour);
}

QImage Black(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QImage Texture(QRgb base, int spread, int seed, bool stars)
{
    QImage image(64, 64, QImage::Format_RGB32);
    std::mt19937 random{std::uint32_t(seed)};
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const int n = int(random() % std::uint32_t(2 * spread + 1)) - spread;
            const int wave = int(6 * std::sin((x + y) * 0.2));
            image.setPixel(x, y,
                           qRgb(std::clamp(qRed(base) + n + wave, 0, 255),
                                std::clamp(qGreen(base) + n + wave, 0, 255),
                                std::clamp(qBlue(base) + n, 0, 255)));
        }
    if (stars)
        for (int s = 0; s < 14; ++s)
            image.setPixel(int(random() % 64), int(random() % 64), qRgb(230, 220, 255));
    return image;
}

// Sixteen 32-pixel wall tiles; tile T shows the exposed-sides value m for
// which the board asks tile T.
QImage WallTiles()
{
    static constexpr std::array<int, 16> kShapeOfTile = {0, 1,  2,  4,  8, 5,  9,  10,
                                                         6, 13, 11, 14, 7, 15, 12, 3};
    QImage image = Black(16 * kCell, kCell);
    QPainter p(&image);
    for (int tile = 0; tile < 16; ++tile) {
        const int m = kShapeOfTile[std::size_t(tile)];
        const int left = tile * kCell;
        p.fillRect(left, 0, kCell, kCell, QColor(150, 70, 40));
        p.setPen(QColor(90, 40, 25));
        for (int row = 0; row < 4; ++row) {
            p.drawLine(left, row * 8 + 7, left + 31, row * 8 + 7);
            const int shift = row % 2 ? 8 : 0;
            for (int bx = shift; bx < kCell; bx += 16)
                p.drawLine(left + bx, row * 8, left + bx, row * 8 + 7);
        }
        const QColor light(230, 170, 120), dark(60, 25, 15);
        if (m & 1)
            p.fillRect(left, 0, 3, kCell, light);
        if (m & 4)
            p.fillRect(left, 0, kCell, 3, light);
        if (m & 2)
            p.fillRect(left + 29, 0, 3, kCell, dark);
        if (m & 8)
            p.fillRect(left, 29, kCell, 3, dark);
    }
    return image;
}

// The eater: rows "DGHBPM" (right, left, up, down, still, dying), columns
// 0..3 the mouth from closed to wide open.
QImage EaterSheet()
{
    QImage image = Black(4 * kCell, 6 * kCell);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    static constexpr std::array<int, 6> kFacing = {0, 180, 90, 270, 0, 90}; // degrees, counter-clockwise
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 4; ++column) {
            const QRectF box(column * kCell + 2, row * kCell + 2, 28, 28);
            const int mouth = row == 4 ? 10 : row == 5 ? 60 + 40 * column : 8 + 22 * column;
            p.setPen(Qt::NoPen);
            p.setBrush(row == 5 ? QColor(200, 200, 80) : QColor(255, 230, 0));
            p.drawPie(box, (kFacing[std::size_t(row)] + mouth / 2) * 16, (360 - mouth) * 16);
        }
    return image;
}

// Letters: row = rank in the alphabet (A = 1), columns 0..9 a slow pulse.
QImage AlphabetSheet()
{
    QImage image = Black(10 * kCell, 27 * kCell);
    QPainter p(&image);
    for (int letter = 0; letter < 26; ++letter)
        for (int column = 0; column < 10; ++column) {
            const int glow = 170 + int(85 * std::sin(column * 0.628));
            DrawGlyph(p, letter, column * kCell + 6, (letter + 1) * kCell + 2, 4, QColor(glow, glow, 255));
        }
    return image;
}

// Ghosts: rows 0..7 the colours, columns 0..9 the waving hem and eyes.
QImage GhostSheet()
{
    static constexpr std::array<QRgb, 8> kColours = {0xff3030, 0xffa0d0, 0x30e0ff, 0xffa030,
                                                     0x60ff60, 0xb060ff, 0xf0f0f0, 0x5080ff};
    QImage image = Black(10 * kCell, 8 * kCell);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 10; ++column) {
            const double left = column * kCell + 3, top = row * kCell + 3;
            QPainterPath body;
            body.moveTo(left, top + 26);
            body.lineTo(left, top + 12);
            body.arcTo(QRectF(left, top, 26, 24), 180, -180);
            body.lineTo(left + 26, top + 26);
            for (int k = 3; k >= 0; --k)
                body.lineTo(left + k * 6.5 + 3.25, top + 22 + ((k + column) % 2 ? 4 : 0));
            body.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(kColours[std::size_t(row)]));
            p.drawPath(body);
            const double look = (column % 5) - 2;
            p.setBrush(Qt::white);
            p.drawEllipse(QRectF(left + 5, top + 8, 7, 8));
            p.drawEllipse(QRectF(left + 14, top + 8, 7, 8));
            p.setBrush(QColor(20, 20, 120));
            p.drawEllipse(QRectF(left + 7 + look * 0.7, top + 11, 3, 3));
            p.drawEllipse(QRectF(left + 16 + look * 0.7, top + 11, 3, 3));
        }
    return image;
}

// The magic item: a star that turns, columns 0..3.
QImage MagicSheet()
{
    QImage image = Black(4 * kCell, kCell);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int column = 0; column < 4; ++column) {
        const QPointF centre(column * kCell + 16, 16);
        QPolygonF star;
        for (int k = 0; k < 10; ++k) {
            const double angle = (k * 36 + column * 9) * M_PI / 180.0;
            const double radius = k % 2 ? 5.5 : 13.5;
            star << centre + QPointF(radius * std::sin(angle), -radius * std::cos(angle));
        }
        p.setPen(QPen(QColor(255, 255, 255), 1));
        p.setBrush(QColor(80 + 40 * column, 255, 120));
        p.drawPolygon(star);
    }
    return image;
}

// Glyph strips of the word display (25 x 25 letters) and the score (22 x 22
// digits, "1234567890").
QImage LetterGlyphs()
{
    QImage image = Black(26 * 25, 25);
    QPainter p(&image);
    for (int letter = 0; letter < 26; ++letter)
        DrawGlyph(p, letter, letter * 25 + 5, 2, 3, QColor(255, 200, 0));
    return image;
}

QImage DigitGlyphs()
{
    QImage image = Black(10 * 22, 22);
    QPainter p(&image);
    for (int k = 0; k < 10; ++k)
        DrawGlyph(p, 26 + (k + 1) % 10, k * 22 + 4, 1, 3, QColor(0, 255, 120));
    return image;
}

} // namespace

QImage FramePicture()
{
    QImage image(kFrameWidth, kFrameHeight, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, kFrameHeight);
    sky.setColorAt(0, QColor(20, 30, 90));
    sky.setColorAt(1, QColor(60, 10, 70));
    p.fillRect(image.rect(), sky);
    const auto well = [&p](const QRect &rect) {
        p.fillRect(rect.adjusted(-6, -6, 6, 6), QColor(200, 170, 60));
        p.fillRect(rect.adjusted(-3, -3, 3, 3), QColor(90, 60, 10));
        p.fillRect(rect, Qt::black);
    };
    well(QRect(123, 56, kBoardWidth, kBoardHeight)); // the board
    well(QRect(170, 469, 450, 27));                  // the word
    well(QRect(38, 16, 75, 22));                     // the score
    well(QRect(3, 186, 32, 5 * 32));                 // the lives
    return image;
}

void RegisterAvaleurPictures()
{
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterPicture(QStringLiteral("BEIGE"), [] { return Texture(qRgb(196, 170, 120), 14, 1, false); });
        RegisterPicture(QStringLiteral("MUR"), WallTiles);
        RegisterPicture(QStringLiteral("NUIT"), [] { return Texture(qRgb(30, 30, 80), 10, 2, true); });
        RegisterPicture(QStringLiteral("PACMAN"), EaterSheet);
        RegisterPicture(QStringLiteral("ALPHABET"), AlphabetSheet);
        RegisterPicture(QStringLiteral("GHOST"), GhostSheet);
        RegisterPicture(QStringLiteral("MAGIC"), MagicSheet);
        RegisterPicture(QStringLiteral("POLPC1"), LetterGlyphs);
        RegisterPicture(QStringLiteral("POLPC2"), DigitGlyphs);
        RegisterPicture(QStringLiteral("img_gb"), FramePicture);
    });
}

} // namespace avaleur
