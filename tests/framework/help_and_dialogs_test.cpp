// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/dialog_service.h"
#include "framework/help_window.h"

#include <gtest/gtest.h>
#include <QTextBrowser>

TEST(HelpWindow, TopicsNameAPageAndUnknownOnesShowTheMainPage)
{
    EXPECT_EQ(HelpWindow::PageOf(QStringLiteral("Ludorine.chm::/Ludorine.htm")),
              QStringLiteral("Ludorine.htm"));
    EXPECT_EQ(HelpWindow::PageOf(QStringLiteral("Ludorine.htm")), QStringLiteral("Ludorine.htm"));
    EXPECT_EQ(HelpWindow::PageOf(QStringLiteral("Ludorine.chm::/Inconnu.htm")),
              QStringLiteral("Ludorine.htm"));
    EXPECT_EQ(HelpWindow::PageOf(QString()), QStringLiteral("Ludorine.htm"));

    HelpWindow *window = ShowHelpTopic(QStringLiteral("Ludorine.chm::/Ludorine.htm"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->CurrentTopic(), QStringLiteral("Ludorine.htm"));
    EXPECT_TRUE(window->Browser()->toPlainText().contains(QStringLiteral("Bienvenue dans Ludorine")));
    EXPECT_EQ(ShowHelpTopic(QStringLiteral("Ludorine.htm")), window) << "one help window is reused";
    window->close();
}

TEST(DialogFilter, PipeFiltersBecomeQtFilters)
{
    EXPECT_EQ(QtFilterFromPipes(QStringLiteral("Fichiers Dictionnaires (*.ox)|*.ox")),
              QStringLiteral("Fichiers Dictionnaires (*.ox)"));
    EXPECT_EQ(QtFilterFromPipes(QStringLiteral("Parties|*.ldr|Textes|*.txt;*.TXT")),
              QStringLiteral("Parties (*.ldr);;Textes (*.txt *.TXT)"));
}
