// SPDX-License-Identifier: GPL-3.0-or-later
// The Wordy board picture and tile faces, checked pixel by pixel; a
// screenshot of the board with tiles on it is saved for a look by hand.
#include "boardgames/wordy/wordy_board.h"
#include "boardgames/wordy/wordy_painting.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QPainter>

using namespace wordy_ui;
using scrabble_ui::TileLook;

namespace {

QImage Tile(char letter, bool joker, const TileLook &look = {})
{
    QImage image(kTileSide, kTileSide, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QPainter painter(&image);
    wordy_ui::DrawTile(painter, image.rect(), letter, wordy::ColourCode(letter), joker, look);
    return image;
}

int CountNear(const QImage &image, const QRect &area, const QColor &colour, int tolerance)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            count += std::abs(qRed(p) - colour.red()) <= tolerance &&
                     std::abs(qGreen(p) - colour.green()) <= tolerance &&
                     std::abs(qBlue(p) - colour.blue()) <= tolerance;
        }
    return count;
}

} // namespace

TEST(WordyBoardPicture, SquaresGridAndLabels)
{
    const QImage picture = BoardPicture();
    ASSERT_EQ(picture.size(), QSize(520, 520));
    EXPECT_EQ(SquareRect(3, 2), QRect(21 + 74, 21 + 37, 37, 37));
    const auto centre = [&](int col, int row) {
        return QColor(picture.pixel(SquareRect(col, row).center()));
    };
    EXPECT_EQ(centre(1, 1), QColor(128, 0, 128));
    EXPECT_EQ(centre(2, 2), QColor(Qt::black));
    EXPECT_EQ(centre(4, 3), QColor(Qt::white));
    EXPECT_EQ(centre(7, 7), StarColour());
    EXPECT_EQ(QColor(picture.pixel(SquareRect(7, 7).topLeft() + QPoint(3, 3))), SquareColour(0));
    for (int row = 1; row <= 13; ++row) {
        for (int col = 1; col <= 13; ++col) {
            if (col != 7 || row != 7) {
                EXPECT_EQ(centre(col, row), SquareColour(wordy::SquareCode(col, row))) << col << "," << row;
            }
        }
    }
    // A grid line between A1 and A2; a white label above every column and
    // left of every row.
    EXPECT_EQ(CountNear(picture, QRect(58, 22, 1, 35), SquareColour(6), 0), 0);
    for (int i = 1; i <= 13; ++i) {
        const QRect square = SquareRect(i, i);
        EXPECT_GT(CountNear(picture, QRect(square.left(), 0, 37, 21), Qt::white, 60), 10) << "column " << i;
        EXPECT_GT(CountNear(picture, QRect(0, square.top(), 21, 37), Qt::white, 60), 10) << "row " << i;
    }
}

TEST(WordyTile, FacesInksAndLooks)
{
    // A red A: red across the middle diagonal, its letter in the inverse
    // colour (cyan), its value at the bottom right, rounded corners.
    const QImage a = Tile('A', false);
    EXPECT_EQ(CountNear(a, QRect(6, 24, 1, 1), Qt::red, 20), 1);
    EXPECT_GT(CountNear(a, QRect(7, 5, 14, 16), Qt::cyan, 60), 15);
    EXPECT_GT(CountNear(a, QRect(20, 19, 9, 10), Qt::cyan, 90), 3);
    EXPECT_EQ(QColor(a.pixel(0, 0)), QColor(Qt::darkCyan));
    // A grey Q: the inverse of mid-grey is grey too; the letter must still stand out.
    const QImage q = Tile('Q', false);
    EXPECT_GT(CountNear(q, QRect(7, 5, 14, 16), Qt::white, 40) +
                  CountNear(q, QRect(7, 5, 14, 16), Qt::black, 40),
              15);
    // A joker: white, its letter green, no value; the underline when asked.
    const QImage joker = Tile('e', true);
    EXPECT_EQ(CountNear(joker, QRect(6, 24, 1, 1), Qt::white, 25), 1);
    EXPECT_GT(CountNear(joker, joker.rect(), QColor(0, 128, 0), 50), 20);
    EXPECT_EQ(CountNear(joker, QRect(21, 19, 6, 7), Qt::black, 80), 0);
    TileLook underline;
    underline.underline = true;
    EXPECT_GT(CountNear(Tile('e', true, underline), QRect(7, 20, 16, 8), Qt::black, 30),
              CountNear(joker, QRect(7, 20, 16, 8), Qt::black, 30) + 15);
    // A dulled tile is less saturated; a pressed one dark where a plain one is light.
    TileLook grey, selected;
    grey.grey = true;
    selected.selected = true;
    const QImage plain = Tile('E', false), dull = Tile('E', false, grey),
                 pressed = Tile('E', false, selected);
    EXPECT_LT(QColor(dull.pixel(6, 24)).saturation(), QColor(plain.pixel(6, 24)).saturation() - 60);
    EXPECT_LT(qGray(pressed.pixel(5, 5)), qGray(plain.pixel(5, 5)) - 40);
    EXPECT_GT(qGray(pressed.pixel(15, 27)), qGray(plain.pixel(15, 27)) + 25);
}

TEST(WordyBoardPicture, ScreenshotWithTiles)
{
    QImage shot(kPictureSide, kPictureSide + 50, QImage::Format_RGB32);
    shot.fill(QColor(0, 50, 57));
    QPainter painter(&shot);
    painter.drawImage(0, 0, BoardPicture());
    // Board tiles sit at the top left of their squares, as on the game
    // surface; below, a rack in every look.
    TileLook grey, selected, proposal, underline;
    grey.grey = selected.selected = proposal.proposal = underline.underline = true;
    const struct {
        QPoint at;
        char letter;
        TileLook look;
    } tiles[] = {{SquareRect(4, 1).topLeft(), 'Z', {}}, {SquareRect(5, 1).topLeft(), 'O', {}},
                 {SquareRect(6, 1).topLeft(), 'O', {}}, {SquareRect(5, 7).topLeft(), 'W', {}},
                 {SquareRect(6, 7).topLeft(), 'O', {}}, {SquareRect(7, 7).topLeft(), 'R', {}},
                 {SquareRect(8, 7).topLeft(), 'D', {}}, {SquareRect(9, 7).topLeft(), 'Y', {}},
                 {SquareRect(7, 8).topLeft(), 'e', {}}, {QPoint(21, 530), 'J', {}},
                 {QPoint(53, 530), 'V', selected},      {QPoint(85, 530), 'B', grey},
                 {QPoint(117, 530), 'H', proposal},     {QPoint(149, 530), '*', underline}};
    for (const auto &tile : tiles)
        wordy_ui::DrawTile(painter, QRect(tile.at, QSize(kTileSide, kTileSide)), tile.letter,
                           wordy::ColourCode(tile.letter), tile.letter == '*' || tile.letter == 'e',
                           tile.look);
    painter.end();
    QDir().mkpath(QStringLiteral(LUDORINE_SCREENSHOT_DIR));
    ASSERT_TRUE(shot.save(QStringLiteral(LUDORINE_SCREENSHOT_DIR "/wordy_board.png")));
}
