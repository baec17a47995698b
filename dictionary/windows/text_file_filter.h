// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The filter of the word-list files the dictionary manager writes and reads.
#include <QString>

inline QString TextFileFilter()
{
    return QStringLiteral("Fichiers texte (*.txt)|*.TXT|Tous les fichiers (*.*)|*.*");
}

// A file name as typed, as a full path ("" stays "").
QString FullPathOf(const QString &typed);

// The name chosen in a file dialog with the default extension "txt" added
// when the name has none.
QString WithDefaultExtension(const QString &chosen);
