// SPDX-License-Identifier: GPL-3.0-or-later
// The classic Scrabble window's tick that runs a level-5 computer's search,
// timed on the mid-game positions (20 to 60 tiles on the board) of self-play
// games between two level-5 computers driven through the window's ticks.
// Reports the median and the worst tick (the animation runs every 50 ms).
//
// Usage: bench_scrabble_tick [DICTIONARY] [benchmark options]
// DICTIONARY defaults to LDico.ox next to the program. Runs on the offscreen
// platform with a temporary settings folder, every message answered at once.
#include <benchmark/benchmark.h>

#include "bench_qt_support.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <QApplication>
#include <QTemporaryDir>
#include <string>
#include <unistd.h>
#include <vector>

#include "framework/config_dialog.h"
#include "framework/tick_driver.h"
#include "scrabble/windows/scrabble_window.h"

namespace {

QString gDictionary;

struct GameTimes {
    std::vector<double> searchTicks; // ms
    int moves = 0;
};

// One self-play game through the window's ticks.
GameTimes PlayGame(std::uint64_t seed)
{
    GameTimes result;
    TFScrabble window(nullptr, gDictionary);
    window.StopTicks();
    window.seedSource = [seed] { return seed; };
    window.Game().random.Reseed(seed);
    window.runConfiguration = [](TFconfig &config) {
        config.Players[1].Level = 5;
        config.Players[2].Level = 5;
        config.GameSettings::ApplyDialog(2);
        return true;
    };
    for (int tick = 0; tick < 100000 && window.Driver.Phase != -2; ++tick) {
        int played = 0;
        for (const auto &tile : window.Game().Tiles())
            played += tile->IsPlayed();
        const bool search =
            window.Driver.Phase == 11 && window.Driver.Step == 0 && played >= 20 && played <= 60;
        const auto start = std::chrono::steady_clock::now();
        window.Ticks()->fire();
        if (search)
            result.searchTicks.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    result.moves = window.Game().MoveCount();
    return result;
}

void BM_ComputerSearchTick(benchmark::State &state)
{
    std::vector<double> times;
    int games = 0;
    int moves = 0;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        const GameTimes game = PlayGame(seed++);
        times.insert(times.end(), game.searchTicks.begin(), game.searchTicks.end());
        moves += game.moves;
        ++games;
    }
    bench::ReportSpread(state, times, "positions");
    state.counters["moves/game"] = double(moves) / double(games);
}
BENCHMARK(BM_ComputerSearchTick)->Unit(benchmark::kMillisecond)->Iterations(12);

} // namespace

int main(int argc, char **argv)
{
    const std::string dictionary = bench::DictionaryArgument(argc, argv, "bench_scrabble_tick");
    if (dictionary.empty())
        return 2;
    gDictionary = QString::fromLocal8Bit(dictionary.c_str());
    bench::OffscreenApplication app(argv);
    SetDialogs(std::make_unique<bench::SilentDialogs>());
    return bench::RunBenchmarks(argc, argv);
}
