// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFPrint: the print preview of a game window's page. The page is drawn on
// the preview area at the screen's scale each time the area repaints; the
// "Imprimer" button asks for a printer and prints the same page on it. The
// window stays open after printing.
#include <functional>
#include <QDialog>

class QPrinter;
class QPushButton;
class QScrollArea;
class TFLudorine;

// The area the page is drawn on (target 0).
class PreviewArea : public QWidget {
    Q_OBJECT
public:
    explicit PreviewArea(QWidget *parent = nullptr);
    // Called with each repaint once the page is drawn.
    std::function<void(QPainter &)> paintPage;

protected:
    void paintEvent(QPaintEvent *event) override;
};

class TFPrint : public QDialog {
    Q_OBJECT
public:
    explicit TFPrint(QWidget *parent = nullptr);

    // The game window whose page is shown and printed.
    TFLudorine *GameWindow = nullptr;

    PreviewArea *appercu() const { return appercu_; }
    QPushButton *PrintButton() const { return print_; }

    // Asks for the printer to use; true to print. The print dialog by
    // default; tests replace it.
    std::function<bool(QPrinter &)> confirmPrinter;

    // Prints the page on CurrentPrinter() (after the dialog). False when the
    // printer could not be started.
    bool PrintToCurrentPrinter();

    static QString CaptionPrefix() { return QStringLiteral("Apperçu : "); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void DrawPreview(QPainter &painter);
    void PrintClicked();

    QScrollArea *scroll_;
    PreviewArea *appercu_;
    QPushButton *print_;
    QPushButton *cancel_;
};

// What the main window's "&Imprimer..." does for the active game window:
// pauses the game, shows its preview modally and restores the pause state.
void ShowPrintPreview(TFLudorine *window);
