// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recently opened games: the desktop's shared list (the freedesktop
// recently-used.xbel file) and the program's own short list, shown in the
// File menu and kept in the per-user settings store.
#include <QString>
#include <QStringList>

namespace recent {

inline constexpr int kMenuLength = 6;

// Adds a file to the desktop's list in DataHome/recently-used.xbel. A list
// that exists but cannot be read is left alone. False when nothing was written.
bool AddToDesktopList(const QString &filePath, const QString &dataHome, const QString &mimeType,
                      const QString &programName);

// The program's own list, most recent first.
QStringList ProgramList();
// Puts a file at the top of the program's list (and the desktop's).
void Add(const QString &filePath);
void Remove(const QString &filePath);

} // namespace recent
