// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens the dictionary file for one change. When the file cannot be opened
// for writing the user is told so and null is returned: nothing changes.
#include <memory>
#include <QString>

class TDictionnaire;

std::unique_ptr<TDictionnaire> OpenWritableDictionary(const QString &fileName);

// The message of that failure.
QString CannotWriteDictionaryMessage();
