// SPDX-License-Identifier: GPL-3.0-or-later
// The saved form of a Philosophe game: a round under way comes back as it
// was, bad data is refused; and the text export of the rounds.
#include <sstream>

#include "philo_test_support.h"
#include "support/word_game_test_support.h"
#include "wordgames/philosophe/philo_texts.h"

using philo::Key;
using philo_test::PhiloRules;

namespace {
std::string Saved(const philo::PhiloGame &game)
{
    return word_game_test::SavedPayload(game);
}

bool Load(philo::PhiloGame &game, const std::string &bytes)
{
    return word_game_test::LoadPayload(game, bytes);
}

// The same payload with one integer value changed: the n-th integer after
// the game kind (0 = the word length).
std::string WithValue(const philo::PhiloGame &game, const std::function<void(philo::PhiloGame &)> &change)
{
    philo::PhiloGame copy = game;
    change(copy);
    return Saved(copy);
}
} // namespace

TEST_F(PhiloRules, ARoundUnderWayComesBackAsItWas)
{
    Setup({false, true}, {"MARDI"});
    StartRound();
    Type("DAMES");
    game->Tick();
    Type("LUNDI");
    game->KeyDown(Key::Letter, 'R');
    const std::string bytes = Saved(*game);

    philo::PhiloGame loaded(settings, *dictionary, *hidden, 99);
    ASSERT_TRUE(Load(loaded, bytes));
    EXPECT_EQ(loaded.LongueurMot, 5);
    EXPECT_EQ(loaded.MotSecret, "MARDI");
    EXPECT_EQ(loaded.Proposition, game->Proposition);
    EXPECT_EQ(loaded.Etat, game->Etat);
    EXPECT_EQ(loaded.Etape, game->Etape);
    EXPECT_EQ(loaded.PosCurseur, game->PosCurseur);
    EXPECT_EQ(loaded.PointsManche, game->PointsManche);
    for (int n = 1; n <= philo::kEntries; ++n) {
        EXPECT_EQ(loaded.Coups[n].Mot, game->Coups[n].Mot) << n;
        EXPECT_EQ(loaded.Coups[n].Note, game->Coups[n].Note) << n;
        EXPECT_EQ(loaded.Coups[n].Joue, game->Coups[n].Joue) << n;
    }
    // The candidates agree with the marks again.
    EXPECT_EQ(loaded.Candidats.Size(), game->Candidats.Size());
    EXPECT_EQ(loaded.Candidats.PossibleCount(), game->Candidats.PossibleCount());
    EXPECT_EQ(Saved(loaded), bytes);

    // Finishing the round from the loaded game works as from the first.
    Type("MARDI");
    game->Tick();
    std::swap(*game, loaded);
    Type("MARDI");
    game->Tick();
    EXPECT_EQ(game->Etat, 9);
    EXPECT_EQ(game->PointsManche, loaded.PointsManche);
}

TEST_F(PhiloRules, ASavedGameTheRoundCannotHoldIsRefused)
{
    Setup({false}, {"MARDI"});
    StartRound();
    Type("DAMES");
    const std::string good = Saved(*game);
    philo::PhiloGame target(settings, *dictionary, *hidden, 1);
    EXPECT_TRUE(Load(target, good));
    using Change = std::function<void(philo::PhiloGame &)>;
    const std::vector<std::pair<const char *, Change>> bad = {
        {"length 11", [](philo::PhiloGame &g) { g.LongueurMot = 11; }},
        {"length 3", [](philo::PhiloGame &g) { g.LongueurMot = 3; }},
        {"state 5", [](philo::PhiloGame &g) { g.Etat = 5; }},
        {"step 4", [](philo::PhiloGame &g) { g.Etape = 4; }},
        {"word of another length", [](philo::PhiloGame &g) { g.MotSecret = "MARD"; }},
        {"word with a digit", [](philo::PhiloGame &g) { g.MotSecret = "MAR1I"; }},
        {"marks beyond the length", [](philo::PhiloGame &g) { g.Coups[1].BienPlacees = 6; }},
        {"negative mark", [](philo::PhiloGame &g) { g.Coups[2].MalPlacees = -1; }},
        {"proposal too long", [](philo::PhiloGame &g) { g.Coups[1].Mot = "DAMESDAMESD"; }},
        {"typing index", [](philo::PhiloGame &g) { g.IndexFrappe = 40; }},
        {"round of player 3",
         [](philo::PhiloGame &g) {
             g.Manches.push_back({3, "MARDI", 4, {}});
         }},
        {"round of 14 points",
         [](philo::PhiloGame &g) {
             g.Manches.push_back({1, "MARDI", 14, {}});
         }},
        {"points 20", [](philo::PhiloGame &g) { g.PointsManche = 20; }},
    };
    for (const auto &[what, change] : bad)
        EXPECT_FALSE(Load(target, WithValue(*game, change))) << what;
    // Another game kind, a flag that is not T or F, a cut file.
    std::string kind = good;
    kind[1] = 2;
    EXPECT_FALSE(Load(target, kind));
    for (std::size_t cut : {good.size() / 2, good.size() - 1, std::size_t(3)})
        EXPECT_FALSE(Load(target, good.substr(0, cut))) << cut;
    std::string flag = good;
    const std::size_t t = flag.find("\x06\x01T");
    ASSERT_NE(t, std::string::npos);
    flag[t + 2] = 'X';
    EXPECT_FALSE(Load(target, flag));
    // A refused file leaves the game as it was.
    EXPECT_EQ(Saved(target), good);
}

TEST_F(PhiloRules, TheExportListsEachRoundWithItsProposalsButTheLast)
{
    Setup({false}, {"MARDI"});
    settings.Players[1].Name = QStringLiteral("Albane");
    StartRound();
    Type("DAMES");
    game->Tick();
    Type("MARDI");
    ASSERT_TRUE(TickUntil([this] { return game->Etat == 9 && game->Etape == 1; }));
    EXPECT_EQ(philo::ExportLines(*game, settings),
              (QStringList{"", "Albane : 11", "  MARDI", "    DAMES      : 1/2", ""}));
    EXPECT_EQ(philo::RoundNodeText(game->Manches[0], settings), QStringLiteral("Albane MARDI 11 pts."));
    EXPECT_EQ(philo::ProposalNodeText(game->Manches[0].Essais[1], true),
              QStringLiteral("DAMES      1  bien placée(s)+2  mal placée(s)"));
    EXPECT_EQ(philo::ProposalNodeText(game->Manches[0].Essais[1], false),
              QStringLiteral("DAMES      1  bien placée(s)"));
    EXPECT_EQ(philo::PrintedRoundLines(*game, settings),
              (QStringList{QStringLiteral("1 - Albane : MARDI (2 coups) : 11pts.")}));
}

TEST_F(PhiloRules, EveryStateOfAComputersGameSavesAndLoads)
{
    Setup({true, true});
    settings.Options.ed_philo_par1 = QStringLiteral("2");
    int saves = 0;
    ASSERT_TRUE(TickUntil(
        [&] {
            const std::string bytes = Saved(*game);
            philo::PhiloGame loaded(settings, *dictionary, *hidden, 1);
            EXPECT_TRUE(Load(loaded, bytes)) << game->Etat << " " << game->Etape << " " << game->IndexFrappe;
            ++saves;
            return game->GameOver;
        },
        5000));
    EXPECT_GT(saves, 20);
}

TEST_F(PhiloRules, GamesTheSetterLeftInAnOddStateStillReopen)
{
    // Marks whose sum is more than the word's length (they are the
    // setter's, not checked when given), then a revealed word longer than
    // any round's.
    Setup({true, false});
    StartRound();
    game->SetterWord("*****");
    ASSERT_TRUE(TickUntil([this] { return markPanel; }));
    game->HumanMarks(3, 3);
    philo::PhiloGame loaded(settings, *dictionary, *hidden, 2);
    EXPECT_TRUE(Load(loaded, Saved(*game)));
    game->Etat = 3;
    confirmAnswer = true;
    game->SetterWord("ANTICONSTITUTION");
    EXPECT_EQ(game->Etat, 9);
    EXPECT_TRUE(Load(loaded, Saved(*game)));

    // A word refused for its length leaves the round's word unknown.
    Setup({true, false});
    StartRound();
    EXPECT_FALSE(game->SetterWord("MARDIS").accepted);
    EXPECT_EQ(game->MotSecret, "*****");
    EXPECT_FALSE(game->SetterWord("").accepted);
    philo::PhiloGame again(settings, *dictionary, *hidden, 3);
    EXPECT_TRUE(Load(again, Saved(*game)));
}

TEST_F(PhiloRules, ANewGameWhileTheSetterIsAskedShowsNoPanel)
{
    Setup({true, false});
    StartRound();
    ASSERT_TRUE(wordPanel);
    wordPanel = false;
    game->NewGame();
    EXPECT_FALSE(wordPanel);
    EXPECT_EQ(game->Etat, 0);
}
