// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dictionary a game window opens read only: the file it is given, or the
// main window's when none is.
#include <memory>
#include <QString>

class TDictionnaire;

QString GameDictionaryFile(const QString &file);
std::unique_ptr<TDictionnaire> OpenGameDictionary(const QString &file);
