// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/temp_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

TempSettings::TempSettings()
{
    QDir().mkpath(SystemFolder());
    QDir().mkpath(UserFolder());
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, SystemFolder());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, UserFolder());
}

TempSettings::~TempSettings()
{
    const QString nowhere = dir_.filePath(QStringLiteral("unused"));
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

QString TempSettings::SystemFolder() const
{
    return dir_.filePath(QStringLiteral("system"));
}

QString TempSettings::UserFolder() const
{
    return dir_.filePath(QStringLiteral("user"));
}

void TempSettings::LockSystemStore()
{
    // Root writes anywhere whatever the rights say: a plain file where the
    // store's folder should be makes the store unwritable for everybody.
    QDir(SystemFolder()).removeRecursively();
    QDir().mkpath(QFileInfo(SystemFolder()).absolutePath());
    QFile blocker(SystemFolder());
    blocker.open(QIODevice::WriteOnly);
}
