// SPDX-License-Identifier: GPL-3.0-or-later
// Move search benchmarks on the generated dictionary file: GenerateMoves on
// mid-game positions (20 to 60 tiles on the board, taken from seeded games
// between computer players; racks with and without a joker), the memory a
// search takes on the heap at its peak on the same positions, and whole
// games between two level-5 computer players.
//
// Usage: bench_scrabble_moves [DICTIONARY] [benchmark options]
// DICTIONARY defaults to LDico.ox next to the program. With the environment
// variable LUDORINE_POSITION_TIMES set to a file name, the median time of
// each position goes to that file, one line each ("index tiles rack ms"), so
// that two builds can be compared position by position.
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

#include "dictionary/dictionnaire.h"
#include "scrabble/engine/board_game.h"
#include "scrabble/engine/move_search.h"
#include "scrabble/engine/self_play.h"

// The heap in use and its peak, counted while `gCounting` is set.
bool gCounting = false;
std::size_t gHeapInUse = 0;
std::size_t gHeapPeak = 0;

void *operator new(std::size_t size)
{
    void *block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr)
        throw std::bad_alloc();
    if (gCounting) {
        gHeapInUse += malloc_usable_size(block);
        gHeapPeak = std::max(gHeapPeak, gHeapInUse);
    }
    return block;
}

void Release(void *block) noexcept
{
    if (gCounting && block != nullptr)
        gHeapInUse -= std::min(gHeapInUse, malloc_usable_size(block));
    std::free(block);
}

void operator delete(void *block) noexcept
{
    Release(block);
}

void operator delete(void *block, std::size_t) noexcept
{
    Release(block);
}

namespace {

using namespace scrabble;

std::string gDictionary;

struct Position {
    Grid grid;
    std::string rack;
};

// Plays a seeded game between two level-5 players; returns the number of moves.
int PlayGame(const MoveSearch &search, std::uint64_t seed, std::vector<Position> *positions = nullptr)
{
    BoardGame game(seed);
    game.Players = {{"A", 5, 0, {}}, {"B", 5, 0, {}}};
    SelfPlay play(game, search);
    if (positions != nullptr)
        play.beforeSearch = [positions](const BoardGame &g) {
            const Grid grid = g.Snapshot(false);
            if (grid.PlayedCount() >= 20 && grid.PlayedCount() <= 60)
                positions->push_back({grid, g.RackLetters(g.CurrentPlayer)});
        };
    play.PlayToEnd();
    return play.MovesPlayed();
}

// Mid-game positions, each with its own rack and the same rack with a joker
// in place of its last letter.
std::vector<Position> Positions(const MoveSearch &search)
{
    std::vector<Position> positions;
    for (std::uint64_t seed = 1; positions.size() < 100 && seed < 50; ++seed)
        PlayGame(search, seed, &positions);
    std::vector<Position> all;
    for (const Position &p : positions) {
        all.push_back(p);
        if (p.rack.find('*') == std::string::npos && !p.rack.empty()) {
            Position joker = p;
            joker.rack.back() = '*';
            all.push_back(joker);
        }
    }
    return all;
}

void WritePositionTimes(const std::vector<Position> &positions, std::vector<std::vector<double>> &times)
{
    const char *name = std::getenv("LUDORINE_POSITION_TIMES");
    if (name == nullptr || *name == 0)
        return;
    FILE *out = std::fopen(name, "w");
    if (out == nullptr)
        return;
    for (std::size_t p = 0; p < positions.size(); ++p) {
        std::vector<double> &t = times[p];
        if (t.empty())
            continue;
        std::sort(t.begin(), t.end());
        std::fprintf(out, "%zu %d %s %.4f\n", p, positions[p].grid.PlayedCount(), positions[p].rack.c_str(),
                     t[t.size() / 2]);
    }
    std::fclose(out);
}

void BM_GenerateMoves(benchmark::State &state)
{
    auto dico = TDictionnaire::Create(gDictionary, 'R');
    const MoveSearch search(*dico);
    const std::vector<Position> positions = Positions(search);
    std::vector<double> times;
    std::vector<std::vector<double>> positionTimes(positions.size());
    std::size_t i = 0;
    std::size_t candidates = 0;
    SearchOptions options;
    options.bagSize = 50;
    for (auto _ : state) {
        const Position &p = positions[i];
        const auto start = std::chrono::steady_clock::now();
        const std::vector<Tcoup> moves = search.GenerateMoves(p.grid, p.rack, options);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        positionTimes[i].push_back(times.back());
        candidates += moves.size();
        benchmark::DoNotOptimize(moves.data());
        i = i + 1 == positions.size() ? 0 : i + 1;
    }
    WritePositionTimes(positions, positionTimes);
    std::sort(times.begin(), times.end());
    auto at = [&](double q) {
        return times[std::min(times.size() - 1, std::size_t(q * double(times.size())))];
    };
    state.counters["positions"] = double(positions.size());
    state.counters["median_ms"] = at(0.5);
    state.counters["p95_ms"] = at(0.95);
    state.counters["max_ms"] = times.back();
    state.counters["candidates/pos"] = double(candidates) / double(state.iterations());
    state.counters["positions/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GenerateMoves)->Unit(benchmark::kMillisecond)->MinTime(5.0);

// The largest and the median heap peak of one search above what was in use
// before it, over the positions (the candidates returned included).
void BM_SearchMemory(benchmark::State &state)
{
    auto dico = TDictionnaire::Create(gDictionary, 'R');
    const MoveSearch search(*dico);
    const std::vector<Position> positions = Positions(search);
    SearchOptions options;
    options.bagSize = 50;
    std::vector<double> peaks;
    for (auto _ : state)
        for (const Position &p : positions) {
            gHeapInUse = 0;
            gHeapPeak = 0;
            gCounting = true;
            const std::vector<Tcoup> moves = search.GenerateMoves(p.grid, p.rack, options);
            gCounting = false;
            peaks.push_back(double(gHeapPeak) / 1024.0);
            benchmark::DoNotOptimize(moves.data());
        }
    std::sort(peaks.begin(), peaks.end());
    state.counters["median_peak_kb"] = peaks[peaks.size() / 2];
    state.counters["max_peak_kb"] = peaks.back();
}
BENCHMARK(BM_SearchMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SelfPlayLevel5(benchmark::State &state)
{
    auto dico = TDictionnaire::Create(gDictionary, 'R');
    const MoveSearch search(*dico);
    std::uint64_t seed = 100;
    int moves = 0;
    for (auto _ : state)
        moves += PlayGame(search, seed++);
    state.counters["moves/game"] = double(moves) / double(state.iterations());
}
BENCHMARK(BM_SelfPlayLevel5)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    gDictionary = bench::DictionaryArgument(argc, argv, "bench_scrabble_moves");
    if (gDictionary.empty())
        return 2;
    return bench::RunBenchmarks(argc, argv);
}
