// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The result lists of the dictionary searches: sorted without regard to
// case, and holding no two strings equal without regard to case (the one
// found first stays).
#include <string>
#include <vector>

namespace dictionnaire {

// Sorts the strings in the order they were found into a result list.
std::vector<std::string> SortedWithoutDuplicates(std::vector<std::string> found);

// Orders two strings by their ASCII letters without regard to case.
bool LessIgnoringCase(const std::string &a, const std::string &b);

} // namespace dictionnaire
