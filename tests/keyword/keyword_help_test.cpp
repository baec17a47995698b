// SPDX-License-Identifier: GPL-3.0-or-later
// KeyWord's help page: compiled into the program under the topic the window
// opens, and telling the player what the window and its menu do.
#include <gtest/gtest.h>
#include <QFile>

#include "framework/game_kind.h"
#include "framework/help_window.h"

TEST(KeyWordHelp, PageOfTheWindowsTopic)
{
    const GameKindRow *kind = FindGameKindRow(GameKindCode::Cle);
    ASSERT_NE(kind, nullptr);
    const QString topic = QStringLiteral("Ludorine.chm::/") + QString::fromLatin1(kind->HelpTopic);
    EXPECT_EQ(HelpWindow::PageOf(topic), QStringLiteral("Keyword.htm"));
    QFile page(QStringLiteral(":/help/Keyword.htm"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    // The menu as the window shows it, with its shortcuts.
    for (const char *entry :
         {"Le menu La clé", "Nouvelle partie</td><td>Ctrl+N", "Afficher l'historique</td><td>Ctrl+H",
          "Proposer un coup</td><td>F2", "Mélanger les lettre</td><td>F8", "<b>Ok</b>"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(entry))) << entry;
    // The numbers a player needs: the board, the racks, the tiles, the points.
    for (const char *fact : {"19 × 19", "10 lettres", "102 lettres", "<td>10</td>", "<td>50</td>",
                             "<td>25</td>", "<td>5</td>", "J 9, J 10, J 11", "I 10, J 10, K 10", "+ 50"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(fact))) << fact;
}
