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

// The smallest rectangle holding the pixels near a colour.
QRect InkBounds(const QImage &image, const QColor &colour, int tolerance)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (CountNear(image, QRect(x, y, 1, 1), colour, tolerance) == 1)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QImage Tile(int side, char letter, bool joker, const TileLook &look = {})
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QPainter painter(&image);
    keyword_ui::DrawTile(painter, image.rect(), letter, joker, look);
    return image;
}

// A key picture black on its left half and white on its right half.
QImage HalfBlackKey()
{
    QImage key(20, 20, QImage::Format_RGB32);
    key.fill(Qt::white);
    QPainter(&key).fillRect(0, 0, 10, 20, Qt::black);
    return key;
}

int Brightness(const QImage &image, const QRect &area)
{
    int sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum;
}

} // namespace

TEST(KeyWordBoardPicture, SquareColoursAtTwoSizes)
{
    for (int s : {30, 13}) {
        const QImage picture = BoardPicture(s, QImage());
        ASSERT_EQ(picture.size(), QSize(20 * s, 20 * s)) << s;
        EXPECT_EQ(BoardGeometry(s).SquareRect(3, 2), QRect(3 * s, 2 * s, s, s));
        const auto centre = [&](int col, int row) {
            return QColor(picture.pixel(s * col + s / 2, s * row + s / 4));
        };
        for (int row = 1; row <= keyword::kBoardSize; ++row)
            for (int col = 1; col <= keyword::kBoardSize; ++col)
                if (!keyword::InCentralCross(col, row)) {
                    EXPECT_EQ(centre(col, row), SquareColour(keyword::SquareKind(col, row)))
                        << s << ": " << col << "," << row;
                }
        EXPECT_EQ(centre(1, 1), QColor(255, 0, 0));
        EXPECT_EQ(centre(19, 1), QColor(0, 0, 255));
        EXPECT_EQ(centre(19, 19), QColor(255, 255, 0));
        EXPECT_EQ(centre(1, 19), QColor(0, 128, 0));
        EXPECT_EQ(centre(8, 9), QColor(240, 240, 240));
        // Without a key picture a key square is its quarter's colour.
        EXPECT_EQ(centre(18, 2), QColor(255, 0, 0));
        EXPECT_EQ(QColor(picture.pixel(10 * s + 1, 10 * s + 1)), SquareColour(keyword::kCross));
        // A grid line between A1 and A2.
        EXPECT_NE(QColor(picture.pixel(2 * s, s + s / 2)), QColor(255, 0, 0));
    }
}

TEST(KeyWordBoardPicture, KeyPictureIsAndedOntoKeySquares)
{
    const int s = 30;
    const QImage picture = BoardPicture(s, HalfBlackKey());
    // B18, red key: black where the key picture is black, red where it is white.
    const QRect b18(18 * s, 2 * s, s, s);
    EXPECT_EQ(QColor(picture.pixel(b18.left() + 5, b18.top() + 15)), QColor(Qt::black));
    EXPECT_EQ(QColor(picture.pixel(b18.left() + 24, b18.top() + 15)), QColor(255, 0, 0));
    // D16, green key; R2, blue key; B2, yellow key.
    EXPECT_EQ(QColor(picture.pixel(16 * s + 24, 4 * s + 15)), QColor(0, 128, 0));
    EXPECT_EQ(QColor(picture.pixel(2 * s + 24, 18 * s + 15)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(picture.pixel(2 * s + 24, 2 * s + 15)), QColor(255, 255, 0));
    EXPECT_EQ(QColor(picture.pixel(2 * s + 5, 2 * s + 15)), QColor(Qt::black));
    // Squares that are not keys are untouched: B17 is blue, B3 red.
    EXPECT_EQ(QColor(picture.pixel(17 * s + 5, 2 * s + 15)), QColor(0, 0, 255));
    EXPECT_EQ(QColor(picture.pixel(3 * s + 5, 2 * s + 15)), QColor(255, 0, 0));

    // The program's own key: darker than a plain red square, but red
    // around the key, never another colour.
    const QImage withKey = BoardPicture(s, KeyPicture());
    const QRect inner = b18.adjusted(2, 2, -2, -2);
    const QRect plain = inner.translated(-15 * s, 0); // B3, plain red
    EXPECT_LT(Brightness(withKey, inner), Brightness(withKey, plain) * 4 / 5);
    EXPECT_GT(CountNear(withKey, inner, QColor(255, 0, 0), 0), inner.width() * inner.height() / 3);
    EXPECT_GT(CountNear(withKey, inner, QColor(0, 0, 0), 60), 40);
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            EXPECT_LE(qGreen(withKey.pixel(x, y)) + qBlue(withKey.pixel(x, y)), 0) << x << "," << y;
}

TEST(KeyWordBoardPicture, CrossReadsCleBothWays)
{
    for (int s : {30, 16}) {
        const QImage picture = BoardPicture(s, QImage());
        const auto square = [&](int col, int row) { return picture.copy(col * s, row * s, s, s); };
        const QImage j9 = square(9, 10), j10 = square(10, 10), j11 = square(11, 10);
        const QImage i10 = square(10, 9), k10 = square(10, 11);
        for (const QImage &letter : {j9, j10, j11, i10, k10})
            EXPECT_GT(CountNear(letter, letter.rect(), CrossInk(), 40), s / 2) << s;
        // C, L, E across; the same C above and E below the shared L.
        EXPECT_EQ(j9, i10) << s;
        EXPECT_EQ(j11, k10) << s;
        EXPECT_NE(j9, j10) << s;
        EXPECT_NE(j10, j11) << s;
        EXPECT_NE(j9, j11) << s;
        // Which letter is which: drawn alone, each matches its square.
        for (const auto &[col, text] : {std::pair{9, 'C'}, {10, 'L'}, {11, 'E'}}) {
            QImage alone(s, s, QImage::Format_RGB32);
            alone.fill(Qt::black);
            QPainter painter(&alone);
            painter.setFont(scrabble_ui::PixelFont(std::max(6, s * 3 / 5), true));
            painter.setPen(Qt::white);
            painter.drawText(alone.rect(), Qt::AlignCenter, QString(QChar(text)));
            painter.end();
            const QImage drawn = square(col, 10);
            int agree = 0, ink = 0;
            for (int y = 1; y < s; ++y)
                for (int x = 1; x < s; ++x) {
                    const bool inkAlone = qGray(alone.pixel(x, y)) > 200;
                    ink += inkAlone;
                    agree += inkAlone && qGray(drawn.pixel(x, y)) > 200;
                }
            EXPECT_GT(agree, ink * 9 / 10) << s << " " << text;
        }
    }
}

TEST(KeyWordBoardPicture, LabelsOnlyWhenTheyFit)
{
    EXPECT_TRUE(LabelsFit(30));
    EXPECT_TRUE(LabelsFit(20));
    EXPECT_FALSE(LabelsFit(10));
    // Fitting is monotonic: once labels fit, they fit on every larger board.
    int smallest = 0;
    for (int s = 40; s >= 5 && LabelsFit(s); --s)
        smallest = s;
    for (int s = 5; s < smallest; ++s)
        EXPECT_FALSE(LabelsFit(s)) << s;
    // At the smallest fitting size neighbouring numbers stay apart: the
    // column between "10" and "11" has no ink.
    {
        const QImage picture = BoardPicture(smallest, QImage());
        bool gap = false;
        for (int x = 11 * smallest - 2; x <= 11 * smallest + 1; ++x)
            gap |= CountNear(picture, QRect(x, 0, 1, smallest), Qt::white, 120) == 0;
        EXPECT_TRUE(gap) << smallest;
    }
    const auto labelInk = [](int s) {
        const QImage picture = BoardPicture(s, QImage());
        int columns = 0, rows = 0;
        for (int i = 1; i <= 19; ++i) {
            columns += CountNear(picture, QRect(i * s, 0, s, s), Qt::white, 60) > 2;
            rows += CountNear(picture, QRect(0, i * s, s, s), Qt::white, 60) > 2;
        }
        return std::pair{columns, rows};
    };
    EXPECT_EQ(labelInk(30), (std::pair{19, 19}));
    EXPECT_EQ(labelInk(20), (std::pair{19, 19}));
    EXPECT_EQ(labelInk(10), (std::pair{0, 0}));
    EXPECT_EQ(labelInk(smallest - 1), (std::pair{0, 0}));
    // The corner between the bands stays empty.
    const QImage picture = BoardPicture(30, QImage());
    EXPECT_EQ(CountNear(picture, QRect(0, 0, 30, 30), BandColour(), 0), 900);
}

TEST(KeyWordTile, FaceBevelAndLetterAtTwoSizes)
{
    const QColor face(255, 206, 148), blue(0, 0, 255);
    for (int side : {30, 12}) {
        const QImage tile = Tile(side, 'W', false);
        // The face, light top-left edge, dark bottom-right edge.
        EXPECT_EQ(QColor(tile.pixel(side / 2, 1)), face) << side;
        EXPECT_EQ(QColor(tile.pixel(0, side / 2)), QColor(247, 239, 222)) << side;
        EXPECT_EQ(QColor(tile.pixel(side - 1, side / 2)), QColor(99, 74, 57)) << side;
        EXPECT_EQ(QColor(tile.pixel(side / 2, side - 2)), QColor(206, 189, 140)) << side;
        // The letter in blue, inside the tile without touching its edges.
        const QRect ink = InkBounds(tile, blue, 100);
        ASSERT_FALSE(ink.isNull()) << side;
        EXPECT_GE(ink.left(), 1) << side;
        EXPECT_LE(ink.right(), side - 2) << side;
        EXPECT_GE(ink.top(), 1) << side;
        EXPECT_LE(ink.bottom(), side - 2) << side;
        EXPECT_GT(ink.width(), side / 4) << side;
    }
    // The size steps down by 2 points from 14 until the letter fits.
    EXPECT_EQ(LetterPointSize(30, 'W'), 14);
    EXPECT_EQ(LetterPointSize(3, 'W'), 4);
    int previous = 14;
    for (int side = 30; side >= 3; --side) {
        const int points = LetterPointSize(side, 'M');
        EXPECT_EQ(points % 2, 0);
        EXPECT_LE(points, previous) << side;
        previous = points;
    }
    EXPECT_LT(LetterPointSize(12, 'W'), 14);
    EXPECT_GE(LetterPointSize(12, 'W'), 4);
}

TEST(KeyWordTile, JokersSelectionAndFaceAlone)
{
    const QColor green(0, 128, 0), blue(0, 0, 255);
    const QImage joker = Tile(30, 'e', true);
    EXPECT_GT(CountNear(joker, joker.rect(), green, 60), 15);
    EXPECT_EQ(CountNear(joker, joker.rect(), blue, 100), 0);
    // A letter tile is written in upper case whatever it is given; a joker
    // keeps the lower case of the letter it plays.
    EXPECT_EQ(Tile(30, 'a', false), Tile(30, 'A', false));
    EXPECT_NE(Tile(30, 'e', true), Tile(30, 'E', true));
    const QImage blank = Tile(30, '*', true);
    EXPECT_GT(CountNear(blank, blank.rect(), green, 60), 4);
    const QImage small = Tile(12, 'e', true);
    EXPECT_GT(CountNear(small, small.rect().adjusted(1, 1, -1, -1), green, 80), 3);

    // Selected: a black frame; a selected joker in the highlight colours,
    // with the double underline only when asked.
    TileLook selected;
    selected.selected = true;
    const QImage framed = Tile(30, 'A', false, selected);
    EXPECT_EQ(CountNear(framed, QRect(0, 0, 30, 1), Qt::black, 0), 30);
    EXPECT_EQ(CountNear(framed, QRect(0, 0, 1, 30), Qt::black, 0), 30);
    const QPalette palette = QGuiApplication::palette();
    const QImage chosen = Tile(30, 'e', true, selected);
    EXPECT_GT(CountNear(chosen, chosen.rect(), palette.color(QPalette::Highlight), 10), 60);
    EXPECT_EQ(CountNear(chosen, chosen.rect(), green, 30), 0);
    TileLook blinking = selected;
    blinking.underline = true;
    const QImage underlined = Tile(30, 'e', true, blinking);
    const QColor text = palette.color(QPalette::HighlightedText);
    EXPECT_GE(CountNear(underlined, underlined.rect(), text, 10),
              CountNear(chosen, chosen.rect(), text, 10) + 2 * 8);

    // A tile in the bag: the face without any ink.
    const QImage face = Tile(30, 0, false);
    EXPECT_EQ(CountNear(face, QRect(2, 2, 26, 26), QColor(255, 206, 148), 0), 26 * 26);
}

TEST(KeyWordColours, PlayersAndBag)
{
    const std::pair<QColor, QColor> expected[] = {{QColor(255, 0, 0), QColor(0, 255, 255)},
                                                  {QColor(0, 0, 255), QColor(255, 255, 0)},
                                                  {QColor(255, 255, 0), QColor(255, 127, 255)},
                                                  {QColor(0, 128, 0), QColor(0, 0, 255)}};
    for (int colour = 1; colour <= 4; ++colour) {
        EXPECT_EQ(PlayerColour(colour), expected[colour - 1].first) << colour;
        EXPECT_EQ(PlayerTextColour(colour), expected[colour - 1].second) << colour;
        EXPECT_EQ(SquareColour(colour), PlayerColour(colour));
        EXPECT_EQ(SquareColour(keyword::KeyCode(colour)), PlayerColour(colour));
    }

    QImage bag(60, 40, QImage::Format_RGB32);
    bag.fill(Qt::black);
    QPainter painter(&bag);
    DrawBagArea(painter, QRect(10, 5, 40, 30));
    painter.end();
    const int background = CountNear(bag, QRect(10, 5, 40, 30), BagBackground(), 0);
    const int hatch = CountNear(bag, QRect(10, 5, 40, 30), BagHatch(), 0);
    EXPECT_EQ(background + hatch, 40 * 30);
    EXPECT_GT(hatch, 100);
    EXPECT_GT(background, hatch);
    EXPECT_GT(BagBackground().green(), 200);
    EXPECT_GT(BagHatch().green(), BagHatch().red());
    // Nothing outside the area.
    EXPECT_EQ(CountNear(bag, QRect(0, 0, 10, 40), Qt::black, 0), 400);
}

TEST(KeyWordPicture, SpellsTheWordFromTheStrip)
{
    // A strip whose cell k is filled with a grey of 10 k.
    QImage strip(26 * 30, 30, QImage::Format_RGB32);
    {
        QPainter painter(&strip);
        for (int k = 0; k < 26; ++k)
            painter.fillRect(30 * k, 0, 30, 30, QColor(10 * k, 10 * k, 10 * k));
    }
    const QImage cle = KeyWordPicture("CLE", strip);
    ASSERT_EQ(cle.size(), QSize(90, 30));
    EXPECT_EQ(qRed(cle.pixel(0, 0)), 20);
    EXPECT_EQ(qRed(cle.pixel(29, 29)), 20);
    EXPECT_EQ(qRed(cle.pixel(45, 15)), 110);
    EXPECT_EQ(qRed(cle.pixel(89, 29)), 40);
    EXPECT_EQ(KeyWordPicture("cle", strip), cle);
    EXPECT_EQ(KeyWordPicture("ZOO", strip).pixel(5, 5), qRgb(250, 250, 250));

    // With the program's own strip: the tooltip background around letters
    // of the strip's ink, three different letters.
    const QColor tooltip = QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipBase);
    const QImage real = KeyWordPicture("CLE", LetterStripPicture());
    ASSERT_EQ(real.size(), QSize(90, 30));
    EXPECT_EQ(QColor(real.pixel(0, 0)), tooltip);
    for (int i = 0; i < 3; ++i)
        EXPECT_GT(30 * 30 - CountNear(real, QRect(30 * i, 0, 30, 30), tooltip, 8), 40) << i;
    EXPECT_NE(real.copy(0, 0, 30, 30), real.copy(30, 0, 30, 30));
    EXPECT_NE(real.copy(30, 0, 30, 30), real.copy(60, 0, 30, 30));
    EXPECT_TRUE(KeyWordPicture("", strip).isNull());
}

TEST(KeyWordBoardPicture, ScreenshotsWithTiles)
{
    for (int s : {30, 16}) {
        QImage shot(32 * s, 21 * s, QImage::Format_RGB32);
        shot.fill(BandColour());
        QPainter painter(&shot);
        painter.drawImage(0, 0, BoardPicture(s, KeyPicture()));
        TileLook selected, underline;
        selected.selected = true;
        underline.selected = underline.underline = true;
        // CLEF across J9..J12, then OSE down from the F... a few tiles in
        // every look, and a rack with the bag beside the board.
        const struct {
            int col, row;
            char letter;
            bool joker;
            TileLook look;
        } tiles[] = {{9, 10, 'C', false, {}},  {10, 10, 'L', false, {}}, {11, 10, 'E', false, {}},
                     {12, 10, 'F', false, {}}, {12, 11, 'e', true, {}},  {12, 12, 'R', false, selected},
                     {12, 13, 'M', false, {}}, {12, 14, 'E', false, {}}, {13, 14, 'W', false, {}}};
        for (const auto &tile : tiles)
            keyword_ui::DrawTile(painter, QRect(tile.col * s, tile.row * s, s, s), tile.letter, tile.joker,
                                 tile.look);
        const char rack[] = "KEYWORD*aB";
        for (int k = 0; k < 10; ++k)
            keyword_ui::DrawTile(painter, QRect(20 * s + s / 4 + k * (s + s / 10), s, s, s), rack[k],
                                 rack[k] == '*' || k == 8, k == 8 ? underline : TileLook{});
        DrawBagArea(painter, QRect(20 * s + s / 4, 15 * s, 11 * s, 5 * s));
        keyword_ui::DrawTile(painter, QRect(22 * s, 16 * s, s, s), 0, false);
        painter.drawImage(20 * s + s / 4, 10 * s, KeyWordPicture("CLE", LetterStripPicture()));
        painter.end();
        QDir().mkpath(QStringLiteral(LUDORINE_SCREENSHOT_DIR));
        ASSERT_TRUE(shot.save(QStringLiteral(LUDORINE_SCREENSHOT_DIR "/keyword_board_%1.png").arg(s)));
    }
}
