// SPDX-License-Identifier: GPL-3.0-or-later
// A whole Duplicate draw with 40 computer players, through the game's ticks:
// the move search, the 40 proposals and the end of the turn with the next
// deal. Games of seeded draws are played from the start; every draw is one
// measurement. Reports the median and the worst draw.
//
// Usage: bench_duplicate_draw [DICTIONARY] [benchmark options]
// DICTIONARY defaults to LDico.ox next to the program.
#include <benchmark/benchmark.h>

#include "bench_support.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "dictionary/dictionnaire.h"
#include "scrabble/engine/duplicate_game.h"

namespace {

using namespace scrabble;

std::string gDictionary;

void BM_DuplicateDraw40Computers(benchmark::State &state)
{
    const auto dico = TDictionnaire::Create(gDictionary, 'R');
    std::vector<PlayerInfo> players;
    for (int i = 0; i < DuplicateGame::kMaxPlayers; ++i)
        players.push_back({"Ordinateur " + std::to_string(i + 1), 1 + i % 5, 0, {}});
    std::vector<double> draws; // ms of ticks' work per draw
    std::uint64_t seed = 1;
    int tilesOnBoard = 0;
    for (auto _ : state) {
        DuplicateGame game(dico.get(), seed++);
        game.StartGame(players, DuplicateVariant::Classique);
        double work = 0;
        for (int tick = 0; tick < 100000 && !game.GameOver; ++tick) {
            const auto start = std::chrono::steady_clock::now();
            const TickResult result = game.Tick();
            work +=
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            if (result.endTurn) {
                draws.push_back(work);
                work = 0;
            }
        }
        for (const DuplicateSquare &s : game.Squares())
            tilesOnBoard += s.IsPlayed();
    }
    bench::ReportSpread(state, draws, "draws");
    state.counters["tiles/game"] = double(tilesOnBoard) / double(state.iterations());
}
BENCHMARK(BM_DuplicateDraw40Computers)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    gDictionary = bench::DictionaryArgument(argc, argv, "bench_duplicate_draw");
    if (gDictionary.empty())
        return 2;
    return bench::RunBenchmarks(argc, argv);
}
