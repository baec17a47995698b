// SPDX-License-Identifier: GPL-3.0-or-later
// TPlateau::Chemin: best-first search towards the goal on the 216 cells,
// on fixed arrays and a byte-sized binary heap: it runs for several sprites
// on every tick and never allocates.
#include <cmath>

#include "wordgames/avaleur/maze_board.h"

namespace avaleur {

void TPlateau::HeapPush(int cell) const
{
    Search &s = search_;
    int i = ++s.heapSize;
    s.heap[std::size_t(i)] = std::uint8_t(cell);
    s.heapPos[std::size_t(cell)] = std::uint8_t(i);
    // Sift up while the parent's key is strictly greater.
    while (i > 1) {
        const int parent = i / 2;
        const int pc = s.heap[std::size_t(parent)];
        if (!(s.key[std::size_t(pc)] > s.key[std::size_t(cell)]))
            break;
        s.heap[std::size_t(i)] = std::uint8_t(pc);
        s.heapPos[std::size_t(pc)] = std::uint8_t(i);
        i = parent;
    }
    s.heap[std::size_t(i)] = std::uint8_t(cell);
    s.heapPos[std::size_t(cell)] = std::uint8_t(i);
}

int TPlateau::HeapPop() const
{
    Search &s = search_;
    const int root = s.heap[1];
    s.heapPos[std::size_t(root)] = 0;
    const int last = s.heap[std::size_t(s.heapSize--)];
    if (s.heapSize == 0)
        return root;
    int i = 1;
    for (;;) {
        int child = 2 * i;
        if (child > s.heapSize)
            break;
        // The right child only when strictly smaller.
        if (child + 1 <= s.heapSize &&
            s.key[s.heap[std::size_t(child + 1)]] < s.key[s.heap[std::size_t(child)]])
            ++child;
        const int cc = s.heap[std::size_t(child)];
        if (!(s.key[std::size_t(cc)] < s.key[std::size_t(last)]))
            break;
        s.heap[std::size_t(i)] = std::uint8_t(cc);
        s.heapPos[std::size_t(cc)] = std::uint8_t(i);
        i = child;
    }
    s.heap[std::size_t(i)] = std::uint8_t(last);
    s.heapPos[std::size_t(last)] = std::uint8_t(i);
    return root;
}

void TPlateau::Chemin(CellXY from, CellXY to, CellPath &path) const
{
    path.clear();
    if (!from.Valid() || !to.Valid() || IsWall(to.x, to.y) || from == to)
        return;
    Search &s = search_;
    s.parent.fill(-1);
    s.heapSize = 0;
    const int start = CellNumber(from.x, from.y), goal = CellNumber(to.x, to.y);
    // Every reached cell keeps the cost of the start (0): the key is the
    // straight-line distance to the goal alone.
    const auto keyOf = [&](int x, int y) { return std::hypot(double(x - to.x), double(y - to.y)); };
    s.parent[std::size_t(start)] = std::int16_t(start);
    s.key[std::size_t(start)] = keyOf(from.x, from.y);
    HeapPush(start);
    bool found = false;
    while (s.heapSize > 0) {
        const int cell = HeapPop();
        if (cell == goal) {
            found = true;
            break;
        }
        const CellXY c = CellOfNumber(cell);
        for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            const int nx = c.x + dx, ny = c.y + dy;
            if (IsWall(nx, ny))
                continue;
            const int n = CellNumber(nx, ny);
            if (s.parent[std::size_t(n)] >= 0)
                continue; // reached once, from its first parent
            s.parent[std::size_t(n)] = std::int16_t(cell);
            s.key[std::size_t(n)] = keyOf(nx, ny);
            HeapPush(n);
        }
    }
    if (!found)
        return;
    for (int cell = goal; cell != start; cell = s.parent[std::size_t(cell)])
        path.push_back(cell);
}

CellPath TPlateau::Chemin(CellXY from, CellXY to) const
{
    CellPath path;
    Chemin(from, to, path);
    return path;
}

} // namespace avaleur
