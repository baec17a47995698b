// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/game_dictionary.h"

#include <QFile>

#include "dictionary/dictionnaire.h"
#include "framework/main_window_link.h"

QString GameDictionaryFile(const QString &file)
{
    if (!file.isEmpty())
        return file;
    return MainForm() ? MainForm()->DictionaryFile() : QStringLiteral("LDico.ox");
}

std::unique_ptr<TDictionnaire> OpenGameDictionary(const QString &file)
{
    return TDictionnaire::Create(QFile::encodeName(GameDictionaryFile(file)).toStdString(), 'R');
}
