// SPDX-License-Identifier: GPL-3.0-or-later
// TopWord's help page: compiled into the program under the topic the window
// opens, and telling the player what the window and its menu do.
#include <gtest/gtest.h>
#include <QFile>

#include "framework/game_kind.h"
#include "framework/help_window.h"

TEST(TopWordHelp, PageOfTheWindowsTopic)
{
    const GameKindRow *kind = FindGameKindRow(GameKindCode::TopWord);
    ASSERT_NE(kind, nullptr);
    const QString topic = QStringLiteral("Ludorine.chm::/") + QString::fromLatin1(kind->HelpTopic);
    EXPECT_EQ(HelpWindow::PageOf(topic), QStringLiteral("TopWord.htm"));
    QFile page(QStringLiteral(":/help/TopWord.htm"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    // The menu as the window shows it, with its shortcuts.
    for (const char *entry :
         {"Le menu TopWord", "Nouvelle partie</td><td>Ctrl+N", "Afficher l'historique</td><td>Ctrl+H",
          "Proposer un coup</td><td>F2", "Mélanger les lettres</td><td>F8", "Coups possibles", "<b>Ok</b>"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(entry))) << entry;
    // The numbers a player needs: the boards and their central squares, the
    // stacks, the racks, the tiles, the points and the end of the game.
    for (const char *fact :
         {"10 × 10", "8 × 8", "E 5, E 6, F 5, F 6", "D 4, D 5, E 4, E 5", "5 lettres de haut",
          "chevalet de 7 lettres", "113 lettres", "<td>15</td><td>E</td>", "<td>11</td><td>X</td>",
          "J, K, Q, W, X, Y, Z", "<b>2 points</b>", "10 points de prime", "5 points par lettre",
          "4 × 2 + 2 + 2 = 12", "1 + 2 + 1 + 2 = 6", "Penalité", "Bonus"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(fact))) << fact;
}
