// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the dictionary file is: read from the settings store at start-up,
// found on disk or chosen by the user, and written back.
//
// The primary store is the machine-wide one, key
// "\Software\OXA\Ludorine\Configuracio", value "Vortaro". When it cannot be
// used (not writable, unreadable), the per-user store is used instead: key
// "\SoftWare\OXA\Ludorine", section "Configuracio", value "Vortaro".
#include <memory>
#include <QString>
#include <QStringList>

class QSettings;

class DictionaryLocation {
public:
    static QString DefaultFileName() { return QStringLiteral("LDico.ox"); }
    static QString NoDictionaryMessage();

    // Folders searched for a dictionary given by a bare or relative name that
    // does not exist from the current folder: next to the program, then the
    // installed data folder.
    explicit DictionaryLocation(QStringList searchFolders);

    // Settings steps at start-up: returns the full path of the dictionary,
    // or an empty string when there is none and the user cancelled (the
    // message has then been shown and the program must end).
    QString LocateAtStartup();

    // Finds the file, or asks until the user picks an existing file or
    // cancels; a file that fails the structural check of a dictionary is
    // refused with a message. DictionaryFile becomes the full path on
    // success.
    bool EnsureDictionary(QString &DictionaryFile) const;

    // Written when the main window goes away: the primary store only.
    static void SaveToPrimaryStore(const QString &DictionaryFile);

    // True when the last LocateAtStartup used the per-user store.
    bool UsedFallbackStore() const { return usedFallback_; }

    static std::unique_ptr<QSettings> OpenPrimaryStore();
    static std::unique_ptr<QSettings> OpenFallbackStore();
    static QString PrimaryGroup() { return QStringLiteral("Software/OXA/Ludorine/Configuracio"); }
    static QString FallbackGroup() { return QStringLiteral("SoftWare/OXA/Ludorine/Configuracio"); }

private:
    QString LocateWith(QSettings &store, const QString &group, const QString &defaultValue);
    QString FindNearby(const QString &name) const;

    QStringList searchFolders_;
    bool usedFallback_ = false;
};
