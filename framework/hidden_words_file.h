// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which dictionary file the word-guessing games (Pendu, Philosophe) draw
// their hidden words from: the common words, LCourants.ox, while the setting
// "Mots à trouver : mots courants" is on and the file is found (beside the
// dictionary, else among the folders given: the program's, the data folder);
// the dictionary itself otherwise. Proposals are always checked against the
// dictionary.
#include <QString>
#include <QStringList>

QString CommonWordsFileName();

QString HiddenWordsFile(const QString &dictionaryFile, bool commonWords,
                        const QStringList &otherFolders = {});
