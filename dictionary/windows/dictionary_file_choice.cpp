// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/windows/dictionary_file_choice.h"

#include "dictionary/dictionary_check.h"
#include "framework/dialog_service.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString DictionaryRefusal(const QString &file)
{
    const DictionaryCheck check = CheckDictionaryFile(QFile::encodeName(file).toStdString());
    if (check.Sound())
        return QString();
    return QStringLiteral("Le fichier %1 n'est pas un dictionnaire utilisable. %2\n"
                          "Choisissez un autre fichier dictionnaire.")
        .arg(QDir::toNativeSeparators(file), QString::fromStdString(DictionaryFaultText(check)));
}

bool AcceptDictionary(const QString &file)
{
    const QString refusal = DictionaryRefusal(file);
    if (refusal.isEmpty())
        return true;
    Dialogs().message(refusal, QString(), MessageIcon::Error);
    return false;
}

bool ChooseDictionary(QString &file)
{
    for (;;) {
        const QString chosen = Dialogs().openFileName(QStringLiteral("Ouvrir un dictionnaire"),
                                                      QStringLiteral("Fichiers Dictionnaires (*.ox)|*.ox"));
        if (chosen.isEmpty())
            return false;
        if (QFileInfo(chosen).isFile() && AcceptDictionary(chosen)) {
            file = QFileInfo(chosen).absoluteFilePath();
            return true;
        }
    }
}

bool EnsureSoundDictionary(QString &file)
{
    return AcceptDictionary(file) || ChooseDictionary(file);
}
