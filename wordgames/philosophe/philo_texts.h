// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of a Philosophe game: the text export, the history tree and the
// lines of the printed page.
#include <QString>
#include <QStringList>

#include "wordgames/philosophe/philo_game.h"

class GameSettings;

namespace philo {

// The export after the settings lines: an empty line, then for each round
// "name : points", "  word" and its proposals but the newest, oldest last,
// each "    proposal : 2/1"; an empty line to end.
QStringList ExportLines(const PhiloGame &game, const GameSettings &settings);

// "name word points pts."
QString RoundNodeText(const TManche &round, const GameSettings &settings);
// "proposal 2  bien placée(s)+1  mal placée(s)"
QString ProposalNodeText(const TEssai &essai, bool withMisplaced);

// "1 - name : word (3 coups) : 10pts." for each round.
QStringList PrintedRoundLines(const PhiloGame &game, const GameSettings &settings);

} // namespace philo
