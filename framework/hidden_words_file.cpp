// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/hidden_words_file.h"

#include <QDir>
#include <QFileInfo>

QString CommonWordsFileName()
{
    return QStringLiteral("LCourants.ox");
}

QString HiddenWordsFile(const QString &dictionaryFile, bool commonWords, const QStringList &otherFolders)
{
    if (!commonWords)
        return dictionaryFile;
    QStringList folders{QFileInfo(dictionaryFile).absolutePath()};
    folders << otherFolders;
    for (const QString &folder : folders) {
        const QFileInfo candidate(QDir(folder), CommonWordsFileName());
        if (candidate.isFile() && candidate.size() > 0)
            return candidate.absoluteFilePath();
    }
    return dictionaryFile;
}
