// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dictionary_location.h"
#include "support/scripted_dialogs.h"
#include "support/temp_settings.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QSettings>

namespace {
QString MakeFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray("\x41\x01\0\0\0\xC2\0\0\0\0", 10)); // a dictionary of the word AB
    return QFileInfo(path).absoluteFilePath();
}

QString StoredValue(QSettings::Scope scope, const QString &group)
{
    QSettings store(QSettings::IniFormat, scope, QStringLiteral("OXA"), QStringLiteral("Ludorine"));
    return store.value(group + QStringLiteral("/Vortaro")).toString();
}

void Store(QSettings::Scope scope, const QString &group, const QString &value)
{
    QSettings store(QSettings::IniFormat, scope, QStringLiteral("OXA"), QStringLiteral("Ludorine"));
    store.setValue(group + QStringLiteral("/Vortaro"), value);
}
} // namespace

TEST(DictionaryLocation, AStoredPathThatExistsIsUsedWithoutAsking)
{
    TempSettings settings;
    ScriptedDialogsScope dialogs;
    const QString dico = MakeFile(settings.Path(QStringLiteral("mots/Perso.ox")));
    Store(QSettings::SystemScope, DictionaryLocation::PrimaryGroup(), dico);

    DictionaryLocation location({});
    EXPECT_EQ(location.LocateAtStartup(), dico);
    EXPECT_FALSE(location.UsedFallbackStore());
    EXPECT_TRUE(dialogs->asked.empty());
}

TEST(DictionaryLocation, AMissingStoredFileFallsBackToLDicoNextToTheProgram)
{
    TempSettings settings;
    ScriptedDialogsScope dialogs;
    const QString programDir = settings.Path(QStringLiteral("bin"));
    const QString dico = MakeFile(programDir + QStringLiteral("/LDico.ox"));
    Store(QSettings::SystemScope, DictionaryLocation::PrimaryGroup(),
          settings.Path(QStringLiteral("disparu.ox")));

    DictionaryLocation location({settings.Path(QStringLiteral("vide")), programDir});
    EXPECT_EQ(location.LocateAtStartup(), dico);
    EXPECT_TRUE(dialogs->asked.empty());
    EXPECT_EQ(StoredValue(QSettings::SystemScope, DictionaryLocation::PrimaryGroup()), dico)
        << "the full path is written back";
}

TEST(DictionaryLocation, WithNoDictionaryTheUserIsAskedUntilAnExistingFileOrCancel)
{
    TempSettings settings;
    ScriptedDialogsScope dialogs;
    const QString chosen = MakeFile(settings.Path(QStringLiteral("ailleurs/Mots.ox")));
    dialogs->fileNames = {settings.Path(QStringLiteral("inexistant.ox")), chosen};

    DictionaryLocation location({settings.Path(QStringLiteral("vide"))});
    EXPECT_EQ(location.LocateAtStartup(), chosen);
    ASSERT_EQ(dialogs->Texts(QStringLiteral("open")).size(), 2) << "asked again after a missing file";
    EXPECT_EQ(dialogs->Texts(QStringLiteral("open")).first(),
              QStringLiteral("Fichiers Dictionnaires (*.ox)|*.ox"));
    EXPECT_EQ(StoredValue(QSettings::SystemScope, DictionaryLocation::PrimaryGroup()), chosen);
}

TEST(DictionaryLocation, DamagedEmptyOrForeignFilesAreRefusedAndAnotherIsAsked)
{
    TempSettings settings;
    ScriptedDialogsScope dialogs;
    const QString programDir = settings.Path(QStringLiteral("bin"));
    const QString shipped = MakeFile(programDir + QStringLiteral("/LDico.ox"));
    QFile(shipped).resize(0); // the dictionary next to the program is empty
    const QString foreign = MakeFile(settings.Path(QStringLiteral("texte.ox")));
    {
        QFile file(foreign);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write("Ceci n'est pas un dictionnaire.\n");
    }
    const QString chosen = MakeFile(settings.Path(QStringLiteral("ailleurs/Mots.ox")));
    dialogs->fileNames = {foreign, chosen};

    DictionaryLocation location({programDir});
    EXPECT_EQ(location.LocateAtStartup(), chosen);
    const QStringList messages = dialogs->Texts(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("n'est pas un dictionnaire utilisable")))
        << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("vide"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[1].contains(foreign)) << messages[1].toStdString();
    EXPECT_EQ(dialogs->Texts(QStringLiteral("open")).size(), 2);
}

TEST(DictionaryLocation, CancellingTheChoiceShowsTheMessageAndStops)
{
    TempSettings settings;
    ScriptedDialogsScope dialogs;
    dialogs->fileNames = {QString()};
    DictionaryLocation location({settings.Path(QStringLiteral("vide"))});
    EXPECT_TRUE(location.LocateAtStartup().isEmpty());
    EXPECT_EQ(dialogs->Texts(QStringLiteral("message")),
              QStringList{QStringLiteral("Ludorine ne peut fonctionner sans dictionnaire !")});
}

TEST(DictionaryLocation, AnUnwritableMachineStoreFallsBackToThePerUserStore)
{
    TempSettings settings;
    settings.LockSystemStore();
    ScriptedDialogsScope dialogs;
    const QString dico = MakeFile(settings.Path(QStringLiteral("perso/Mien.ox")));
    Store(QSettings::UserScope, DictionaryLocation::FallbackGroup(), dico);

    DictionaryLocation location({});
    EXPECT_EQ(location.LocateAtStartup(), dico);
    EXPECT_TRUE(location.UsedFallbackStore());

    // With nothing stored, the fallback's default name is searched, and the
    // choice lands in the per-user store.
    Store(QSettings::UserScope, DictionaryLocation::FallbackGroup(), QString());
    const QString programDir = settings.Path(QStringLiteral("bin"));
    const QString shipped = MakeFile(programDir + QStringLiteral("/LDico.ox"));
    DictionaryLocation second({programDir});
    EXPECT_EQ(second.LocateAtStartup(), shipped);
    EXPECT_EQ(StoredValue(QSettings::UserScope, DictionaryLocation::FallbackGroup()), shipped);

    // The machine-wide store cannot be written at the end either.
    DictionaryLocation::SaveToPrimaryStore(shipped);
    EXPECT_TRUE(StoredValue(QSettings::SystemScope, DictionaryLocation::PrimaryGroup()).isEmpty());
    EXPECT_TRUE(dialogs->asked.empty());
}
