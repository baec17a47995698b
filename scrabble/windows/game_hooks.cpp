// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/game_hooks.h"

#include <QDateTime>
#include <QFile>
#include <QRandomGenerator>

#include "dictionary/dictionnaire.h"
#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "framework/dialog_service.h"
#include "framework/game_window.h"
#include "framework/main_window_link.h"
#include "framework/tick_driver.h"

namespace scrabble_ui {

GameHooks::GameHooks()
{
    elapsed_.start();
    clock = [this] { return elapsed_.elapsed(); };
    seedSource = [] {
        return QRandomGenerator::global()->generate64() ^ quint64(QDateTime::currentMSecsSinceEpoch());
    };
    runConfiguration = [](TFconfig &config) {
        ModalScope modal;
        return config.exec() == QDialog::Accepted;
    };
}

std::unique_ptr<TDictionnaire> OpenGameDictionary(const QString &file)
{
    QString name = file;
    if (name.isEmpty())
        name = MainForm() ? MainForm()->DictionaryFile() : QStringLiteral("LDico.ox");
    return TDictionnaire::Create(QFile::encodeName(name).toStdString(), 'R');
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
