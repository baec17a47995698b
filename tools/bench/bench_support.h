// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmark programs share: the dictionary argument, the spread of
// a series of times in the report, and the run itself.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace bench {

// The dictionary file: the first argument when it is not an option (taken
// off the arguments), else LDico.ox next to the program. Empty, with a
// message, when it cannot be read.
inline std::string DictionaryArgument(int &argc, char **&argv, const char *program)
{
    std::string dictionary = (std::filesystem::path(argv[0]).parent_path() / "LDico.ox").string();
    if (argc > 1 && argv[1][0] != '-') {
        dictionary = argv[1];
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    if (access(dictionary.c_str(), R_OK) != 0) {
        std::fprintf(stderr, "%s: no dictionary file %s\n", program, dictionary.c_str());
        return {};
    }
    return dictionary;
}

// Median, 95th percentile and worst of a series, in the report's counters.
inline void ReportSpread(benchmark::State &state, std::vector<double> times, const char *count)
{
    if (times.empty())
        return;
    std::sort(times.begin(), times.end());
    state.counters[count] = double(times.size());
    state.counters["median_ms"] = times[times.size() / 2];
    state.counters["p95_ms"] = times[std::min(times.size() - 1, std::size_t(0.95 * double(times.size())))];
    state.counters["worst_ms"] = times.back();
}

inline int RunBenchmarks(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
