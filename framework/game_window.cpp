// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/game_window.h"

#include "framework/caps_lock.h"
#include "framework/dialog_service.h"
#include "framework/help_window.h"
#include "framework/main_window_link.h"
#include "framework/page_canvas.h"
#include "framework/savefile/typed_stream.h"
#include "framework/tick_driver.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDateTime>
#include <QLocale>
#include <QMdiSubWindow>
#include <QTimer>

TFLudorine::TFLudorine(QWidget *parent)
    : QWidget(parent), FileName(UnnamedFile()), Title(QStringLiteral("Oxa"))
{
}

TFLudorine::~TFLudorine()
{
    if (busy_)
        QApplication::restoreOverrideCursor();
}

QString TFLudorine::UnnamedFile()
{
    return QStringLiteral("Sans nom");
}

bool TFLudorine::LoadGame(savefile::TypedReader &reader, const QString &fileName)
{
    FileName = fileName;
    SetCaptionFromFile();
    Modified = false;
    GameOver = reader.ReadString().starts_with('T');
    // Files saved by earlier versions may hold the pause of the save dialog
    // itself; the window keeps its own value rather than opening frozen.
    reader.ReadString();
    return true;
}

void TFLudorine::SaveGame(savefile::TypedWriter &writer)
{
    writer.WriteString(GameOver ? "T" : "F");
    writer.WriteString(GamePaused() ? "T" : "F");
}

void TFLudorine::ExportText(QTextStream &) {}

void TFLudorine::ExportPicture(QIODevice &, int) {}

void TFLudorine::ShowHelp()
{
    ShowHelpTopic(QStringLiteral("Ludorine.chm::/Ludorine.htm"));
}

void TFLudorine::PrintPage(int target, PageCanvas &canvas)
{
    DrawTitledPage(canvas, target, Title);
    canvas.SetFont(target, QStringLiteral("Courrier new"), Qt::black, 6, FontRegular);
    const QString stamp = QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
    canvas.DrawText(target, (ProgramTitle() + QStringLiteral(" - ") + stamp).trimmed(), 2, 27, kPageWidthCm,
                    TextAlign::Left);
}

void TFLudorine::SetBusy(int state)
{
    if (state != 0 && state != 1)
        return;
    const QPoint mouse = QCursor::pos();
    if (state == 0) {
        if (busy_)
            QApplication::restoreOverrideCursor();
        busy_ = false;
        ShowStatus(QString());
    } else {
        if (!busy_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        busy_ = true;
        ShowStatus(QStringLiteral("..."));
    }
    // Putting the mouse back makes the new cursor shape appear at once.
    QCursor::setPos(mouse);
}

void TFLudorine::ShowStatus(const QString &text)
{
    if (MainWindowLink *main = MainForm())
        main->ShowStatus(text);
}

void TFLudorine::SetCapsLock(int On)
{
    SetKeyboardCapsLock(On != 0);
}

void TFLudorine::FormCloseQuery(bool &CanClose)
{
    BeginDialogPause();
    closeAgreedUnsaved_ = false;
    if (!Modified) {
        CanClose = true;
    } else {
        const QString text = QStringLiteral("Sauvegarder le contenu de %1 ? ").arg(FileName);
        switch (Dialogs().question(text, ProgramTitle(), QuestionButtons::YesNoCancel)) {
        case Answer::Yes: {
            MainWindowLink *main = MainForm();
            if (main)
                main->SaveGameWindow(this);
            // A save that was cancelled or failed keeps the window open.
            CanClose = !Modified;
            break;
        }
        case Answer::No:
            CanClose = true;
            closeAgreedUnsaved_ = true;
            break;
        default:
            CanClose = false;
            break;
        }
    }
    if (CanClose) {
        Modified = false;
        ShowStatus(QStringLiteral("Fermeture de la fenêtre"));
    } else {
        EndDialogPause();
    }
}

void TFLudorine::CloseRefusedElsewhere()
{
    if (Closing)
        return;
    if (closeAgreedUnsaved_)
        Modified = true;
    closeAgreedUnsaved_ = false;
    while (dialogPauses_ > 0)
        EndDialogPause();
    if (MainWindowLink *main = MainForm())
        main->UpdateFileCommands();
}

bool TFLudorine::ReplaceByUnnamedGame()
{
    if (Closing)
        return false;
    bool canClose = false;
    FormCloseQuery(canClose);
    if (!canClose)
        return false;
    StartUnnamedGame();
    return true;
}

void TFLudorine::StartUnnamedGame()
{
    while (dialogPauses_ > 0)
        EndDialogPause();
    closeAgreedUnsaved_ = false;
    Paused = false;
    Modified = false;
    FileName = UnnamedFile();
    setWindowTitle(Title);
    if (MainWindowLink *main = MainForm())
        main->UpdateFileCommands();
}

void TFLudorine::BeginDialogPause()
{
    if (dialogPauses_++ == 0)
        pausedBeforeDialogs_ = Paused;
    Paused = true;
}

void TFLudorine::EndDialogPause()
{
    if (dialogPauses_ == 0)
        return;
    if (--dialogPauses_ == 0)
        Paused = pausedBeforeDialogs_;
}

void TFLudorine::FormClose()
{
    Closing = true;
    Paused = true;
    GameOver = true;
    StopTicks();
    // Let pending events run once so that loops in progress see the flags.
    QCoreApplication::processEvents();
}

void TFLudorine::CloseLater()
{
    StopTicks();
    QTimer::singleShot(0, this, [this] {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
            sub->close();
        else
            close();
    });
}

void TFLudorine::closeEvent(QCloseEvent *event)
{
    bool canClose = false;
    FormCloseQuery(canClose);
    if (!canClose) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TFLudorine::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (MainWindowLink *main = MainForm())
        main->UpdateFileCommands();
}

void TFLudorine::StartTicks(int intervalMs)
{
    if (!ticks_)
        ticks_ = new TickDriver([this] { Tick(); }, [this] { return Paused || Closing; }, this);
    ticks_->start(intervalMs);
}

void TFLudorine::StopTicks()
{
    if (ticks_)
        ticks_->stop();
}

void TFLudorine::SetCaptionFromFile()
{
    setWindowTitle(Title + QStringLiteral(" (") + FileName + QLatin1Char(')'));
}
