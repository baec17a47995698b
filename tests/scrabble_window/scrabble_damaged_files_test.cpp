// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged saved games: a file that breaks what the game relies on is refused
// with the format message, and whatever a damaged file lets through still
// searches, proposes and plays without a memory fault (this test is meant
// for the AddressSanitizer build as much as for the normal one).
#include "board_game_window_fixture.h"
#include "support/main_form_fixture.h"

#include "framework/game_file.h"
#include "framework/savefile/typed_stream.h"
#include "mutated_files.h"
#include "scrabble/engine/move_search.h"

#include <cstdio>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <random>
#include <sstream>

namespace {

QString Fixture(const char *name)
{
    return QStringLiteral(LUDORINE_FIXTURE_DIR "/") + QLatin1String(name);
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class ScrabbleDamagedFilesTest : public MainFormTest {
protected:
    TFScrabble *Open(const QString &path)
    {
        if (!form->OpenGameFile(path))
            return nullptr;
        auto *window = qobject_cast<TFScrabble *>(form->ActiveGameWindow());
        if (window)
            window->StopTicks();
        return window;
    }

    QString SavedAs(TFScrabble &window, const QString &name)
    {
        const QString path = settings.Path(name);
        WriteFile(path, SavedGameBytes(window, QDateTime(QDate(2026, 3, 14), QTime(15, 9, 26))));
        return path;
    }

    QString FormatMessage(const QString &path) const
    {
        return QStringLiteral("Erreur dans le format du fichier %1. Fichier illisible.").arg(path);
    }
};

TEST_F(ScrabbleDamagedFilesTest, ATileLaidThisTurnWithoutOwnerOrSlotIsRefused)
{
    // The human to play lays a tile; saved so, it opens again as one tile
    // both on its square and in its slot.
    TFScrabble *source = Open(Fixture("classic_started.Ldr"));
    ASSERT_NE(source, nullptr);
    scrabble::TJeton *tile = source->Game().RackTile(1, 3);
    ASSERT_NE(tile, nullptr);
    ASSERT_TRUE(source->Game().PlaceTile(tile, 8, 8));
    TFScrabble *reopened = Open(SavedAs(*source, QStringLiteral("posee.Ldr")));
    ASSERT_NE(reopened, nullptr);
    ASSERT_NE(reopened->Game().At(8, 8), nullptr);
    EXPECT_EQ(reopened->Game().At(8, 8), reopened->Game().RackTile(1, 3));
    EXPECT_TRUE(reopened->Game().At(8, 8)->IsPending());

    // Owner or slot 0 used to load, and the next search sent the tile back
    // to a slot before the racks.
    struct Damage {
        const char *name;
        std::function<void()> apply;
    };
    const std::vector<Damage> damages = {
        {"sans_joueur.Ldr", [tile] { tile->Owner = 0; }}, {"sans_place.Ldr", [tile] { tile->Slot = 0; }},
        {"joueur3.Ldr", [tile] { tile->Owner = 3; }},     {"place8.Ldr", [tile] { tile->Slot = 8; }},
        {"etat30.Ldr", [tile] { tile->State = 30; }},
    };
    const int windows = int(form->GameWindows().size());
    for (const Damage &damage : damages) {
        SCOPED_TRACE(damage.name);
        damage.apply();
        const QString path = SavedAs(*source, QString::fromLatin1(damage.name));
        tile->Owner = 1;
        tile->Slot = 3;
        tile->State = scrabble::Placed;
        dialogs->asked.clear();
        EXPECT_EQ(Open(path), nullptr);
        EXPECT_EQ(dialogs->Texts("message"), QStringList{FormatMessage(path)});
    }
    EXPECT_EQ(int(form->GameWindows().size()), windows);
}

TEST_F(ScrabbleDamagedFilesTest, TilesMovesAndPhasesThatBreakTheGameAreRefused)
{
    TFScrabble *source = Open(Fixture("classic_joker.Ldr"));
    ASSERT_NE(source, nullptr);
    scrabble::BoardGame &game = source->Game();
    scrabble::TJeton *played = game.At(8, 8);
    ASSERT_NE(played, nullptr);
    ASSERT_NE(played->Move, nullptr);
    scrabble::TJeton *racked = game.RackTile(2, 1);
    ASSERT_NE(racked, nullptr);
    ASSERT_GE(game.MoveCount(), 3);
    scrabble::Tcoup &first = *game.History()[0];
    scrabble::Tcoup &second = *game.History()[1];
    scrabble::Tcoup &third = *game.History()[2];
    const scrabble::Tcoup *playedBy = played->Move;
    scrabble::Tcoup stranger = first;
    stranger.MoveNumber = 99;

    // Each damage is undone by restoring the whole of what it touched.
    struct Damage {
        const char *what;
        std::function<void()> apply;
    };
    const std::vector<Damage> damages = {
        {"played tile pointing to a move that does not exist", [&] { played->Move = &stranger; }},
        {"played tile with a letter the set does not have", [&] { played->Letter = '#'; }},
        {"tile worth more than its letter", [&] { played->Value += 5; }},
        {"rack tile said to be in the bag", [&] { racked->State = scrabble::InBag; }},
        {"rack tile owned by another player", [&] { racked->Owner = 1; }},
        {"move by a fifth player", [&] { second.Player = 5; }},
        {"moves out of order", [&] { third.MoveNumber = 7; }},
        {"word that runs off the board",
         [&] {
             first.Col = 15;
             first.Row = 15;
         }},
        {"phase the turn driver does not know", [&] { source->Driver.Phase = 7; }},
        {"step the turn driver does not know", [&] { source->Driver.Step = 3; }},
    };
    const QDateTime when(QDate(2026, 3, 14), QTime(15, 9, 26));
    int n = 0;
    for (const Damage &damage : damages) {
        SCOPED_TRACE(damage.what);
        const scrabble::Tcoup first0 = first, second0 = second, third0 = third;
        const char letter = played->Letter;
        const int value = played->Value;
        const int phase = source->Driver.Phase, step = source->Driver.Step;
        damage.apply();
        const QString path = SavedAs(*source, QStringLiteral("abime%1.Ldr").arg(++n));
        first = first0;
        second = second0;
        third = third0;
        played->Move = playedBy;
        played->Letter = letter;
        played->Value = value;
        racked->State = scrabble::OnRack;
        racked->Owner = 2;
        source->Driver.Phase = phase;
        source->Driver.Step = step;
        dialogs->asked.clear();
        EXPECT_EQ(Open(path), nullptr);
        EXPECT_EQ(dialogs->Texts("message"), QStringList{FormatMessage(path)});
    }
    // Undone, the same game still saves and opens.
    EXPECT_NE(Open(SavedAs(*source, QStringLiteral("repare.Ldr"))), nullptr);
}

class ScrabbleMutatedFilesTest : public ::testing::Test {
protected:
    MemoryTempFolder memory;
    TempSettings settings;
    ScriptedDialogsScope dialogs;
    std::unique_ptr<TFScrabble> window;
};

// Mutated copies of the three fixtures go through the window's LoadGame; on
// every one that loads, a search, the proposals and one played move run.
// Count-bounded and seeded: the same mutants every run.
TEST_F(ScrabbleMutatedFilesTest, MutatedFixturesLoadOrAreRefusedAndThenPlaySafely)
{
    constexpr int kMutantsPerFixture = 700;
    window = std::make_unique<TFScrabble>(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY));
    window->StopTicks();
    window->seedSource = [] { return std::uint64_t(7); };
    window->show();
    const scrabble::MoveSearch search(window->Dictionary());
    int played = 0;
    const int loaded = LoadMutants(
        *window,
        {Fixture("classic_started.Ldr"), Fixture("classic_joker.Ldr"), Fixture("classic_finished.Ldr")},
        GameKindCode::Scrabble, kMutantsPerFixture, 20260314, [&] {
            scrabble::BoardGame &game = window->Game();
            const int moves = game.MoveCount();
            const std::vector<scrabble::Tcoup> candidates = game.GenerateMoves(search, game.CurrentPlayer);
            EXPECT_FALSE(candidates.empty()); // a pass at least
            window->ProposeMoves();
            if (window->Proposals->List->count() > 0)
                window->ProposalChosen(window->Proposals->List->count() - 1);
            window->BTvaliderClick();
            for (int tick = 0; tick < 80 && game.MoveCount() == moves && !window->GameOver; ++tick)
                window->Ticks()->fire();
            played += game.MoveCount() > moves;
            dialogs->asked.clear();
        });
    // Most damage is refused, but not all of it: names, positions, scores
    // and last move texts may change and still give a game.
    EXPECT_GT(loaded, 100);
    EXPECT_GT(played, 50);
    RecordProperty("loaded", loaded);
    RecordProperty("played", played);
    std::printf("%d of %d mutants loaded, %d played a move\n", loaded, 3 * kMutantsPerFixture, played);
}
