// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The random source of a game: a seeded generator, so that a game (and a
// test) can be replayed from its seed; the window reseeds it from the clock.
#include <cstdint>
#include <random>

namespace scrabble {

class Random {
public:
    explicit Random(std::uint64_t seed = 1) : engine_(seed) {}
    void Reseed(std::uint64_t seed) { engine_.seed(seed); }
    // 0..n-1; 0 when n <= 0.
    int Below(int n)
    {
        if (n <= 1)
            return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(engine_);
    }

private:
    std::mt19937_64 engine_;
};

} // namespace scrabble
