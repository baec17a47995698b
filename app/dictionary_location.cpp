// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dictionary_location.h"

#include "dictionary/windows/dictionary_file_choice.h"
#include "framework/dialog_service.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString kValueName = QStringLiteral("Vortaro");

bool IsUsable(const QSettings &store)
{
    return store.status() == QSettings::NoError && store.isWritable();
}
} // namespace

QString DictionaryLocation::NoDictionaryMessage()
{
    return QStringLiteral("Ludorine ne peut fonctionner sans dictionnaire !");
}

DictionaryLocation::DictionaryLocation(QStringList searchFolders) : searchFolders_(std::move(searchFolders))
{
}

std::unique_ptr<QSettings> DictionaryLocation::OpenPrimaryStore()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("OXA"),
                                       QStringLiteral("Ludorine"));
}

std::unique_ptr<QSettings> DictionaryLocation::OpenFallbackStore()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("OXA"),
                                       QStringLiteral("Ludorine"));
}

QString DictionaryLocation::LocateAtStartup()
{
    usedFallback_ = false;
    {
        auto primary = OpenPrimaryStore();
        if (IsUsable(*primary))
            return LocateWith(*primary, PrimaryGroup(), QString());
    }
    // The machine-wide store cannot be used (a normal user cannot write it):
    // the per-user store keeps the path instead.
    usedFallback_ = true;
    auto fallback = OpenFallbackStore();
    return LocateWith(*fallback, FallbackGroup(), DefaultFileName());
}

QString DictionaryLocation::LocateWith(QSettings &store, const QString &group, const QString &defaultValue)
{
    store.beginGroup(group);
    QString file = store.value(kValueName, defaultValue).toString();
    if (file.isEmpty() || !QFileInfo(file).isFile())
        file = DefaultFileName();
    if (!EnsureDictionary(file)) {
        store.endGroup();
        Dialogs().message(NoDictionaryMessage(), ProgramTitle(), MessageIcon::Error);
        return QString();
    }
    store.setValue(kValueName, file);
    store.endGroup();
    store.sync();
    return file;
}

QString DictionaryLocation::FindNearby(const QString &name) const
{
    if (QFileInfo(name).isFile())
        return QFileInfo(name).absoluteFilePath();
    if (QDir::isAbsolutePath(name))
        return QString();
    for (const QString &folder : searchFolders_) {
        const QFileInfo candidate(QDir(folder), name);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return QString();
}

bool DictionaryLocation::EnsureDictionary(QString &DictionaryFile) const
{
    // A file found is used only when it is sound; a damaged, empty or foreign
    // one is refused with its reason, and the user chooses another, as when
    // none is found.
    const QString found = FindNearby(DictionaryFile);
    if (!found.isEmpty() && AcceptDictionary(found)) {
        DictionaryFile = found;
        return true;
    }
    return ChooseDictionary(DictionaryFile);
}

void DictionaryLocation::SaveToPrimaryStore(const QString &DictionaryFile)
{
    auto primary = OpenPrimaryStore();
    if (!IsUsable(*primary))
        return;
    primary->beginGroup(PrimaryGroup());
    primary->setValue(kValueName, DictionaryFile);
    primary->endGroup();
    primary->sync();
}
