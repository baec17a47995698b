// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a game window to a file and reading the header of a saved game.
// The form written follows the file name's extension: ".TXT" the text
// export, ".JPG" and ".BMP" the picture export, anything else a saved game.
// Every form is written to a temporary file beside the target, which
// replaces the target only once all was written: a failed save leaves the
// previous file as it was.
#include "framework/game_kind.h"

#include <optional>
#include <QDateTime>
#include <QString>

class QByteArray;
class TFLudorine;
namespace savefile {
class TypedReader;
}

enum class GameFileForm { SavedGame, Text, Jpeg, Bitmap };

GameFileForm FormOfFileName(const QString &fileName);

// The date and time of saving as the header and the text export show it:
// the system's short date and long time.
QString SaveDateText(const QDateTime &when);

// The bytes of a saved game of the window (header and the window's payload).
QByteArray SavedGameBytes(TFLudorine &window, const QDateTime &when);
// The bytes of the text export, lines ended by CR LF.
QByteArray TextExportBytes(TFLudorine &window, const QDateTime &when);

// Writes the form chosen by the extension. After a saved game, the window
// takes the file as its own (FileName, caption) and is no longer modified;
// the exports leave the window as it was. False when the file could not be
// written; the target is then unchanged.
bool WriteGameFile(TFLudorine &window, const QString &fileName,
                   const QDateTime &when = QDateTime::currentDateTime());

// Reads and checks the header of a saved game. The game kind when every
// check value and the repeated kind agree and the kind is one of ours;
// nullopt when a check fails or the number names no game. A foreign or
// truncated header raises savefile::ReadError.
std::optional<GameKindCode> ReadSavedGameKind(savefile::TypedReader &reader);
