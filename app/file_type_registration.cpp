// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_type_registration.h"

#include "app/program_pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace file_type {
namespace {

// Writes Content to Path unless the file already holds exactly that.
// Returns 1 when written, 0 when unchanged, -1 on failure.
int WriteIfChanged(const QString &path, const QByteArray &content)
{
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == content)
        return 0;
    current.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return -1;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size() || !out.commit())
        return -1;
    return 1;
}

void RunIfPresent(const QString &program, const QStringList &arguments)
{
    const QString found = QStandardPaths::findExecutable(program);
    if (!found.isEmpty())
        QProcess::startDetached(found, arguments);
}

// Desktop files quote the program path when it holds blanks or specials.
QString QuoteExec(const QString &path)
{
    static const QString kSpecials = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
    for (QChar c : path)
        if (kSpecials.contains(c)) {
            QString escaped = path;
            escaped.replace(QStringLiteral("\\"), QStringLiteral("\\\\\\\\"))
                .replace(QStringLiteral("\""), QStringLiteral("\\\\\""))
                .replace(QStringLiteral("`"), QStringLiteral("\\\\`"))
                .replace(QStringLiteral("$"), QStringLiteral("\\\\$"));
            return QLatin1Char('"') + escaped + QLatin1Char('"');
        }
    return path;
}

QString ReadResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString UserDataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString MimePackageXml()
{
    return ReadResource(QStringLiteral(":/desktop/ludorine.xml"));
}

QString DesktopEntry(const QString &programPath)
{
    // The installed entry runs "ludorine" from the path; the one written at
    // start-up runs this very program.
    QString entry = ReadResource(QStringLiteral(":/desktop/ludorine.desktop"));
    entry.replace(QStringLiteral("Exec=ludorine "),
                  QStringLiteral("Exec=") + QuoteExec(programPath) + QLatin1Char(' '));
    return entry;
}

Registration RegisterFileType(const QString &programPath, const QString &dataHome)
{
    Registration result;
    if (dataHome.isEmpty()) {
        result.failed = true;
        return result;
    }
    const QDir home(dataHome);
    const int mime = WriteIfChanged(home.filePath(QStringLiteral("mime/packages/ludorine.xml")),
                                    MimePackageXml().toUtf8());
    const int desktop = WriteIfChanged(home.filePath(QStringLiteral("applications/ludorine.desktop")),
                                       DesktopEntry(programPath).toUtf8());
    const int icon = WriteIfChanged(home.filePath(QStringLiteral("icons/hicolor/64x64/apps/ludorine.png")),
                                    ProgramIconPng());
    result.mimeWritten = mime == 1;
    result.desktopWritten = desktop == 1;
    result.failed = mime < 0 || desktop < 0 || icon < 0;
    // The desktop's caches only need refreshing when something changed.
    if (result.mimeWritten)
        RunIfPresent(QStringLiteral("update-mime-database"), {home.filePath(QStringLiteral("mime"))});
    if (result.desktopWritten)
        RunIfPresent(QStringLiteral("update-desktop-database"),
                     {home.filePath(QStringLiteral("applications"))});
    return result;
}

} // namespace file_type
