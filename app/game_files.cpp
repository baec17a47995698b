// The main window's file commands: open, save, save as, print.
#include "app/main_form.h"

#include "framework/dialog_service.h"
#include "framework/game_window.h"
#include "framework/painter_page_canvas.h"
#include "framework/recent_documents.h"
#include "framework/tick_driver.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {
const QString kGameFilter = QStringLiteral("Parties Ludorine (*.ldr)|*.ldr");
}

void TMainForm::FileOpen()
{
    const QString name = Dialogs().openFileName(QStringLiteral("Ouvrir"), kGameFilter);
    if (name.isEmpty())
        return;
    if (!OpenGameFile(name))
        Dialogs().message(QStringLiteral("Erreur dans le format du fichier %1. Fichier illisible.").arg(name),
                          ProgramTitle, MessageIcon::Error);
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
    if (!OpenGameFile(fileName))
        Dialogs().message(QStringLiteral("Erreur dans le format du fichier %1. Fichier illisible.").arg(fileName),
                          ProgramTitle, MessageIcon::Error);
    UpdateFileCommands();
}

void TMainForm::OpenGameFileSilently(const QString &fileName)
{
    OpenGameFile(fileName);
}

bool TMainForm::OpenGameFile(const QString &)
{
    // No game kind can be reopened until the saved-game reader exists.
    return false;
}

bool TMainForm::FileSave(TFLudorine *window)
{
    if (!window)
        return false;
    if (window->FileName == TFLudorine::UnnamedFile())
        return FileSaveAs(window);
    return SaveGameFile(window, window->FileName);
}

bool TMainForm::FileSaveAs(TFLudorine *window)
{
    if (!window)
        return false;
    const bool wasPaused = window->Paused;
    window->Paused = true;
    const QString name = Dialogs().saveFileName(QStringLiteral("Enregistrer sous"), kGameFilter);
    bool saved = false;
    if (!name.isEmpty())
        saved = SaveGameFile(window, name);
    window->Paused = wasPaused;
    return saved;
}

bool TMainForm::SaveGameFile(TFLudorine *, const QString &fileName)
{
    Dialogs().message(QStringLiteral("Impossible d'enregistrer le fichier %1.").arg(fileName), ProgramTitle,
                      MessageIcon::Error);
    return false;
}

bool TMainForm::SaveGameWindow(TFLudorine *window)
{
    return FileSave(window);
}

void TMainForm::FilePrint(TFLudorine *window)
{
    if (!window)
        return;
    const bool wasPaused = window->Paused;
    window->Paused = true;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QStringLiteral("Apperçu : ") + window->windowTitle());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [window](QPrinter *target) {
        QPainter painter(target);
        const double pixelsPerCm = target->resolution() / 2.54;
        PainterPageCanvas canvas(painter, pixelsPerCm);
        window->PrintPage(1, canvas);
    });
    {
        ModalScope modal;
        preview.exec();
    }
    window->Paused = wasPaused;
}
