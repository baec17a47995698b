// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The splash window: borderless, always on top, centred, shaped to its
// picture, shown for one second before the main window appears.
#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QWidget>

class TMainForm;

class TSplashForm : public QWidget {
    Q_OBJECT
public:
    explicit TSplashForm(TMainForm *mainForm, int durationMs = 1000);

    // The window region of a picture: the union, row by row, of the runs of
    // pixels whose colour differs from the pixel at (1, 1).
    static QRegion ShapeOf(const QImage &picture);

    bool TimerActive() const { return timer_.isActive(); }

signals:
    void finished();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void FirstTick();

    TMainForm *mainForm_;
    QImage picture_;
    QTimer timer_;
};
