// SPDX-License-Identifier: GPL-3.0-or-later
// Hangman: one frame of the 3D card table in the middle of a round (median
// and 95th percentile over many frames, each forced and waited for), and
// the computer's letter choice on 12-letter masks (the first letter of a
// round, when every 12-letter word is a candidate, and later ones).
//
// Usage: bench_pendu [LDico.ox] [benchmark options]. The frame needs an X
// display with OpenGL (run under xvfb-run -a); without one it is skipped.
#include <benchmark/benchmark.h>

#include "bench_scene_support.h"

#include <chrono>

#include "dictionary/dictionnaire.h"
#include "framework/config.h"
#include "wordgames/hangman/pendu_game.h"
#include "wordgames/hangman/pendu_scene.h"
#include "wordgames/scene3d/scene_view.h"

namespace {

std::string g_dictionary;

double Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void BM_PenduFrame(benchmark::State &state)
{
    if (!scene3d::OpenGLAvailable()) {
        state.SkipWithError("no OpenGL on this display");
        return;
    }
    auto dictionary = TDictionnaire::Create(g_dictionary, 'R');
    GameSettings settings;
    pendu::PenduGame game(settings, *dictionary, *dictionary, 1);
    game.MotATrouver = "GYMNASTIQUES";
    game.Masque = "G***A***Q***";
    game.Erreurs = 5;
    game.NbEssais = 7;
    game.Table.Distribue(game.Masque, game.MotATrouver, 0);
    game.Table.Acheve(pendu::Motion::Deal);
    for (char c : std::string("GAQZWXKB"))
        game.Table.Sortie(c, 0);
    game.Table.Advance(100);
    scene3d::SceneView view;
    view.resize(820, 620);
    pendu::PenduScene scene(view);
    view.show();
    bench::FrameTimer frames(view);
    std::vector<double> times;
    int frame = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        game.Table.StepDecor(0.05, game.PartsShown(), true, ++frame);
        scene.Show(game);
        times.push_back(Since(start) + frames.Frame());
    }
    bench::ReportSpread(state, times, "frames");
}
BENCHMARK(BM_PenduFrame)->Unit(benchmark::kMillisecond)->Iterations(300);

void BM_ComputerLetterOnTwelveLetterMasks(benchmark::State &state)
{
    auto dictionary = TDictionnaire::Create(g_dictionary, 'R');
    GameSettings settings;
    const std::vector<std::string> words = dictionary->WordsMatching("************");
    std::vector<double> first, later;
    std::size_t next = 0;
    for (auto _ : state) {
        // A round on the next 12-letter word: letters until it is found.
        pendu::PenduGame game(settings, *dictionary, *dictionary, std::uint32_t(next));
        game.MotATrouver = words[next++ % words.size()];
        game.Masque = std::string(12, '*');
        for (int turn = 0; turn < 26 && game.Masque.find('*') != std::string::npos; ++turn) {
            const auto start = std::chrono::steady_clock::now();
            const char letter = game.ChoixLettre();
            (turn == 0 ? first : later).push_back(Since(start));
            game.Table.tiles[std::size_t(pendu::PenduTable::TileOf(letter))].mark = 1;
            for (std::size_t i = 0; i < 12; ++i)
                if (game.MotATrouver[i] == letter)
                    game.Masque[i] = letter;
        }
    }
    state.counters["words"] = double(words.size());
    bench::ReportSpread(state, later, "choices");
    std::sort(first.begin(), first.end());
    if (!first.empty())
        state.counters["first_median_ms"] = first[first.size() / 2];
}
BENCHMARK(BM_ComputerLetterOnTwelveLetterMasks)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

int main(int argc, char **argv)
{
    return bench::RunSceneBenchmarks(argc, argv, "bench_pendu", g_dictionary);
}
