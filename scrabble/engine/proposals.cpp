// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/proposals.h"

#include <sstream>

namespace scrabble {

std::vector<std::string> ProposalLines(const std::vector<Tcoup> &candidates)
{
    std::vector<std::string> lines;
    for (const Tcoup &move : candidates)
        if (move.IsPlacement())
            lines.push_back(move.Text());
    return lines;
}

std::optional<InputFields> FieldsFromProposal(const std::string &line)
{
    if (Trimmed(line).empty())
        return std::nullopt;
    std::istringstream in(line);
    InputFields fields;
    in >> fields.coord1 >> fields.coord2 >> fields.word;
    return fields;
}

} // namespace scrabble
