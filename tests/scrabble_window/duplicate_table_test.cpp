// SPDX-License-Identifier: GPL-3.0-or-later
// The Duplicate player table: rows in order (each player's current row, then
// his past rows, newest first), the colours and bold of the rows as drawn,
// the selected player's marker, and a table of 40 players with 20 past draws
// that scrolls to any player and keeps its place when a row changes.
#include "scrabble/windows/duplicate_player_table.h"
#include "scrabble/windows/duplicate_players_panel.h"
#include "scrabble/windows/duplicate_texts.h"
#include "window_test_support.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using scrabble_ui::DuplicatePlayerModel;
using scrabble_ui::DuplicatePlayerRows;
using scrabble_ui::DuplicatePlayerTable;
using scrabble_ui::DuplicateTableRow;
using Colour = DuplicateTableRow::Colour;

using window_tests::CountPixels;
using window_tests::SaveScreenshot;

namespace {

// Players with draws past draws each, as the window would fill them: the
// best proposal of every draw in bold, every fifth player in error now.
std::vector<DuplicatePlayerRows> Players(int count, int draws)
{
    std::vector<DuplicatePlayerRows> players;
    for (int p = 1; p <= count; ++p) {
        DuplicatePlayerRows rows;
        const int total = 17 * p + 3 * draws;
        const bool error = p % 5 == 0;
        const bool played = p % 3 != 0;
        rows.current = {QStringLiteral("Joueur %1").arg(p),
                        played ? QStringLiteral("H %1 MOTS (%2)").arg(p % 15 + 1).arg(12 + p)
                               : QStringLiteral("?"),
                        QStringLiteral("%1 pts.").arg(total),
                        error    ? Colour::Error
                        : played ? Colour::Valid
                                 : Colour::NotPlayed,
                        p == 7};
        for (int d = draws; d >= 1; --d)
            rows.past.push_back({QString::number(d), QStringLiteral("%1 C ZEBU").arg(d % 15 + 1),
                                 QString::number(d + p), Colour::Valid, d == p % draws + 1});
        players.push_back(rows);
    }
    return players;
}

// The rendered viewport of the table and the place of a cell in it.
QImage Viewport(DuplicatePlayerTable &table)
{
    return table.viewport()->grab().toImage();
}

} // namespace

TEST(DuplicatePlayerTable, EachPlayerHasHisCurrentRowThenHisPastRowsNewestFirst)
{
    DuplicatePlayerTable table;
    std::vector<DuplicatePlayerRows> players(3);
    players[0].current.player = QStringLiteral("Alice");
    players[1].current.player = QStringLiteral("Bruno");
    players[1].past = {
        {QStringLiteral("2"), QStringLiteral("8 H OIE"), QStringLiteral("6"), Colour::Valid, false},
        {QStringLiteral("1"), QStringLiteral("H 8 MOT"), QStringLiteral("10"), Colour::Valid, true}};
    players[2].current.player = QStringLiteral("Chloé");
    table.SetPlayers(players);

    const DuplicatePlayerModel &m = table.Model();
    ASSERT_EQ(m.rowCount(), 5);
    const QStringList expected = {QStringLiteral("Alice"), QStringLiteral("Bruno"), QStringLiteral("2"),
                                  QStringLiteral("1"), QStringLiteral("Chloé")};
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(m.index(row, DuplicatePlayerModel::PlayerColumn).data().toString(), expected[row]);
    EXPECT_EQ(m.index(3, DuplicatePlayerModel::MoveColumn).data().toString(), QStringLiteral("H 8 MOT"));
    EXPECT_EQ(m.index(2, DuplicatePlayerModel::NoteColumn).data().toString(), QStringLiteral("6"));
    EXPECT_EQ((std::vector<int>{m.CurrentRowOf(1), m.CurrentRowOf(2), m.CurrentRowOf(3)}),
              (std::vector<int>{0, 1, 4}));
    EXPECT_EQ(m.CurrentRowOf(0), -1);
    EXPECT_EQ(m.CurrentRowOf(4), -1);
    EXPECT_EQ((std::vector<int>{m.PlayerAt(0), m.PlayerAt(2), m.PlayerAt(3), m.PlayerAt(4), m.PlayerAt(5)}),
              (std::vector<int>{1, 2, 2, 3, -1}));
    EXPECT_FALSE(m.IsCurrentRow(3));

    // Headers: the three columns, the player's number beside his current row.
    QHeaderView *top = table.horizontalHeader();
    EXPECT_EQ(m.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Joueur"));
    EXPECT_EQ(m.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Coup"));
    EXPECT_EQ(m.headerData(2, Qt::Horizontal).toString(), QStringLiteral(" Note"));
    EXPECT_EQ(top->count(), 3);
    EXPECT_EQ(m.headerData(1, Qt::Vertical).toString(), QStringLiteral("2"));
    EXPECT_EQ(m.headerData(2, Qt::Vertical).toString(), QString());
    EXPECT_EQ(m.headerData(4, Qt::Vertical).toString(), QStringLiteral("3"));
}

TEST(DuplicatePlayerTable, MoveColumnIsGreyBlackOrRedAndTheBestRowBold)
{
    DuplicatePlayerTable table;
    table.resize(520, 200);
    std::vector<DuplicatePlayerRows> players(3);
    players[0].current = {QStringLiteral("Alice"), QStringLiteral("?"), QStringLiteral("0 pts."),
                          Colour::NotPlayed, false};
    players[1].current = {QStringLiteral("Bruno"), QStringLiteral("H 8 WAGONS (40)"),
                          QStringLiteral("0 pts."), Colour::Valid, true};
    players[2].current = {QStringLiteral("Chloé"), QStringLiteral("Z 8 WAGONS"), QStringLiteral("0 pts."),
                          Colour::Error, false};
    table.SetPlayers(players);
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));
    const QImage picture = Viewport(table);
    const auto cell = [&](int row, int column) { return table.visualRect(table.Model().index(row, column)); };
    const auto red = [](const QColor &c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; };
    const auto black = [](const QColor &c) { return c.lightness() < 50; };
    const auto grey = [](const QColor &c) {
        return c.lightness() > 80 && c.lightness() < 200 && std::abs(c.red() - c.blue()) < 20 &&
               std::abs(c.red() - c.green()) < 20;
    };
    EXPECT_GT(CountPixels(picture, cell(0, 1), grey), 3);
    EXPECT_EQ(CountPixels(picture, cell(0, 1), black), 0);
    EXPECT_GT(CountPixels(picture, cell(1, 1), black), 10);
    EXPECT_EQ(CountPixels(picture, cell(1, 1), red), 0);
    EXPECT_GT(CountPixels(picture, cell(2, 1), red), 10);
    EXPECT_EQ(CountPixels(picture, cell(2, 1), black), 0);
    // Only column "Coup" takes the colour; the names stay black.
    EXPECT_EQ(CountPixels(picture, cell(2, 0), red), 0);

    // The best row is bold in every column: the same text takes more ink.
    for (int column = 0; column < 3; ++column)
        EXPECT_TRUE(table.Model().index(1, column).data(Qt::FontRole).value<QFont>().bold()) << column;
    EXPECT_FALSE(table.Model().index(0, 1).data(Qt::FontRole).isValid());
    players[0].current.move = players[1].current.move;
    players[0].current.colour = Colour::Valid;
    table.SetPlayers(players);
    const QImage again = Viewport(table);
    EXPECT_GT(CountPixels(again, cell(1, 1), black), CountPixels(again, cell(0, 1), black) * 11 / 10);
}

TEST(DuplicatePlayerTable, FortyPlayersWithTwentyDrawsScrollToTheChosenPlayer)
{
    scrabble_ui::DuplicatePlayersPanel panel;
    panel.resize(560, 520);
    DuplicatePlayerTable &table = *panel.Table;
    table.SetPlayers(Players(40, 20));
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    const DuplicatePlayerModel &m = table.Model();
    ASSERT_EQ(m.rowCount(), 40 * 21);
    QScrollBar *bar = table.verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), 0);
    const auto visible = [&](int player) {
        const QRect r = table.visualRect(m.index(m.CurrentRowOf(player), 0));
        return table.viewport()->rect().contains(r);
    };
    EXPECT_TRUE(visible(1));
    EXPECT_FALSE(visible(40));

    // Choosing a player brings his current row into view, marked.
    table.SetActivePlayer(40);
    EXPECT_TRUE(visible(40));
    EXPECT_EQ(m.ActivePlayer(), 40);
    const QRect marked = table.visualRect(m.index(m.CurrentRowOf(40), 2));
    const QImage picture = Viewport(table);
    const QColor marker = DuplicatePlayerModel::MarkerBackground();
    EXPECT_GT(CountPixels(picture, marked, [&](const QColor &c) { return c == marker; }),
              marked.width() * marked.height() / 2);
    SaveScreenshot(panel, QStringLiteral("duplicate_table_40_players"));

    // A current row changing while the user looks elsewhere keeps the view
    // where it is and touches only that row.
    const int at = bar->value();
    QSignalSpy changes(&m, &QAbstractItemModel::dataChanged);
    QSignalSpy resets(&m, &QAbstractItemModel::modelReset);
    DuplicateTableRow row = *m.RowAt(m.CurrentRowOf(3));
    row.move = QStringLiteral("8 H KIWIS (52)");
    row.colour = Colour::Valid;
    table.SetCurrentRow(3, row);
    table.SetCurrentRow(3, row); // the same again: nothing to redraw
    EXPECT_EQ(bar->value(), at);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes[0][0].value<QModelIndex>().row(), m.CurrentRowOf(3));
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(m.index(m.CurrentRowOf(3), 1).data().toString(), QStringLiteral("8 H KIWIS (52)"));

    // A click on any row of a player chooses that player.
    table.SetActivePlayer(12);
    QSignalSpy chosen(&table, &DuplicatePlayerTable::playerChosen);
    const int pastRow = m.CurrentRowOf(12) + 3;
    table.scrollTo(m.index(pastRow, 0));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(m.index(pastRow, 1)).center());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 12);

    // Without the past rows the 40 current rows follow each other; the
    // active player stays in view and the rows come back when asked.
    table.SetActivePlayer(33);
    panel.PastRows->setChecked(false);
    ASSERT_EQ(m.rowCount(), 40);
    EXPECT_EQ(m.CurrentRowOf(33), 32);
    EXPECT_EQ(m.index(32, 0).data().toString(), QStringLiteral("Joueur 33"));
    EXPECT_TRUE(visible(33));
    EXPECT_EQ(m.ActivePlayer(), 33);
    SaveScreenshot(panel, QStringLiteral("duplicate_table_40_current_rows"));
    panel.PastRows->setChecked(true);
    ASSERT_EQ(m.rowCount(), 40 * 21);
    EXPECT_EQ(m.CurrentRowOf(33), 32 * 21);
    EXPECT_EQ(m.index(32 * 21 + 1, 0).data().toString(), QStringLiteral("20"));
    EXPECT_TRUE(visible(33));

    table.SetActivePlayer(1);
    EXPECT_EQ(bar->value(), 0);
    table.SetActivePlayer(99); // outside the table: no marker
    EXPECT_EQ(m.ActivePlayer(), -1);
}
