// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/windows/writable_dictionary.h"

#include "dictionary/change_failure.h"
#include "dictionary/dictionnaire.h"
#include "framework/dialog_service.h"

#include <QFile>

QString CannotWriteDictionaryMessage()
{
    return QStringLiteral("Impossible d'ouvrir le dictionnaire en écriture !");
}

std::unique_ptr<TDictionnaire> OpenWritableDictionary(const QString &fileName)
{
    // Opening for writing creates a missing file; a dictionary that has gone
    // away must not be replaced by an empty one.
    std::unique_ptr<TDictionnaire> dictionary;
    if (QFile::exists(fileName))
        dictionary = TDictionnaire::Create(QFile::encodeName(fileName).toStdString(), 'W');
    if (!dictionary || !dictionary->IsOpen() || !dictionary->IsWritable()) {
        Dialogs().message(CannotWriteDictionaryMessage(), QString(), MessageIcon::Error);
        return nullptr;
    }
    return dictionary;
}

QString ChangeFailedMessage(const TDictionnaire &dictionary)
{
    return QStringLiteral("Le dictionnaire n'a pas pu être modifié : %1\nIl est resté tel qu'il était.")
        .arg(QString::fromStdString(DictionaryChangeFailureReason(dictionary.LastChangeError())));
}

void ReportChangeFailure(const TDictionnaire &dictionary)
{
    Dialogs().message(ChangeFailedMessage(dictionary), QString(), MessageIcon::Error);
}
