// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scale state shared by every printed page: how many preview pixels and
// printer device units make a centimetre, the preview's size and font factor,
// and the printer's unprintable margin. There is one copy for the program;
// SetupScale fills it from the screen and printer tables below.
#include <QColor>
#include <QRect>
#include <QRectF>
#include <QSize>

class QPainter;
class QPrinter;

inline constexpr double kPageWidthCm = 21.0;
inline constexpr double kPageHeightCm = 29.7;

// Printers whose scale is below this (under 300 dpi) print without offsets.
inline constexpr double kLowResolutionPrinterScale = 118.11;

struct PrintScaleState {
    double ScreenScale = 0; // preview pixels per centimetre
    int PreviewWidth = 0;   // preview drawing area, pixels
    int PreviewHeight = 0;
    int ScreenFontFactor = 0;   // preview pixels per 12 points of font size
    double PrinterScale = 0;    // printer device units per centimetre
    double PrintOffsetX = 0.45; // centimetres taken off every printer x
    double PrintOffsetY = 0.5;  // and y (the printer's unprintable margin)
};

// The program's one scale state.
PrintScaleState &PrintScale();
// Back to the values of program start (used by tests).
void ResetPrintScale();

// One row of the screen table.
struct ScreenRow {
    int ScreenWidth;
    int PageHeight;
    int PreviewWidth;
    int PreviewHeight;
    int FontFactor;
};

// The row for a screen width: the widest row not wider than the screen, the
// narrowest row for screens narrower than every row. Any screen thus gets a
// preview, the table's own widths getting exactly their row.
const ScreenRow &ScreenRowFor(int screenWidth);
// Printer device units per centimetre for a page width in device units.
double PrinterScaleFor(int pageWidthDevice);

void SetupScreenScale(int screenWidth);
void SetupPrinterScale(int pageWidthDevice);
// Target 0: the screen values from the primary screen's width; target 1: the
// printer scale from CurrentPrinter()'s page width. Other targets: nothing.
void SetupScale(int target);

// The rule applied when a print starts: on a printer below 300 dpi both
// offsets become 0 for the rest of the run.
void ApplyPrintOffsetsRule();

// The program's printer (A4, portrait, high resolution), made at first use.
QPrinter &CurrentPrinter();

// Rounds to the nearest integer, halves to even.
int RoundHalfEven(double value);

// Centimetres to device units for each target.
int PreviewUnits(double cm);
int PrinterUnitsX(double cm);
int PrinterUnitsY(double cm);

// Where DrawBitmap puts a picture of the given size, in centimetres. A width
// or height of 0 follows from the other by the picture's proportions; both 0
// give a 20 cm wide picture. Alignment 0: x (y) is the left (top) edge,
// 1: the centre, 2: the right (bottom) edge.
QRectF BitmapRectCm(QSize bitmap, double x, double y, double width, double height, int hAlign, int vAlign);

// Paints Rect with Steps bands going from one step after StartColour to
// EndColour: direction 0 bands run from top to bottom, any other direction
// from left to right. False (nothing painted) when Steps < 1.
bool FillGradient(QPainter &dc, const QRect &rect, int steps, const QColor &startColour,
                  const QColor &endColour, int direction);
