// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Associates saved games (*.ldr) with the program on the desktop, the
// freedesktop way: a shared-mime-info type, a desktop entry that opens the
// file given on its command line, and the program icon, all under the user's
// data folder. Done at every start; files are rewritten only when their
// content changed; anything that cannot be written is skipped silently.
#include <QString>

namespace file_type {

inline const QString kMimeType = QStringLiteral("application/x-ludorine-partie");

struct Registration {
    bool mimeWritten = false;    // the mime package was (re)written
    bool desktopWritten = false; // the desktop entry was (re)written
    bool failed = false;         // something could not be written
};

// dataHome is the user's XDG data folder (~/.local/share by default).
Registration RegisterFileType(const QString &programPath, const QString &dataHome);

// The user's XDG data folder.
QString UserDataHome();

QString MimePackageXml();
QString DesktopEntry(const QString &programPath);

} // namespace file_type
