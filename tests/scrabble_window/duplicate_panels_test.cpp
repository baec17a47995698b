// SPDX-License-Identifier: GPL-3.0-or-later
// The input part of the Duplicate "Joueurs" panel (every user edit signalled
// for the quiet validation, texts set by the window not, Ok and Valider,
// enabling), the "Tirage" panel's tiles and clock, the "Masse" panel, and
// the help page of the game.
#include "framework/help_window.h"
#include "scrabble/windows/duplicate_bag_panel.h"
#include "scrabble/windows/duplicate_draw_panel.h"
#include "scrabble/windows/duplicate_input_panel.h"
#include "scrabble/windows/duplicate_players_panel.h"
#include "scrabble/windows/duplicate_texts.h"
#include "window_test_support.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

using scrabble_ui::DuplicateInputPanel;
using scrabble_ui::ProposalFields;

using window_tests::CountPixels;
using window_tests::SaveScreenshot;

namespace {

ProposalFields Last(const QSignalSpy &spy)
{
    return spy.last().at(0).value<ProposalFields>();
}

} // namespace

TEST(DuplicateInputPanel, EveryEditByTheUserIsSignalledAndNothingTheWindowSets)
{
    DuplicateInputPanel panel;
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy proposals(&panel, &DuplicateInputPanel::proposalChanged);
    QSignalSpy numbers(&panel, &DuplicateInputPanel::playerNumberChanged);

    QTest::keyClicks(panel.Coord1, QStringLiteral("H"));
    QTest::keyClicks(panel.Coord2, QStringLiteral("8"));
    QTest::keyClicks(panel.Mot, QStringLiteral("MOT"));
    ASSERT_EQ(proposals.count(), 5);
    EXPECT_EQ(proposals[0].at(0).value<ProposalFields>(), (ProposalFields{QStringLiteral("H"), {}, {}}));
    EXPECT_EQ(Last(proposals),
              (ProposalFields{QStringLiteral("H"), QStringLiteral("8"), QStringLiteral("MOT")}));
    QTest::keyClick(panel.Mot, Qt::Key_Backspace);
    EXPECT_EQ(Last(proposals).word, QStringLiteral("MO"));
    EXPECT_EQ(proposals.count(), 6);

    // The coordinates refuse what no coordinate holds, as in the classic window.
    QTest::keyClicks(panel.Coord1, QStringLiteral("!:"));
    EXPECT_EQ(panel.Coord1->text(), QStringLiteral("H"));
    EXPECT_EQ(proposals.count(), 6);

    // Texts the window writes (a row selected, a proposal rewritten) stay quiet.
    panel.SetFields({QStringLiteral("8"), QStringLiteral("H"), QStringLiteral("MOTS")});
    panel.SetPlayerNumber(3);
    EXPECT_EQ(proposals.count(), 6);
    EXPECT_EQ(numbers.count(), 0);
    EXPECT_EQ(panel.Fields(),
              (ProposalFields{QStringLiteral("8"), QStringLiteral("H"), QStringLiteral("MOTS")}));
    EXPECT_EQ(panel.PlayerNumber(), 3);
    panel.ClearFields();
    EXPECT_EQ(panel.Fields(), ProposalFields{});
    EXPECT_EQ(proposals.count(), 6);

    panel.Numero->clear();
    QTest::keyClicks(panel.Numero, QStringLiteral("12"));
    ASSERT_EQ(numbers.count(), 2);
    EXPECT_EQ(numbers[0][0].toInt(), 1);
    EXPECT_EQ(numbers[1][0].toInt(), 12);
    QTest::keyClicks(panel.Numero, QStringLiteral("x"));
    EXPECT_EQ(numbers.last()[0].toInt(), -1);
    EXPECT_EQ(panel.PlayerNumber(), -1);
}

TEST(DuplicateInputPanel, OkValiderAndEnabling)
{
    DuplicateInputPanel panel;
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy oks(&panel, &DuplicateInputPanel::okClicked);
    QSignalSpy turns(&panel, &DuplicateInputPanel::validateClicked);
    QSignalSpy proposals(&panel, &DuplicateInputPanel::proposalChanged);

    QTest::mouseClick(panel.BT_ok, Qt::LeftButton);
    QTest::keyClick(panel.Mot, Qt::Key_Return);
    QTest::keyClick(panel.Coord2, Qt::Key_Enter);
    EXPECT_EQ(oks.count(), 3);
    EXPECT_EQ(turns.count(), 0);
    QTest::mouseClick(panel.BT_valider, Qt::LeftButton);
    EXPECT_EQ(turns.count(), 1);
    EXPECT_EQ(oks.count(), 3);

    // A computer's row or a finished game: no proposal, the turn can still end.
    panel.SetProposalEnabled(false);
    for (QWidget *w : {static_cast<QWidget *>(panel.Numero), static_cast<QWidget *>(panel.Coord1),
                       static_cast<QWidget *>(panel.Coord2), static_cast<QWidget *>(panel.Mot),
                       static_cast<QWidget *>(panel.BT_ok)})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    QTest::mouseClick(panel.BT_ok, Qt::LeftButton);
    QTest::keyClicks(panel.Mot, QStringLiteral("ZUT"));
    QTest::keyClick(panel.Mot, Qt::Key_Return);
    EXPECT_EQ(oks.count(), 3);
    EXPECT_EQ(proposals.count(), 0);
    EXPECT_TRUE(panel.BT_valider->isEnabled());
    QTest::mouseClick(panel.BT_valider, Qt::LeftButton);
    EXPECT_EQ(turns.count(), 2);
    panel.SetValidateEnabled(false);
    QTest::mouseClick(panel.BT_valider, Qt::LeftButton);
    EXPECT_EQ(turns.count(), 2);

    panel.SetProposalEnabled(true);
    panel.SetValidateEnabled(true);
    panel.FocusCoordinates();
    EXPECT_TRUE(panel.Coord1->hasFocus());
    QTest::keyClicks(panel.Mot, QStringLiteral("A"));
    EXPECT_EQ(proposals.count(), 1);
}

TEST(DuplicateDrawPanel, TilesForLettersEmptyPlacesAndTheClockInTheCaption)
{
    scrabble_ui::DuplicateDrawPanel panel;
    panel.resize(330, 70);
    panel.SetDraw(QStringLiteral("EA*_-RST"));
    panel.SetElapsed(3723400);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(panel.title(), QStringLiteral("Tirage 01:02:03."));
    EXPECT_EQ(panel.Tiles->Draw(), QStringLiteral("EA*_-RST"));

    const QImage picture = panel.Tiles->grab().toImage();
    const QColor face(255, 206, 148);
    const auto faces = [&](int i) {
        return CountPixels(picture, panel.Tiles->TileRect(i), [&](const QColor &c) { return c == face; });
    };
    const QRect first = panel.Tiles->TileRect(0);
    ASSERT_GE(first.width(), 20);
    for (int i : {0, 1, 2, 5, 6, 7})
        EXPECT_GT(faces(i), first.width() * first.height() / 3) << i;
    EXPECT_EQ(faces(3), 0);
    EXPECT_EQ(faces(4), 0);
    // The joker's star is green.
    EXPECT_GT(
        CountPixels(picture, panel.Tiles->TileRect(2),
                    [](const QColor &c) { return c.green() > c.red() + 40 && c.green() > c.blue() + 40; }),
        5);
    // Tiles do not overlap and stay inside the panel.
    for (int i = 0; i < 7; ++i)
        EXPECT_LT(panel.Tiles->TileRect(i).right(), panel.Tiles->TileRect(i + 1).left());
    EXPECT_LE(panel.Tiles->TileRect(7).right(), panel.Tiles->width());
    SaveScreenshot(panel, QStringLiteral("duplicate_tirage"));

    panel.SetElapsed(59000);
    EXPECT_EQ(panel.title(), QStringLiteral("Tirage 00:00:59."));
}

TEST(DuplicateBagPanel, CountsLettersAndOneLinePerDraw)
{
    scrabble_ui::DuplicateBagPanel panel;
    panel.resize(260, 380);
    const QString bag = QStringLiteral("AEEIOUBCDFGHJKLMNPQRSTVWXZ*Y");
    panel.SetBagFacts({7, 21, 1, int(bag.size()), bag});
    panel.AddDrawLine(QStringLiteral("Tirage n° 1 : LUDORIN"));
    panel.AddDrawLine(QStringLiteral("Tirage n° 2 : EA*_RST"));
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));

    QStringList captions;
    for (QLabel *label : panel.findChildren<QLabel *>())
        captions << label->text();
    for (const QString &caption :
         {QStringLiteral("Nombre de voyelles :"), QStringLiteral("Nombre de consonnes :"),
          QStringLiteral("Nombre de jokers :"), QStringLiteral("Total lettres :"),
          QStringLiteral("Détail lettres")})
        EXPECT_TRUE(captions.contains(caption)) << caption.toStdString();
    EXPECT_EQ(panel.Voyelles->text(), QStringLiteral("7"));
    EXPECT_EQ(panel.Consonnes->text(), QStringLiteral("21"));
    EXPECT_EQ(panel.Jokers->text(), QStringLiteral("1"));
    EXPECT_EQ(panel.Total->text(), QStringLiteral("28"));
    EXPECT_EQ(panel.Detail->toPlainText(), bag);
    ASSERT_EQ(panel.Draws->count(), 2);
    EXPECT_EQ(panel.Draws->item(0)->text(), QStringLiteral("Tirage n° 1 : LUDORIN"));
    EXPECT_EQ(panel.Draws->item(1)->text(), QStringLiteral("Tirage n° 2 : EA*_RST"));
    SaveScreenshot(panel, QStringLiteral("duplicate_masse"));

    panel.ClearDrawLines();
    EXPECT_EQ(panel.Draws->count(), 0);
    panel.SetBagFacts({});
    EXPECT_EQ(panel.Total->text(), QStringLiteral("0"));
    EXPECT_TRUE(panel.Detail->toPlainText().isEmpty());
}

TEST(DuplicateHelp, ThePageTellsTheRulesVariantsAndCommands)
{
    HelpWindow *window = ShowHelpTopic(QStringLiteral("Ludorine.chm::/Duplicate.htm"));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->CurrentTopic(), QStringLiteral("Duplicate.htm"));
    const QString text = window->Browser()->toPlainText();
    for (const QString &phrase :
         {QStringLiteral("Classique"), QStringLiteral("Huit lettres"), QStringLiteral("Partie \"joker\""),
          QStringLiteral("Sans prime de Scrabble"), QStringLiteral("Nouvelle partie"),
          QStringLiteral("Ctrl+N"), QStringLiteral("Afficher l'historique"), QStringLiteral("Ctrl+H"),
          QStringLiteral("Proposer un coup"), QStringLiteral("Changer les lettres..."), QStringLiteral("Ok"),
          QStringLiteral("Valider")})
        EXPECT_TRUE(text.contains(phrase)) << phrase.toStdString();
    window->close();
}
