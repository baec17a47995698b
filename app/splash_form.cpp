// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_form.h"

#include "app/main_form.h"
#include "app/program_pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TSplashForm::TSplashForm(TMainForm *mainForm, int durationMs)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      mainForm_(mainForm), picture_(SplashPicture())
{
    setObjectName(QStringLiteral("SplashForm"));
    setAttribute(Qt::WA_TranslucentBackground, false);
    setFixedSize(picture_.size());
    setMask(ShapeOf(picture_));
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    timer_.setSingleShot(false);
    timer_.setInterval(durationMs);
    connect(&timer_, &QTimer::timeout, this, &TSplashForm::FirstTick);
    timer_.start();
}

QRegion TSplashForm::ShapeOf(const QImage &picture)
{
    QRegion region;
    if (picture.width() < 2 || picture.height() < 2)
        return QRegion(picture.rect());
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb background = image.pixel(1, 1);
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        int x = 0;
        while (x < image.width()) {
            while (x < image.width() && row[x] == background)
                ++x;
            const int start = x;
            while (x < image.width() && row[x] != background)
                ++x;
            if (x > start)
                region += QRect(start, y, x - start, 1);
        }
    }
    return region;
}

void TSplashForm::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void TSplashForm::FirstTick()
{
    hide();
    timer_.stop();
    if (mainForm_)
        mainForm_->ShowAfterSplash();
    emit finished();
    close();
}
