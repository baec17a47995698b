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

// The message of a change that could not be written (a full disk, a folder
// that cannot be written...): the reason, and that the dictionary is as it
// was before.
QString ChangeFailedMessage(const TDictionnaire &dictionary);
// Shows that message.
void ReportChangeFailure(const TDictionnaire &dictionary);
