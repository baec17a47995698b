// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing a printed page in centimetres on a portrait A4 page (21 x 29.7 cm,
// origin at the top left). A game window draws its page once through these
// operations; each call names its target, 0 for the preview and 1 for the
// printer (any other target draws nothing), and the operations turn
// centimetres into that target's device units with the program's scale state
// (print_geometry.h). The preview places characters with the printer's font
// metrics so that it shows the printed layout.
#include "framework/print_geometry.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>

class QImage;
class QPaintDevice;
class QPainter;

enum class BrushStyle { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };
enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear, InsideFrame };
// Font styles, combined with |.
enum FontStyle : unsigned {
    FontRegular = 0,
    FontBold = 1,
    FontItalic = 2,
    FontUnderline = 4,
    FontStrikeOut = 8
};
// Left: the text starts at x; Center: centred on x; Right: ends at x;
// Justify: spread between x and the right limit.
enum class TextAlign { Left = 0, Center = 1, Right = 2, Justify = 3 };

class PageCanvas {
public:
    PageCanvas();
    virtual ~PageCanvas();
    PageCanvas(const PageCanvas &) = delete;
    PageCanvas &operator=(const PageCanvas &) = delete;

    // The painters of the two targets; a target without one draws nothing
    // (its measurements still work).
    void SetPreviewPainter(QPainter *painter) { preview_ = painter; }
    void SetPrinterPainter(QPainter *painter) { printer_ = painter; }
    // The device whose font metrics place the characters: the printer's
    // (CurrentPrinter() unless set).
    void SetMetricsDevice(QPaintDevice *device) { metrics_ = device; }

    virtual void SetBrush(int target, const QColor &colour, BrushStyle style);
    // The width is in centimetres.
    virtual void SetPen(int target, const QColor &colour, double widthCm, PenStyle style);
    // Target 0 sets the preview font and the printer font that places its
    // characters; target 1 the printer font.
    virtual void SetFont(int target, const QString &name, const QColor &colour, double points,
                         unsigned style = FontRegular);
    virtual void DrawRect(int target, double left, double top, double right, double bottom);
    // Draws Text with its top at y. xEnd receives the x reached after the
    // last character, yBelow y plus the text's height.
    virtual void DrawText(int target, const QString &text, double x, double y, double rightLimit,
                          TextAlign align, double *xEnd = nullptr, double *yBelow = nullptr);
    // Stretches Bitmap into the rectangle BitmapRectCm gives; xEnd and yEnd
    // receive its right and bottom edges.
    virtual void DrawBitmap(int target, const QImage &bitmap, double x, double y, double width, double height,
                            int hAlign, int vAlign, double *xEnd = nullptr, double *yEnd = nullptr);
    virtual double TextWidthCm(int target, const QString &text);
    virtual double TextHeightCm(int target, const QString &text);

protected:
    // How one target turns centimetres into device units.
    struct Surface {
        QPainter *painter = nullptr;
        double scale = 0; // device units per centimetre
        double offsetX = 0;
        double offsetY = 0;
    };
    virtual Surface SurfaceOf(int target) const;
    // Device pixels of a font of the given points on a target.
    virtual int FontPixels(int target, double points) const;
    // Makes PrinterScale current before the preview places characters.
    virtual void RefreshPrinterScale();
    virtual QPaintDevice *PrinterMetricsDevice() const;

private:
    struct TargetState {
        QBrush brush{Qt::white};
        QPen pen{Qt::black};
        double penWidthCm = 0;
        QString fontName = QStringLiteral("Arial");
        QColor fontColour = Qt::black;
        double points = 10;
        unsigned fontStyle = FontRegular;
    };

    QFont FontOf(int target) const;
    double WidthOn(int target, const QString &text) const;
    QPointF DevicePoint(const Surface &surface, double x, double y) const;
    void PutText(int target, const Surface &surface, const QString &text, double x, double y);

    TargetState state_[2];
    QPainter *preview_ = nullptr;
    QPainter *printer_ = nullptr;
    QPaintDevice *metrics_ = nullptr;
};

// A white page with the title centred at the top (Times New Roman 36 bold
// blue); what is drawn next has no background.
void DrawTitledPage(PageCanvas &canvas, int target, const QString &title);
