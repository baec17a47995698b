// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Info" page of the dictionary manager: the lines of
// TDictionnaire::Statistics arranged as the four branches of a two-column
// tree (general figures, letters, word lengths, the user's words).
#include <string>
#include <vector>

struct StatisticsTree {
    struct Row {
        std::string Label;
        std::string Value;
    };
    struct Branch {
        std::string Title;
        std::vector<Row> Rows;
    };
    Branch General{"Général", {}};
    Branch Letters{"Répartition des lettres", {}};
    Branch Lengths{"Longueurs des mots", {}};
    Branch UserWords{"Perso", {}};

    std::vector<const Branch *> Branches() const { return {&General, &Letters, &Lengths, &UserWords}; }

    // `dictionaryFile` is shown first under "Général". Texts are UTF-8.
    static StatisticsTree FromStatistics(const std::vector<std::string> &lines,
                                         const std::string &dictionaryFile);
};
