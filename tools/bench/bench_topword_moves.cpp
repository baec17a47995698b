// SPDX-License-Identifier: GPL-3.0-or-later
// TopWord's move search on the generated dictionary file: GenerateMoves on
// mid-game positions of seeded games between level-5 computers (15 to 45
// tiles on the board, stacks included), on the 10 x 10 board (argument 10)
// and the 8 x 8 one (argument 8), and whole games between four computers.
//
// Usage: bench_topword_moves [DICTIONARY] [benchmark options]
// DICTIONARY defaults to LDico.ox next to the program.
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <chrono>
#include <string>
#include <vector>

#include "boardgames/topword/topword_game.h"
#include "dictionary/dictionnaire.h"
#include "scrabble/engine/move_search.h"
#include "scrabble/engine/self_play.h"

namespace {

std::string gDictionary;

struct Position {
    scrabble::Grid grid;
    std::string rack;
};

int PlayGame(const scrabble::MoveSearch &search, int size, std::uint64_t seed,
             std::vector<Position> *positions = nullptr)
{
    topword::Game game(seed, size);
    game.Players = {{"A", 5, 0, {}}, {"B", 5, 0, {}}, {"C", 5, 0, {}}, {"D", 5, 0, {}}};
    scrabble::SelfPlay play(game, search);
    if (positions != nullptr)
        play.beforeSearch = [positions](const scrabble::BoardGame &g) {
            const scrabble::Grid grid = g.Snapshot(false);
            if (grid.PlayedCount() >= 15 && grid.PlayedCount() <= 45)
                positions->push_back({grid, g.RackLetters(g.CurrentPlayer)});
        };
    play.PlayToEnd();
    return play.MovesPlayed();
}

void BM_GenerateMoves(benchmark::State &state)
{
    const int size = int(state.range(0));
    auto dico = TDictionnaire::Create(gDictionary, 'R');
    const scrabble::MoveSearch search(*dico, topword::Rules(size));
    std::vector<Position> positions;
    for (std::uint64_t seed = 1; positions.size() < 200 && seed < 60; ++seed)
        PlayGame(search, size, seed, &positions);
    std::vector<double> times;
    std::size_t i = 0;
    std::size_t candidates = 0;
    for (auto _ : state) {
        const Position &p = positions[i];
        const auto start = std::chrono::steady_clock::now();
        const std::vector<scrabble::Tcoup> moves = search.GenerateMoves(p.grid, p.rack, {});
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        candidates += moves.size();
        benchmark::DoNotOptimize(moves.data());
        i = i + 1 == positions.size() ? 0 : i + 1;
    }
    state.counters["positions"] = double(positions.size());
    state.counters["candidates/pos"] = double(candidates) / double(state.iterations());
    bench::ReportSpread(state, times, "searches");
}
BENCHMARK(BM_GenerateMoves)->Arg(10)->Arg(8)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_FourComputerGame(benchmark::State &state)
{
    const int size = int(state.range(0));
    auto dico = TDictionnaire::Create(gDictionary, 'R');
    const scrabble::MoveSearch search(*dico, topword::Rules(size));
    std::uint64_t seed = 100;
    int moves = 0;
    for (auto _ : state)
        moves += PlayGame(search, size, seed++);
    state.counters["moves/game"] = double(moves) / double(state.iterations());
}
BENCHMARK(BM_FourComputerGame)->Arg(10)->Arg(8)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    gDictionary = bench::DictionaryArgument(argc, argv, "bench_topword_moves");
    if (gDictionary.empty())
        return 2;
    return bench::RunBenchmarks(argc, argv);
}
