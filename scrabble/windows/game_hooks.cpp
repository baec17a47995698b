// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/game_hooks.h"

#include <QDateTime>
#include <QRandomGenerator>

#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "framework/dialog_service.h"
#include "framework/game_window.h"
#include "framework/tick_driver.h"

namespace scrabble_ui {

GameHooks::GameHooks()
{
    elapsed_.start();
    clock = [this] { return elapsed_.elapsed(); };
    seedSource = [] {
        return QRandomGenerator::global()->generate64() ^ quint64(QDateTime::currentMSecsSinceEpoch());
    };
    runConfiguration = [](TFconfig &config) { return config.ExecModal(); };
}

std::optional<std::string> AskDrawnLetters(const std::string &title, const std::string &label,
                                           const std::string &initial)
{
    TFLudorine::SetCapsLock(1);
    const std::optional<QString> answer =
        Dialogs().prompt(FromCodePage(title), FromCodePage(label), FromCodePage(initial));
    if (!answer)
        return std::nullopt;
    return ToCodePage(*answer);
}

QString VictoryText(const QString &winner, int points)
{
    return QStringLiteral("Partie terminée. Victoire de « %1 » avec %2 points.").arg(winner).arg(points);
}

} // namespace scrabble_ui
