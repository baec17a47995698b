// SPDX-License-Identifier: GPL-3.0-or-later
// The classic Scrabble window's tick that runs a level-5 computer's search,
// timed on the mid-game positions (20 to 60 tiles on the board) of self-play
// games between two level-5 computers driven through the window's ticks.
// Reports the median and the worst tick (the animation runs every 50 ms).
//
// Usage: bench_scrabble_tick [DICTIONARY] [benchmark options]
// DICTIONARY defaults to LDico.ox next to the program. Runs on the offscreen
// platform with a temporary settings folder.
#include <benchmark/benchmark.h>

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
    for (int tick = 0; tick < 100000 && window.Phase != -2; ++tick) {
        int played = 0;
        for (const auto &tile : window.Game().Tiles())
            played += tile->IsPlayed();
        const bool search = window.Phase == 11 && window.Step == 0 && played >= 20 && played <= 60;
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
    std::sort(times.begin(), times.end());
    if (times.empty())
        return;
    state.counters["positions"] = double(times.size());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["p95_ms"] = times[std::min(times.size() - 1, std::size_t(0.95 * double(times.size())))];
    state.counters["worst_ms"] = times.back();
    state.counters["moves/game"] = double(moves) / double(games);
}
BENCHMARK(BM_ComputerSearchTick)->Unit(benchmark::kMillisecond)->Iterations(12);

} // namespace

int main(int argc, char **argv)
{
    std::string dictionary = (std::filesystem::path(argv[0]).parent_path() / "LDico.ox").string();
    if (argc > 1 && argv[1][0] != '-') {
        dictionary = argv[1];
        ++argv;
        --argc;
    }
    if (access(dictionary.c_str(), R_OK) != 0) {
        std::fprintf(stderr, "bench_scrabble_tick: no dictionary file %s\n", dictionary.c_str());
        return 2;
    }
    gDictionary = QString::fromLocal8Bit(dictionary.c_str());
    // No display needed, and the settings store stays out of the home folder.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
