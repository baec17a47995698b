// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame of the game windows, with the program's logo centred on its
// background (hidden until the splash window goes away).
#include <QImage>
#include <QMdiArea>

class LogoArea : public QMdiArea {
    Q_OBJECT
public:
    explicit LogoArea(QWidget *parent = nullptr);
    void SetLogoVisible(bool visible);
    bool LogoVisible() const { return logoVisible_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage logo_;
    bool logoVisible_ = false;
};
