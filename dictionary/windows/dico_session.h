// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the pages of the dictionary manager share: the dictionary file, the
// read-only object every test and the statistics use, and whether the
// statistics shown are out of date.
#include "dictionary/dictionnaire.h"

#include <memory>
#include <QFile>
#include <QString>

struct DicoSession {
    explicit DicoSession(const QString &fileName)
        : FileName(fileName), ReadDictionary(TDictionnaire::Create(NativeName(fileName), 'R'))
    {
    }

    static std::string NativeName(const QString &fileName)
    {
        return QFile::encodeName(fileName).toStdString();
    }
    bool Contains(const QString &word) const
    {
        return ReadDictionary->Contains(word.toLatin1().toStdString());
    }

    const QString FileName;
    const std::unique_ptr<TDictionnaire> ReadDictionary;
    bool StatsStale = true;
};
