// SPDX-License-Identifier: GPL-3.0-or-later
// Philosophe: one frame of the 3D board with a round under way (median and
// 95th percentile over many frames, each forced and waited for), and the
// candidate filtering after a mark on every 10-letter word of the
// dictionary.
//
// Usage: bench_philosophe [LDico.ox] [benchmark options]. The frame needs an
// X display with OpenGL (run under xvfb-run -a); without one it is skipped.
#include <benchmark/benchmark.h>

#include "bench_scene_support.h"

#include <chrono>

#include "dictionary/dictionnaire.h"
#include "framework/config.h"
#include "wordgames/philosophe/philo_board.h"
#include "wordgames/philosophe/philo_game.h"
#include "wordgames/scene3d/scene_view.h"

namespace {

std::string g_dictionary;

void BM_PhiloFrame(benchmark::State &state)
{
    if (!scene3d::OpenGLAvailable()) {
        state.SkipWithError("no OpenGL on this display");
        return;
    }
    auto dictionary = TDictionnaire::Create(g_dictionary, 'R');
    GameSettings settings;
    settings.PlayerCount = 2;
    settings.Options.CB_philo = 3; // seven letters
    philo::PhiloGame game(settings, *dictionary, *dictionary, 1);
    game.InitManche();
    for (const char *word : {"MAISONS", "PARTIES", "CARTONS", "MORDANT"}) {
        game.Proposition = word;
        game.Etat = 2;
        game.Etape = 0;
        game.ValideProposition();
    }
    scene3d::SceneView view;
    view.resize(900, 620);
    philo::PhiloBoard board(view);
    board.Show(game, settings);
    view.show();
    QEventLoop loop;
    QObject::connect(&view, &QOpenGLWidget::frameSwapped, &loop, &QEventLoop::quit);
    std::vector<double> times;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        board.Blink(game);
        view.Step();
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    bench::ReportSpread(state, times, "frames");
}
BENCHMARK(BM_PhiloFrame)->Unit(benchmark::kMillisecond)->Iterations(300);

void BM_FilterTenLetterWords(benchmark::State &state)
{
    auto dictionary = TDictionnaire::Create(g_dictionary, 'R');
    const std::vector<std::string> words = dictionary->WordsMatching("**********");
    philo::CandidateList list;
    const std::string hidden = "TELEPHONER", proposal = "PARLEMENTS";
    const philo::Mark mark = philo::NoteMot(hidden, proposal, 10, true);
    std::vector<double> times;
    for (auto _ : state) {
        state.PauseTiming();
        list.Reset(words);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        list.Filter(proposal, mark, 10, true);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        benchmark::DoNotOptimize(list.PossibleCount());
    }
    state.counters["words"] = double(words.size());
    state.counters["left"] = double(list.PossibleCount());
    bench::ReportSpread(state, times, "filters");
}
BENCHMARK(BM_FilterTenLetterWords)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::RunSceneBenchmarks(argc, argv, "bench_philosophe", g_dictionary);
}
