// SPDX-License-Identifier: GPL-3.0-or-later
// The Avaleur window off screen: a game played with the keys, the menu and
// the speed panel, the pictures of every board style, painting by region,
// the exports, the printed page and the help page.
#include "avaleur_window_fixture.h"

#include <QBuffer>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QSlider>
#include <QTemporaryDir>

#include "framework/game_kind.h"
#include "framework/help_window.h"

namespace {
using namespace avaleur;

bool Dark(const QColor &c)
{
    return c.red() < 16 && c.green() < 16 && c.blue() < 16;
}

TEST_F(AvaleurWindowTest, AGamePlayedWithTheKeys)
{
    TFAvaleur &w = Start(12);
    AvaleurGame &game = w.Game();
    const std::array<Qt::Key, 4> keys = {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up};
    const std::string directions = "DBGH";
    QTest::keyClick(&w, Qt::Key_Right);
    EXPECT_EQ(game.Mangeur().Demande, 'D');
    QTest::keyClick(&w, Qt::Key_Space);
    EXPECT_EQ(game.Mangeur().Demande, 'P');
    std::mt19937 random(4);
    int moved = 0, boards = 0;
    int lastX = game.Mangeur().X, lastBoard = game.Courant().Numero;
    for (int n = 0; n < 3000 && !w.GameOver; ++n) {
        if (n % 25 == 0) {
            const std::size_t k = random() % 4;
            QTest::keyClick(&w, keys[k]);
            if (game.CompteMort < 0 && game.Mangeur().Demande != ' ') {
                EXPECT_EQ(game.Mangeur().Demande, directions[k]);
            }
        }
        w.Ticks()->fire();
        const TPacman &eater = game.Mangeur();
        ASSERT_GE(eater.X, -kCell);
        ASSERT_LE(eater.X, kBoardWidth);
        moved += eater.X != lastX ? 1 : 0;
        boards += game.Courant().Numero != lastBoard ? 1 : 0;
        lastX = eater.X;
        lastBoard = game.Courant().Numero;
    }
    EXPECT_GT(moved, 100);
    EXPECT_GE(game.ScoreJeu, 0);
    EXPECT_EQ(w.LB_mots->count(), game.LB_mots.size());
    RecordProperty("boards_changed", boards);
    window_tests::SaveScreenshot(w, QStringLiteral("avaleur_played"));
    // The game reads back as it was.
    const std::unique_ptr<TFAvaleur> back = Reopened();
    EXPECT_EQ(back->Game().ScoreJeu, game.ScoreJeu);
    EXPECT_EQ(back->Game().Mangeur().X, game.Mangeur().X);
    EXPECT_EQ(back->Game().Courant().Numero, game.Courant().Numero);
    EXPECT_EQ(back->LB_mots->count(), w.LB_mots->count());
}

TEST_F(AvaleurWindowTest, MenuAndSpeedPanel)
{
    TFAvaleur &w = Start();
    EXPECT_EQ(window_tests::MenuEntries(*w.GameMenu()),
              (QStringList{QStringLiteral("&Nouvelle partie|Ctrl+N"),
                           QStringLiteral("Afficher l'&historique|Ctrl+H"),
                           QStringLiteral("Reglage de la &vitesse|")}));
    EXPECT_EQ(w.GameMenu()->title(), QStringLiteral("Avaleur"));
    w.Mhisto->setChecked(true);
    EXPECT_TRUE(w.JvCaptionPanel1->isVisible());
    w.Mhisto->setChecked(false);
    EXPECT_FALSE(w.JvCaptionPanel1->isVisible());
    w.mvitesse->trigger();
    EXPECT_TRUE(w.JvVitesse->isVisible());
    w.Vitesse_bar->setValue(100);
    EXPECT_EQ(w.Game().Periode, 35);
    EXPECT_EQ(w.JvVitesse->title(), QStringLiteral("Vitesse : 100"));
    // The arrow keys on the track bar steer the eater, not the bar.
    QTest::keyClick(w.Vitesse_bar, Qt::Key_Left);
    EXPECT_EQ(w.Vitesse_bar->value(), 100);
    EXPECT_EQ(w.Game().Mangeur().Demande, 'G');
    // The speed is kept for the next window.
    EXPECT_EQ(TFAvaleur::StoredSpeed(), 100);
    TFAvaleur next(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY), 2);
    next.StopTicks();
    EXPECT_EQ(next.Vitesse_bar->value(), 100);
    EXPECT_EQ(next.Game().Periode, 35);
}

TEST_F(AvaleurWindowTest, EveryBoardStyleIsDrawn)
{
    TFAvaleur &w = Start(8);
    AvaleurGame &game = w.Game();
    TPlateau &board = game.Courant();
    for (int style = 0; style <= 5; ++style) {
        board.Prepare(style, false);
        board.Dessine(game.ImagePlateau);
        const QImage &picture = game.ImagePlateau;
        int wallsLit = 0, wallCells = 0;
        for (int x = 1; x <= kColumns; ++x)
            for (int y = 1; y <= kRows; ++y) {
                const QRect cell((x - 1) * kCell + 8, (y - 1) * kCell + 8, 16, 16);
                const int dark = window_tests::CountPixels(picture, cell, Dark);
                if (board.At(x, y).Nature >= kWall) {
                    ++wallCells;
                    wallsLit += dark < 200 ? 1 : 0;
                } else if (style < 4) {
                    EXPECT_EQ(dark, 256) << "corridors are black, style " << style;
                }
            }
        EXPECT_GT(wallsLit * 10, wallCells * 9) << "style " << style;
        window_tests::SaveScreenshot(w.WindowPicture(), QStringLiteral("avaleur_style_%1").arg(style));
    }
}

TEST_F(AvaleurWindowTest, OnlyTheRegionOfTheMovingSpritesIsRepainted)
{
    TFAvaleur &w = Start(9);
    w.Ticks()->fire();
    AvaleurGame &game = w.Game();
    game.Demande('D');
    game.Tick();
    const QRegion region = w.Scene().Paint();
    const QRect whole = w.Scene().WindowPicture().rect();
    EXPECT_FALSE(region.isEmpty());
    int area = 0;
    for (const QRect &rect : region)
        area += rect.width() * rect.height();
    EXPECT_LT(area, whole.width() * whole.height() / 4);
    // A death countdown draws its bands over the board.
    game.Meurt();
    for (int n = 0; n < 30; ++n)
        game.Tick();
    w.Scene().Paint();
    const QImage picture = w.Scene().WindowPicture();
    const QRect boardRect(game.OrigineX, game.OrigineY, kBoardWidth, kBoardHeight);
    EXPECT_GT(window_tests::CountPixels(picture, boardRect, [](const QColor &c) { return c == Qt::red; }),
              20000);
    window_tests::SaveScreenshot(picture, QStringLiteral("avaleur_death_bands"));
}

TEST_F(AvaleurWindowTest, ExportsAndPrintedPage)
{
    TFAvaleur &w = Start();
    w.Game().LB_mots << QStringLiteral("EAU (1).");
    w.Game().ScoreJeu = 12;
    const QByteArray text = TextExportBytes(w, QDateTime(QDate(2026, 12, 11), QTime(9, 0, 0)));
    EXPECT_TRUE(text.contains("\r\n\r\nEAU (1).\r\n\r\n"));
    QBuffer bitmap;
    bitmap.open(QIODevice::WriteOnly);
    w.ExportPicture(bitmap, 2);
    EXPECT_TRUE(bitmap.data().startsWith("BM"));
    QBuffer jpeg;
    jpeg.open(QIODevice::WriteOnly);
    w.ExportPicture(jpeg, 1);
    EXPECT_TRUE(jpeg.data().startsWith("\xFF\xD8"));
    QTemporaryDir dir;
    const QByteArray pdf = window_tests::PrintToPdf(w, dir.filePath(QStringLiteral("avaleur.pdf")));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 20000) << "the game's picture is on the page";
}

TEST(AvaleurHelp, PageOfTheWindowsTopic)
{
    const GameKindRow *kind = FindGameKindRow(GameKindCode::Avaleur);
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(HelpWindow::PageOf(QStringLiteral("Ludorine.chm::/") + QString::fromLatin1(kind->HelpTopic)),
              QStringLiteral("Avaleur.htm"));
    QFile page(QStringLiteral(":/help/Avaleur.htm"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    for (const char *fact :
         {"Nouvelle partie</b> (Ctrl+N)", "Afficher l'historique</b> (Ctrl+H)", "Reglage de la vitesse",
          "Espace", "3 par lettre", "30 secondes", "5 vies", "160"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(fact))) << fact;
}

} // namespace
