// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/hangman/pendu_texts.h"
#include "framework/code_page_text.h"

#include "framework/config.h"

namespace pendu {

namespace {
QString NameOf(const GameSettings &settings, int player)
{
    return player >= 1 && player <= kPlayerSlots ? settings.Players[std::size_t(player)].Name : QString();
}
} // namespace

QString HistoryLine(const thisto &round, const GameSettings &settings)
{
    return QStringLiteral("%1:%2 %3 (%4)")
        .arg(NameOf(settings, round.player), FromCodePage(round.word))
        .arg(round.points)
        .arg(FromCodePage(round.letters));
}

QStringList RoundLines(const PenduGame &game, const GameSettings &settings)
{
    QStringList lines;
    int number = 0;
    for (const thisto &round : game.Historique)
        lines << QStringLiteral("%1 - %2 : %3 (%4) : %5pts.")
                     .arg(++number)
                     .arg(NameOf(settings, round.player), FromCodePage(round.word),
                          FromCodePage(round.letters))
                     .arg(round.points);
    return lines;
}

QStringList ExportLines(const PenduGame &game, const GameSettings &settings)
{
    QStringList lines{QString()};
    lines << RoundLines(game, settings);
    lines << QString();
    return lines;
}

} // namespace pendu
