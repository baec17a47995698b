// SPDX-License-Identifier: GPL-3.0-or-later
// Whole Hangman rounds through the game's calls: a human guessing, the
// setter's word and masks, a hidden word marked by hand, the missing
// letters, the computer's letters, the action stack and whole games.
#include "pendu_test_support.h"

using pendu_test::PenduRules;

TEST_F(PenduRules, ARoundWonWithTwoErrorsOutOfTenScoresEight)
{
    Setup({false}, {"MARDI"}, 1);
    StartRound();
    EXPECT_EQ(game->NbEssais, 10);
    EXPECT_EQ(game->MotATrouver, "MARDI");
    EXPECT_EQ(game->Masque, "*****");
    Tick();
    EXPECT_EQ(statuses.last(), QStringLiteral("C'est à Joueur 1 de proposer une lettre."));
    Play('x');
    EXPECT_EQ(game->Erreurs, 1);
    EXPECT_FALSE(game->CharacterKey('X')); // its tile is off the rack
    Play('Q');
    for (char c : std::string("MARD"))
        Play(c);
    EXPECT_EQ(game->Masque, "MARD*");
    EXPECT_EQ(game->Erreurs, 2);
    EXPECT_EQ(game->PartsShown(), 2);
    Play('I');
    ASSERT_TRUE(TickUntil([this] { return game->Phase.state == 0 && game->Sommet == 0; }));
    EXPECT_EQ(settings.Players[1].Score, 8);
    ASSERT_EQ(game->Historique.size(), 1u);
    EXPECT_EQ(game->Historique[0].word, "MARDI");
    EXPECT_EQ(game->Historique[0].letters, "ADIMQRX");
    EXPECT_TRUE(statuses.last().endsWith(QStringLiteral("Le mot à trouver était « MARDI ».")));
    // Every card shows its letter.
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(game->Table.cards[std::size_t(n)].mark, 2) << n;
    // A key: the cards go back, the turn passes, a new round is dealt.
    game->CharacterKey(' ');
    ASSERT_TRUE(TickUntil([this] { return game->HumanTurn(); }));
    EXPECT_EQ(game->Erreurs, 0);
    EXPECT_EQ(game->Table.LettresSorties, 0);
}

TEST_F(PenduRules, TheSeventhErrorEndsTheRoundWithNoPoints)
{
    Setup({false}, {"MARDI"}, 0);
    StartRound();
    for (char c : std::string("BCEFGH"))
        Play(c);
    EXPECT_EQ(game->PartsShown(), 10);
    Play('J');
    ASSERT_TRUE(TickUntil([this] { return game->Phase.state == 0 && game->Sommet == 0; }));
    EXPECT_EQ(game->PartsShown(), 12);
    EXPECT_EQ(settings.Players[1].Score, 0);
    // The hidden cards were turned to show the word.
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(game->Table.cards[std::size_t(n)].material, std::string("Lettre_") + "MARDI"[n - 1]);
}

TEST_F(PenduRules, TheFirstAndLastLettersAreShownFromTheStart)
{
    Setup({false}, {"ANANAS"}, 0, true);
    StartRound();
    EXPECT_EQ(game->Masque, "A*A*AS");
    EXPECT_NE(game->Table.tiles[1].mark, 0); // A and S left the rack
    EXPECT_NE(game->Table.tiles[19].mark, 0);
    EXPECT_FALSE(game->CharacterKey('A'));
    Play('N');
    ASSERT_TRUE(TickUntil([this] { return game->Phase.state == 0 && game->Sommet == 0; }));
    EXPECT_EQ(settings.Players[1].Score, 7);
}

TEST_F(PenduRules, TheSettersWordAndMasksAreCheckedWithTheirMessages)
{
    auto errorOf = [this](const std::string &typed) {
        messages.clear();
        game->SetterWord(typed);
        return messages.isEmpty() ? QString() : messages.last();
    };
    Setup({true, false}, pendu_test::kWords, 0, true);
    StartRound();
    ASSERT_TRUE(wordPanel);
    const QString e2 = QStringLiteral("Le mot à trouver doit avoir au moins une lettre cachée !");
    EXPECT_EQ(errorOf("PAPA"), e2); // every letter is the first or the last
    EXPECT_EQ(errorOf("M**"),
              QStringLiteral("Les premières et dernières lettres du mot doivent être indiquées !"));
    EXPECT_EQ(errorOf("M*R*N"), QStringLiteral("Au maximum, deux lettres doivent être connues"));
    EXPECT_EQ(errorOf("M***********N"),
              QStringLiteral("Le mot à trouver doit comporter, au maximum, 12 lettres !"));
    EXPECT_EQ(errorOf("ANTICONSTITUTIONNEL"),
              QStringLiteral("Le mot à trouver doit comporter, au maximum, 12 lettres !"));
    EXPECT_TRUE(wordPanel);
    EXPECT_TRUE(game->MotATrouver.empty());
    // A mask showing the first and last letters, one of them twice.
    EXPECT_EQ(errorOf("m*m**n"), QString());
    EXPECT_FALSE(wordPanel);
    EXPECT_EQ(game->Masque, "M*M**N");
    EXPECT_EQ(game->MotATrouver, "M*M**N");

    Setup({true, false}, pendu_test::kWords, 0, false);
    StartRound();
    EXPECT_EQ(errorOf("**"), QStringLiteral("Le mot à trouver doit avoir au moins trois lettres !"));
    EXPECT_EQ(errorOf("M***N"), QStringLiteral("Aucune lettre ne doit être connue"));
    yes = false;
    EXPECT_EQ(errorOf("ZORGL"), QString());
    EXPECT_TRUE(questions.last().startsWith(QStringLiteral("Attention ! Le mot ZORGL n'existe pas")));
    EXPECT_TRUE(wordPanel); // No: the panel stays
    EXPECT_EQ(errorOf("LUNDI"), QString());
    EXPECT_EQ(game->MotATrouver, "LUNDI");
    EXPECT_EQ(game->Masque, "*****");
}

TEST_F(PenduRules, AnUnmarkedPlayedLetterCountsAsAnError)
{
    Setup({true, false}, pendu_test::kWords, 0, false);
    StartRound();
    game->SetterWord("*****"); // thinking of MARDI
    int marked = 0, left = 0;
    const std::string word = "MARDI";
    ASSERT_TRUE(TickUntil([&] {
        if (markPanel) {
            const char letter = game->LettreJouee;
            const bool first = marked == 0 && word.find(letter) != std::string::npos;
            for (std::size_t i = 0; i < word.size(); ++i)
                if (word[i] == letter && first)
                    game->MarkPosition(int(i) + 1, true);
            if (word.find(letter) != std::string::npos && !first)
                ++left;
            if (first)
                ++marked;
            const int errorsBefore = game->Erreurs;
            game->MarksDone();
            EXPECT_FALSE(markPanel);
            TickUntil([&] { return game->Phase.step != 3; }, 100);
            if (!first) {
                EXPECT_EQ(game->Erreurs, errorsBefore + 1) << letter;
            }
        }
        return missingPanel || game->Phase.state == 0;
    }));
    EXPECT_GT(left, 0);
    EXPECT_EQ(game->Erreurs, 7);
}

TEST_F(PenduRules, MissingLettersWithAPlayedOneConfirmedGiveTheComputerEverything)
{
    Setup({true, false}, pendu_test::kWords, 0, false);
    StartRound();
    game->SetterWord("*****");
    // The setter never marks anything: seven errors, then the missing letters.
    ASSERT_TRUE(TickUntil([&] {
        if (markPanel)
            game->MarksDone();
        return missingPanel;
    }));
    // Some of MARDI's letters were played and left unmarked.
    std::string used;
    for (char c : std::string("MARDI"))
        if (game->LetterUsed(c))
            used += c;
    ASSERT_FALSE(used.empty());
    questions.clear();
    game->MissingLetters({"M", "A", "R", "D", "I"});
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith(QStringLiteral("Les lettres «"))) << questions[0].toStdString();
    EXPECT_FALSE(missingPanel);
    EXPECT_EQ(game->MotATrouver, "MARDI");
    ASSERT_TRUE(TickUntil([this] { return game->Phase.state == 0 && game->Sommet == 0; }));
    EXPECT_EQ(settings.Players[1].Score, 7);

    // An empty box: nothing is accepted, the box gets the focus.
    Setup({true, false}, pendu_test::kWords, 0, false);
    StartRound();
    game->SetterWord("*****");
    ASSERT_TRUE(TickUntil([&] {
        if (markPanel)
            game->MarksDone();
        return missingPanel;
    }));
    game->MissingLetters({"L", "", "N", "D", "I"});
    EXPECT_EQ(game->missingFocus, 2);
    EXPECT_TRUE(missingPanel);
}

TEST_F(PenduRules, TheComputerNeverRepeatsALetterAndFallsBackOnTheUsualOrder)
{
    Setup({false});
    StartRound();
    game->Masque = "*Q*Q*Q*"; // no word fits
    game->ListeOrdi.reset();
    std::string letters;
    for (int n = 0; n < 20; ++n) {
        const char c = game->ChoixLettre();
        EXPECT_FALSE(game->LetterUsed(c)) << c;
        letters += c;
        game->Table.tiles[std::size_t(pendu::PenduTable::TileOf(c))].mark = 1;
    }
    EXPECT_EQ(letters, "ETAOINSHRDLUBCFGJMPV");
    // With candidates, the most frequent unused letter: MARDI and MARIE
    // both have A, R and I.
    Setup({false});
    StartRound();
    game->Masque = "M****";
    game->ListeOrdi.reset();
    const char best = game->ChoixLettre();
    EXPECT_TRUE(best == 'A' || best == 'R' || best == 'I') << best;
}

TEST_F(PenduRules, EveryPlayerAComputerPlaysToTheEndWithThePanelsValidatingThemselves)
{
    Setup({true, true});
    settings.Options.ed_pendu_par1 = QStringLiteral("2");
    qint64 panelShown = -1, panelGone = -1;
    ASSERT_TRUE(TickUntil(
        [&] {
            if (wordPanel && panelShown < 0)
                panelShown = ms;
            if (!wordPanel && panelShown >= 0 && panelGone < 0)
                panelGone = ms;
            return game->GameOver;
        },
        60000));
    EXPECT_EQ(game->Historique.size(), 4u);
    EXPECT_GE(panelGone - panelShown, 2000);
    EXPECT_LE(panelGone - panelShown, 2200);
    EXPECT_EQ(game->Phase.state, 99);
    EXPECT_TRUE(game->StatusText().startsWith(QStringLiteral("Partie terminée. Victoire de « ")));
}

TEST_F(PenduRules, AFifthActionFinishesTheTopOne)
{
    Setup({false});
    StartRound();
    game->Empile('F');
    game->Empile('F');
    game->Empile('F');
    game->Empile('L', "M***N");
    Tick(); // the deal starts
    ASSERT_EQ(game->Sommet, 4);
    ASSERT_EQ(game->Top()->state, 1);
    game->Empile('T');
    EXPECT_EQ(game->Sommet, 5);
    EXPECT_EQ(game->Actions[4].state, pendu::kDone);
    EXPECT_TRUE(game->Table.Arrive(pendu::Motion::Deal));
}

TEST_F(PenduRules, EscapeDuringADealLeavesEveryCardAtItsFinalPlaceAndFace)
{
    Setup({false}, {"MARDI"}, 0, true);
    ASSERT_TRUE(TickUntil([this] {
        return game->Top() && game->Top()->kind == 'L' && game->Top()->state == 1 && game->Phase.state == 1;
    }));
    Tick();
    game->FinishTop();
    EXPECT_EQ(game->Top()->state, pendu::kDone);
    for (int n = 1; n <= 5; ++n) {
        const pendu::TableObject &card = game->Table.cards[std::size_t(n)];
        EXPECT_EQ(card.position, pendu::PenduTable::CardPlace(n, 5));
        EXPECT_FALSE(card.Moving());
        EXPECT_EQ(card.mark, n == 1 || n == 5 ? 2 : 1);
    }
}

TEST_F(PenduRules, TheMissingLettersOfComputersValidateThemselvesAfterThreeSeconds)
{
    // A word no candidate matches: the computer plays the usual order and
    // fails; the word is known, so the panel fills and validates itself.
    Setup({true, true}, {"QZKJWY"}, 0);
    qint64 shown = -1, gone = -1;
    ASSERT_TRUE(TickUntil([&] {
        if (missingPanel && shown < 0)
            shown = ms;
        if (!missingPanel && shown >= 0 && gone < 0)
            gone = ms;
        return gone >= 0;
    }));
    EXPECT_GE(gone - shown, 3000);
    EXPECT_LE(gone - shown, 3200);
    ASSERT_TRUE(TickUntil([this] { return game->Phase.state == 0 && game->Sommet == 0; }));
    EXPECT_EQ(game->MotATrouver, "QZKJWY");
    EXPECT_EQ(settings.Players[1].Score, 0);
    EXPECT_EQ(game->Historique.back().word, "QZKJWY");
}

TEST_F(PenduRules, AHumanSettersWordIsHisToGive)
{
    Setup({true, false});
    StartRound();
    ASSERT_TRUE(wordPanel);
    // Escape (or a pause, a save, leaving the window) does not take the
    // program's proposal in the setter's place.
    game->FinishTop();
    EXPECT_TRUE(wordPanel);
    EXPECT_EQ(game->Top()->kind, 'P');
    EXPECT_NE(game->Top()->state, pendu::kDone);
    // A word refused stays as he typed it; a mask comes back as it was read.
    yes = false;
    EXPECT_EQ(game->SetterWord("zorgl"), "zorgl");
    EXPECT_EQ(game->SetterWord("m*r d?"), "M*RD*");
    EXPECT_TRUE(wordPanel);

    // A new game starts with no error on the gallows and a fresh word list.
    game->Erreurs = 4;
    game->ListeOrdi = std::vector<std::string>{"MARDI"};
    game->NewGame();
    EXPECT_EQ(game->Erreurs, 0);
    EXPECT_FALSE(game->ListeOrdi.has_value());
}
