// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/page_canvas.h"

#include <algorithm>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPrinter>

namespace {
bool ValidTarget(int target)
{
    return target == 0 || target == 1;
}

Qt::BrushStyle QtBrushStyle(BrushStyle style)
{
    switch (style) {
    case BrushStyle::Solid:
        return Qt::SolidPattern;
    case BrushStyle::Clear:
        return Qt::NoBrush;
    case BrushStyle::Horizontal:
        return Qt::HorPattern;
    case BrushStyle::Vertical:
        return Qt::VerPattern;
    case BrushStyle::FDiagonal:
        return Qt::FDiagPattern;
    case BrushStyle::BDiagonal:
        return Qt::BDiagPattern;
    case BrushStyle::Cross:
        return Qt::CrossPattern;
    case BrushStyle::DiagCross:
        return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

Qt::PenStyle QtPenStyle(PenStyle style)
{
    switch (style) {
    case PenStyle::Solid:
        return Qt::SolidLine;
    case PenStyle::Dash:
        return Qt::DashLine;
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::DashDot:
        return Qt::DashDotLine;
    case PenStyle::DashDotDot:
        return Qt::DashDotDotLine;
    case PenStyle::Clear:
        return Qt::NoPen;
    case PenStyle::InsideFrame:
        return Qt::SolidLine;
    }
    return Qt::SolidLine;
}
} // namespace

PageCanvas::PageCanvas() = default;
PageCanvas::~PageCanvas() = default;

PageCanvas::Surface PageCanvas::SurfaceOf(int target) const
{
    const PrintScaleState &scale = PrintScale();
    if (target == 0)
        return {preview_, scale.ScreenScale, 0, 0};
    return {printer_, scale.PrinterScale, scale.PrintOffsetX, scale.PrintOffsetY};
}

int PageCanvas::FontPixels(int target, double points) const
{
    const PrintScaleState &scale = PrintScale();
    if (target == 0)
        return RoundHalfEven(points * scale.ScreenFontFactor / 12);
    // A point is 1/72 inch.
    return RoundHalfEven(points * 2.54 / 72 * scale.PrinterScale);
}

void PageCanvas::RefreshPrinterScale()
{
    SetupScale(1);
}

QPaintDevice *PageCanvas::PrinterMetricsDevice() const
{
    return metrics_ ? metrics_ : &CurrentPrinter();
}

QFont PageCanvas::FontOf(int target) const
{
    const TargetState &s = state_[target];
    QFont font(s.fontName);
    font.setPixelSize(std::max(1, FontPixels(target, s.points)));
    font.setBold(s.fontStyle & FontBold);
    font.setItalic(s.fontStyle & FontItalic);
    font.setUnderline(s.fontStyle & FontUnderline);
    font.setStrikeOut(s.fontStyle & FontStrikeOut);
    // Unhinted glyphs keep the same advances at every size.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double PageCanvas::WidthOn(int target, const QString &text) const
{
    if (target == 1)
        return QFontMetricsF(FontOf(1), PrinterMetricsDevice()).horizontalAdvance(text);
    return QFontMetricsF(FontOf(0)).horizontalAdvance(text);
}

QPointF PageCanvas::DevicePoint(const Surface &surface, double x, double y) const
{
    return QPointF(RoundHalfEven((x - surface.offsetX) * surface.scale),
                   RoundHalfEven((y - surface.offsetY) * surface.scale));
}

void PageCanvas::SetBrush(int target, const QColor &colour, BrushStyle style)
{
    if (ValidTarget(target))
        state_[target].brush = QBrush(colour, QtBrushStyle(style));
}

void PageCanvas::SetPen(int target, const QColor &colour, double widthCm, PenStyle style)
{
    if (!ValidTarget(target))
        return;
    TargetState &s = state_[target];
    s.pen = QPen(colour);
    s.pen.setStyle(QtPenStyle(style));
    s.pen.setJoinStyle(Qt::MiterJoin);
    s.penWidthCm = widthCm;
}

void PageCanvas::SetFont(int target, const QString &name, const QColor &colour, double points, unsigned style)
{
    if (!ValidTarget(target))
        return;
    // The preview's font has a printer twin that measures its characters.
    for (int t = target; t <= 1; ++t) {
        TargetState &s = state_[t];
        s.fontName = name;
        s.fontColour = colour;
        s.points = points;
        s.fontStyle = style;
    }
}

void PageCanvas::DrawRect(int target, double left, double top, double right, double bottom)
{
    if (!ValidTarget(target))
        return;
    const Surface surface = SurfaceOf(target);
    if (!surface.painter)
        return;
    const TargetState &s = state_[target];
    QPen pen = s.pen;
    pen.setWidth(RoundHalfEven(s.penWidthCm * surface.scale));
    surface.painter->setPen(pen);
    surface.painter->setBrush(s.brush);
    surface.painter->drawRect(QRectF(DevicePoint(surface, left, top), DevicePoint(surface, right, bottom)));
}

void PageCanvas::PutText(int target, const Surface &surface, const QString &text, double x, double y)
{
    if (!surface.painter || text.isEmpty())
        return;
    const TargetState &s = state_[target];
    const QFont font = FontOf(target);
    QPainter &painter = *surface.painter;
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QPointF at = DevicePoint(surface, x, y);
    // A brush that is not clear paints the text's background, as on paper.
    if (s.brush.style() != Qt::NoBrush)
        painter.fillRect(QRectF(at, QSizeF(metrics.horizontalAdvance(text), metrics.height())),
                         s.brush.color());
    painter.setPen(s.fontColour);
    painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
}

void PageCanvas::DrawText(int target, const QString &text, double x, double y, double rightLimit,
                          TextAlign align, double *xEnd, double *yBelow)
{
    if (xEnd)
        *xEnd = x;
    if (yBelow)
        *yBelow = y;
    if (!ValidTarget(target))
        return;
    if (target == 0)
        RefreshPrinterScale();
    const Surface surface = SurfaceOf(target);
    // Both targets place the text with the printer's measures.
    const double width = TextWidthCm(1, text);
    double position = x;
    if (align == TextAlign::Center)
        position = x - width / 2;
    else if (align == TextAlign::Right)
        position = x - width;
    double extra = 0;
    const bool spread = align == TextAlign::Justify && !text.isEmpty() && width < rightLimit - x;
    if (spread)
        extra = (rightLimit - x - width) / text.size();

    if (target == 1 && !spread) {
        PutText(target, surface, text, position, y);
        position += width;
    } else {
        for (const QChar c : text) {
            const QString one(c);
            PutText(target, surface, one, position, y);
            position += TextWidthCm(1, one) + extra;
        }
    }
    if (xEnd)
        *xEnd = position;
    if (yBelow)
        *yBelow = y + TextHeightCm(target, text.isEmpty() ? QStringLiteral("T") : text);
}

void PageCanvas::DrawBitmap(int target, const QImage &bitmap, double x, double y, double width, double height,
                            int hAlign, int vAlign, double *xEnd, double *yEnd)
{
    const QRectF box = BitmapRectCm(bitmap.size(), x, y, width, height, hAlign, vAlign);
    if (xEnd)
        *xEnd = box.right();
    if (yEnd)
        *yEnd = box.bottom();
    if (!ValidTarget(target) || bitmap.isNull())
        return;
    const Surface surface = SurfaceOf(target);
    if (!surface.painter)
        return;
    const QPointF topLeft = DevicePoint(surface, box.left(), box.top());
    const QPointF bottomRight = DevicePoint(surface, box.right(), box.bottom());
    surface.painter->save();
    surface.painter->setRenderHint(QPainter::SmoothPixmapTransform);
    surface.painter->drawImage(QRectF(topLeft, bottomRight), bitmap);
    surface.painter->restore();
}

double PageCanvas::TextWidthCm(int target, const QString &text)
{
    if (!ValidTarget(target))
        return 0;
    const double scale = SurfaceOf(target).scale;
    return scale > 0 ? WidthOn(target, text) / scale : 0;
}

double PageCanvas::TextHeightCm(int target, const QString &text)
{
    if (!ValidTarget(target))
        return 0;
    const double scale = SurfaceOf(target).scale;
    if (scale <= 0)
        return 0;
    const QFont font = FontOf(target);
    const QFontMetricsF metrics =
        target == 1 ? QFontMetricsF(font, PrinterMetricsDevice()) : QFontMetricsF(font);
    // The height of a line of this font; the text itself does not change it.
    Q_UNUSED(text);
    return metrics.height() / scale;
}

void DrawTitledPage(PageCanvas &canvas, int target, const QString &title)
{
    canvas.SetBrush(target, Qt::white, BrushStyle::Solid);
    canvas.SetPen(target, Qt::white, 0.1, PenStyle::Clear);
    canvas.DrawRect(target, 0, 0, kPageWidthCm, kPageHeightCm);
    canvas.SetBrush(target, Qt::white, BrushStyle::Clear);
    canvas.SetFont(target, QStringLiteral("Times New Roman"), Qt::blue, 36, FontBold);
    canvas.DrawText(target, title, kPageWidthCm / 2, 1, kPageWidthCm, TextAlign::Center);
}
