// SPDX-License-Identifier: GPL-3.0-or-later
// The Duplicate board drawn at the size of its widget: where the squares lie
// and which square a point falls on, the colours of the premiums and tiles
// in the picture, the labels dropped on a tiny board, the blinking cursor,
// and what the view passes on: clicks, typing keys and the status text.
#include "scrabble/windows/board_painter.h"
#include "scrabble/windows/duplicate_board_view.h"
#include "window_test_support.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

using scrabble::Premium;
using scrabble_ui::BoardGeometry;
using scrabble_ui::DuplicateBoard;
using scrabble_ui::DuplicateBoardView;

using window_tests::CountPixels;
using window_tests::SaveScreenshot;

namespace {

QColor Expected(Premium premium)
{
    switch (premium) {
    case Premium::WordTriple:
        return QColor(255, 0, 0);
    case Premium::WordDouble:
        return QColor(254, 180, 180);
    case Premium::LetterTriple:
        return QColor(0, 0, 255);
    case Premium::LetterDouble:
        return QColor(160, 255, 255);
    case Premium::None:
        break;
    }
    return QColor(255, 255, 255);
}

bool Green(const QColor &c)
{
    return c.green() > c.red() + 40 && c.green() > c.blue() + 40;
}
bool Blue(const QColor &c)
{
    return c.blue() > c.red() + 60 && c.blue() > c.green() + 60;
}
bool Red(const QColor &c)
{
    return c.red() > c.green() + 60 && c.red() > c.blue() + 60;
}
bool Light(const QColor &c)
{
    return c.lightness() > 160;
}

const QColor kFace(255, 206, 148);
const QColor kBand(0, 50, 57);

DuplicateBoard SampleBoard()
{
    DuplicateBoard board;
    board.At(8, 8) = {'M', 1, false};
    board.At(9, 8) = {'O', 1, false};
    board.At(10, 8) = {'T', 1, false};
    board.At(9, 9) = {'e', 1, true};
    board.At(9, 10) = {'I', 0, false};
    board.At(9, 11) = {'L', 0, false};
    board.cursorCol = 9;
    board.cursorRow = 12;
    board.cursorShown = true;
    return board;
}

} // namespace

TEST(DuplicateBoardGeometry, SquaresFollowTheWindowSizeAndPointsMapBack)
{
    struct Case {
        QSize area;
        int square;
    };
    // min(width, height) / 17, never under 5.
    for (const Case &c : {Case{{510, 510}, 30}, Case{{800, 391}, 23}, Case{{400, 1000}, 23},
                          Case{{170, 170}, 10}, Case{{84, 84}, 5}, Case{{30, 900}, 5}, Case{{0, 0}, 5}}) {
        const BoardGeometry g = BoardGeometry::Fitting(c.area);
        const int s = c.square;
        ASSERT_EQ(g.SquareSize(), s) << c.area.width() << "x" << c.area.height();
        EXPECT_EQ(g.BoardRect(), QRect(s, s, 15 * s, 15 * s));
        for (int row = 1; row <= 15; ++row)
            for (int col = 1; col <= 15; ++col) {
                const QRect r = g.SquareRect(col, row);
                ASSERT_EQ(r, QRect(col * s, row * s, s, s));
                // Both corners of the square belong to it, the next pixel does not.
                EXPECT_EQ(g.SquareAt(r.topLeft()), QPoint(col, row));
                EXPECT_EQ(g.SquareAt(r.bottomRight()), QPoint(col, row));
                if (col < 15) {
                    EXPECT_EQ(g.SquareAt(r.topRight() + QPoint(1, 0)), QPoint(col + 1, row));
                }
            }
        // The label bands and what lies past the last square are no square.
        EXPECT_FALSE(g.SquareAt(QPoint(s - 1, 5 * s)));
        EXPECT_FALSE(g.SquareAt(QPoint(5 * s, s - 1)));
        EXPECT_FALSE(g.SquareAt(QPoint(16 * s, 5 * s)));
        EXPECT_FALSE(g.SquareAt(QPoint(5 * s, 16 * s)));
        EXPECT_FALSE(g.SquareAt(QPoint(-1, -1)));
        EXPECT_EQ(g.ColumnLabelRect(15), QRect(15 * s, 0, s, s));
        EXPECT_EQ(g.RowLabelRect(1), QRect(0, s, s, s));
    }
}

TEST(DuplicateBoardGeometry, TheClassicPictureKeepsItsPlaces)
{
    const BoardGeometry g = BoardGeometry::Classic();
    EXPECT_EQ(g.SquareRect(1, 1), QRect(18, 18, 30, 30));
    EXPECT_EQ(g.SquareRect(15, 15), QRect(18 + 14 * 30, 18 + 14 * 30, 30, 30));
    EXPECT_EQ(scrabble_ui::BoardPicture().size(), QSize(486, 486));
    EXPECT_EQ(g.SquareAt(QPoint(17, 17)), std::nullopt);
    EXPECT_EQ(g.SquareAt(QPoint(18 + 7 * 30 + 29, 18 + 7 * 30)), QPoint(8, 8));
}

TEST(DuplicateBoardPicture, PremiumColoursLabelsAndTilesAtSeveralSizes)
{
    const auto &layout = scrabble::BoardLayout::Classic();
    for (int side : {510, 280, 221, 84}) {
        DuplicateBoardView view;
        view.resize(side, side + 40);
        DuplicateBoard board = SampleBoard();
        board.cursorShown = false;
        view.SetBoard(board);
        const QImage picture = view.Picture();
        const BoardGeometry g = view.Geometry();
        const int s = g.SquareSize();
        ASSERT_EQ(s, std::max(5, side / 17));
        EXPECT_EQ(picture.size(), QSize(16 * s + 1, 16 * s + 1));
        for (int row = 1; row <= 15; ++row)
            for (int col = 1; col <= 15; ++col) {
                if (board.At(col, row).state >= 0)
                    continue;
                // Inside the grid line that runs along the top and left edges.
                const QRect inside = g.SquareRect(col, row).adjusted(1, 1, 0, 0);
                const QColor expected = Expected(layout.At(col, row));
                ASSERT_EQ(CountPixels(picture, inside, [&](const QColor &c) { return c != expected; }), 0)
                    << "square " << col << "," << row << " at size " << s;
            }
        // Letters in state 0 and 1 lie on the tile face.
        for (const QPoint square : {QPoint(8, 8), QPoint(9, 9), QPoint(9, 11)}) {
            const QRect r = g.SquareRect(square.x(), square.y());
            const int face = CountPixels(picture, r, [](const QColor &c) { return c == kFace; });
            // The bevel and the letter cover much of a small tile.
            EXPECT_GT(face, s >= 10 ? r.width() * r.height() / 5 : 0)
                << square.x() << "," << square.y() << " size " << s;
        }
        // Labels: white on the band while "15" fits, the bare band otherwise.
        const QRect band = g.ColumnLabelRect(15);
        const int ink = CountPixels(picture, band, Light);
        const int bare =
            CountPixels(picture, band.adjusted(0, 0, -1, -1), [](const QColor &c) { return c == kBand; });
        if (s >= 10) {
            EXPECT_TRUE(scrabble_ui::LabelsFit(g, scrabble_ui::BoardStyle::Duplicate())) << s;
            EXPECT_GT(ink, 4) << s;
        } else {
            EXPECT_FALSE(scrabble_ui::LabelsFit(g, scrabble_ui::BoardStyle::Duplicate())) << s;
            EXPECT_EQ(ink, 0) << s;
            EXPECT_EQ(bare, (s - 1) * (s - 1)) << s;
        }
        if (side == 510 || side == 221)
            SaveScreenshot(picture, QStringLiteral("duplicate_board_%1").arg(s));
    }
}

TEST(DuplicateBoardPicture, InksTellPlayedProposedAndJokerLetters)
{
    DuplicateBoardView view;
    view.resize(510, 510);
    view.SetBoard(SampleBoard());
    const QImage picture = view.Picture();
    const BoardGeometry g = view.Geometry();
    const QRect played = g.SquareRect(8, 8);
    const QRect joker = g.SquareRect(9, 9);
    const QRect proposed = g.SquareRect(9, 10);
    EXPECT_GT(CountPixels(picture, played, Blue), 10);
    EXPECT_EQ(CountPixels(picture, played, Green), 0);
    EXPECT_GT(CountPixels(picture, joker, Green), 10);
    EXPECT_EQ(CountPixels(picture, joker, Blue), 0);
    EXPECT_GT(CountPixels(picture, proposed, Red), 10);
    EXPECT_EQ(CountPixels(picture, proposed, Blue), 0);

    // A joker is always shown in lower case, another letter in upper case,
    // however the window spells them.
    DuplicateBoard spelled = SampleBoard();
    spelled.At(9, 9).letter = 'E';
    spelled.At(8, 8).letter = 'm';
    view.SetBoard(spelled);
    EXPECT_EQ(view.Picture(), picture);
    spelled.At(9, 9).joker = false;
    view.SetBoard(spelled);
    EXPECT_NE(view.Picture().copy(joker), picture.copy(joker));
}

TEST(DuplicateBoardPicture, TheCursorBlinksAsAnUnderline)
{
    for (int side : {510, 90}) {
        DuplicateBoardView view;
        view.resize(side, side);
        DuplicateBoard board = SampleBoard();
        view.SetBoard(board);
        const QRect cursor = view.Geometry().SquareRect(9, 12);
        const auto dark = [](const QColor &c) { return c.lightness() < 40; };
        const int shown = CountPixels(view.Picture(), cursor, dark);
        if (side == 510)
            SaveScreenshot(view.Picture(), QStringLiteral("duplicate_board_cursor"));
        view.SetCursorShown(false);
        EXPECT_FALSE(view.Board().cursorShown);
        const int hidden = CountPixels(view.Picture(), cursor, dark);
        EXPECT_GT(shown, hidden) << side;
        // The underline lies in the lower part of the square.
        view.SetCursorShown(true);
        const QRect upper(cursor.topLeft(), QSize(cursor.width(), cursor.height() / 2));
        EXPECT_EQ(CountPixels(view.Picture(), upper.adjusted(1, 1, 0, 0), dark), 0) << side;
    }
}

TEST(DuplicateBoardView, ClicksAndTypingKeysArePassedOn)
{
    DuplicateBoardView view;
    view.resize(340, 340); // squares of 20
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QSignalSpy clicks(&view, &DuplicateBoardView::squareClicked);
    QSignalSpy keys(&view, &DuplicateBoardView::keyTyped);

    QTest::mouseClick(&view, Qt::LeftButton, {}, view.Geometry().SquareRect(3, 5).center());
    QTest::mouseClick(&view, Qt::LeftButton, {}, view.Geometry().SquareRect(15, 15).bottomRight());
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(5, 100)); // the row letters
    QTest::mouseClick(&view, Qt::RightButton, {}, view.Geometry().SquareRect(1, 1).center());
    ASSERT_EQ(clicks.count(), 3);
    EXPECT_EQ(clicks[0], (QList<QVariant>{3, 5}));
    EXPECT_EQ(clicks[1], (QList<QVariant>{15, 15}));
    EXPECT_EQ(clicks[2], (QList<QVariant>{-1, -1}));
    EXPECT_TRUE(view.hasFocus());

    using Key = DuplicateBoardView::Key;
    const std::vector<std::pair<Qt::Key, Key>> moves = {
        {Qt::Key_Left, Key::Left},     {Qt::Key_Right, Key::Right},        {Qt::Key_Up, Key::Up},
        {Qt::Key_Down, Key::Down},     {Qt::Key_Home, Key::Home},          {Qt::Key_End, Key::End},
        {Qt::Key_PageUp, Key::PageUp}, {Qt::Key_PageDown, Key::PageDown},  {Qt::Key_Space, Key::Space},
        {Qt::Key_Delete, Key::Delete}, {Qt::Key_Backspace, Key::Backspace}};
    for (const auto &[qtKey, key] : moves) {
        keys.clear();
        QTest::keyClick(&view, qtKey);
        ASSERT_EQ(keys.count(), 1) << int(qtKey);
        EXPECT_EQ(keys[0][0].value<Key>(), key);
        EXPECT_TRUE(keys[0][1].toChar().isNull());
    }
    keys.clear();
    QTest::keyClicks(&view, QStringLiteral("eZ1!"));
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"));
    QApplication::sendEvent(&view, &accented);
    ASSERT_EQ(keys.count(), 2); // the digit, the sign and the accented letter are not board keys
    EXPECT_EQ(keys[0][0].value<Key>(), Key::Letter);
    EXPECT_EQ(keys[0][1].toChar(), QLatin1Char('E'));
    EXPECT_EQ(keys[1][1].toChar(), QLatin1Char('Z'));
    keys.clear();
    QTest::keyClick(&view, Qt::Key_N, Qt::ControlModifier); // a menu shortcut
    QTest::keyClick(&view, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(keys.count(), 0);
}

TEST(DuplicateBoardView, StatusOfTheSquareUnderThePointer)
{
    DuplicateBoardView view;
    view.resize(510, 510);
    view.SetBoard(SampleBoard());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QStringList texts;
    view.showStatus = [&](const QString &text) { texts << text; };
    view.describeSquare = [](int col, int row) { return QStringLiteral("case %1,%2").arg(col).arg(row); };
    const BoardGeometry g = view.Geometry();

    QTest::mouseMove(&view, g.SquareRect(8, 8).center());
    QTest::mouseMove(&view, g.SquareRect(8, 8).center() + QPoint(3, 3)); // same square: nothing new
    QTest::mouseMove(&view, g.SquareRect(9, 9).center());
    QTest::mouseMove(&view, g.SquareRect(9, 11).center());
    QTest::mouseMove(&view, g.SquareRect(1, 1).center());
    QTest::mouseMove(&view, QPoint(3, 3)); // the label corner
    // Each new square once, with the rules' text; nothing off the squares.
    EXPECT_EQ(texts, (QStringList{QStringLiteral("case 8,8"), QStringLiteral("case 9,9"),
                                  QStringLiteral("case 9,11"), QStringLiteral("case 1,1"), QString()}));
}
