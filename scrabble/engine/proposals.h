// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The proposals list ("Coups possibles") shown to a human player: one line
// per word candidate, and the input fields a chosen line fills.
#include <optional>
#include <string>
#include <vector>

#include "scrabble/engine/board_game.h"

namespace scrabble {

// The text of every word candidate in ranking order ("H 8 CAFE 18 pts.").
std::vector<std::string> ProposalLines(const std::vector<Tcoup> &candidates);
// A chosen line split at spaces: coordinates and word; nullopt for a blank line.
std::optional<InputFields> FieldsFromProposal(const std::string &line);

} // namespace scrabble
