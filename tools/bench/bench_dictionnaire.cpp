// SPDX-License-Identifier: GPL-3.0-or-later
// Dictionary benchmarks on the generated dictionary file: lookups of random
// stored words, the board search of a computer player on an empty line, and
// the insertion of new words into a copy of the full file: one word as one
// change of the file, and an import of 1,000 words as one change (as the
// dictionary manager makes it) or as 1,000 changes.
//
// Usage: bench_dictionnaire [DICTIONARY] [benchmark options]
// DICTIONARY defaults to LDico.ox next to the program.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "dictionary/dictionnaire.h"

namespace {

std::string gDictionary;

std::vector<std::string> ShuffledWords(const TDictionnaire &dico, std::size_t count)
{
    std::vector<std::string> words = dico.WordsStartingWith("");
    std::shuffle(words.begin(), words.end(), std::mt19937(7));
    words.resize(std::min(count, words.size()));
    return words;
}

void BM_Contains(benchmark::State &state)
{
    auto dico = TDictionnaire::Create(gDictionary, 'R');
    const std::vector<std::string> words = ShuffledWords(*dico, 100000);
    std::size_t i = 0;
    std::size_t found = 0;
    for (auto _ : state) {
        found += dico->Contains(words[i]);
        i = i + 1 == words.size() ? 0 : i + 1;
    }
    if (found != std::size_t(state.iterations()))
        state.SkipWithError("a stored word was not found");
    state.counters["words"] = double(words.size());
}
BENCHMARK(BM_Contains)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_PlaceableWords(benchmark::State &state)
{
    auto dico = TDictionnaire::Create(gDictionary, 'R');
    const std::vector<std::string> racks{"ESTRAN*", "AEILNR*", "BCDEOU*", "EEIQSTU*", "AGLMORT*"};
    const std::string line(15, '*');
    const std::vector<std::string> crossChecks(line.size() + 1);
    std::size_t results = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string rack = racks[i++ % racks.size()].substr(0, 7);
        results += dico->PlaceableWords(rack, 7, 2, 15, line, crossChecks).size();
    }
    state.counters["words/search"] = double(results) / double(state.iterations());
}
BENCHMARK(BM_PlaceableWords)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// New words that the dictionary does not hold: random letters.
std::vector<std::string> NewWords(const TDictionnaire &dico, std::size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<std::string> words;
    while (words.size() < count) {
        std::string word;
        const int length = 4 + int(random() % 8);
        for (int k = 0; k < length; ++k)
            word += char('A' + random() % 26);
        if (!dico.Contains(word))
            words.push_back(word);
    }
    return words;
}

std::string CopyOfDictionary()
{
    const std::filesystem::path copy =
        std::filesystem::temp_directory_path() / ("bench-dictionnaire-" + std::to_string(getpid()) + ".ox");
    std::filesystem::copy_file(gDictionary, copy, std::filesystem::copy_options::overwrite_existing);
    return copy.string();
}

void BM_AddWord(benchmark::State &state)
{
    const std::string copy = CopyOfDictionary();
    auto dico = TDictionnaire::Create(copy, 'W');
    const std::vector<std::string> words = NewWords(*dico, 2000, 11);
    std::size_t i = 0;
    for (auto _ : state)
        dico->AddWord(words[i++ % words.size()], true);
    state.counters["file MB"] = double(std::filesystem::file_size(copy)) / 1e6;
    std::filesystem::remove(copy);
}
BENCHMARK(BM_AddWord)->Unit(benchmark::kMillisecond)->Iterations(300);

void BM_Import1000Words(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const std::string copy = CopyOfDictionary();
        auto dico = TDictionnaire::Create(copy, 'W');
        const std::vector<std::string> words = NewWords(*dico, 1000, 23);
        state.ResumeTiming();
        for (const std::string &word : words)
            dico->AddWord(word, true);
        state.PauseTiming();
        std::filesystem::remove(copy);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Import1000Words)->Unit(benchmark::kSecond)->Iterations(1);

void BM_Import1000WordsOneChange(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        const std::string copy = CopyOfDictionary();
        auto dico = TDictionnaire::Create(copy, 'W');
        const std::vector<std::string> words = NewWords(*dico, 1000, 23);
        state.ResumeTiming();
        if (!dico->BeginChanges())
            state.SkipWithError("the dictionary could not be locked");
        for (const std::string &word : words)
            dico->AddWord(word, true);
        if (!dico->CommitChanges())
            state.SkipWithError("the import could not be written");
        state.PauseTiming();
        std::filesystem::remove(copy);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Import1000WordsOneChange)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    gDictionary = argc > 1
                      ? argv[1]
                      : (std::filesystem::canonical("/proc/self/exe").parent_path() / "LDico.ox").string();
    auto dico = TDictionnaire::Create(gDictionary, 'R');
    if (!std::filesystem::exists(gDictionary) || dico->NodeCount() == 0) {
        std::fprintf(stderr, "dictionnaire introuvable ou vide : %s\n", gDictionary.c_str());
        return 1;
    }
    benchmark::AddCustomContext("dictionary", gDictionary);
    benchmark::AddCustomContext("nodes", std::to_string(dico->NodeCount()));
    benchmark::AddCustomContext("words", std::to_string(dico->WordsStartingWith("").size()));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
