#pragma once
// A page canvas over a QPainter at a fixed number of device pixels per
// centimetre: used to render a page to a picture.
#include "framework/page_canvas.h"

#include <QBrush>
#include <QFont>
#include <QPen>

class QPainter;

class PainterPageCanvas : public PageCanvas {
public:
    PainterPageCanvas(QPainter &painter, double pixelsPerCm);

    void SetBrush(const QColor &color, BrushStyle style) override;
    void SetPen(const QColor &color, double widthCm, PenStyle style) override;
    void SetFont(const QString &family, const QColor &color, double points, bool bold) override;
    void DrawRect(double x1, double y1, double x2, double y2) override;
    void DrawText(double x, double y, const QString &text, TextAlign align) override;

private:
    double px(double cm) const { return cm * pixelsPerCm_; }

    QPainter &painter_;
    double pixelsPerCm_;
    QBrush brush_;
    QPen pen_;
    QFont font_;
    QColor textColor_;
    bool opaqueText_ = false;
};
