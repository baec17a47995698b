// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's file commands: open, save, save as, print.
#include "app/main_form.h"

#include "framework/dialog_pause.h"
#include "framework/dialog_service.h"
#include "framework/game_file.h"
#include "framework/game_window.h"
#include "framework/print_preview.h"
#include "framework/recent_documents.h"
#include "framework/savefile/typed_stream.h"
#include "framework/tick_driver.h"

#include <fstream>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kGameFilter = QStringLiteral("Fichiers Ludorine (*.Ldr)|*.Ldr");
const QString kSaveAsFilter = QStringLiteral("Fichiers Ludorine (*.Ldr)|*.Ldr|Fichiers texte (*.txt)|*.TXT");

// The chosen name as a full path, with the filter's extension added when the
// user typed none.
QString ExpandChosenName(const QString &chosen, int filterIndex)
{
    QString name = QFileInfo(chosen).absoluteFilePath();
    if (QFileInfo(name).suffix().isEmpty())
        name += filterIndex == 2 ? QStringLiteral(".txt") : QStringLiteral(".Ldr");
    return name;
}

bool OverwriteAllowed(const QString &fileName)
{
    return !QFileInfo::exists(fileName) ||
           Dialogs().question(QStringLiteral("Ecraser le fichier existant ?"), ProgramTitle()) == Answer::Yes;
}

// True when the window's game was saved to or read from a file that is
// still there.
bool HasOwnFile(const TFLudorine *window)
{
    return window->FileName != TFLudorine::UnnamedFile() && QFileInfo(window->FileName).isFile();
}

// Two names of the same file (links and "." or ".." resolved).
bool SameFile(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

} // namespace

void TMainForm::FileOpen()
{
    const QString chosen = Dialogs().openFileName(QStringLiteral("Ouvrir"), kGameFilter, QDir::currentPath());
    if (!chosen.isEmpty()) {
        const QString name = QFileInfo(chosen).absoluteFilePath();
        if (QFileInfo(name).isFile())
            OpenGameFile(name);
    }
    UpdateFileCommands();
}

void TMainForm::OpenRecentFile(const QString &fileName)
{
    if (!QFileInfo(fileName).isFile()) {
        // A file moved or deleted since: say so and forget it.
        recent::Remove(fileName);
        Dialogs().message(QStringLiteral("Le fichier %1 n'existe plus.").arg(fileName), ProgramTitle,
                          MessageIcon::Warning);
        return;
    }
    OpenGameFile(fileName);
    UpdateFileCommands();
}

TFLudorine *TMainForm::WindowOfFile(const QString &fileName) const
{
    for (TFLudorine *window : GameWindows())
        if (!window->Closing && HasOwnFile(window) && SameFile(window->FileName, fileName))
            return window;
    return nullptr;
}

bool TMainForm::OpenGameFile(const QString &fileName)
{
    // A game open twice would have two windows saving over each other: the
    // window that holds the file comes to the front instead.
    if (TFLudorine *open = WindowOfFile(fileName)) {
        ActivateGameWindow(open);
        return true;
    }
    std::ifstream in(QFile::encodeName(fileName).toStdString(), std::ios::binary);
    if (!in)
        return false;
    savefile::TypedReader reader(in);
    std::optional<GameKindCode> kind;
    try {
        kind = ReadSavedGameKind(reader);
    } catch (const savefile::ReadError &) {
        return false; // not a saved game of ours, or cut short in its header
    }
    bool ok = false;
    if (kind) {
        TFLudorine *window = CreateGameWindow ? CreateGameWindow(*kind) : nullptr;
        if (window) {
            try {
                ok = window->LoadGame(reader, fileName);
            } catch (...) {
                ok = false;
            }
            if (ok) {
                AddGameWindow(window);
                recent::Add(fileName); // only a file that opened is offered again
            } else {
                delete window;
            }
        }
    }
    if (!ok)
        Dialogs().message(
            QStringLiteral("Erreur dans le format du fichier %1. Fichier illisible.").arg(fileName),
            ProgramTitle, MessageIcon::Error);
    return ok;
}

bool TMainForm::HeldByAnotherWindow(const QString &fileName, const TFLudorine *window) const
{
    // Two windows on one file would save over each other's game.
    const TFLudorine *holder = WindowOfFile(fileName);
    if (holder == nullptr || holder == window)
        return false;
    Dialogs().message(QStringLiteral("Le fichier %1 est déjà ouvert dans une autre fenêtre.").arg(fileName),
                      ProgramTitle, MessageIcon::Warning);
    return true;
}

bool TMainForm::FileSave(TFLudorine *window)
{
    if (!window) {
        UpdateFileCommands();
        return false;
    }
    QString target = window->FileName;
    if (HasOwnFile(window)) {
        target = QFileInfo(target).absoluteFilePath();
    } else {
        DialogPause paused(window);
        int filter = 1;
        const QString chosen =
            Dialogs().saveFileName(QStringLiteral("Enregistrer"), kGameFilter, target, &filter);
        if (chosen.isEmpty())
            return false;
        target = ExpandChosenName(chosen, 1);
        if (HeldByAnotherWindow(target, window) || !OverwriteAllowed(target))
            return false;
    }
    const bool saved = SaveGameFile(window, target);
    UpdateFileCommands();
    return saved;
}

bool TMainForm::FileSaveAs(TFLudorine *window)
{
    if (!window)
        return false;
    DialogPause paused(window);
    const QString proposed =
        HasOwnFile(window) ? QFileInfo(window->FileName).absoluteFilePath() : window->FileName;
    int filter = 1;
    const QString chosen =
        Dialogs().saveFileName(QStringLiteral("Enregistrer sous"), kSaveAsFilter, proposed, &filter);
    if (chosen.isEmpty())
        return false;
    const QString target = ExpandChosenName(chosen, filter);
    if (HeldByAnotherWindow(target, window) || !OverwriteAllowed(target))
        return false;
    const bool saved = SaveGameFile(window, target);
    UpdateFileCommands();
    return saved;
}

bool TMainForm::SaveGameFile(TFLudorine *window, const QString &fileName)
{
    if (!window)
        return false;
    if (WriteGameFile(*window, fileName))
        return true;
    // The previous file, if any, is as it was, and the window stays modified.
    Dialogs().message(QStringLiteral("Impossible d'enregistrer le fichier %1.").arg(fileName), ProgramTitle,
                      MessageIcon::Error);
    return false;
}

bool TMainForm::SaveGameWindow(TFLudorine *window)
{
    return FileSave(window);
}

bool TMainForm::SaveCommand(TFLudorine *window)
{
    // A game with no file yet gets the full "Enregistrer sous" dialog, as
    // in every desktop program.
    if (window && !HasOwnFile(window))
        return FileSaveAs(window);
    return FileSave(window);
}

void TMainForm::FilePrint(TFLudorine *window)
{
    // The preview pauses the game while it is shown.
    if (window)
        ShowPrintPreview(window);
}
