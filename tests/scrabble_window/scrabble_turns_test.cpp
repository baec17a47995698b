// SPDX-License-Identifier: GPL-3.0-or-later
// The turn state machine of the classic Scrabble window: players' clocks,
// a new game started from the menu with the save question, the status texts
// of what lies under the mouse.
#include "board_game_window_fixture.h"
#include "framework/letter_tables.h"
#include "framework/main_window_link.h"

#include <QLineEdit>
#include <QListWidget>

TEST_F(ScrabbleWindowTest, HumanClockRunsWhileWaitingAndComputerTimeCoversItsSearch)
{
    qint64 now = 1000;
    TFScrabble &w = Start({0, 5});
    w.clock = [&now] { return now; };
    w.Driver.PhaseStart = now;
    const std::int32_t before = w.Config().Players[1].TimeMs;
    for (int i = 0; i < 10; ++i) {
        now += 50;
        Tick();
    }
    EXPECT_EQ(w.Config().Players[1].TimeMs - before, 500);
    // The computer's search takes 1.5 s of the clock: it is counted.
    w.Pnl_ctrl->Coord1->setText(QStringLiteral("P"));
    dialogs->answers = {Answer::Yes};
    Validate();
    ASSERT_EQ(w.Game().MoveCount(), 1);
    RunUntil([&] { return w.Driver.Phase == 11; });
    auto search = w.clock;
    w.clock = [&now] { return now += 1500; };
    RunUntil([&] { return w.Game().MoveCount() == 2; }, 10);
    w.clock = search;
    EXPECT_GE(w.Config().Players[2].TimeMs, 1500);
    EXPECT_LE(w.Config().Players[2].TimeMs, 3 * 1500);
    EXPECT_EQ(w.Config().Players[1].TimeMs - before, 500);
}

TEST_F(ScrabbleWindowTest, NewGameAsksToSaveThenStartsAgainWithTheConfiguration)
{
    TFScrabble &w = Start({0, 0});
    w.Pnl_ctrl->Coord1->setText(QStringLiteral("P"));
    dialogs->answers = {Answer::Yes};
    Validate();
    ASSERT_TRUE(w.Modified);
    // Cancel keeps the game.
    dialogs->answers = {Answer::Cancel};
    w.MnouvellePartie->trigger();
    EXPECT_EQ(dialogs->Texts(QStringLiteral("question")).last(),
              QStringLiteral("Sauvegarder le contenu de Sans nom ? "));
    EXPECT_NE(w.Driver.Phase, -1);
    EXPECT_EQ(w.Game().MoveCount(), 1);
    // No: a new game, set up again.
    dialogs->answers = {Answer::No};
    w.MnouvellePartie->trigger();
    EXPECT_EQ(w.Driver.Phase, -1);
    RunUntil([&] { return w.Driver.Phase == 1 && w.Driver.Step == 1; });
    EXPECT_EQ(configurations, 2);
    EXPECT_EQ(w.Game().MoveCount(), 0);
    EXPECT_EQ(w.HistoryPanel->List->count(), 0);
    EXPECT_EQ(w.Game().CurrentPlayer, 1);
    EXPECT_EQ(w.Game().BagSize(), 102 - 14);
    EXPECT_EQ(w.Config().Players[1].Score, 0);
    EXPECT_TRUE(w.Game().Player(1).LastMoveText.empty());
    EXPECT_FALSE(w.GameOver);
}

TEST_F(ScrabbleWindowTest, StatusTextsDescribeSquaresBagAndRackTiles)
{
    TFScrabble &w = Start({0, 0});
    SetRack(1, "MOTABCD");
    w.Pnl_ctrl->SetFields({"H", "7", "MOT", ""});
    Validate();
    Settle();
    const QString centre = w.DescriptionAt(SquarePoint(8, 8));
    EXPECT_TRUE(centre.startsWith(QStringLiteral("H 8 case mot compte double. Lettre «O» jouée par «")))
        << qPrintable(centre);
    EXPECT_TRUE(centre.endsWith(QStringLiteral("H 7 MOT 8 pts. coup n° 1"))) << qPrintable(centre);
    EXPECT_EQ(w.DescriptionAt(SquarePoint(2, 1)), QStringLiteral("A 2 "));
    const QString bag = w.DescriptionAt(QPoint(600, 480));
    EXPECT_TRUE(bag.startsWith(QStringLiteral("%1 lettres dans la masse. ").arg(w.Game().BagSize())));
    EXPECT_EQ(bag.size(), QStringLiteral("%1 lettres dans la masse.  ").arg(w.Game().BagSize()).size() +
                              w.Game().BagSize());
    const scrabble::TJeton *tile = w.Game().RackTile(1, 4);
    const QString onRack = w.DescriptionAt(SlotPoint(1, 4));
    EXPECT_EQ(onRack, QStringLiteral("Lettre «%1» %2")
                          .arg(QChar::fromLatin1(tile->Letter))
                          .arg(w.Config().Players[1].Name));
    EXPECT_EQ(w.DescriptionAt(QPoint(745, 505)), QString());
}

namespace {
// Stands in for the main window to see what the game shows in the status bar.
class StatusRecorder : public MainWindowLink {
public:
    StatusRecorder() : previous_(MainForm()) { SetMainForm(this); }
    ~StatusRecorder() override { SetMainForm(previous_); }
    void ShowStatus(const QString &text) override { texts << text; }
    bool SaveGameWindow(TFLudorine *) override { return false; }
    void UpdateFileCommands() override {}
    const LetterTables &Letters() const override { return tables_; }
    QString DictionaryFile() const override { return QString(); }

    QStringList texts;

private:
    MainWindowLink *previous_;
    LetterTables tables_;
};
} // namespace

TEST_F(ScrabbleWindowTest, AfterTheDealTheStatusBarSaysWhoseTurnItIs)
{
    StatusRecorder status;
    TFScrabble &w = Start({0, 0});
    ASSERT_FALSE(status.texts.isEmpty());
    EXPECT_EQ(status.texts.last(), QStringLiteral("Le joueur « Albane » a la main"));
    w.Pnl_ctrl->Coord1->setText(QStringLiteral("P"));
    dialogs->answers = {Answer::Yes};
    Validate();
    Settle();
    EXPECT_TRUE(status.texts.contains(QStringLiteral("Distribution des lettres...")));
    EXPECT_EQ(status.texts.last(), QStringLiteral("Le joueur « Bertin » a la main"));
}
