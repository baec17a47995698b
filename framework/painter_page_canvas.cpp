#include "framework/painter_page_canvas.h"

#include <QFontMetricsF>
#include <QPainter>

PainterPageCanvas::PainterPageCanvas(QPainter &painter, double pixelsPerCm)
    : painter_(painter), pixelsPerCm_(pixelsPerCm), textColor_(Qt::black)
{
}

void PainterPageCanvas::SetBrush(const QColor &color, BrushStyle style)
{
    brush_ = style == BrushStyle::Solid ? QBrush(color) : QBrush(Qt::NoBrush);
    opaqueText_ = style == BrushStyle::Solid;
}

void PainterPageCanvas::SetPen(const QColor &color, double widthCm, PenStyle style)
{
    static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::NoPen};
    pen_ = QPen(color, std::max(1.0, px(widthCm)), kStyles[int(style)]);
}

void PainterPageCanvas::SetFont(const QString &family, const QColor &color, double points, bool bold)
{
    font_ = QFont(family);
    // Points are 1/72 inch: convert to device pixels at this scale.
    font_.setPixelSize(std::max(1, int(points / 72.0 * 2.54 * pixelsPerCm_ + 0.5)));
    font_.setBold(bold);
    textColor_ = color;
}

void PainterPageCanvas::DrawRect(double x1, double y1, double x2, double y2)
{
    painter_.setPen(pen_);
    painter_.setBrush(brush_);
    painter_.drawRect(QRectF(QPointF(px(x1), px(y1)), QPointF(px(x2), px(y2))));
}

void PainterPageCanvas::DrawText(double x, double y, const QString &text, TextAlign align)
{
    painter_.setFont(font_);
    const QFontMetricsF metrics(font_, painter_.device());
    const double width = metrics.horizontalAdvance(text);
    double left = px(x);
    if (align == TextAlign::Center)
        left -= width / 2;
    else if (align == TextAlign::Right)
        left -= width;
    const QRectF box(left, px(y), width, metrics.height());
    if (opaqueText_)
        painter_.fillRect(box, brush_);
    painter_.setPen(textColor_);
    painter_.drawText(QPointF(left, px(y) + metrics.ascent()), text);
}
