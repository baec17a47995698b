// SPDX-License-Identifier: GPL-3.0-or-later
// A whole Duplicate draw with 40 computer players, through the game's ticks:
// the move search, the 40 proposals and the end of the turn with the next
// deal. Games of seeded draws are played from the start; every draw is one
// measurement. Reports the median and the worst draw.
//
// Usage: bench_duplicate_draw [DICTIONARY] [benchmark options]
// DICTIONARY defaults to LDico.ox next to the program.
#include <benchmark/benchmark.h>

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
    std::sort(draws.begin(), draws.end());
    if (draws.empty())
        return;
    state.counters["draws"] = double(draws.size());
    state.counters["median_ms"] = draws[draws.size() / 2];
    state.counters["p95_ms"] = draws[std::min(draws.size() - 1, std::size_t(0.95 * double(draws.size())))];
    state.counters["worst_ms"] = draws.back();
    state.counters["tiles/game"] = double(tilesOnBoard) / double(state.iterations());
}
BENCHMARK(BM_DuplicateDraw40Computers)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    gDictionary = (std::filesystem::path(argv[0]).parent_path() / "LDico.ox").string();
    if (argc > 1 && argv[1][0] != '-') {
        gDictionary = argv[1];
        ++argv;
        --argc;
    }
    if (access(gDictionary.c_str(), R_OK) != 0) {
        std::fprintf(stderr, "bench_duplicate_draw: no dictionary file %s\n", gDictionary.c_str());
        return 2;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
