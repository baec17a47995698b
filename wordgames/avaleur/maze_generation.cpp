// SPDX-License-Identifier: GPL-3.0-or-later
// TPlateau::Genere: the maze generator. A board starts as solid wall, opens
// its edges where the neighbours already built have corridors, carves random
// corridors until a share of it is free, walls the world's outer edges, then
// joins the pockets left unconnected.
#include "wordgames/avaleur/avaleur_game.h"
#include "wordgames/avaleur/maze_board.h"

namespace avaleur {

namespace {
constexpr std::uint8_t kMark = 1; // flood-fill mark
constexpr int kMostAttempts = 1000;

struct Side {
    int dx, dy;
    // The cell of this board's side at position i, and the facing cell of
    // the neighbour.
    CellXY own(int i) const
    {
        if (dx != 0)
            return {dx < 0 ? 1 : kColumns, i};
        return {i, dy < 0 ? 1 : kRows};
    }
    CellXY facing(int i) const
    {
        if (dx != 0)
            return {dx < 0 ? kColumns : 1, i};
        return {i, dy < 0 ? kRows : 1};
    }
    int length() const { return dx != 0 ? kRows : kColumns; }
};
constexpr std::array<Side, 4> kSides = {{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
} // namespace

int TPlateau::FreeNeighbours(int x, int y) const
{
    int n = 0;
    for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
        if (Inside(x + dx, y + dy) && At(x + dx, y + dy).Nature == kFree)
            ++n;
    return n;
}

void TPlateau::LayWorldEdges()
{
    // A corner cell lies on two sides and may face a corridor on one and a
    // wall on the other: corners are always walls, so that every side fits
    // its neighbour's exactly.
    for (auto [x, y] : {std::pair{1, 1}, {kColumns, 1}, {1, kRows}, {kColumns, kRows}})
        At(x, y).Nature = kWall;
    for (int i = 1; i <= kRows; ++i) {
        if (MondeX == 1)
            At(1, i).Nature = kWall;
        if (MondeX == kWorldSide)
            At(kColumns, i).Nature = kWall;
    }
    for (int i = 1; i <= kColumns; ++i) {
        if (MondeY == 1)
            At(i, 1).Nature = kWall;
        if (MondeY == kWorldSide)
            At(i, kRows).Nature = kWall;
    }
}

void TPlateau::FixFacingWalls(std::uint8_t value)
{
    for (const Side &side : kSides) {
        const TPlateau *neighbour = Neighbour(side.dx, side.dy);
        if (!neighbour)
            continue;
        for (int i = 1; i <= side.length(); ++i) {
            const CellXY facing = side.facing(i), own = side.own(i);
            if (neighbour->At(facing.x, facing.y).Nature >= kWall)
                At(own.x, own.y).Nature = value;
        }
    }
}

bool TPlateau::FreeCellsConnected()
{
    // Flood fill from the first free cell in scanning order.
    std::array<std::uint8_t, kCellCount> stack{};
    int top = 0;
    for (int x = 1; x <= kColumns && top == 0; ++x)
        for (int y = 1; y <= kRows && top == 0; ++y)
            if (At(x, y).Nature == kFree) {
                At(x, y).Nature = kMark;
                stack[std::size_t(top++)] = std::uint8_t(CellNumber(x, y) - 1);
            }
    while (top > 0) {
        const CellXY c = CellOfNumber(stack[std::size_t(--top)] + 1);
        for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            const int nx = c.x + dx, ny = c.y + dy;
            if (Inside(nx, ny) && At(nx, ny).Nature == kFree) {
                At(nx, ny).Nature = kMark;
                stack[std::size_t(top++)] = std::uint8_t(CellNumber(nx, ny) - 1);
            }
        }
    }
    for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y)
            if (At(x, y).Nature == kFree)
                return false;
    return true;
}

void TPlateau::ConnectAll()
{
    const auto clearMarks = [this] {
        for (auto &column : Cases)
            for (TCase &cell : column)
                if (cell.Nature == kMark)
                    cell.Nature = kFree;
    };
    for (int round = 0; round < kMostAttempts; ++round) {
        if (FreeCellsConnected()) {
            clearMarks();
            LastGeneration.connected = true;
            return;
        }
        ++LastGeneration.connectRounds;
        // The nearest pair (marked, unmarked free) in one column or one row
        // whose cells between are all walls that may be opened: a fixed
        // wall between them would make opening useless.
        CellXY from, to;
        int best = 1 << 30;
        for (int ax = 1; ax <= kColumns; ++ax)
            for (int ay = 1; ay <= kRows; ++ay) {
                if (At(ax, ay).Nature != kMark)
                    continue;
                const auto consider = [&](int bx, int by) {
                    if (At(bx, by).Nature != kFree)
                        return;
                    const int d = std::abs(ax - bx) + std::abs(ay - by);
                    if (d > best)
                        return;
                    const int sx = bx > ax ? 1 : bx < ax ? -1 : 0, sy = by > ay ? 1 : by < ay ? -1 : 0;
                    for (int x = ax + sx, y = ay + sy; x != bx || y != by; x += sx, y += sy)
                        if (At(x, y).Nature == kFixedWall)
                            return;
                    if (d < best || Jeu.Random(2121) % 2 == 0) {
                        best = d;
                        from = {ax, ay};
                        to = {bx, by};
                    }
                };
                for (int bx = 1; bx <= kColumns; ++bx)
                    consider(bx, ay);
                for (int by = 1; by <= kRows; ++by)
                    consider(ax, by);
            }
        clearMarks();
        if (!from.Valid())
            return; // nothing can join the pockets left
        const int sx = to.x > from.x   ? 1
                       : to.x < from.x ? -1
                                       : 0,
                  sy = to.y > from.y   ? 1
                       : to.y < from.y ? -1
                                       : 0;
        for (int x = from.x + sx, y = from.y + sy; x != to.x || y != to.y; x += sx, y += sy)
            if (At(x, y).Nature >= kWall && At(x, y).Nature != kFixedWall)
                At(x, y).Nature = kFree;
        LayWorldEdges();
    }
}

void TPlateau::Genere(const std::vector<CellXY> &keep)
{
    LastGeneration = {};
    // 1. Solid wall, the target free share, the kept cells.
    for (auto &column : Cases)
        for (TCase &cell : column)
            cell.Nature = kWall;
    const int target = 40 + Jeu.Random(20);
    for (const CellXY &cell : keep)
        if (Inside(cell.x, cell.y))
            At(cell.x, cell.y).Nature = kFree;
    LayWorldEdges();
    // 2. Edges facing the neighbours' corridors, or one opening per side.
    for (const Side &side : kSides) {
        const int nx = MondeX + side.dx, ny = MondeY + side.dy;
        if (nx < 1 || nx > kWorldSide || ny < 1 || ny > kWorldSide)
            continue;
        if (const TPlateau *neighbour = Neighbour(side.dx, side.dy)) {
            for (int i = 1; i <= side.length(); ++i) {
                const CellXY facing = side.facing(i), own = side.own(i);
                if (neighbour->At(facing.x, facing.y).Nature < kWall)
                    At(own.x, own.y).Nature = kFree;
            }
        } else {
            const CellXY own = side.own(2 + Jeu.Random(side.length() - 2)); // not a corner
            At(own.x, own.y).Nature = kFree;
        }
    }
    // 3. Fixing: the cells facing a neighbour's wall stay walls.
    FixFacingWalls(kFixedWall);
    // 4. Carving.
    const auto freeShare = [this] {
        int free = 0;
        for (int x = 1; x <= kColumns; ++x)
            for (int y = 1; y <= kRows; ++y)
                free += At(x, y).Nature < kWall ? 1 : 0;
        return free * 100 / kCellCount;
    };
    static constexpr std::array<std::pair<int, int>, 4> kSteps = {{{0, -1}, {0, 1}, {-1, 0}, {1, 0}}};
    while (freeShare() < target && LastGeneration.carvings < kMostAttempts) {
        ++LastGeneration.carvings;
        int x = 1 + Jeu.Random(kColumns), y = 1 + Jeu.Random(kRows);
        if (FreeNeighbours(x, y) >= 2)
            continue;
        At(x, y).Nature = kFree;
        const auto [dx, dy] = kSteps[std::size_t(Jeu.Random(4))];
        for (;;) {
            x += dx;
            y += dy;
            if (!Inside(x, y) || FreeNeighbours(x, y) >= 2)
                break;
            if (At(x, y).Nature != kFixedWall)
                At(x, y).Nature = kFree;
        }
    }
    // 5. The world's outer edges.
    LayWorldEdges();
    // 6. Connecting.
    ConnectAll();
    // 7. Second pass: a random carving may have opened a fixed cell; the
    // cells facing a neighbour's wall become fixed walls again before the
    // pockets are joined once more, so that joining never goes through a
    // cell that would be walled up afterwards.
    FixFacingWalls(kFixedWall);
    LastGeneration.connected = false;
    ConnectAll();
    // 8. Walls and corridors, and their shapes.
    for (auto &column : Cases)
        for (TCase &cell : column)
            cell.Nature = cell.Nature >= kWall ? kWall : kFree;
    CalculeMurs();
}

} // namespace avaleur
