// SPDX-License-Identifier: GPL-3.0-or-later
// The game: words closed and scored as the eater eats, the levels, deaths,
// the magic, the eater against walls and the world's edge, ghosts hunting,
// and letters leaving.
#include "avaleur_test_support.h"

namespace {
using namespace avaleur_test;

class AvaleurGameTest : public AvaleurRules {
protected:
    void SetUp() override
    {
        Start();
        ClearSprites();
        OpenBoard();
        EaterAt(3, 6);
    }
    int Ghosts() const
    {
        int n = 0;
        for (int x = 1; x <= kWorldSide; ++x)
            for (int y = 1; y <= kWorldSide; ++y)
                n += game->Count(SpriteKind::Ghost, game->Plateau(x, y));
        return n;
    }
};

TEST_F(AvaleurGameTest, NewGameFillsTheWorld)
{
    Start(3);
    EXPECT_FALSE(game->AConfigurer);
    EXPECT_EQ(game->Vies, 5);
    EXPECT_EQ(Ghosts(), 24); // one per board but the centre
    EXPECT_EQ(game->Count(SpriteKind::Ghost, &game->Courant()), 0);
    for (int x = 1; x <= kWorldSide; ++x)
        for (int y = 1; y <= kWorldSide; ++y) {
            const int letters = game->Count(SpriteKind::Letter, game->Plateau(x, y));
            EXPECT_GE(letters, 1);
            EXPECT_LE(letters, 7);
        }
    EXPECT_EQ(Eater().Plateau, game->Plateau(3, 3));
    EXPECT_LT(Eater().Plateau->At(Eater().CaseX, Eater().CaseY).Nature, kWall);
    EXPECT_EQ(periods.back(), 70); // speed 50
    // A cancelled configuration closes the window.
    configure = false;
    game->AConfigurer = true;
    game->Tick();
    EXPECT_TRUE(closed);
}

TEST_F(AvaleurGameTest, ALetterThatContinuesNoWordClosesTheLongestWord)
{
    for (char c : std::string("EAU"))
        Eat(c);
    EXPECT_EQ(Eater().Mot, "EAU");
    EXPECT_EQ(Eater().NbTrain, 3);
    EXPECT_EQ(game->ScoreJeu, 0);
    Eat('A'); // no word begins with EAUA
    EXPECT_EQ(game->ScoreJeu, 1);
    EXPECT_EQ(game->LB_mots, QStringList{QStringLiteral("EAU (1).")});
    EXPECT_EQ(statuses.back(), QStringLiteral("EAU (1).. Score : 1."));
    EXPECT_EQ(Eater().Mot, "A");
    EXPECT_EQ(Eater().NbTrain, 1);
    EXPECT_EQ(beeps, 4);
    // The three letters of the word run to the exit, spent, one behind the
    // other.
    int spent = 0;
    for (int place = 2; place <= kPlaces; ++place)
        if (const auto *letter = dynamic_cast<const TLettre *>(game->Sprite(place));
            letter && letter->Attache == 2) {
            ++spent;
            EXPECT_EQ(letter->Vitesse, 8);
        }
    EXPECT_EQ(spent, 3);
}

TEST_F(AvaleurGameTest, AWordThatIsNotInTheDictionaryLosesItsLetters)
{
    for (char c : std::string("ET"))
        Eat(c);
    Eat('X'); // "ETX" begins nothing; "ET" is no word: only "E" is taken
    EXPECT_EQ(game->ScoreJeu, 0);
    EXPECT_TRUE(game->LB_mots.isEmpty());
    EXPECT_EQ(Eater().Mot, "X");
    for (int place = 2; place <= kPlaces; ++place)
        if (const TSprite *s = game->Sprite(place); s && s->Attache == 2) {
            EXPECT_GE(s->Retrecit, 0) << "every letter of a non-word vanishes";
        }
}

TEST_F(AvaleurGameTest, PointsByLengthAndLevelsByScore)
{
    const std::vector<int> points = {0, 0, 0, 1, 1, 2, 3, 5, 10, 15, 20, 33, 36};
    for (int length = 0; length < int(points.size()); ++length)
        EXPECT_EQ(PointsOfWord(length), points[std::size_t(length)]) << length;
    for (auto [score, level] : std::vector<std::pair<int, int>>{{0, 0},
                                                                {9, 0},
                                                                {10, 1},
                                                                {19, 1},
                                                                {20, 2},
                                                                {39, 2},
                                                                {40, 3},
                                                                {69, 3},
                                                                {70, 4},
                                                                {109, 4},
                                                                {110, 5},
                                                                {159, 5},
                                                                {160, 6},
                                                                {900, 6}})
        EXPECT_EQ(LevelOfScore(score), level) << score;
    EXPECT_EQ(PeriodOfSpeed(1), 104);
    EXPECT_EQ(PeriodOfSpeed(50), 70);
    EXPECT_EQ(PeriodOfSpeed(100), 35);
}

TEST_F(AvaleurGameTest, ATwelveLetterWordScoresThirtySix)
{
    for (char c : std::string("ABRACADABRAN"))
        Eat(c);
    EXPECT_EQ(Eater().NbTrain, 12);
    game->MotTrouve(Eater().Mot);
    EXPECT_EQ(game->ScoreJeu, 36);
    EXPECT_EQ(game->LB_mots.back(), QStringLiteral("ABRACADABRAN (36)."));
    EXPECT_EQ(game->Niveau, 2);
}

TEST_F(AvaleurGameTest, ScoreFortyRaisesTheLevelToThreeWithTwoMoreGhosts)
{
    game->ScoreJeu = 38;
    game->Niveau = 2;
    const int before = Ghosts();
    game->Magie();
    EXPECT_EQ(game->ScoreJeu, 40);
    EXPECT_EQ(game->Niveau, 3);
    EXPECT_EQ(Ghosts(), before + 2);
    EXPECT_EQ(game->Count(SpriteKind::Ghost, &game->Courant()), 0) << "never on the eater's board";
    EXPECT_EQ(captions.back(), QStringLiteral("Niveau :3"));
    // Level 4 makes the timer 10 ms faster; the speed bar gives it back.
    game->ScoreJeu = 70;
    game->UpdateLevel();
    EXPECT_EQ(periods.back(), 60);
    game->SetSpeed(50);
    EXPECT_EQ(periods.back(), 70);
}

TEST_F(AvaleurGameTest, TheSixthDeathEndsTheGameWhenItsCountdownFinishes)
{
    for (char c : std::string("PA"))
        Eat(c);
    for (int death = 1; death <= 6; ++death) {
        game->Meurt();
        game->Meurt(); // a second touch during the countdown changes nothing
        EXPECT_EQ(game->Vies, 5 - death);
        EXPECT_EQ(game->CompteMort, 100);
        EXPECT_EQ(Eater().NbTrain, 0);
        EXPECT_EQ(Eater().Direction, 'M');
        int ticks = 0;
        while (game->CompteMort != -1 && ticks < 200) {
            game->Tick();
            ++ticks;
            if (game->CompteMort == 49) {
                EXPECT_EQ(game->CourantX, 3);
                EXPECT_EQ(game->CourantY, 3);
                EXPECT_FALSE(Eater().Visible);
            }
        }
        EXPECT_EQ(ticks, 101);
        EXPECT_EQ(game->GameOver, death == 6);
        EXPECT_EQ(Eater().Visible, death < 6);
        if (death < 6) { // back at play at the start
            ClearSprites();
            OpenBoard();
            EaterAt(3, 6);
        }
    }
    EXPECT_TRUE(statuses.back().startsWith(QStringLiteral("Partie terminée")));
    const int x = Eater().X;
    game->Tick();
    EXPECT_EQ(Eater().X, x);
}

TEST_F(AvaleurGameTest, MagicFreezesTheGhostsForThirtySecondsAndASecondMagicRestartsThem)
{
    game->Niveau = 1;
    TPhantom &ghost = PutGhost(12, 6);
    const auto ghostMoves = [&] {
        const int x = ghost.X, y = ghost.Y;
        ghost.Avance();
        return ghost.X != x || ghost.Y != y;
    };
    EXPECT_TRUE(ghostMoves());
    game->Magie(); // second 0
    EXPECT_EQ(game->ScoreJeu, 2);
    clock += 20000;
    game->Tick();
    EXPECT_FALSE(ghostMoves());
    game->Magie(); // second 20
    clock += 15000;
    game->Tick(); // second 35
    EXPECT_TRUE(game->MagieActive());
    EXPECT_FALSE(ghostMoves());
    clock += 15001;
    game->Tick(); // second 50
    EXPECT_FALSE(game->MagieActive());
    EXPECT_TRUE(ghostMoves());
}

TEST_F(AvaleurGameTest, TheEaterEatsAMagicItemItTouches)
{
    auto magic = std::make_unique<TMagic>(*game, &game->Courant());
    magic->PlaceSur(4, 6);
    magic->Image = 3;
    TSprite *item = game->Insere(std::move(magic));
    for (int n = 0; n < 8 && item->Retrecit < 0; ++n)
        Eater().Avance();
    EXPECT_GE(item->Retrecit, 0);
    EXPECT_TRUE(game->MagieActive());
    // Once it has shrunk away it is replaced on another board.
    for (int n = 0; n < 40; ++n)
        item->Avance();
    EXPECT_EQ(item->Retrecit, 0);
    game->RetireFinis();
    EXPECT_EQ(game->Count(SpriteKind::Magic, &game->Courant()), 0);
    int elsewhere = 0;
    for (int place = 2; place <= kPlaces; ++place)
        if (const TSprite *s = game->Sprite(place); s && s->Kind() == SpriteKind::Magic)
            ++elsewhere;
    EXPECT_EQ(elsewhere, 1);
}

TEST_F(AvaleurGameTest, ABlockedRequestWaitsUntilTheWayIsFree)
{
    // A wall above the eater's next cells but one.
    TPlateau &board = game->Courant();
    for (int x = 2; x <= 6; ++x)
        board.At(x, 5).Nature = kWall;
    board.CalculeMurs();
    EaterAt(3, 6, 'D');
    game->Demande('H');
    for (int n = 0; n < 5; ++n)
        Eater().Avance();
    EXPECT_EQ(Eater().Y, 5 * kCell);
    EXPECT_EQ(Eater().X, 2 * kCell) << "it stands still below the wall";
    EXPECT_EQ(Eater().Demande, 'H');
    // The wall opens: the request takes effect.
    for (int x = 2; x <= 6; ++x)
        board.At(x, 5).Nature = kFree;
    board.CalculeMurs();
    Eater().Avance();
    EXPECT_EQ(Eater().Y, 5 * kCell - 4);
    EXPECT_EQ(Eater().Demande, ' ');
}

TEST_F(AvaleurGameTest, MovingUpNextToACornerSlidesOntoTheOpening)
{
    TPlateau &board = game->Courant();
    board.At(5, 5).Nature = kWall; // the wall square's right edge is x = 160
    board.CalculeMurs();
    EaterAt(5, 6, 'H');
    Eater().X = 150;
    Eater().Avance();
    EXPECT_EQ(Eater().X, 160);
    EXPECT_EQ(Eater().Y, 5 * kCell - 4);
}

TEST_F(AvaleurGameTest, TheWorldsEdgeCannotBeCrossed)
{
    Start(9);
    game->CourantX = 1;
    game->CourantY = 2;
    game->MontrePlateau();
    OpenBoard();
    EaterAt(2, 6, 'G');
    for (int n = 0; n < 40; ++n)
        Eater().Avance();
    EXPECT_EQ(game->CourantX, 1);
    EXPECT_EQ(Eater().X, kCell);
    // Crossing towards a neighbour works where the corridor goes on.
    TPlateau &right = *game->Plateau(2, 2);
    right.At(1, 6).Nature = kFree;
    right.CalculeMurs();
    game->Courant().At(kColumns, 6).Nature = kFree;
    game->Courant().CalculeMurs();
    EaterAt(17, 6, 'D');
    for (int n = 0; n < 20 && game->CourantX == 1; ++n)
        Eater().Avance();
    EXPECT_EQ(game->CourantX, 2);
    EXPECT_EQ(Eater().Plateau, &right);
    EXPECT_EQ(Eater().CaseX, 1);
    EXPECT_EQ(Eater().CaseY, 6);
}

TEST_F(AvaleurGameTest, GhostsKeepTheirPathsAsLongAsTheLevelAllows)
{
    TPhantom &ghost = PutGhost(14, 9);
    game->Niveau = 1;
    ghost.Avance();
    ASSERT_FALSE(ghost.ChemFantome.empty());
    ghost.Age = 500;
    const int before = ghost.ChemFantome.size();
    ghost.Avance();
    EXPECT_EQ(ghost.Age, 501) << "no limit at level 1";
    EXPECT_LE(ghost.ChemFantome.size(), before);
    game->Niveau = 5;
    ghost.Age = 10;
    ghost.Avance();
    EXPECT_EQ(ghost.Age, 11);
    ghost.Avance();
    EXPECT_EQ(ghost.Age, 1) << "an old path is dropped and a new one computed at once";
    EXPECT_EQ(ghost.Vitesse, 5);
    // At level 0 ghosts wander without a path.
    game->Niveau = 0;
    ghost.Avance();
    EXPECT_TRUE(ghost.ChemFantome.empty());
}

TEST_F(AvaleurGameTest, AGhostKillsTheEaterItReaches)
{
    game->Niveau = 3;
    PutGhost(9, 6);
    for (int n = 0; n < 200 && game->CompteMort < 0; ++n) {
        Eater().Demande = 'P';
        game->Tick();
    }
    EXPECT_EQ(game->CompteMort, 100);
    EXPECT_EQ(game->Vies, 4);
}

TEST_F(AvaleurGameTest, SpentLettersLeftOnABoardAreRemovedWhenTheEaterChangesBoard)
{
    TLettre &letter = PutLetter('Z', 8, 8);
    letter.Attache = 2;
    const int place = letter.Rang;
    game->CourantX = 2;
    game->MontrePlateau();
    EXPECT_EQ(game->Sprite(place), nullptr);
}

TEST_F(AvaleurGameTest, LettersWanderAndAContactMakesThemWait)
{
    TLettre &letter = PutLetter('Q', 10, 8);
    letter.Attente = 0;
    const int x = letter.X, y = letter.Y;
    for (int n = 0; n < 30; ++n)
        letter.Avance();
    EXPECT_TRUE(letter.X != x || letter.Y != y || letter.Attente > 0);
    // Once the letter has stopped the board knows where it is registered.
    EXPECT_EQ(game->Courant().At(letter.CaseX, letter.CaseY).Occupant, letter.Rang);
}

} // namespace
