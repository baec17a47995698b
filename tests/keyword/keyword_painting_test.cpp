// SPDX-License-Identifier: GPL-3.0-or-later
// The KeyWord board picture, tile faces, bag area and key-word picture,
// checked pixel by pixel; screenshots of the board with tiles on it are saved
// for a look by hand.
#include "boardgames/keyword/keyword_board.h"
#include "boardgames/keyword/keyword_painting.h"
#include "boardgames/keyword/keyword_pictures.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QToolTip>

using namespace keyword_ui;
using scrabble_ui::TileLook;

namespace {

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kYellow(255, 255, 0), kGreen(0, 128, 0);

int CountNear(const QImage &image, const QRect &area, const QColor &colour, int tolerance)
{
    int count = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            count += std::abs(qRed(p) - colour.red()) <= tolerance &&
                     std::abs(qGreen(p) - colour.green()) <= tolerance &&
                     std::abs(qBlue(p) - colour.blue()) <= tolerance;
        }
    return count;
}

QImage Tile(int side, char letter, bool joker, const TileLook &look = {})
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QPainter painter(&image);
    keyword_ui::DrawTile(painter, image.rect(), letter, joker, look);
    return image;
}

QColor At(const QImage &image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

} // namespace

TEST(KeyWordBoardPicture, SquareColoursAtTwoSizes)
{
    for (int s : {30, 13}) {
        const QImage picture = BoardPicture(s, QImage());
        ASSERT_EQ(picture.size(), QSize(20 * s, 20 * s)) << s;
        const auto centre = [&](int col, int row) { return At(picture, s * col + s / 2, s * row + s / 4); };
        for (int row = 1; row <= keyword::kBoardSize; ++row)
            for (int col = 1; col <= keyword::kBoardSize; ++col) {
                if (!keyword::InCentralCross(col, row)) {
                    EXPECT_EQ(centre(col, row), SquareColour(keyword::SquareKind(col, row)))
                        << col << "," << row;
                }
            }
        EXPECT_EQ(centre(1, 1), kRed);
        EXPECT_EQ(centre(19, 1), kBlue);
        EXPECT_EQ(centre(19, 19), kYellow);
        EXPECT_EQ(centre(1, 19), kGreen);
        EXPECT_EQ(centre(8, 9), QColor(240, 240, 240));
        EXPECT_EQ(centre(18, 2), kRed); // a key square without a key picture
        EXPECT_EQ(At(picture, 10 * s + 1, 10 * s + 1), SquareColour(keyword::kCross));
        EXPECT_NE(At(picture, 2 * s, s + s / 2), kRed); // the grid line between A1 and A2
    }
}

TEST(KeyWordBoardPicture, KeyPictureIsAndedOntoKeySquares)
{
    const int s = 30;
    QImage halfBlack(20, 20, QImage::Format_RGB32);
    halfBlack.fill(Qt::white);
    QPainter(&halfBlack).fillRect(0, 0, 10, 20, Qt::black);
    const QImage picture = BoardPicture(s, halfBlack);
    // Black where the key picture is black, the square's colour where it is
    // white: B18 (red key), D16 (green), R2 (blue), B2 (yellow).
    for (auto [col, row, colour] :
         {std::tuple{18, 2, kRed}, {16, 4, kGreen}, {2, 18, kBlue}, {2, 2, kYellow}}) {
        EXPECT_EQ(At(picture, col * s + 5, row * s + 15), QColor(Qt::black)) << col << "," << row;
        EXPECT_EQ(At(picture, col * s + 24, row * s + 15), colour) << col << "," << row;
    }
    EXPECT_EQ(At(picture, 17 * s + 5, 2 * s + 15), kBlue); // B17 is no key square
    // Bit by bit, not a blend: 128 AND 85 is 0, 255 AND 85 is 85.
    QImage grey(4, 4, QImage::Format_RGB32);
    grey.fill(QColor(85, 85, 85));
    const QImage anded = BoardPicture(s, grey);
    EXPECT_EQ(At(anded, 16 * s + 15, 4 * s + 15), QColor(0, 0, 0));  // D16 green
    EXPECT_EQ(At(anded, 18 * s + 15, 2 * s + 15), QColor(85, 0, 0)); // B18 red

    // The program's own key darkens B18 but keeps it red: never another hue.
    const QImage withKey = BoardPicture(s, KeyPicture());
    const QRect inner = QRect(18 * s, 2 * s, s, s).adjusted(2, 2, -2, -2);
    EXPECT_GT(CountNear(withKey, inner, Qt::black, 60), 40);
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            EXPECT_EQ(qGreen(withKey.pixel(x, y)) + qBlue(withKey.pixel(x, y)), 0) << x << "," << y;
}

TEST(KeyWordBoardPicture, CrossReadsCleBothWays)
{
    for (int s : {30, 16}) {
        const QImage picture = BoardPicture(s, QImage());
        const auto square = [&](int col, int row) { return picture.copy(col * s, row * s, s, s); };
        // C above and E below the L of J10 are the C and E of J9 and J11.
        EXPECT_EQ(square(9, 10), square(10, 9)) << s;
        EXPECT_EQ(square(11, 10), square(10, 11)) << s;
        // Each square holds its own letter: the square drawn alone with that
        // letter matches it inside the grid lines.
        for (auto [col, text] : {std::pair{9, 'C'}, {10, 'L'}, {11, 'E'}}) {
            QImage alone(s, s, QImage::Format_RGB32);
            alone.fill(SquareColour(keyword::kCross));
            QPainter painter(&alone);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.setFont(scrabble_ui::PixelFont(std::max(6, s * 3 / 5), true));
            painter.setPen(CrossInk());
            painter.drawText(alone.rect(), Qt::AlignCenter, QString(QChar(text)));
            painter.end();
            const QRect inside(1, 1, s - 2, s - 2);
            EXPECT_EQ(square(col, 10).copy(inside), alone.copy(inside)) << s << " " << text;
            EXPECT_GT(CountNear(alone, inside, CrossInk(), 40), s / 2) << s << " " << text;
        }
    }
}

TEST(KeyWordBoardPicture, LabelsOnlyWhenTheyFit)
{
    int smallest = 0;
    for (int s = 40; s >= 5 && LabelsFit(s); --s)
        smallest = s;
    ASSERT_GT(smallest, 10);
    ASSERT_LE(smallest, 20);
    const auto labelled = [](int s) {
        const QImage picture = BoardPicture(s, QImage());
        int columns = 0, rows = 0;
        for (int i = 1; i <= 19; ++i) {
            columns += CountNear(picture, QRect(i * s, 0, s, s), Qt::white, 60) > 2;
            rows += CountNear(picture, QRect(0, i * s, s, s), Qt::white, 60) > 2;
        }
        return std::pair{columns, rows};
    };
    EXPECT_EQ(labelled(30), (std::pair{19, 19}));
    EXPECT_EQ(labelled(smallest), (std::pair{19, 19}));
    EXPECT_EQ(labelled(smallest - 1), (std::pair{0, 0}));
    // At the smallest size that has them, "10" and "11" stay apart.
    const QImage picture = BoardPicture(smallest, QImage());
    bool gap = false;
    for (int x = 11 * smallest - 2; x <= 11 * smallest + 1; ++x)
        gap |= CountNear(picture, QRect(x, 0, 1, smallest), Qt::white, 120) == 0;
    EXPECT_TRUE(gap) << smallest;
}

TEST(KeyWordTile, FaceBevelAndLetterAtTwoSizes)
{
    for (int side : {30, 12}) {
        const QImage tile = Tile(side, 'W', false);
        EXPECT_EQ(At(tile, side / 2, 1), QColor(255, 206, 148)) << side;
        EXPECT_EQ(At(tile, 0, side / 2), QColor(247, 239, 222)) << side;
        EXPECT_EQ(At(tile, side - 1, side / 2), QColor(99, 74, 57)) << side;
        EXPECT_EQ(At(tile, side / 2, side - 2), QColor(206, 189, 140)) << side;
        // The letter in blue, wide enough to read, clear of the edges.
        QRect ink;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (CountNear(tile, QRect(x, y, 1, 1), kBlue, 100))
                    ink |= QRect(x, y, 1, 1);
        EXPECT_TRUE(tile.rect().adjusted(1, 1, -1, -1).contains(ink)) << side;
        EXPECT_GT(ink.width(), side / 4) << side;
    }
    // 14 points when there is room, 4 at the least.
    EXPECT_EQ(LetterPointSize(30, 'W'), 14);
    EXPECT_EQ(LetterPointSize(3, 'W'), 4);
    // A letter tile is written in upper case, a joker keeps its lower case.
    EXPECT_EQ(Tile(30, 'a', false), Tile(30, 'A', false));
    EXPECT_NE(Tile(30, 'e', true), Tile(30, 'E', true));
    // In the bag: the face without ink.
    EXPECT_EQ(CountNear(Tile(30, 0, false), QRect(2, 2, 26, 26), QColor(255, 206, 148), 0), 26 * 26);
}

TEST(KeyWordTile, JokersAndSelection)
{
    for (int side : {30, 12}) {
        const QImage joker = Tile(side, 'e', true);
        EXPECT_GT(CountNear(joker, joker.rect(), kGreen, 80), 3) << side;
        EXPECT_EQ(CountNear(joker, joker.rect(), kBlue, 100), 0) << side;
    }
    TileLook selected;
    selected.selected = true;
    const QImage framed = Tile(30, 'A', false, selected);
    EXPECT_EQ(CountNear(framed, QRect(0, 0, 30, 1), Qt::black, 0) +
                  CountNear(framed, QRect(0, 0, 1, 30), Qt::black, 0),
              60);
    // A selected joker: the highlight colours instead of green, and the
    // double underline only when asked.
    const QPalette palette = QGuiApplication::palette();
    const QImage chosen = Tile(30, 'e', true, selected);
    EXPECT_GT(CountNear(chosen, chosen.rect(), palette.color(QPalette::Highlight), 10), 60);
    EXPECT_EQ(CountNear(chosen, chosen.rect(), kGreen, 30), 0);
    TileLook blinking = selected;
    blinking.underline = true;
    const QColor text = palette.color(QPalette::HighlightedText);
    EXPECT_GE(CountNear(Tile(30, 'e', true, blinking), chosen.rect(), text, 10),
              CountNear(chosen, chosen.rect(), text, 10) + 2 * 8);
}

TEST(KeyWordColours, BagAreaHatchedLightGreen)
{
    QImage bag(60, 40, QImage::Format_RGB32);
    bag.fill(Qt::black);
    QPainter painter(&bag);
    DrawBagArea(painter, QRect(10, 5, 40, 30));
    painter.end();
    const int background = CountNear(bag, QRect(10, 5, 40, 30), BagBackground(), 0);
    const int hatch = CountNear(bag, QRect(10, 5, 40, 30), BagHatch(), 0);
    EXPECT_EQ(background + hatch, 40 * 30);
    EXPECT_GT(hatch, 100);
    EXPECT_GT(BagHatch().green(), std::max(BagHatch().red(), BagHatch().blue()) + 60);
    EXPECT_EQ(CountNear(bag, QRect(0, 0, 10, 40), Qt::black, 0), 400); // nothing outside
}

TEST(KeyWordPicture, SpellsTheWordFromTheStrip)
{
    // A strip whose cell k is a grey of 10 k.
    QImage strip(26 * 30, 30, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int k = 0; k < 26; ++k)
        painter.fillRect(30 * k, 0, 30, 30, QColor(10 * k, 10 * k, 10 * k));
    painter.end();
    const QImage cle = KeyWordPicture("CLE", strip);
    ASSERT_EQ(cle.size(), QSize(90, 30));
    EXPECT_EQ(qRed(cle.pixel(0, 0)), 20);
    EXPECT_EQ(qRed(cle.pixel(29, 29)), 20);
    EXPECT_EQ(qRed(cle.pixel(45, 15)), 110);
    EXPECT_EQ(qRed(cle.pixel(89, 29)), 40);
    EXPECT_EQ(KeyWordPicture("cle", strip), cle);
    EXPECT_TRUE(KeyWordPicture("", strip).isNull());
    // The program's strip is transparent around its letters: the tooltip
    // background shows there.
    const QImage real = KeyWordPicture("ZOO", LetterStripPicture());
    EXPECT_EQ(At(real, 0, 0), QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipBase));
    EXPECT_NE(real.copy(0, 0, 30, 30), real.copy(30, 0, 30, 30));
    EXPECT_EQ(real.copy(30, 0, 30, 30), real.copy(60, 0, 30, 30));
}

TEST(KeyWordBoardPicture, ScreenshotsWithTiles)
{
    for (int s : {30, 16}) {
        QImage shot(32 * s, 21 * s, QImage::Format_RGB32);
        shot.fill(BandColour());
        QPainter painter(&shot);
        painter.drawImage(0, 0, BoardPicture(s, KeyPicture()));
        TileLook selected, underline;
        selected.selected = underline.selected = underline.underline = true;
        // CLEF across the cross, FeRME down from its F with a joker, a rack
        // in every look, the bag and the key word beside the board.
        const char *const across = "CLEF", *const down = "eRME";
        for (int i = 0; i < 4; ++i) {
            keyword_ui::DrawTile(painter, QRect((9 + i) * s, 10 * s, s, s), across[i], false);
            keyword_ui::DrawTile(painter, QRect(12 * s, (11 + i) * s, s, s), down[i], i == 0,
                                 i == 1 ? selected : TileLook{});
        }
        const char rack[] = "KEYWORD*aB";
        for (int k = 0; k < 10; ++k)
            keyword_ui::DrawTile(painter, QRect(20 * s + s / 4 + k * (s + s / 10), s, s, s), rack[k],
                                 k == 7 || k == 8, k == 8 ? underline : TileLook{});
        DrawBagArea(painter, QRect(20 * s + s / 4, 15 * s, 11 * s, 5 * s));
        keyword_ui::DrawTile(painter, QRect(22 * s, 16 * s, s, s), 0, false);
        painter.drawImage(20 * s + s / 4, 10 * s, KeyWordPicture("CLE", LetterStripPicture()));
        painter.end();
        QDir().mkpath(QStringLiteral(LUDORINE_SCREENSHOT_DIR));
        ASSERT_TRUE(shot.save(QStringLiteral(LUDORINE_SCREENSHOT_DIR "/keyword_board_%1.png").arg(s)));
    }
}
