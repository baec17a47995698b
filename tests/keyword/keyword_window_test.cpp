// SPDX-License-Identifier: GPL-3.0-or-later
// The KeyWord window played through its surface: the first word laid with
// the mouse on the central cross (errors 1 and 2 through the dialog
// interface, then CLE with its key bonus), the board and tiles rescaled with
// the window, a game of four computers to its end reopened tile by tile,
// and saved games under fixtures/ opened through the main window. The
// disabled test wrote the fixtures once:
//   test_keyword_window --gtest_also_run_disabled_tests --gtest_filter='*WriteKeyWordFixtures*'
#include "board_game_window_fixture.h"
#include "support/main_form_fixture.h"
#include "window_test_support.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "boardgames/keyword/keyword_game.h"
#include "boardgames/keyword/keyword_window.h"
#include "framework/code_page_text.h"
#include "framework/help_window.h"

namespace {

QString Fixture(const char *name)
{
    return QStringLiteral(LUDORINE_KEYWORD_FIXTURE_DIR "/") + QLatin1String(name);
}

} // namespace

class KeyWordWindowTest : public BoardGameWindowTest<TFCle> {};

TEST_F(KeyWordWindowTest, TheFirstWordIsLaidOnTheCrossWithTheMouse)
{
    TFCle &w = Start({0, 5}, 4);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Keyword"));
    EXPECT_TRUE(w.Pnl_ctrl->BT_val->isVisibleTo(&w));
    EXPECT_FALSE(w.Pnl_ctrl->Coord1->isVisibleTo(&w));
    EXPECT_EQ(w.Pnl_ctrl->BT_val->objectName(), QStringLiteral("bvalide"));
    const int player = w.Game().CurrentPlayer;
    w.KeyGame().KeyCandidates = {"CLE"};
    w.KeyGame().KeyIndex = 0;
    SetRack(player, "CLEFSTAIRE");
    // Two tiles: error 1.
    Lay({{2, 10, 10}, {3, 11, 10}});
    Settle();
    Validate();
    EXPECT_EQ(dialogs->Texts(QStringLiteral("message")).last(),
              QString::fromUtf8("Le premier mot placé doit avoir au moins 3 lettres !"));
    EXPECT_EQ(w.Game().MoveCount(), 0);
    w.Game().ReturnPendingTiles();
    Settle();
    // J8 to J10: the arm J9-J11 is not full, error 2.
    Lay({{1, 8, 10}, {2, 9, 10}, {3, 10, 10}});
    Settle();
    Validate();
    EXPECT_EQ(
        dialogs->Texts(QStringLiteral("message")).last(),
        QString::fromUtf8("Les trois premières lettres du premier mot doivent être placées sur la croix "
                          "centrales"));
    w.Game().ReturnPendingTiles();
    Settle();
    // CLE on J9-J11: the key word.
    Lay({{1, 9, 10}, {2, 10, 10}, {3, 11, 10}});
    Settle();
    EXPECT_EQ(w.KeyGame().MoveInfo, "J 9 CLE 65 pts.");
    Validate();
    ASSERT_EQ(w.Game().MoveCount(), 1);
    EXPECT_EQ(w.Game().History().front()->KeyFormed, "CLE");
    EXPECT_EQ(w.Game().Player(player).Score, 65);
    EXPECT_TRUE(w.DescriptionAt(SquarePoint(10, 10)).startsWith(QStringLiteral("J 10 (case centrale)")));
    ASSERT_TRUE(RunUntil([&] { return w.Game().MoveCount() == 2; }, 2000));
    Settle();
    EXPECT_TRUE(w.KeyGame().MoveInfo.empty()); // the human's turn starts with no move prepared
    window_tests::SaveScreenshot(w, QStringLiteral("keyword_second_turn"));
}

TEST_F(KeyWordWindowTest, TheBoardAndEveryTileFollowTheWindowsSize)
{
    TFCle &w = Start({0, 5}, 6);
    Settle();
    for (const QSize size : {QSize(700, 500), QSize(1300, 900)}) {
        w.resize(size);
        QApplication::processEvents();
        const int s = std::max(10, std::min(w.width(), w.height()) / 22);
        EXPECT_EQ(w.SquareSize(), s);
        EXPECT_EQ(w.BoardImage().width(), 20 * s);
        for (const auto &tile : w.Game().Tiles()) {
            EXPECT_EQ(tile->Bounds.Right - tile->Bounds.Left, s);
            EXPECT_EQ(tile->Bounds, tile->Target);
        }
        const QPoint slot = SlotPoint(w.Game().CurrentPlayer, 1);
        EXPECT_TRUE(w.Game().RackTile(w.Game().CurrentPlayer, 1)->HitTest(slot.x(), slot.y()));
        window_tests::SaveScreenshot(w, QStringLiteral("keyword_%1").arg(size.width()));
    }
}

TEST_F(KeyWordWindowTest, FourComputersPlayToTheEndAndTheGameReopensWhole)
{
    TFCle &w = Start({1, 2, 4, 5}, 8);
    ASSERT_TRUE(RunUntil([&] { return w.Finished(); }, 60000));
    EXPECT_GT(w.Game().MoveCount(), 8);
    auto back = Reopened();
    window_tests::ExpectSameGame(w, *back);
    EXPECT_EQ(back->KeyGame().KeyCandidates, w.KeyGame().KeyCandidates);
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(back->Game().Player(p).Colour, w.Game().Player(p).Colour);
    EXPECT_TRUE(back->Finished());
    const QByteArray bytes = TextExportBytes(*back, QDateTime(QDate(2026, 12, 10), QTime(16, 0)));
    const QString text = FromCodePage(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    EXPECT_TRUE(text.contains(QStringLiteral("     ") + QString(38, QLatin1Char('_'))));
    EXPECT_TRUE(text.trimmed().endsWith(QStringLiteral("Ludorine")));
}

TEST_F(KeyWordWindowTest, DISABLED_WriteKeyWordFixtures)
{
    WriteSavedGames(QStringLiteral(LUDORINE_KEYWORD_FIXTURE_DIR), QStringLiteral("keyword"),
                    QDateTime(QDate(2026, 12, 10), QTime(16, 0)));
}

class KeyWordFixturesTest : public MainFormTest {
protected:
    TFCle *Open(const char *name)
    {
        EXPECT_TRUE(form->OpenGameFile(Fixture(name))) << name;
        auto *window = qobject_cast<TFCle *>(form->ActiveGameWindow());
        if (window)
            window->StopTicks();
        return window;
    }
};

TEST_F(KeyWordFixturesTest, SavedGamesOpenThroughTheMainWindow)
{
    TFCle *started = Open("keyword_started.Ldr");
    ASSERT_NE(started, nullptr);
    EXPECT_EQ(started->Game().MoveCount(), 0);
    EXPECT_EQ(started->Game().BagSize(), 102 - 20);
    EXPECT_FALSE(started->KeyGame().KeyCandidates.empty());

    TFCle *middle = Open("keyword_joker.Ldr");
    ASSERT_NE(middle, nullptr);
    EXPECT_TRUE(window_tests::JokerPlayed(middle->Game()));
    const int moves = middle->Game().MoveCount();
    for (int i = 0; i < 400 && middle->Game().MoveCount() == moves; ++i)
        middle->Ticks()->fire();
    EXPECT_EQ(middle->Game().MoveCount(), moves + 1);

    TFCle *finished = Open("keyword_finished.Ldr");
    ASSERT_NE(finished, nullptr);
    EXPECT_TRUE(finished->Finished());
    EXPECT_EQ(finished->Game().PlayerCount(), 3);
    window_tests::SaveScreenshot(*form, QStringLiteral("keyword_fixtures_main_window"));
}

TEST_F(KeyWordFixturesTest, NewGameMenuOpensKeyWordWithItsMenuAndHelp)
{
    auto *entry = form->findChild<QAction *>(QStringLiteral("Lacle"));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isEnabled());
    auto *w = qobject_cast<TFCle *>(form->NewGame(GameKindCode::Cle));
    ASSERT_NE(w, nullptr);
    w->StopTicks();
    EXPECT_TRUE(MenuTitles().contains(QString::fromUtf8("&La clé")));
    EXPECT_EQ(window_tests::MenuEntries(*w->GameMenu()),
              (QStringList{
                  QStringLiteral("&Nouvelle partie|Ctrl+N"), QStringLiteral("Afficher l'&historique|Ctrl+H"),
                  QStringLiteral("&Proposer un coup|F2"), QString::fromUtf8("&Mélanger les lettre|F8")}));
    EXPECT_EQ(HelpWindow::PageOf(QStringLiteral("Ludorine.chm::/Keyword.htm")),
              QStringLiteral("Keyword.htm"));
}
