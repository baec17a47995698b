// SPDX-License-Identifier: GPL-3.0-or-later
// Time to make the dictionary file from a word list, as the build does:
// read and fold the list, lay out the trie, write the file atomically.
//
// Usage: bench_dico_build [WORDLIST] [benchmark options]
// WORDLIST defaults to the list the build uses.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "dictionary/dictionary_builder.h"

namespace {

std::string gWordList = LUDORINE_WORDLIST;

void BM_BuildDictionaryFile(benchmark::State &state)
{
    const std::string output =
        (std::filesystem::temp_directory_path() / ("bench-dico-" + std::to_string(::getpid()) + ".ox"))
            .string();
    DictionaryBuildReport report;
    for (auto _ : state) {
        report = BuildDictionaryFile(gWordList, output);
        if (report.error != DictionaryBuildError::None) {
            state.SkipWithError("the dictionary file could not be built");
            break;
        }
    }
    state.counters["kept"] = double(report.kept);
    state.counters["skipped"] = double(report.skipped);
    std::error_code error;
    if (const auto bytes = std::filesystem::file_size(output, error); !error)
        state.counters["bytes"] = double(bytes);
    std::filesystem::remove(output, error);
}
BENCHMARK(BM_BuildDictionaryFile)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace

int main(int argc, char *argv[])
{
    benchmark::Initialize(&argc, argv);
    if (argc > 1)
        gWordList = argv[1];
    benchmark::AddCustomContext("wordlist", gWordList);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
