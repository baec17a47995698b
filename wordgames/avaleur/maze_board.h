// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TPlateau: one screen of the maze world, 18 columns by 12 rows of 32-pixel
// cells. It generates a connected maze that fits the boards already built
// around it, keeps what stands on each cell, draws itself in one of six
// styles and answers the sprites' questions (walls, nearest free cell,
// paths, nearest exit).
#include <array>
#include <QColor>
#include <QImage>
#include <QRect>
#include <vector>

#include "wordgames/avaleur/avaleur_types.h"

namespace savefile {
class TypedReader;
class TypedWriter;
} // namespace savefile

namespace avaleur {

class AvaleurGame;
class TSprite;

struct TCase {
    std::uint8_t Nature = kWall;
    std::int32_t Occupant = -1;
};

struct PaletteEntry {
    QRgb Colour;
    int Inset;
};

// What the last generation did, for tests and benchmarks.
struct GenerationReport {
    int carvings = 0;       // carving attempts
    int connectRounds = 0;  // connecting rounds of both passes
    bool connected = false; // every free cell reachable from the first one
};

class TPlateau {
public:
    // Sets the board's place and number and prepares it with a random style
    // 0..4 and a new maze.
    TPlateau(int mondeX, AvaleurGame &jeu, int mondeY);
    virtual ~TPlateau() = default;
    TPlateau(const TPlateau &) = delete;
    TPlateau &operator=(const TPlateau &) = delete;

    // --- Fields.
    std::array<std::array<TCase, kRows + 1>, kColumns + 1> Cases{}; // [x][y], 1-based
    int MondeX = 1, MondeY = 1;
    AvaleurGame &Jeu;
    int Numero = 1;
    int NbPlaces = 0;
    QImage Fond; // background or wall tiles of the style; null for none
    QColor CouleurFond = Qt::white;
    int ModeFond = 1;
    int ModeContour = 0;
    int Style = 0;
    std::vector<PaletteEntry> Palette;

    // --- Cells.
    TCase &At(int x, int y) { return Cases[std::size_t(x)][std::size_t(y)]; }
    const TCase &At(int x, int y) const { return Cases[std::size_t(x)][std::size_t(y)]; }
    static bool Inside(int x, int y) { return x >= 1 && x <= kColumns && y >= 1 && y <= kRows; }
    // A wall, or outside the board.
    bool IsWall(int x, int y) const { return !Inside(x, y) || At(x, y).Nature >= kWall; }

    // --- Operations.
    // A style outside 0..5 becomes a random 0..4; generate rebuilds the maze
    // keeping the cells of this board's sprites free.
    void Prepare(int style, bool generate);
    void PlaceSprites();
    // The maze generator; keep lists the cells to leave free.
    void Genere(const std::vector<CellXY> &keep);
    void CalculeMurs();
    // Draws the board into a 576 x 384 picture.
    void Dessine(QImage &picture);
    // The first wall square overlapping the 30-pixel box at (px, py).
    bool MurEn(int px, int py, QRect *square = nullptr) const;
    CellXY CaseLibreProche(int x, int y);
    CellXY PlaceEloignee(const TSprite &sprite);
    // The path from one cell to another, goal first, start excluded.
    void Chemin(CellXY from, CellXY to, CellPath &path) const;
    CellPath Chemin(CellXY from, CellXY to) const;
    CellXY SortieProche(int x, int y) const;

    virtual void Sauve(savefile::TypedWriter &writer) const;
    // Reads the saved form; false when a value is out of range.
    virtual bool Charge(savefile::TypedReader &reader);

    GenerationReport LastGeneration;

private:
    bool FreeCellsConnected();
    int FreeNeighbours(int x, int y) const;
    void LayWorldEdges();
    void ConnectAll();
    void FixFacingWalls(std::uint8_t value);
    const TPlateau *Neighbour(int dx, int dy) const;
    void DrawTiles(QImage &picture);
    void DrawBevels(QImage &picture);
    void DrawOutlines(QImage &picture);
    std::vector<QPoint> TraceOutline(int x, int y);

    // Scratch arrays of the path finder: fixed size, so that a search never
    // allocates.
    struct Search {
        std::array<double, kCellCount + 1> key{};
        std::array<std::int16_t, kCellCount + 1> parent{};
        std::array<std::uint8_t, kCellCount + 1> heapPos{}; // 0: not in the heap
        std::array<std::uint8_t, kCellCount + 1> heap{};    // 1-based binary heap
        int heapSize = 0;
    };
    mutable Search search_;
    void HeapPush(int cell) const;
    int HeapPop() const;
};

} // namespace avaleur
