// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Points the machine-wide and per-user settings stores (and the XDG data
// folder) at a temporary folder for the life of the object, so that tests
// never touch the real home folder or /etc.
#include <QTemporaryDir>

class TempSettings {
public:
    TempSettings();
    ~TempSettings();
    QString SystemFolder() const;
    QString UserFolder() const;
    QString Path(const QString &name) const { return dir_.filePath(name); }
    // Makes the machine-wide store read-only, as it is for a normal user.
    void LockSystemStore();

private:
    QTemporaryDir dir_;
};
