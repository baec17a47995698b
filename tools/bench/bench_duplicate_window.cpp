// SPDX-License-Identifier: GPL-3.0-or-later
// The Duplicate window's ticks with 40 computer players: the work of a whole
// draw (the search, the 40 proposals with the player table drawn again after
// each, the end of the turn and the next deal), summed over the ticks of the
// draw, on seeded games from the first draw to the last. Reports the median
// and the worst draw.
//
// Usage: bench_duplicate_window [DICTIONARY] [benchmark options]
// DICTIONARY defaults to LDico.ox next to the program. Runs on the offscreen
// platform with a temporary settings folder.
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
#include "framework/dialog_service.h"
#include "framework/tick_driver.h"
#include "scrabble/windows/duplicate_window.h"

namespace {

QString gDictionary;

// The ticks' work of every draw of one game, in milliseconds.
std::vector<double> PlayGame(std::uint64_t seed)
{
    std::vector<double> draws;
    TFDuplic window(nullptr, gDictionary);
    window.StopTicks();
    window.seedSource = [seed]() mutable { return seed++; };
    window.runConfiguration = [](TFconfig &config) {
        for (int n = 1; n <= 40; ++n)
            config.Players[n].Level = std::uint8_t(1 + n % 5);
        config.GameSettings::ApplyDialog(40);
        return true;
    };
    window.resize(1100, 700);
    window.show();
    window.Ticks()->fire(); // the configuration and the first deal
    double current = 0;
    int draw = window.Game().DrawNumber();
    for (int tick = 0; tick < 100000 && !window.GameOver; ++tick) {
        const auto start = std::chrono::steady_clock::now();
        window.Ticks()->fire();
        QCoreApplication::processEvents(); // the repaints the tick asked for
        current +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (window.Game().DrawNumber() != draw) {
            draws.push_back(current);
            current = 0;
            draw = window.Game().DrawNumber();
        }
    }
    return draws;
}

void BM_DuplicateDrawWith40Computers(benchmark::State &state)
{
    std::vector<double> times;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        const std::vector<double> game = PlayGame(seed++);
        times.insert(times.end(), game.begin(), game.end());
    }
    bench::ReportSpread(state, times, "draws");
}
BENCHMARK(BM_DuplicateDrawWith40Computers)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    const std::string dictionary = bench::DictionaryArgument(argc, argv, "bench_duplicate_window");
    if (dictionary.empty())
        return 2;
    gDictionary = QString::fromLocal8Bit(dictionary.c_str());
    bench::OffscreenApplication app(argv);
    SetDialogs(std::make_unique<bench::SilentDialogs>());
    return bench::RunBenchmarks(argc, argv);
}
