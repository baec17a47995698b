// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/word_search_results.h"

#include <algorithm>

namespace dictionnaire {

namespace {

unsigned char Folded(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code >= 'a' && code <= 'z' ? static_cast<unsigned char>(code - 'a' + 'A') : code;
}

bool EqualIgnoringCase(const std::string &a, const std::string &b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Folded(x) == Folded(y); });
}

} // namespace

bool LessIgnoringCase(const std::string &a, const std::string &b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Folded(x) < Folded(y); });
}

std::vector<std::string> SortedWithoutDuplicates(std::vector<std::string> found)
{
    // A stable sort keeps equal strings in the order they were found, so
    // std::unique keeps the first version of each.
    std::stable_sort(found.begin(), found.end(), LessIgnoringCase);
    found.erase(std::unique(found.begin(), found.end(), EqualIgnoringCase), found.end());
    return found;
}

} // namespace dictionnaire
