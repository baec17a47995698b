// SPDX-License-Identifier: GPL-3.0-or-later
// Classic games through the main window's commands and questions, as players
// meet them: save as, the close and quit questions, reopening, a new game in
// a window opened from a file, a quit refused by a later window. After each
// path the game must still be playable: the human's "Ok" plays and the
// computer answers.
#include "board_game_window_fixture.h"
#include "support/main_form_fixture.h"

#include "framework/game_file.h"
#include "framework/savefile/typed_stream.h"

#include <fstream>
#include <QMdiSubWindow>
#include <QTimer>

namespace {

// The base values of a saved game: GameOver and Paused as written.
std::pair<std::string, std::string> SavedFlags(const QString &path)
{
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    savefile::TypedReader reader(in);
    ReadSavedGameKind(reader);
    std::string gameOver = reader.ReadString();
    return {gameOver, reader.ReadString()};
}

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ScrabbleSessionTest : public MainFormTest {
protected:
    void PrepareDictionary(const QString &path) override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(LUDORINE_TEST_DICTIONARY), path));
    }

    // A new game from the menu: Albane (human) against Bertin (computer),
    // run until Albane's first turn waits.
    TFScrabble *NewScrabble(std::uint64_t seed)
    {
        auto *w = qobject_cast<TFScrabble *>(form->NewGame(GameKindCode::Scrabble));
        if (!w)
            return nullptr;
        Drive(w, seed);
        return w;
    }

    // The window's ticks come from the test, its configuration from the code.
    void Drive(TFScrabble *w, std::uint64_t seed)
    {
        w->StopTicks();
        w->seedSource = [seed] { return seed; };
        w->runConfiguration = [](TFconfig &config) {
            config.Players[1].Level = 0;
            config.Players[2].Level = 5;
            config.GameSettings::ApplyDialog(2);
            return true;
        };
    }

    static bool RunUntil(TFScrabble *w, const std::function<bool()> &done, int most = 3000)
    {
        for (int i = 0; i < most && !done(); ++i)
            w->Ticks()->fire();
        return done();
    }

    static bool HumanWaits(TFScrabble *w)
    {
        return w->Driver.Phase == 1 && w->Driver.Step == 1 && w->Driver.PendingCommands.empty() &&
               w->CurrentIsHuman();
    }

    // The human passes with "Ok" on empty fields (and says Yes to the
    // confirmation).
    bool HumanPasses(TFScrabble *w)
    {
        if (!RunUntil(w, [w] { return HumanWaits(w); }))
            return false;
        const int moves = w->Game().MoveCount();
        dialogs->answers.push_back(Answer::Yes);
        w->Pnl_ctrl->Clear();
        w->BTvaliderClick();
        return RunUntil(
            w, [&] { return w->Game().MoveCount() == moves + 1; }, 400);
    }

    // Playable: not paused, the human's "Ok" plays, then the computer plays.
    void ExpectPlayable(TFScrabble *w, const char *where)
    {
        SCOPED_TRACE(where);
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->Paused);
        ASSERT_TRUE(RunUntil(w, [w] { return HumanWaits(w); })) << "the human's turn never came";
        const int moves = w->Game().MoveCount();
        ASSERT_TRUE(HumanPasses(w)) << "Ok did nothing";
        EXPECT_TRUE(RunUntil(w, [&] { return w->Game().MoveCount() == moves + 2; }))
            << "the computer never played";
    }

    TFScrabble *Reopen(const QString &path)
    {
        if (!form->OpenGameFile(path))
            return nullptr;
        // The window that holds the file (after a quit the main window is
        // closed and has no active window).
        TFScrabble *w = nullptr;
        for (TFLudorine *window : form->GameWindows())
            if (window->FileName == path)
                w = qobject_cast<TFScrabble *>(window);
        if (w)
            Drive(w, 99);
        return w;
    }

    QString Path(const char *name) { return settings.Path(QLatin1String(name)); }
};

TEST_F(ScrabbleSessionTest, SaveAsWritesTheGameNotTheDialogsPauseAndReopensPlayable)
{
    TFScrabble *w = NewScrabble(21);
    ASSERT_TRUE(HumanPasses(w));
    const QString path = Path("sous.Ldr");
    bool pausedDuringDialog = false;
    dialogs->onAsk = [&](const ScriptedDialogs::Asked &) { pausedDuringDialog = w->Paused; };
    dialogs->fileNames = {path};
    ASSERT_TRUE(form->FileSaveAs(w));
    dialogs->onAsk = nullptr;
    EXPECT_TRUE(pausedDuringDialog) << "the game waits while the dialog is up";
    EXPECT_EQ(SavedFlags(path), std::make_pair(std::string("F"), std::string("F")));
    ExpectPlayable(w, "the window saved");

    CloseWindow(w);
    ExpectPlayable(Reopen(path), "the saved game reopened");
}

TEST_F(ScrabbleSessionTest, CloseQuestionYesSavesAGameThatReopensPlayable)
{
    TFScrabble *w = NewScrabble(22);
    ASSERT_TRUE(HumanPasses(w));
    ASSERT_TRUE(w->Modified);
    const QString path = Path("fermeture.Ldr");
    dialogs->answers = {Answer::Yes};
    dialogs->fileNames = {path};
    CloseWindow(w);
    EXPECT_TRUE(form->GameWindows().isEmpty());
    EXPECT_EQ(SavedFlags(path).second, "F");
    ExpectPlayable(Reopen(path), "reopened after the close question");
}

TEST_F(ScrabbleSessionTest, QuitQuestionYesSavesAGameThatReopensPlayable)
{
    TFScrabble *w = NewScrabble(23);
    ASSERT_TRUE(HumanPasses(w));
    const QString path = Path("quitter.Ldr");
    dialogs->answers = {Answer::Yes};
    dialogs->fileNames = {path};
    form->Quit();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form->GameWindows().isEmpty());
    EXPECT_EQ(SavedFlags(path).second, "F");
    ExpectPlayable(Reopen(path), "reopened after quitting");
}

TEST_F(ScrabbleSessionTest, AQuitCancelledByTheSecondGameLeavesBothPlayable)
{
    TFScrabble *first = NewScrabble(24);
    ASSERT_TRUE(HumanPasses(first));
    TFScrabble *second = NewScrabble(25);
    ASSERT_TRUE(HumanPasses(second));
    // The active game is asked first: Yes saves it, then the other's Cancel
    // stops the quit.
    ASSERT_EQ(form->GameWindows().value(0), second);
    const QString path = Path("premier.Ldr");
    dialogs->answers = {Answer::Yes, Answer::Cancel};
    dialogs->fileNames = {path};
    form->Quit();
    ASSERT_EQ(form->GameWindows().size(), 2);
    EXPECT_FALSE(second->Modified) << "it was saved";
    EXPECT_TRUE(first->Modified);
    ExpectPlayable(second, "the game saved before the cancel");
    ExpectPlayable(first, "the game that cancelled");

    // No for the first, Cancel for the second: the first still has its
    // unsaved changes.
    second->Modified = true;
    dialogs->answers = {Answer::No, Answer::Cancel};
    form->Quit();
    ASSERT_EQ(form->GameWindows().size(), 2);
    EXPECT_TRUE(second->Modified) << "nothing was saved, nothing may be lost";
    ExpectPlayable(second, "the game answered No");
    EXPECT_TRUE(dialogs->unexpected.isEmpty()) << dialogs->unexpected.join(", ").toStdString();
}

TEST_F(ScrabbleSessionTest, NewGameInAWindowFromAFileHasNoNameAndLeavesTheFileAlone)
{
    TFScrabble *w = NewScrabble(26);
    ASSERT_TRUE(HumanPasses(w));
    const QString path = Path("ancienne.Ldr");
    dialogs->fileNames = {path};
    ASSERT_TRUE(form->FileSaveAs(w));
    const QByteArray saved = Contents(path);

    w->MnouvellePartie->trigger();
    EXPECT_EQ(w->FileName, TFLudorine::UnnamedFile());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Scrabble"));
    ExpectPlayable(w, "the new game");
    ASSERT_TRUE(w->Modified);

    // Enregistrer asks for a name; the old file is not touched.
    const QString other = Path("nouvelle.Ldr");
    dialogs->fileNames = {other};
    form->Action(QStringLiteral("FileSaveItem"))->trigger();
    EXPECT_EQ(w->FileName, other);
    EXPECT_EQ(Contents(path), saved);

    // The closing question for a new game after a loaded one names no file.
    w->MnouvellePartie->trigger();
    ExpectPlayable(w, "another new game");
    dialogs->answers = {Answer::No};
    dialogs->asked.clear();
    CloseWindow(w);
    ASSERT_EQ(dialogs->Texts(QStringLiteral("question")).size(), 1);
    EXPECT_EQ(dialogs->Texts(QStringLiteral("question")).front(),
              QStringLiteral("Sauvegarder le contenu de Sans nom ? "));
    EXPECT_FALSE(Contents(other).isEmpty());
}

TEST_F(ScrabbleSessionTest, AGameSavedPausedByAnEarlierVersionOpensPlayable)
{
    TFScrabble *w = NewScrabble(27);
    ASSERT_TRUE(HumanPasses(w));
    w->Paused = true; // what earlier versions wrote from inside the save dialog
    const QString path = Path("ancienne_version.Ldr");
    ASSERT_TRUE(form->SaveGameFile(w, path));
    ASSERT_EQ(SavedFlags(path).second, "T");
    w->Paused = false;
    CloseWindow(w);
    ExpectPlayable(Reopen(path), "a file holding a saved pause");
}

TEST_F(ScrabbleSessionTest, TheAboutBoxGivesTheGameBack)
{
    TFScrabble *w = NewScrabble(28);
    ASSERT_TRUE(HumanPasses(w));
    QTimer::singleShot(0, [] {
        if (QWidget *about = QApplication::activeModalWidget())
            about->close();
    });
    form->ShowAbout();
    ExpectPlayable(w, "after the About box");
}
