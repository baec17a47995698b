// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/game_file.h"

#include "framework/code_page_text.h"
#include "framework/dialog_service.h"
#include "framework/game_window.h"
#include "framework/savefile/saved_game_header.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QTextStream>
#include <sstream>

namespace {

QString OwnerName()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? ProgramTitle() : user;
}

bool Commit(const QString &fileName, const std::function<bool(QIODevice &)> &write)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() of Qt 6.4 reports success even when the buffered bytes could
    // not be written (a full disk): the flush and the file's error are
    // checked first, and a failed write never replaces the target.
    if (!write(file) || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

GameFileForm FormOfFileName(const QString &fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toUpper();
    if (extension == QLatin1String("TXT"))
        return GameFileForm::Text;
    if (extension == QLatin1String("JPG"))
        return GameFileForm::Jpeg;
    if (extension == QLatin1String("BMP"))
        return GameFileForm::Bitmap;
    return GameFileForm::SavedGame;
}

QString SaveDateText(const QDateTime &when)
{
    const QLocale locale = QLocale::system();
    return locale.toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(when.time(), QLocale::LongFormat);
}

QByteArray SavedGameBytes(TFLudorine &window, const QDateTime &when)
{
    std::ostringstream out;
    {
        savefile::TypedWriter writer(out);
        savefile::HeaderWriteTexts texts;
        texts.origin = ToCodePage(QStringLiteral("OXA/Ludorine ") + QCoreApplication::applicationVersion())
                           .substr(0, 255);
        texts.owner = ToCodePage(OwnerName()).substr(0, 255);
        texts.date = ToCodePage(SaveDateText(when));
        savefile::WriteSavedGameHeader(writer, ToInt(window.GameKind), texts);
        window.SaveGame(writer);
        writer.Flush();
    }
    const std::string bytes = out.str();
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QByteArray TextExportBytes(TFLudorine &window, const QDateTime &when)
{
    QString body;
    {
        QTextStream stream(&body);
        stream << QStringLiteral("OXA/Ludorine ") << window.Title << '\n'
               << '\n'
               << SaveDateText(when) << '\n';
        window.ExportText(stream);
        stream << ProgramTitle() << '\n';
    }
    // Games write their lines with '\n'; the file has CR LF line ends.
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const std::string bytes = ToCodePage(body);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

bool WriteGameFile(TFLudorine &window, const QString &fileName, const QDateTime &when)
{
    const GameFileForm form = FormOfFileName(fileName);
    switch (form) {
    case GameFileForm::Text: {
        QByteArray bytes;
        try {
            bytes = TextExportBytes(window, when);
        } catch (const std::exception &) {
            return false;
        }
        return Commit(fileName, [&](QIODevice &file) { return file.write(bytes) == bytes.size(); });
    }
    case GameFileForm::Jpeg:
    case GameFileForm::Bitmap: {
        // The picture is made in memory first, so that a game that writes
        // nothing leaves an empty file and a failed picture leaves none.
        QBuffer picture;
        picture.open(QIODevice::WriteOnly);
        window.ExportPicture(picture, form == GameFileForm::Jpeg ? 1 : 2);
        const QByteArray bytes = picture.data();
        return Commit(fileName, [&](QIODevice &file) { return file.write(bytes) == bytes.size(); });
    }
    case GameFileForm::SavedGame:
        break;
    }
    QByteArray bytes;
    try {
        bytes = SavedGameBytes(window, when);
    } catch (const std::exception &) {
        return false; // a game that cannot write its state writes no file
    }
    if (!Commit(fileName, [&](QIODevice &file) { return file.write(bytes) == bytes.size(); }))
        return false;
    window.FileName = QFileInfo(fileName).absoluteFilePath();
    window.SetCaptionFromFile();
    window.Modified = false;
    return true;
}

std::optional<GameKindCode> ReadSavedGameKind(savefile::TypedReader &reader)
{
    const savefile::SavedGameHeader header = savefile::ReadSavedGameHeader(reader);
    if (!header.Ok())
        return std::nullopt;
    return GameKindFromInt(header.kind);
}
