// SPDX-License-Identifier: GPL-3.0-or-later
// Whole rounds and games of Philosophe through the game's own calls: a
// human guessing by keyboard, the computer guessing a typed word, a hidden
// word marked by hand and checked, both ends of the game, every player a
// computer.
#include "philo_test_support.h"

using philo::Key;
using philo_test::PhiloRules;

TEST_F(PhiloRules, AHumanGuessesWithTheKeyboard)
{
    Setup({false}, {"MARDI"});
    StartRound();
    EXPECT_EQ(game->MotSecret, "MARDI");
    EXPECT_EQ(game->LongueurMot, 5);

    // An empty slot: a beep, the cursor on it, nothing recorded.
    game->KeyDown(Key::Letter, 'd');
    game->KeyDown(Key::Letter, 'a');
    game->KeyDown(Key::Enter);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(game->PosCurseur, 3);
    EXPECT_FALSE(game->Coups[1].Joue);

    // Insert shifts the letters right from the cursor, the last one lost.
    Type("DAMES");
    ASSERT_TRUE(game->Coups[1].Joue);
    EXPECT_EQ(game->Coups[1].Mot, "DAMES     ");
    EXPECT_EQ(game->Coups[1].Note, "1/2");
    EXPECT_EQ(game->PointsManche, 12);
    EXPECT_EQ(game->Etape, 9);
    game->Tick();
    EXPECT_EQ(statuses.last(), QStringLiteral("« DAMES      »  : 1/2"));
    EXPECT_EQ(game->Etape, 0);

    // A word that is not in the dictionary counts as used, unmarked.
    Type("XYZZY");
    EXPECT_TRUE(game->Coups[1].Invalide);
    EXPECT_EQ(game->Coups[1].Note, "*");
    EXPECT_EQ(game->Etape, 0);
    EXPECT_EQ(game->PointsManche, 11);

    // Editing keys.
    game->KeyDown(Key::Home);
    for (char c : std::string("MRDI"))
        game->KeyDown(Key::Letter, c);
    game->KeyDown(Key::Home);
    game->KeyDown(Key::Right);
    game->KeyDown(Key::Insert);
    EXPECT_EQ(game->Proposition.substr(0, 5), "M*RDI");
    game->KeyDown(Key::Letter, 'A');
    game->KeyDown(Key::End);
    game->KeyDown(Key::Backspace);
    EXPECT_EQ(game->Proposition.substr(0, 5), "MARD*");
    EXPECT_EQ(game->PosCurseur, 4);
    game->Click("PT5");
    EXPECT_EQ(game->PosCurseur, 5);
    game->KeyDown(Key::Letter, 'I');
    game->Click("bouton");
    EXPECT_EQ(game->Coups[1].Note, "5/0");
    EXPECT_EQ(game->PointsManche, 10);

    ASSERT_TRUE(TickUntil([this] { return game->Etat == 9 && game->Etape == 1; }));
    EXPECT_EQ(settings.Players[1].Score, 10);
    ASSERT_EQ(game->Manches.size(), 1u);
    EXPECT_EQ(game->Manches[0].Mot, "MARDI");
    EXPECT_EQ(game->Manches[0].Essais.size(), 3u);
    EXPECT_EQ(game->Manches[0].Essais[0].Mot, "MARDI     ");
    // A human at the keyboard: the next round waits for a key.
    game->Tick();
    EXPECT_EQ(game->Etape, 1);
    game->KeyDown(Key::Other);
    EXPECT_EQ(game->Etape, 9);
}

TEST_F(PhiloRules, TheComputerGuessesTheWordTheHumanTyped)
{
    Setup({true, false});
    StartRound();
    ASSERT_TRUE(wordPanel);
    EXPECT_EQ(wordPanelText, "*****");
    // A word of the wrong length is refused; the panel stays.
    EXPECT_FALSE(game->SetterWord("MARDIS").accepted);
    EXPECT_EQ(messages.last(), QStringLiteral("longueur du mot incorrecte"));
    const auto answer = game->SetterWord("rames");
    EXPECT_TRUE(answer.accepted);
    EXPECT_EQ(answer.text, "RAMES");
    EXPECT_FALSE(wordPanel);
    ASSERT_TRUE(TickUntil([this] { return game->Etat == 9 && game->Etape == 1; }));
    EXPECT_EQ(game->Coups[1].Mot.substr(0, 5), "RAMES");
    EXPECT_EQ(game->Coups[1].BienPlacees, 5);
    EXPECT_GT(settings.Players[1].Score, 0);
    EXPECT_EQ(game->Manches.at(0).Points, settings.Players[1].Score);
    // The typing showed the word one letter per tick before validating it.
    EXPECT_TRUE(statuses.filter(QStringLiteral("joue « ")).size() >= 7);
}

TEST_F(PhiloRules, AnUnknownWordOfTheSetterNeedsAConfirmation)
{
    Setup({true, false});
    StartRound();
    confirmAnswer = false;
    EXPECT_FALSE(game->SetterWord("ZORGL").accepted);
    EXPECT_EQ(questions.last(),
              QStringLiteral("Le mot ZORGL ne figure pas dans le dictionnaire. Confirmez-vous ce mot ?"));
    EXPECT_TRUE(wordPanel);
    confirmAnswer = true;
    EXPECT_TRUE(game->SetterWord("ZORGL").accepted);
    EXPECT_EQ(game->MotSecret, "ZORGL");
}

TEST_F(PhiloRules, ARandomLengthFollowsTheSettersWord)
{
    Setup({true, false});
    settings.Options.CB_philo = 7; // chosen at random
    StartRound();
    EXPECT_FALSE(game->SetterWord("ABC").accepted);
    EXPECT_TRUE(game->SetterWord("BALEINES").accepted);
    EXPECT_EQ(game->LongueurMot, 8);
    EXPECT_EQ(game->MotSecret, "BALEINES");
    EXPECT_EQ(game->Candidats.Size(), 1);
}

TEST_F(PhiloRules, AWrongMarkOfAHiddenWordIsCaughtAndGivesTheComputer13)
{
    Setup({true, false});
    StartRound();
    const auto answer = game->SetterWord("**-?.");
    EXPECT_TRUE(answer.accepted);
    EXPECT_EQ(answer.text, "*****");
    EXPECT_TRUE(game->HiddenWord());
    // The setter thinks of MARDI but marks every proposal 0/0: every word
    // of the list shares a letter with MARDI, so every mark is wrong.
    int marked = 0;
    ASSERT_TRUE(TickUntil([&] {
        if (markPanel) {
            ++marked;
            game->HumanMarks(0, 0);
        }
        return game->Etat == 3 && wordPanel;
    }));
    // No candidate agreed with the marks: the computer gave up.
    EXPECT_TRUE(statuses.contains(QStringLiteral("Abandon")));
    EXPECT_EQ(game->PointsManche, 0);
    EXPECT_TRUE(game->SetterWord("MARDI").accepted);
    EXPECT_EQ(game->PointsManche, 13);
    ASSERT_EQ(messages.size(), 1);
    // Each wrong entry under its own number, the newest (1) included.
    EXPECT_EQ(messages[0].count(QStringLiteral("Erreur coup n° ")), marked);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Erreur coup n° 1 notation de ")))
        << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral(" au lieu de ")));
    ASSERT_TRUE(TickUntil([this] { return game->Etat == 9 && game->Etape == 1; }));
    EXPECT_EQ(settings.Players[1].Score, 13);
}

TEST_F(PhiloRules, RightMarksOfAHiddenWordAreNotReported)
{
    Setup({true, false});
    StartRound();
    game->SetterWord("*****");
    ASSERT_TRUE(TickUntil([&] {
        if (markPanel) {
            const philo::Mark mark = philo::NoteMot("LUNDI", game->Coups[1].Mot, 5, true);
            game->HumanMarks(mark.BienPlacees, mark.MalPlacees);
        }
        return game->Etat == 9 && game->Etape == 1;
    }));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(game->Coups[1].Note, "5/0");
    EXPECT_EQ(game->Manches[0].Mot, "*****"); // found while hidden
    EXPECT_EQ(settings.Players[1].Score, game->Manches[0].Points);
}

TEST_F(PhiloRules, ThirteenProposalsEndTheRoundWithNoPoints)
{
    Setup({false}, {"MARDI"});
    StartRound();
    for (int n = 0; n < 12; ++n)
        Type("QQQQQ"); // refused proposals never end the round
    EXPECT_EQ(game->Etat, 2);
    EXPECT_EQ(game->PointsManche, 1);
    Type("LUNDI");
    game->Tick();
    EXPECT_EQ(game->Etat, 9);
    EXPECT_EQ(game->PointsManche, 0);
}

TEST_F(PhiloRules, EveryPlayerAComputerPlaysToTheEndOfEitherMode)
{
    Setup({true, true});
    settings.Options.ed_philo_par1 = QStringLiteral("3");
    ASSERT_TRUE(TickUntil([this] { return game->GameOver; }, 20000));
    // Mode 1: three times the turn came back to player 1.
    EXPECT_EQ(game->Manches.size(), 6u);
    EXPECT_EQ(game->StatusText(false, false),
              QStringLiteral("Partie terminée. Victoire de « %1 » avec %2 points.")
                  .arg(settings.Players[std::size_t(game->Winner())].Name)
                  .arg(settings.Players[std::size_t(game->Winner())].Score));

    Setup({true, true, true});
    settings.Options.Rbtn_philo_fin1 = false;
    settings.Options.ed_philo_par2 = QStringLiteral("25");
    ASSERT_TRUE(TickUntil([this] { return game->GameOver; }, 40000));
    EXPECT_EQ(game->ModeFin, 2);
    EXPECT_EQ(game->Manches.size() % 3, 0u); // ends when the turn is back to player 1
    int best = 0;
    for (int n = 1; n <= 3; ++n)
        best = std::max(best, int(settings.Players[std::size_t(n)].Score));
    EXPECT_GE(best, 25);
    EXPECT_EQ(settings.Players[std::size_t(game->Winner())].Score, best);
}

TEST_F(PhiloRules, TheEndConditionFallsBackToTenAndCancelClosesTheWindow)
{
    Setup({true});
    settings.Options.ed_philo_par1 = QStringLiteral("douze");
    ASSERT_TRUE(TickUntil([this] { return game->Etat == 1; }));
    EXPECT_EQ(game->ParamFin, 10);

    Setup({true});
    configure = false;
    game->Tick();
    game->Tick();
    EXPECT_TRUE(closed);
}

TEST(PhiloFallbackWords, EachLengthHasAWordOfTheDictionary)
{
    const auto dictionary = TDictionnaire::Create(LUDORINE_TEST_DICTIONARY, 'R');
    ASSERT_TRUE(dictionary);
    for (int length = philo::kShortestWord; length <= philo::kLongestWord; ++length) {
        const std::string word = philo::FallbackWord(length);
        EXPECT_EQ(int(word.size()), length) << word;
        EXPECT_TRUE(dictionary->Contains(word)) << word;
    }
}
