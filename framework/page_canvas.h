#pragma once
// Drawing on a portrait A4 page (21 x 29.7 cm) in centimetres. Game windows
// draw their printed page through this interface; the preview and the printer
// each provide an implementation.
#include <QColor>
#include <QString>

enum class BrushStyle { Solid, Clear };
enum class PenStyle { Solid, Dash, Dot, Clear };
enum class TextAlign { Left, Center, Right };

class PageCanvas {
public:
    virtual ~PageCanvas() = default;

    virtual void SetBrush(const QColor &color, BrushStyle style) = 0;
    virtual void SetPen(const QColor &color, double widthCm, PenStyle style) = 0;
    virtual void SetFont(const QString &family, const QColor &color, double points, bool bold) = 0;
    virtual void DrawRect(double x1, double y1, double x2, double y2) = 0;
    // Draws Text with its top at y; x is the left edge, the centre or the
    // right edge depending on the alignment.
    virtual void DrawText(double x, double y, const QString &text, TextAlign align) = 0;
};

inline constexpr double kPageWidthCm = 21.0;
inline constexpr double kPageHeightCm = 29.7;
