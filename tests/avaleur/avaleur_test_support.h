// SPDX-License-Identifier: GPL-3.0-or-later
// A maze game on a small dictionary with a clock the test moves, hooks
// that record what the game shows, and helpers that set up a board by hand.
#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <QStringList>
#include <string>
#include <vector>

#include "scrabble_test_support.h"
#include "wordgames/avaleur/avaleur_game.h"

namespace avaleur_test {

using namespace avaleur;

inline const std::vector<std::string> kWords = {
    "EAU", "EAUX", "ETE", "ETES", "ANTICONSTITUTIONNELLEMENT", "ABRACADABRANT", "PAPA", "MARDI"};

struct GameRig {
    // A game after its first tick: the configuration answered OK.
    void Start(std::uint32_t seed = 11)
    {
        game.reset();
        dictionary = scrabble_test::SmallDictionary(folder.File(dictionaryName), kWords);
        AvaleurHooks h;
        h.status = [this](const QString &text) { statuses << text; };
        h.caption = [this](const QString &text) { captions << text; };
        h.beep = [this] { ++beeps; };
        h.timerPeriod = [this](int period) { periods.push_back(period); };
        h.runConfiguration = [this] { return configure; };
        h.closeWindow = [this] { closed = true; };
        h.settingsSpeed = [] { return 50; };
        h.now = [this] { return clock; };
        game = std::make_unique<AvaleurGame>(*dictionary, seed, h);
        game->Tick();
    }

    TPacman &Eater() { return game->Mangeur(); }

    // Every sprite but the eater leaves the table.
    void ClearSprites()
    {
        for (int place = 2; place <= kPlaces; ++place)
            game->Sprites[std::size_t(place)].reset();
    }

    // The current board with only its outer ring walled.
    void OpenBoard()
    {
        TPlateau &board = game->Courant();
        for (int x = 1; x <= kColumns; ++x)
            for (int y = 1; y <= kRows; ++y)
                board.At(x, y).Nature = x == 1 || y == 1 || x == kColumns || y == kRows ? kWall : kFree;
        board.CalculeMurs();
        board.PlaceSprites();
    }

    TLettre &PutLetter(char c, int x, int y)
    {
        auto letter = std::make_unique<TLettre>(*game, &game->Courant());
        letter->Lettre = c;
        letter->PlaceSur(x, y);
        letter->Image = 5;
        letter->Attente = 1000;
        return static_cast<TLettre &>(*game->Insere(std::move(letter)));
    }

    TPhantom &PutGhost(int x, int y)
    {
        auto ghost = std::make_unique<TPhantom>(*game, &game->Courant());
        ghost->PlaceSur(x, y);
        return static_cast<TPhantom &>(*game->Insere(std::move(ghost)));
    }

    // Sets the eater on a cell of the current board, going right.
    void EaterAt(int x, int y, char direction = 'D')
    {
        Eater().Plateau = &game->Courant();
        Eater().PlaceSur(x, y);
        Eater().Direction = direction;
        Eater().Demande = ' ';
        Eater().ResetTrail();
    }

    // The eater eats a letter put on its way.
    void Eat(char c)
    {
        const CellXY cell = Eater().CaseDe();
        TLettre &letter = PutLetter(c, cell.x, cell.y);
        letter.X = Eater().X + Eater().Vitesse;
        Eater().Avance();
        // Letters added at random would be eaten by chance later: remove them.
        for (int place = 2; place <= kPlaces; ++place)
            if (TSprite *s = game->Sprite(place); s && s->Kind() == SpriteKind::Letter && s->Attache == 0)
                game->Sprites[std::size_t(place)].reset();
    }

    scrabble_test::TempFolder folder;
    std::string dictionaryName = "mots.ox";
    std::unique_ptr<TDictionnaire> dictionary;
    std::unique_ptr<AvaleurGame> game;
    QStringList statuses, captions;
    std::vector<int> periods;
    std::int64_t clock = 1000;
    bool configure = true, closed = false;
    int beeps = 0;
};

class AvaleurRules : public ::testing::Test, public GameRig {};

} // namespace avaleur_test
