// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Making sure the program works on a dictionary file that is one: the quick
// structural check (dictionary_check.h) and, when it fails or there is no
// file, the user's choice of another one.
#include <QString>

// Empty when `file` is a sound dictionary, else the message that says why it
// is refused.
QString DictionaryRefusal(const QString &file);

// Tells the user why `file` is refused when it is not sound (a message box);
// true when it is sound.
bool AcceptDictionary(const QString &file);

// Asks for a dictionary file until the user picks an existing, sound one
// (true, `file` becomes its full path) or cancels (false). Each refused file
// is reported first.
bool ChooseDictionary(QString &file);

// The file itself when sound, else the one the user chooses instead; false
// when the user cancels.
bool EnsureSoundDictionary(QString &file);
