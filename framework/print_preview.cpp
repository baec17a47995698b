// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/print_preview.h"

#include "framework/dialog_pause.h"
#include "framework/dialog_service.h"
#include "framework/game_window.h"
#include "framework/page_canvas.h"
#include "framework/print_geometry.h"
#include "framework/tick_driver.h"

#include <QHBoxLayout>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

PreviewArea::PreviewArea(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("appercu"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (paintPage)
        paintPage(painter);
}

TFPrint::TFPrint(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FPrint"));
    SetupScale(0);
    SetupScale(1);

    scroll_ = new QScrollArea(this);
    scroll_->setBackgroundRole(QPalette::Dark);
    appercu_ = new PreviewArea;
    appercu_->setGeometry(0, 0, PrintScale().PreviewWidth, PrintScale().PreviewHeight);
    appercu_->setFixedSize(PrintScale().PreviewWidth, PrintScale().PreviewHeight);
    appercu_->paintPage = [this](QPainter &painter) { DrawPreview(painter); };
    scroll_->setWidget(appercu_);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    print_ = new QPushButton(QStringLiteral("Imprimer"), this);
    print_->setObjectName(QStringLiteral("Imprimer"));
    cancel_ = new QPushButton(QStringLiteral("Fermer"), this);
    cancel_->setObjectName(QStringLiteral("Annuler"));
    connect(print_, &QPushButton::clicked, this, &TFPrint::PrintClicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print_);
    buttons->addWidget(cancel_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scroll_, 1);
    layout->addLayout(buttons);

    // Show the whole page width and as much of its height as fits.
    resize(PrintScale().PreviewWidth + 90, std::min(PrintScale().PreviewHeight + 90, 900));

    confirmPrinter = [this](QPrinter &printer) {
        QPrintDialog dialog(&printer, this);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        ModalScope modal;
        return dialog.exec() == QDialog::Accepted;
    };
}

void TFPrint::showEvent(QShowEvent *event)
{
    if (GameWindow)
        setWindowTitle(CaptionPrefix() + GameWindow->windowTitle());
    QDialog::showEvent(event);
}

void TFPrint::DrawPreview(QPainter &painter)
{
    if (GameWindow) {
        PageCanvas canvas;
        canvas.SetPreviewPainter(&painter);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        GameWindow->PrintPage(0, canvas);
        setWindowTitle(CaptionPrefix() + GameWindow->windowTitle());
    }
}

void TFPrint::PrintClicked()
{
    if (!confirmPrinter || !confirmPrinter(CurrentPrinter()))
        return;
    if (!PrintToCurrentPrinter())
        Dialogs().message(QStringLiteral("Impossible d'imprimer sur cette imprimante."), ProgramTitle(),
                          MessageIcon::Warning);
}

bool TFPrint::PrintToCurrentPrinter()
{
    if (!GameWindow)
        return false;
    QPrinter &printer = CurrentPrinter();
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(false);
    const auto marginsFromOffsets = [&printer] {
        // A PDF file has no unprintable margin of its own: giving it the
        // offsets as margins puts every drawing at its place on the page.
        if (printer.outputFormat() == QPrinter::PdfFormat)
            printer.setPageMargins(QMarginsF(PrintScale().PrintOffsetX * 10, PrintScale().PrintOffsetY * 10,
                                             PrintScale().PrintOffsetX * 10, PrintScale().PrintOffsetY * 10),
                                   QPageLayout::Millimeter);
    };
    marginsFromOffsets();
    SetupScale(1);
    ApplyPrintOffsetsRule();
    marginsFromOffsets();
    SetupScale(1);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    PageCanvas canvas;
    canvas.SetPrinterPainter(&painter);
    canvas.SetMetricsDevice(&printer);
    GameWindow->PrintPage(1, canvas);
    return painter.end();
}

void ShowPrintPreview(TFLudorine *window)
{
    if (!window)
        return;
    DialogPause paused(window);
    TFPrint preview(window->window());
    preview.GameWindow = window;
    ModalScope modal;
    preview.exec();
}
