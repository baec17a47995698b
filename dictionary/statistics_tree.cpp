// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/statistics_tree.h"

#include <algorithm>

namespace {

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

// `length` characters of `line` from `start` (0-based), trimmed.
std::string Field(const std::string &line, std::size_t start, std::size_t length = std::string::npos)
{
    if (start >= line.size())
        return std::string();
    const std::string part = line.substr(start, length);
    const auto first = std::find_if_not(part.begin(), part.end(), IsBlankOrControl);
    const auto last = std::find_if_not(part.rbegin(), part.rend(), IsBlankOrControl).base();
    return first < last ? std::string(first, last) : std::string();
}

} // namespace

StatisticsTree StatisticsTree::FromStatistics(const std::vector<std::string> &lines,
                                              const std::string &dictionaryFile)
{
    StatisticsTree tree;
    tree.General.Rows.push_back({"Fichier : ", dictionaryFile});
    for (const std::string &line : lines) {
        const std::string tag = line.substr(0, 3);
        if (tag == "$N$")
            tree.General.Rows.push_back({"Nombre de mots", Field(line, 3)});
        else if (tag == "$L$")
            tree.Letters.Rows.push_back({Field(line, 3, 2), Field(line, 5, 50)});
        else if (tag == "$G$")
            tree.Lengths.Rows.push_back({Field(line, 3, 2), Field(line, 5, 50)});
        else if (tag == "$P$")
            tree.UserWords.Rows.push_back({Field(line, 3), std::string()});
    }
    return tree;
}
