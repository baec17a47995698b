// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/recent_documents.h"

#include <QDateTime>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace recent {
namespace {
const QString kBookmarkNs = QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString kMimeNs = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");
const QString kSettingsKey = QStringLiteral("SoftWare/OXA/Ludorine/Configuracio/LastajDosieroj");

QString Now()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

QDomElement FindBookmark(const QDomElement &root, const QString &href)
{
    for (QDomElement e = root.firstChildElement(QStringLiteral("bookmark")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("bookmark")))
        if (e.attribute(QStringLiteral("href")) == href)
            return e;
    return QDomElement();
}

void AddApplication(QDomDocument &doc, QDomElement &bookmark, const QString &mimeType, const QString &program)
{
    QDomElement info = bookmark.firstChildElement(QStringLiteral("info"));
    if (info.isNull())
        info = bookmark.appendChild(doc.createElement(QStringLiteral("info"))).toElement();
    QDomElement metadata = info.firstChildElement(QStringLiteral("metadata"));
    if (metadata.isNull()) {
        metadata = info.appendChild(doc.createElement(QStringLiteral("metadata"))).toElement();
        metadata.setAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
    }
    if (metadata.elementsByTagName(QStringLiteral("mime:mime-type")).isEmpty()) {
        QDomElement mime = doc.createElement(QStringLiteral("mime:mime-type"));
        mime.setAttribute(QStringLiteral("type"), mimeType);
        metadata.appendChild(mime);
    }
    QDomElement applications = metadata.firstChildElement(QStringLiteral("bookmark:applications"));
    if (applications.isNull())
        applications =
            metadata.appendChild(doc.createElement(QStringLiteral("bookmark:applications"))).toElement();
    for (QDomElement app = applications.firstChildElement(); !app.isNull(); app = app.nextSiblingElement()) {
        if (app.attribute(QStringLiteral("name")) == program) {
            app.setAttribute(QStringLiteral("modified"), Now());
            app.setAttribute(QStringLiteral("count"), app.attribute(QStringLiteral("count")).toInt() + 1);
            return;
        }
    }
    QDomElement app = doc.createElement(QStringLiteral("bookmark:application"));
    app.setAttribute(QStringLiteral("name"), program);
    app.setAttribute(QStringLiteral("exec"), QStringLiteral("'ludorine %u'"));
    app.setAttribute(QStringLiteral("modified"), Now());
    app.setAttribute(QStringLiteral("count"), 1);
    applications.appendChild(app);
}
} // namespace

bool AddToDesktopList(const QString &filePath, const QString &dataHome, const QString &mimeType,
                      const QString &programName)
{
    if (dataHome.isEmpty())
        return false;
    const QString listPath = QDir(dataHome).filePath(QStringLiteral("recently-used.xbel"));
    QDomDocument doc;
    QFile existing(listPath);
    if (existing.exists()) {
        // Never replace a list we cannot understand: it belongs to the desktop.
        // Prefixed names are kept as written (no namespace processing).
        if (!existing.open(QIODevice::ReadOnly) || !doc.setContent(&existing, false))
            return false;
    } else {
        doc.setContent(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                      "<xbel version=\"1.0\" xmlns:bookmark=\"%1\" xmlns:mime=\"%2\"/>")
                           .arg(kBookmarkNs, kMimeNs));
    }
    QDomElement root = doc.documentElement();
    if (root.tagName() != QStringLiteral("xbel"))
        return false;
    if (!root.hasAttribute(QStringLiteral("xmlns:bookmark")))
        root.setAttribute(QStringLiteral("xmlns:bookmark"), kBookmarkNs);
    if (!root.hasAttribute(QStringLiteral("xmlns:mime")))
        root.setAttribute(QStringLiteral("xmlns:mime"), kMimeNs);

    const QString href =
        QString::fromUtf8(QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath()).toEncoded());
    QDomElement bookmark = FindBookmark(root, href);
    const QString now = Now();
    if (bookmark.isNull()) {
        bookmark = root.appendChild(doc.createElement(QStringLiteral("bookmark"))).toElement();
        bookmark.setAttribute(QStringLiteral("href"), href);
        bookmark.setAttribute(QStringLiteral("added"), now);
    }
    bookmark.setAttribute(QStringLiteral("modified"), now);
    bookmark.setAttribute(QStringLiteral("visited"), now);
    AddApplication(doc, bookmark, mimeType, programName);

    QDir().mkpath(dataHome);
    QSaveFile out(listPath);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(doc.toByteArray(2));
    return out.commit();
}

QStringList ProgramList()
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("OXA"),
                    QStringLiteral("Ludorine"));
    QStringList files = store.value(kSettingsKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, kMenuLength);
}

void Add(const QString &filePath)
{
    const QString path = QFileInfo(filePath).absoluteFilePath();
    QStringList files = ProgramList();
    files.removeAll(path);
    files.prepend(path);
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("OXA"),
                    QStringLiteral("Ludorine"));
    store.setValue(kSettingsKey, files.mid(0, kMenuLength));
    store.sync();
    AddToDesktopList(path, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                     QStringLiteral("application/x-ludorine-partie"), QStringLiteral("Ludorine"));
}

void Remove(const QString &filePath)
{
    QStringList files = ProgramList();
    files.removeAll(QFileInfo(filePath).absoluteFilePath());
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("OXA"),
                    QStringLiteral("Ludorine"));
    store.setValue(kSettingsKey, files);
}

} // namespace recent
