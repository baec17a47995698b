// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of a Hangman game: the history list, the text export and the
// lines of the printed page.
#include <QString>
#include <QStringList>

#include "wordgames/hangman/pendu_game.h"

class GameSettings;

namespace pendu {

// "name:word points (letters)"
QString HistoryLine(const thisto &round, const GameSettings &settings);
// "1 - name : word (letters) : 7pts." for each round.
QStringList RoundLines(const PenduGame &game, const GameSettings &settings);
// The export after the settings lines: an empty line, the rounds, an
// empty line.
QStringList ExportLines(const PenduGame &game, const GameSettings &settings);

} // namespace pendu
