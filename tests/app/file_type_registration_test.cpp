// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_type_registration.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {
QString Read(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}
} // namespace

TEST(FileTypeRegistration, WritesTheMimeTypeDesktopEntryAndIconOnceThenNothing)
{
    QTemporaryDir home;
    const auto first = file_type::RegisterFileType(QStringLiteral("/opt/jeux/ludorine"), home.path());
    EXPECT_TRUE(first.mimeWritten && first.desktopWritten);
    EXPECT_FALSE(first.failed);
    const QString mime = Read(home.filePath(QStringLiteral("mime/packages/ludorine.xml")));
    EXPECT_TRUE(mime.contains(QStringLiteral("<glob pattern=\"*.ldr\"/>")));
    EXPECT_TRUE(mime.contains(file_type::kMimeType));
    const QString desktop = Read(home.filePath(QStringLiteral("applications/ludorine.desktop")));
    EXPECT_TRUE(desktop.contains(QStringLiteral("\nExec=/opt/jeux/ludorine %f\n")));
    EXPECT_TRUE(desktop.contains(QStringLiteral("MimeType=") + file_type::kMimeType + QStringLiteral(";")));
    EXPECT_TRUE(QFile::exists(home.filePath(QStringLiteral("icons/hicolor/64x64/apps/ludorine.png"))));

    const auto again = file_type::RegisterFileType(QStringLiteral("/opt/jeux/ludorine"), home.path());
    EXPECT_FALSE(again.mimeWritten || again.desktopWritten || again.failed);

    const auto moved =
        file_type::RegisterFileType(QStringLiteral("/home/moi/mes jeux/ludorine"), home.path());
    EXPECT_TRUE(moved.desktopWritten);
    EXPECT_TRUE(Read(home.filePath(QStringLiteral("applications/ludorine.desktop")))
                    .contains(QStringLiteral("Exec=\"/home/moi/mes jeux/ludorine\" %f")));
}

TEST(FileTypeRegistration, AnUnwritableFolderIsSkippedSilently)
{
    QTemporaryDir home;
    QFile blocker(home.filePath(QStringLiteral("bloque")));
    blocker.open(QIODevice::WriteOnly);
    const auto result = file_type::RegisterFileType(QStringLiteral("/usr/bin/ludorine"), blocker.fileName());
    EXPECT_TRUE(result.failed);
    EXPECT_FALSE(result.mimeWritten || result.desktopWritten);
}
