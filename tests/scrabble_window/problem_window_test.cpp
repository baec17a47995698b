// SPDX-License-Identifier: GPL-3.0-or-later
// The Scrabble problems window through its own controls: a position typed
// with the keyboard on the board, the draw fields, "Calcule" with the real
// dictionary, the solutions list sorted, chosen and copied, the menu entry
// of the main window and its help page.
#include "support/main_form_fixture.h"
#include "window_test_support.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "framework/help_window.h"
#include "scrabble/windows/duplicate_board_view.h"
#include "scrabble/windows/problem_window.h"

namespace {

QPoint SquarePoint(const TFPBScrabble &w, int col, int row)
{
    return w.BoardView->Geometry().SquareRect(col, row).center();
}

void Click(TFPBScrabble &w, int col, int row)
{
    QTest::mouseClick(w.BoardView, Qt::LeftButton, Qt::NoModifier, SquarePoint(w, col, row));
}

std::string Row(const TFPBScrabble &w, int row, int from, int to)
{
    std::string text;
    for (int col = from; col <= to; ++col)
        text += w.Board().At(col, row).letter;
    return text;
}

} // namespace

TEST(ProblemWindow, APositionTypedThenSolvedChosenSortedAndCopied)
{
    TFPBScrabble w(QStringLiteral(LUDORINE_TEST_DICTIONARY));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    // The draw fields start with LUDORINE.
    QString draw;
    for (QLineEdit *field : w.Tirage)
        draw += field->text();
    EXPECT_EQ(draw, QStringLiteral("LUDORINE"));

    // MAISON across row H from column 5, then Backspace and Space.
    Click(w, 5, 8);
    QTest::keyClicks(w.BoardView, QStringLiteral("maisonx"));
    EXPECT_EQ(Row(w, 8, 5, 11), "MAISONX");
    QTest::keyClick(w.BoardView, Qt::Key_Backspace);
    QTest::keyClick(w.BoardView, Qt::Key_Backspace);
    EXPECT_EQ(Row(w, 8, 5, 11), "MAISON ");
    // TE down from the M: typed under it, the letters go down.
    Click(w, 5, 9);
    QTest::keyClick(w.BoardView, Qt::Key_Up);
    QTest::keyClick(w.BoardView, Qt::Key_Down);
    QTest::keyClicks(w.BoardView, QStringLiteral("E"));
    EXPECT_EQ(w.Board().At(5, 9).letter, 'E');
    // A space over a letter empties it.
    Click(w, 5, 9);
    QTest::keyClick(w.BoardView, Qt::Key_Space);
    EXPECT_EQ(w.Board().At(5, 9).state, scrabble::CellState::Empty);

    // An eight-letter draw with a digit for a joker.
    w.Tirage[7]->setText(QString());
    QTest::keyClicks(w.Tirage[7], QStringLiteral("7"));
    EXPECT_EQ(w.Tirage[7]->text(), QStringLiteral("*"));
    QTest::mouseClick(w.BT_calcule, Qt::LeftButton);
    ASSERT_GT(w.Solutions->rowCount(), 20);
    EXPECT_EQ(w.Solutions->rowCount(), int(w.Candidates().size()));
    bool joker = false;
    for (const scrabble::Tcoup &move : w.Candidates()) {
        EXPECT_LE(move.TilesPlaced, 7);
        for (const char c : move.Word)
            joker = joker || (c >= 'a' && c <= 'z');
    }
    EXPECT_TRUE(joker);
    // Best first; the columns as headed.
    EXPECT_EQ(w.Solutions->horizontalHeaderItem(3)->text(), QStringLiteral("Nb lettres posees"));
    EXPECT_GE(w.Solutions->item(0, 2)->data(Qt::DisplayRole).toInt(),
              w.Solutions->item(1, 2)->data(Qt::DisplayRole).toInt());

    // A row chosen shows its move; another one replaces it.
    w.Solutions->setCurrentCell(0, 0);
    int shown = 0;
    for (int row = 1; row <= 15; ++row)
        for (int col = 1; col <= 15; ++col)
            shown += w.Board().At(col, row).state == scrabble::CellState::Solution;
    EXPECT_EQ(shown, w.Candidates().front().TilesPlaced);
    window_tests::SaveScreenshot(w, QStringLiteral("problems_solved"));
    w.Solutions->setCurrentCell(w.Solutions->rowCount() - 1, 0);
    const auto index = w.Solutions->item(w.Solutions->rowCount() - 1, 0)->data(Qt::UserRole).toInt();
    int again = 0;
    for (int row = 1; row <= 15; ++row)
        for (int col = 1; col <= 15; ++col)
            again += w.Board().At(col, row).state == scrabble::CellState::Solution;
    EXPECT_EQ(again, w.Candidates()[std::size_t(index)].TilesPlaced);

    // Sorted by word length, shortest first, and copied in that order.
    w.Solutions->sortItems(4, Qt::AscendingOrder);
    EXPECT_LE(w.Solutions->item(0, 4)->data(Qt::DisplayRole).toInt(),
              w.Solutions->item(w.Solutions->rowCount() - 1, 4)->data(Qt::DisplayRole).toInt());
    QTest::mouseClick(w.BT_copier, Qt::LeftButton);
    const QStringList lines = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.front(), QStringLiteral("Coord.\tMot\tNote\tNb lettres posees\tLg mot"));
    EXPECT_EQ(lines.size(), w.Solutions->rowCount() + 2); // the last line ends too
    EXPECT_TRUE(lines[1].startsWith(w.Solutions->item(0, 0)->text() + QLatin1Char('\t')));

    // Typing on the board empties the list; "Effacer" the board.
    Click(w, 1, 1);
    QTest::keyClicks(w.BoardView, QStringLiteral("A"));
    EXPECT_EQ(w.Solutions->rowCount(), 0);
    QTest::mouseClick(w.BT_effacer, Qt::LeftButton);
    EXPECT_EQ(w.Board().Position().PlayedCount(), 0);
}

TEST(ProblemWindow, AnEmptyBoardGivesMovesThroughTheCentre)
{
    TFPBScrabble w(QStringLiteral(LUDORINE_TEST_DICTIONARY));
    w.show();
    w.Calcule();
    ASSERT_GT(w.Solutions->rowCount(), 0);
    for (const scrabble::Tcoup &move : w.Candidates()) {
        const int last = int(move.Word.size()) - 1;
        EXPECT_TRUE(move.Kind == 'H' ? move.Row == 8 && move.Col <= 8 && move.Col + last >= 8
                                     : move.Col == 8 && move.Row <= 8 && move.Row + last >= 8)
            << move.Text();
    }
}

TEST_F(MainFormTest, TheProblemsEntryIsEnabledAndItsHelpIsFrench)
{
    QAction *entry = form->Action(QStringLiteral("ProblemesScrabble"));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isEnabled());
    EXPECT_EQ(HelpWindow::PageOf(TFPBScrabble::HelpTopic()), QStringLiteral("Prob.htm"));
    QFile page(QStringLiteral(":/help/Prob.htm"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    for (const char *fact :
         {"Solutions proposées", "Nb lettres posees", "Calcule", "Effacer", "Copier", "joker"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(fact))) << fact;
}
