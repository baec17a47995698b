// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The moving things of the game: the eater steered by the player
// (TPacman), the letters it eats (TLettre), the ghosts that kill it
// (TPhantom) and the magic items that freeze the ghosts (TMagic). Each is a
// 32-pixel sprite on a maze board, moved once per tick, drawn from picture
// sheets, registered on the board's grid and saved with the game.
#include <array>
#include <memory>
#include <QImage>
#include <QRegion>
#include <string>
#include <vector>

#include "wordgames/avaleur/avaleur_types.h"

class QPainter;
namespace savefile {
class TypedReader;
class TypedWriter;
} // namespace savefile

namespace avaleur {

class AvaleurGame;
class TPlateau;

enum class SpriteKind { Eater = 1, Letter = 2, Ghost = 3, Magic = 4 };

// The picture sheets the sprites are drawn from.
struct SpriteSheets {
    QImage alphabet, ghost, magic, eater;
};

class TSprite {
public:
    explicit TSprite(AvaleurGame &jeu, TPlateau *plateau);
    virtual ~TSprite() = default;
    TSprite(const TSprite &) = delete;
    TSprite &operator=(const TSprite &) = delete;

    virtual SpriteKind Kind() const = 0;

    int PrecX = 1, PrecY = 1;
    int X = 0, Y = 0;
    int Rang = 0;
    int CaseInscX = 0, CaseInscY = 0;
    int CaseX = 1, CaseY = 1;
    int AncCaseX = 1, AncCaseY = 1;
    int PlateauNo = 0;
    char DirPrec = 'P', Direction = 'P';
    int Pas = 1;
    AvaleurGame &Jeu;
    TPlateau *Plateau = nullptr;
    int Largeur = kCell, Hauteur = kCell;
    int Image = 0;
    int Attache = 0; // 0 free, 1 in the eater's train, 2 spent
    int Vitesse = 4;
    bool Visible = true;
    int Modele = 0;
    int Retrecit = -1;

    // --- Virtual operations.
    virtual void Avance();
    virtual void Dessine(QPainter &canvas, const SpriteSheets &sheets, const QRegion &region) const = 0;
    virtual void Zone(QRegion &region) const;
    virtual void Disparait();
    virtual void PrendChemin(const CellPath &) {}
    virtual void Sauve(savefile::TypedWriter &writer) const;
    // False when a value is out of range.
    virtual bool Charge(savefile::TypedReader &reader);
    virtual void SortDesMurs();

    // --- Common operations.
    CellXY CaseDe() const;
    void PlaceSur(int x, int y);
    void PlaceSur(CellXY cell) { PlaceSur(cell.x, cell.y); }
    TSprite *Touche(int size) const;
    // The box on the board; the rectangle in the window picture.
    QRect Box() const { return {X, Y, Largeur, Hauteur}; }
    QRect WindowRect() const;

protected:
    // Moves towards the pixel position of the path's next cell by at most
    // Vitesse pixels on each axis, dropping the cells reached. Returns true
    // when the path ran out on this step.
    bool FollowPath(CellPath &path);
    // Draws frame (column, row) of a sheet at (X + 1, Y + 1), or shrunk.
    void DrawFrame(QPainter &canvas, const QImage &sheet, int column, int row) const;
    QRect ShrunkSquare() const;
};

class TLettre : public TSprite {
public:
    TLettre(AvaleurGame &jeu, TPlateau *plateau);
    SpriteKind Kind() const override { return SpriteKind::Letter; }

    int Tour = 0;
    CellPath ChemLettre;
    char Lettre = 'A';
    bool Errance = false;
    int Attente = 0;

    void Avance() override;
    void Dessine(QPainter &canvas, const SpriteSheets &sheets, const QRegion &region) const override;
    void PrendChemin(const CellPath &path) override { ChemLettre = path; }
    void Sauve(savefile::TypedWriter &writer) const override;
    bool Charge(savefile::TypedReader &reader) override;
};

class TPhantom : public TSprite {
public:
    TPhantom(AvaleurGame &jeu, TPlateau *plateau);
    SpriteKind Kind() const override { return SpriteKind::Ghost; }

    CellPath ChemFantome;
    int Age = 0;

    void Avance() override;
    void Dessine(QPainter &canvas, const SpriteSheets &sheets, const QRegion &region) const override;
    void PrendChemin(const CellPath &path) override { ChemFantome = path; }
};

class TMagic : public TSprite {
public:
    TMagic(AvaleurGame &jeu, TPlateau *plateau);
    SpriteKind Kind() const override { return SpriteKind::Magic; }
    void Avance() override;
    void Dessine(QPainter &canvas, const SpriteSheets &sheets, const QRegion &region) const override;
};

// One place of the eater's train: its letter (none for place 0, the eater's
// own trail) and the trail of 8 points, newest first.
struct TrailPoint {
    int y = 0, x = 0, board = 0;
};
struct TrainPlace {
    std::unique_ptr<TLettre> letter;
    std::array<TrailPoint, kTrailPoints> trail{};
};

class TPacman : public TSprite {
public:
    TPacman(AvaleurGame &jeu, TPlateau *plateau);
    SpriteKind Kind() const override { return SpriteKind::Eater; }

    char Demande = ' ';
    int Compteur = 0;
    QRegion ZoneLettre;
    std::string Mot;
    std::array<TrainPlace, kTrainPlaces + 1> Train;
    int NbTrain = 0;

    void Avance() override;
    void Dessine(QPainter &canvas, const SpriteSheets &sheets, const QRegion &region) const override;
    // The eater and the letters of its train.
    void Zone(QRegion &region) const override;
    void Sauve(savefile::TypedWriter &writer) const override;
    bool Charge(savefile::TypedReader &reader) override;

    // A direction asked by the keys: 'D', 'G', 'H', 'B' or 'P'.
    void Demander(char direction);
    // Puts the eater on a board it enters at that cell; false when the cell
    // and the ones beside it are walls.
    bool PlaceEntree(int x, int y);
    // Fills the eater's own trail with its position (after a jump).
    void ResetTrail();
    // Gives up the train's letters, in order, and empties the word.
    std::vector<std::unique_ptr<TLettre>> TakeTrain();

private:
    void Eat(std::unique_ptr<TSprite> letter);
    void AdvanceTrain();
};

} // namespace avaleur
