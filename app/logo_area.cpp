// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/logo_area.h"

#include "app/program_pictures.h"

#include <QPainter>

LogoArea::LogoArea(QWidget *parent) : QMdiArea(parent), logo_(LogoPicture())
{
    setObjectName(QStringLiteral("Logo"));
    setBackground(QColor(0x2E, 0x5E, 0x4E));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void LogoArea::SetLogoVisible(bool visible)
{
    logoVisible_ = visible;
    viewport()->update();
}

void LogoArea::paintEvent(QPaintEvent *event)
{
    QMdiArea::paintEvent(event);
    if (!logoVisible_)
        return;
    QPainter painter(viewport());
    const QPoint topLeft = viewport()->rect().center() - logo_.rect().center();
    painter.drawImage(topLeft, logo_);
}
