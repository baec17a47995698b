// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/duplicate_texts.h"

#include <algorithm>

#include "framework/code_page_text.h"
#include "scrabble/engine/letters.h"

namespace scrabble_ui {

QString CurrentNoteText(int total, int topTotal)
{
    QString text = QString::number(total) + QStringLiteral(" pts.");
    if (topTotal > 0)
        text += QString::asprintf(" (%3.2f ", 100.0 * total / topTotal) + QStringLiteral(" %)");
    return text;
}

QString PastNoteText(int score)
{
    return QString::number(score);
}

QString MoveColumnText(bool played, const QString &coord1, const QString &coord2, const QString &word,
                       int score, bool currentRow)
{
    if (!played && word.isEmpty())
        return QStringLiteral("?");
    QString text = coord1 + QLatin1Char(' ') + coord2 + QLatin1Char(' ') + word;
    if (currentRow && score > 0)
        text += QStringLiteral(" (") + QString::number(score) + QLatin1Char(')');
    return text;
}

QString DrawClockText(qint64 milliseconds)
{
    const qint64 seconds = std::max<qint64>(0, milliseconds) / 1000;
    return QString::asprintf("%2.2d:%2.2d:%2.2d.", int(seconds / 3600), int(seconds / 60 % 60),
                             int(seconds % 60));
}

QString DrawCaption(qint64 milliseconds)
{
    return QStringLiteral("Tirage ") + DrawClockText(milliseconds);
}

QString DrawLineText(int drawNumber, const QString &letters)
{
    return QStringLiteral("Tirage n° %1 : %2").arg(drawNumber).arg(letters);
}

QString SquareStatusText(int col, int row, scrabble::Premium premium, const SquareFacts &square)
{
    QString text = QChar(scrabble::RowLetter(row)) + QLatin1Char(' ') + QString::number(col) +
                   QLatin1Char(' ') + FromCodePage(scrabble::PremiumText(premium));
    const QString letter(QChar(square.joker ? scrabble::Lower(square.letter) : square.letter));
    const QString value = QString::number(scrabble::LetterValue(scrabble::Upper(square.letter)));
    if (square.state == 1) {
        text += QLatin1Char(' ');
        if (square.joker)
            text += QStringLiteral("Joker («") + letter + QStringLiteral("»). ");
        else
            text += QStringLiteral("«") + letter + QStringLiteral("» (") + value + QStringLiteral(" pts). ");
        if (!square.playedBy.isEmpty())
            text += QStringLiteral(" Jouée par «") + square.playedBy + QStringLiteral("». ") +
                    QStringLiteral(" Coup n° ") + QString::number(square.drawNumber) + QStringLiteral(" : ") +
                    square.moveText;
    } else if (square.state == 0) {
        text += QStringLiteral(" lettre «") + letter + QStringLiteral("» (") +
                (square.joker ? QStringLiteral("joker).") : value + QStringLiteral(" pts)."));
    }
    return text;
}

} // namespace scrabble_ui
