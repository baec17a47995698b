// SPDX-License-Identifier: GPL-3.0-or-later
// Avaleur: building the 25 boards of a world, one tick of a crowded board
// (every ghost hunting with its path finder), and a partial repaint of the
// window picture.
#include <chrono>
#include <filesystem>

#include "bench_support.h"
#include "dictionary/dictionnaire.h"
#include "wordgames/avaleur/avaleur_game.h"
#include "wordgames/avaleur/avaleur_scene.h"

namespace {
using namespace avaleur;

std::unique_ptr<TDictionnaire> Dictionary()
{
    const auto path = std::filesystem::temp_directory_path() / "ludorine-bench-avaleur.ox";
    auto dico = TDictionnaire::Create(path.string(), 'W');
    for (const char *word : {"EAU", "ETE", "MARDI", "PAPA"})
        dico->AddWord(word, false);
    return dico;
}

double Ms(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// A game on board (3, 3) with 40 letters, 20 ghosts hunting at level 6 and
// 4 magic items.
std::unique_ptr<AvaleurGame> CrowdedGame(TDictionnaire &dico)
{
    AvaleurHooks hooks;
    hooks.runConfiguration = [] { return true; };
    auto game = std::make_unique<AvaleurGame>(dico, 17, hooks);
    game->Tick();
    game->AjouteLettres(40, &game->Courant());
    game->AjouteFantomes(20, &game->Courant());
    for (int n = 0; n < 4; ++n)
        game->Insere(std::make_unique<TMagic>(*game, &game->Courant()));
    game->Niveau = 6;
    game->Courant().PlaceSprites();
    return game;
}

void BM_GenerateWorld(benchmark::State &state)
{
    auto dico = Dictionary();
    std::vector<double> times;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        AvaleurGame game(*dico, seed++);
        times.push_back(Ms(std::chrono::steady_clock::now() - start));
        benchmark::DoNotOptimize(game.ScoreJeu);
    }
    bench::ReportSpread(state, times, "worlds");
}
BENCHMARK(BM_GenerateWorld)->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_CrowdedTick(benchmark::State &state)
{
    auto dico = Dictionary();
    auto game = CrowdedGame(*dico);
    std::vector<double> times;
    int sprites = 0;
    for (int place = 1; place <= kPlaces; ++place)
        sprites += game->Sprite(place) && game->Sprite(place)->Plateau == &game->Courant() ? 1 : 0;
    for (auto _ : state) {
        if (game->CompteMort >= 0 || game->GameOver) { // keep the eater alive
            game->CompteMort = -1;
            game->GameOver = false;
            game->Mangeur().Visible = true;
        }
        game->DebutMagie = 0;          // the ghosts hunt on every tick
        game->Mangeur().Demande = 'P'; // it stays on the crowded board
        // Every ghost computes a new path on this tick.
        for (int place = 2; place <= kPlaces; ++place)
            if (auto *ghost = dynamic_cast<TPhantom *>(game->Sprite(place)))
                ghost->ChemFantome.clear();
        const auto start = std::chrono::steady_clock::now();
        game->Tick();
        times.push_back(Ms(std::chrono::steady_clock::now() - start));
        game->UpdateRegion = QRegion();
    }
    state.counters["sprites_on_board"] = sprites;
    bench::ReportSpread(state, times, "ticks");
}
BENCHMARK(BM_CrowdedTick)->Unit(benchmark::kMicrosecond)->Iterations(2000);

void BM_PartialRepaint(benchmark::State &state)
{
    auto dico = Dictionary();
    auto game = CrowdedGame(*dico);
    AvaleurScene scene(*game);
    scene.Paint();
    std::vector<double> times;
    for (auto _ : state) {
        game->CompteMort = -1;
        game->GameOver = false;
        game->Tick();
        game->ToutRedessiner = false;
        const auto start = std::chrono::steady_clock::now();
        const QRegion changed = scene.Paint();
        times.push_back(Ms(std::chrono::steady_clock::now() - start));
        benchmark::DoNotOptimize(changed.rectCount());
    }
    bench::ReportSpread(state, times, "repaints");
}
BENCHMARK(BM_PartialRepaint)->Unit(benchmark::kMicrosecond)->Iterations(1000);

} // namespace

int main(int argc, char **argv)
{
    return bench::RunBenchmarks(argc, argv);
}
