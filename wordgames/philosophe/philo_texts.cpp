// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/philosophe/philo_texts.h"
#include "framework/code_page_text.h"

#include "framework/config.h"

namespace philo {

namespace {
QString PlayerName(const GameSettings &settings, int player)
{
    return player >= 1 && player <= kPlayerSlots ? settings.Players[std::size_t(player)].Name : QString();
}
} // namespace

QStringList ExportLines(const PhiloGame &game, const GameSettings &settings)
{
    QStringList lines{QString()};
    for (const TManche &round : game.Manches) {
        lines << QStringLiteral("%1 : %2").arg(PlayerName(settings, round.Joueur)).arg(round.Points);
        lines << QStringLiteral("  ") + FromCodePage(round.Mot);
        // The newest proposal is the round's last word, already shown.
        for (std::size_t n = 1; n < round.Essais.size(); ++n) {
            const TEssai &essai = round.Essais[n];
            QString line = QStringLiteral("    %1 : %2").arg(FromCodePage(essai.Mot)).arg(essai.BienPlacees);
            if (game.AvecMalPlacees)
                line += QStringLiteral("/%1").arg(essai.MalPlacees);
            lines << line;
        }
    }
    lines << QString();
    return lines;
}

QString RoundNodeText(const TManche &round, const GameSettings &settings)
{
    return QStringLiteral("%1 %2 %3 pts.")
        .arg(PlayerName(settings, round.Joueur), FromCodePage(round.Mot))
        .arg(round.Points);
}

QString ProposalNodeText(const TEssai &essai, bool withMisplaced)
{
    QString text =
        QStringLiteral("%1 %2  bien placée(s)").arg(FromCodePage(essai.Mot)).arg(essai.BienPlacees);
    if (withMisplaced)
        text += QStringLiteral("+%1  mal placée(s)").arg(essai.MalPlacees);
    return text;
}

QStringList PrintedRoundLines(const PhiloGame &game, const GameSettings &settings)
{
    QStringList lines;
    int number = 0;
    for (const TManche &round : game.Manches)
        lines << QStringLiteral("%1 - %2 : %3 (%4 coups) : %5pts.")
                     .arg(++number)
                     .arg(PlayerName(settings, round.Joueur), FromCodePage(round.Mot))
                     .arg(round.Essais.size())
                     .arg(round.Points);
    return lines;
}

} // namespace philo
