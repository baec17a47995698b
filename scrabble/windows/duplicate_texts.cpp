// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/duplicate_texts.h"

#include <algorithm>

namespace scrabble_ui {

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

} // namespace scrabble_ui
