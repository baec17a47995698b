// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bounds shared by every walk over the trie, so that a damaged file (a child
// index looping back to an ancestor, random bytes) can only shorten a result.
#include <cstdint>

namespace dictionnaire {

// No stored word is anywhere near this long; deeper paths come from loops.
inline constexpr int kMaxDepth = 64;

// A walk examines at most this many nodes. In a sound trie every node is
// reached by one path only, so a walk never needs more than the node count.
class WalkBudget {
public:
    explicit WalkBudget(std::uint64_t nodeCount) : remaining_(2 * nodeCount + 1024) {}
    bool Spend()
    {
        if (remaining_ == 0)
            return false;
        --remaining_;
        return true;
    }

private:
    std::uint64_t remaining_;
};

} // namespace dictionnaire
