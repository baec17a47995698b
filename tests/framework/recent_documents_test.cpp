// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/recent_documents.h"
#include "support/temp_settings.h"

#include <gtest/gtest.h>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>

namespace {
QDomDocument Load(const QString &path)
{
    QDomDocument doc;
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    doc.setContent(&file, false);
    return doc;
}
} // namespace

TEST(RecentDocuments, DesktopListGainsOneBookmarkPerFileAndKeepsOthers)
{
    QTemporaryDir home;
    const QString list = home.filePath(QStringLiteral("recently-used.xbel"));
    QFile seed(list);
    ASSERT_TRUE(seed.open(QIODevice::WriteOnly));
    seed.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xbel version=\"1.0\" "
               "xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\" "
               "xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\">"
               "<bookmark href=\"file:///home/x/notes.txt\" added=\"2026-01-01T00:00:00Z\"/></xbel>");
    seed.close();

    const QString mime = QStringLiteral("application/x-ludorine-partie");
    ASSERT_TRUE(
        recent::AddToDesktopList(QStringLiteral("/tmp/ma partie.ldr"), home.path(), mime, "Ludorine"));
    ASSERT_TRUE(
        recent::AddToDesktopList(QStringLiteral("/tmp/ma partie.ldr"), home.path(), mime, "Ludorine"));
    const QDomElement root = Load(list).documentElement();
    const QDomNodeList bookmarks = root.elementsByTagName(QStringLiteral("bookmark"));
    ASSERT_EQ(bookmarks.size(), 2);
    EXPECT_EQ(bookmarks.at(0).toElement().attribute("href"), QStringLiteral("file:///home/x/notes.txt"));
    const QDomElement ours = bookmarks.at(1).toElement();
    EXPECT_EQ(ours.attribute("href"), QStringLiteral("file:///tmp/ma%20partie.ldr"));
    const QDomElement app = ours.elementsByTagName(QStringLiteral("bookmark:application")).at(0).toElement();
    EXPECT_EQ(app.attribute("name"), QStringLiteral("Ludorine"));
    EXPECT_EQ(app.attribute("count"), QStringLiteral("2"));
    EXPECT_EQ(ours.elementsByTagName(QStringLiteral("mime:mime-type")).at(0).toElement().attribute("type"),
              mime);
}

TEST(RecentDocuments, AnUnreadableDesktopListIsLeftAlone)
{
    QTemporaryDir home;
    QFile broken(home.filePath(QStringLiteral("recently-used.xbel")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("<xbel><bookmark");
    broken.close();
    EXPECT_FALSE(
        recent::AddToDesktopList("/tmp/a.ldr", home.path(), "application/x-ludorine-partie", "Ludorine"));
    broken.open(QIODevice::ReadOnly);
    EXPECT_EQ(broken.readAll(), QByteArray("<xbel><bookmark"));
}

TEST(RecentDocuments, ProgramListIsMostRecentFirstWithoutDuplicatesAndShort)
{
    TempSettings settings;
    for (int i = 1; i <= 8; ++i)
        recent::Add(QStringLiteral("/tmp/partie%1.ldr").arg(i));
    recent::Add(QStringLiteral("/tmp/partie5.ldr"));
    const QStringList list = recent::ProgramList();
    ASSERT_EQ(list.size(), recent::kMenuLength);
    EXPECT_EQ(list.first(), QStringLiteral("/tmp/partie5.ldr"));
    EXPECT_EQ(list.at(1), QStringLiteral("/tmp/partie8.ldr"));
    EXPECT_EQ(list.count(QStringLiteral("/tmp/partie5.ldr")), 1);
    recent::Remove(QStringLiteral("/tmp/partie5.ldr"));
    EXPECT_EQ(recent::ProgramList().first(), QStringLiteral("/tmp/partie8.ldr"));
}
