// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// AvaleurGame: the rules of the maze game without a window. It owns the 25
// boards of the world, the table of 250 sprites (place 1 is the eater), the
// score, lives, level, the death countdown and the magic effect, and runs
// one tick at a time. What the game shows or asks goes through its hooks.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <QImage>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <random>
#include <string>

#include "wordgames/avaleur/maze_board.h"
#include "wordgames/avaleur/sprites.h"

class TDictionnaire;
namespace savefile {
class TypedReader;
class TypedWriter;
} // namespace savefile

namespace avaleur {

struct AvaleurHooks {
    std::function<void(const QString &)> status;
    std::function<void(const QString &)> caption;
    std::function<void()> beep;
    std::function<void(int)> timerPeriod; // milliseconds
    // The settings dialog at a new game; false when cancelled.
    std::function<bool()> runConfiguration;
    std::function<void()> closeWindow;
    std::function<void()> historyChanged;
    // The speed of the settings' speed bar, 1..100.
    std::function<int()> settingsSpeed;
    // Milliseconds of a steady clock, never 0.
    std::function<std::int64_t()> now;
    // True while the window closes or pauses: a tick stops there.
    std::function<bool()> halted;
};

// Points of a word by its length.
int PointsOfWord(int length);
// Level from the score, 0..6.
int LevelOfScore(int score);
// The timer period of a speed 1..100.
int PeriodOfSpeed(int speed);

class AvaleurGame {
public:
    // Builds the world: board (3, 3) first, then the others by columns, and
    // the eater on board (3, 3). The first tick starts a new game.
    AvaleurGame(TDictionnaire &dictionary, std::uint32_t seed, AvaleurHooks hooks = {});
    ~AvaleurGame();
    AvaleurGame(const AvaleurGame &) = delete;
    AvaleurGame &operator=(const AvaleurGame &) = delete;

    AvaleurHooks hooks;

    // --- State.
    std::array<std::array<std::unique_ptr<TPlateau>, kWorldSide + 1>, kWorldSide + 1> Plateaux;
    std::array<std::unique_ptr<TSprite>, kPlaces + 1> Sprites;
    int CourantX = 3, CourantY = 3;
    int ScoreJeu = 0;
    int Vies = 5;
    int Niveau = 0;
    int CompteMort = -1;
    std::int64_t DebutMagie = 0;
    bool AConfigurer = true;
    bool EnChargement = false;
    bool ToutRedessiner = true;
    bool GameOver = false;
    bool Modified = false;
    std::string MotAffiche;
    int OrigineX = 123, OrigineY = 56;
    int Demarrage = 0;
    int DebutX = 0, DebutY = 0; // the eater's position noted at the start
    std::int64_t TickCreation = 0;
    int Vitesse = 50;     // speed bar, 1..100
    int Periode = 70;     // timer period, ms
    QStringList LB_mots;  // the word history
    QRegion UpdateRegion; // window-picture rectangles to repaint
    QImage ImagePlateau;  // the current board's picture, 576 x 384
    SpriteSheets Sheets;

    // --- Access.
    TPacman &Mangeur() const { return static_cast<TPacman &>(*Sprites[1]); }
    TPlateau *Plateau(int x, int y) const;
    TPlateau *PlateauNumero(int numero) const;
    TPlateau &Courant() const { return *Plateau(CourantX, CourantY); }
    TSprite *Sprite(int place) const
    {
        return place >= 1 && place <= kPlaces ? Sprites[std::size_t(place)].get() : nullptr;
    }
    TDictionnaire &Dictionary() const { return dictionary_; }
    int Random(int n);
    std::mt19937 &Rng() { return rng_; }
    std::int64_t Now() const;
    bool MagieActive() const { return DebutMagie != 0; }

    // --- Flow.
    // One tick of the timer; active: the game's window is the active one.
    void Tick(bool active = true);
    void NewGame();
    void MontrePlateau();
    void ChangePlateau(int dx, int dy);
    void MotTrouve(const std::string &word);
    void AjouteLettres(int n, TPlateau *board = nullptr);
    void AjouteFantomes(int n, TPlateau *board = nullptr);
    void AjouteMagie(int n);
    void Meurt();
    void Magie();
    void UpdateLevel();
    // The speed bar moved (or a game started): the period follows it and
    // the levels' reductions are dropped.
    void SetSpeed(int speed);
    // The eater asks for a direction (keys).
    void Demande(char direction);
    // Takes a sprite into the first free place from 2 on; null when the
    // table is full (the sprite is then freed).
    TSprite *Insere(std::unique_ptr<TSprite> sprite);
    // Takes a sprite out of the table.
    std::unique_ptr<TSprite> Retire(int place);
    // Sprites of the current board whose shrinking ended leave the table; a
    // finished magic item is replaced by a new one.
    void RetireFinis();
    int Count(SpriteKind kind, const TPlateau *board) const;

    // --- Saved game payload, after the base fields and the settings.
    void Write(savefile::TypedWriter &writer) const;
    // False (or a savefile::ReadError) when the payload is bad.
    bool Read(savefile::TypedReader &reader);
    // Full repaint at the next paint.
    void RepaintAll() { ToutRedessiner = true; }

private:
    void Respawn();
    void LevelChanged(int level);
    void Status(const QString &text);
    std::unique_ptr<TLettre> NewLetter(TPlateau &board);
    std::unique_ptr<TPhantom> NewGhost(TPlateau &board);
    std::unique_ptr<TMagic> NewMagic(TPlateau &board);
    TPlateau *FewestOf(SpriteKind kind, bool avoidEaterBoard) const;
    void Add(SpriteKind kind, int n, TPlateau *board, bool avoidEaterBoard);
    bool ReadSprites(savefile::TypedReader &reader);

    TDictionnaire &dictionary_;
    std::mt19937 rng_;
};

} // namespace avaleur
