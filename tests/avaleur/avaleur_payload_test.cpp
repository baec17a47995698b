// SPDX-License-Identifier: GPL-3.0-or-later
// The game's part of a saved game: a game played for a while, with a train
// of letters and a running magic, reads back into another game with every
// board and every sprite as it was; bad payloads are refused.
#include <sstream>

#include "avaleur_test_support.h"
#include "framework/savefile/typed_stream.h"

namespace {
using namespace avaleur_test;

std::string Saved(const AvaleurGame &game)
{
    std::stringstream bytes;
    savefile::TypedWriter writer(bytes);
    game.Write(writer);
    writer.Flush();
    return bytes.str();
}

void ExpectSameSprite(const TSprite &a, const TSprite &b)
{
    EXPECT_EQ(a.Kind(), b.Kind());
    EXPECT_EQ(a.X, b.X);
    EXPECT_EQ(a.Y, b.Y);
    EXPECT_EQ(a.PrecX, b.PrecX);
    EXPECT_EQ(a.CaseX, b.CaseX);
    EXPECT_EQ(a.CaseY, b.CaseY);
    EXPECT_EQ(a.Rang, b.Rang);
    EXPECT_EQ(a.Direction, b.Direction);
    EXPECT_EQ(a.Image, b.Image);
    EXPECT_EQ(a.Attache, b.Attache);
    EXPECT_EQ(a.Vitesse, b.Vitesse);
    EXPECT_EQ(a.Retrecit, b.Retrecit);
    EXPECT_EQ(a.Modele, b.Modele);
    EXPECT_EQ(a.Visible, b.Visible);
    ASSERT_TRUE(a.Plateau && b.Plateau);
    EXPECT_EQ(a.Plateau->Numero, b.Plateau->Numero);
}

class AvaleurPayload : public AvaleurRules {};

TEST_F(AvaleurPayload, AGameReadsBackWithEverySpriteWhereItWas)
{
    Start(21);
    OpenBoard();
    EaterAt(3, 6);
    game->Demande('D');
    for (int n = 0; n < 30; ++n)
        game->Tick();
    // A train of letters and a magic under way.
    Eater().Demande = ' ';
    for (char c : std::string("ET")) {
        const CellXY cell = Eater().CaseDe();
        TLettre &letter = PutLetter(c, cell.x, cell.y);
        letter.X = Eater().X + 4;
        Eater().Avance();
    }
    ASSERT_EQ(Eater().Mot, "ET");
    for (int n = 0; n < 10; ++n)
        game->Tick();
    game->Magie();
    clock += 1234;
    game->ScoreJeu = 17;
    game->LB_mots << QStringLiteral("ÉTÉ (1).");
    const std::string bytes = Saved(*game);

    GameRig other;
    other.dictionaryName = "autre.ox";
    other.Start(99);
    other.clock = 50000;
    std::istringstream in(bytes);
    savefile::TypedReader reader(in);
    ASSERT_TRUE(other.game->Read(reader));
    AvaleurGame &back = *other.game;
    EXPECT_EQ(back.ScoreJeu, 17);
    EXPECT_EQ(back.Vies, game->Vies);
    EXPECT_EQ(back.Niveau, game->Niveau);
    EXPECT_EQ(back.CourantX, game->CourantX);
    EXPECT_EQ(back.LB_mots, game->LB_mots);
    EXPECT_EQ(50000 - back.DebutMagie, 1234) << "the magic goes on where it was";
    for (int x = 1; x <= kWorldSide; ++x)
        for (int y = 1; y <= kWorldSide; ++y)
            for (int cx = 1; cx <= kColumns; ++cx)
                for (int cy = 1; cy <= kRows; ++cy)
                    ASSERT_EQ(back.Plateau(x, y)->At(cx, cy).Nature >= kWall,
                              game->Plateau(x, y)->At(cx, cy).Nature >= kWall);
    for (int place = 1; place <= kPlaces; ++place) {
        ASSERT_EQ(back.Sprite(place) != nullptr, game->Sprite(place) != nullptr) << place;
        if (game->Sprite(place))
            ExpectSameSprite(*game->Sprite(place), *back.Sprite(place));
    }
    const TPacman &eater = back.Mangeur();
    EXPECT_EQ(eater.Mot, "ET");
    ASSERT_EQ(eater.NbTrain, 2);
    for (int p = 0; p <= 2; ++p)
        for (int i = 0; i < kTrailPoints; ++i) {
            EXPECT_EQ(eater.Train[std::size_t(p)].trail[std::size_t(i)].x,
                      Eater().Train[std::size_t(p)].trail[std::size_t(i)].x);
            EXPECT_EQ(eater.Train[std::size_t(p)].trail[std::size_t(i)].y,
                      Eater().Train[std::size_t(p)].trail[std::size_t(i)].y);
        }
    for (int p = 1; p <= 2; ++p)
        ExpectSameSprite(*Eater().Train[std::size_t(p)].letter, *eater.Train[std::size_t(p)].letter);
}

TEST_F(AvaleurPayload, BadPayloadsAreRefused)
{
    Start(4);
    const std::string good = Saved(*game);
    {
        GameRig other;
        other.dictionaryName = "autre.ox";
        other.Start(5);
        std::istringstream in(good);
        savefile::TypedReader reader(in);
        EXPECT_TRUE(other.game->Read(reader));
    }
    // The eater missing from place 1, a level out of range, a cut file.
    const auto refused = [](AvaleurGame &target, const std::string &bytes) {
        std::istringstream in(bytes);
        savefile::TypedReader reader(in);
        try {
            return !target.Read(reader);
        } catch (const savefile::ReadError &) {
            return true;
        }
    };
    GameRig other;
    other.dictionaryName = "troisieme.ox";
    other.Start(6);
    game->Niveau = 9;
    EXPECT_TRUE(refused(*other.game, Saved(*game)));
    game->Niveau = 0;
    game->Mangeur().Attache = 7;
    EXPECT_TRUE(refused(*other.game, Saved(*game)));
    EXPECT_TRUE(refused(*other.game, good.substr(0, good.size() / 2)));
    // The eater on another board than the one shown, or unable to move.
    game->Mangeur().Attache = 0;
    game->CourantX = game->CourantX % kWorldSide + 1;
    EXPECT_TRUE(refused(*other.game, Saved(*game)));
    game->CourantX = game->Mangeur().Plateau->MondeX;
    game->Mangeur().Vitesse = 0;
    EXPECT_TRUE(refused(*other.game, Saved(*game)));
}

TEST_F(AvaleurPayload, AGameReopenedAtLevelSixKeepsItsPace)
{
    Start(8);
    game->SetSpeed(50);
    const int base = game->Periode;
    for (int score = 0; score <= 200; score += 5) { // the levels one by one
        game->ScoreJeu = score;
        game->UpdateLevel();
    }
    ASSERT_EQ(game->Niveau, 6);
    EXPECT_EQ(game->Periode, std::max(5, base - 30));
    GameRig other;
    other.dictionaryName = "autre.ox";
    other.Start(9);
    std::istringstream in(Saved(*game));
    savefile::TypedReader reader(in);
    ASSERT_TRUE(other.game->Read(reader));
    EXPECT_EQ(other.game->Periode, game->Periode);
}

} // namespace
