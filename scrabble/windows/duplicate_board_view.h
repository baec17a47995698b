// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board of the Duplicate window, drawn at the size of the widget from a
// plain description that the window hands in: the letters of the 225
// squares, the cursor and its blink phase. It maps the mouse to squares and
// passes clicks and the typing keys on without interpreting them: the rules
// decide what a click or a key does.
#include <array>
#include <functional>
#include <optional>
#include <QImage>
#include <QWidget>

#include "scrabble/engine/board_cursor.h"
#include "scrabble/windows/board_painter.h"
#include "scrabble/windows/duplicate_texts.h"

namespace scrabble_ui {

// What the board shows: square (col, row), both 1..15, is At(col, row).
struct DuplicateBoard {
    static constexpr int kSide = 15;
    std::array<SquareFacts, kSide * kSide> squares{};
    // The square where typed letters go; -1 for none.
    int cursorCol = -1;
    int cursorRow = -1;
    // The blink phase: the underline is drawn while this is set.
    bool cursorShown = false;

    SquareFacts &At(int col, int row) { return squares[std::size_t((row - 1) * kSide + col - 1)]; }
    const SquareFacts &At(int col, int row) const
    {
        return squares[std::size_t((row - 1) * kSide + col - 1)];
    }
};

class DuplicateBoardView : public QWidget {
    Q_OBJECT
public:
    // The keys typed on the board.
    enum class Key { Letter, Left, Right, Up, Down, Home, End, PageUp, PageDown, Space, Delete, Backspace };
    Q_ENUM(Key)

    explicit DuplicateBoardView(QWidget *parent = nullptr);
    // The cursor move of a key; none for a key that types.
    static std::optional<scrabble::CursorKey> CursorKeyOf(Key key);

    void SetBoard(const DuplicateBoard &board);
    const DuplicateBoard &Board() const { return board_; }
    // The blink, without handing in the whole board again.
    void SetCursorShown(bool shown);

    // Where the squares lie at the widget's present size.
    BoardGeometry Geometry() const { return BoardGeometry::Fitting(size()); }
    // The square under a point of the widget, or none.
    std::optional<QPoint> SquareAt(QPoint point) const { return Geometry().SquareAt(point); }
    // The board as it is drawn now, labels included (exports, printing).
    QImage Picture() const;

    // Receives the status text of the square under the pointer when the
    // pointer comes onto another square, and an empty text when it leaves
    // the squares.
    std::function<void(const QString &)> showStatus;
    // The status text of square (col, row), from the rules.
    std::function<QString(int col, int row)> describeSquare;

    QSize sizeHint() const override { return QSize(17 * kSquare, 17 * kSquare); }
    QSize minimumSizeHint() const override { return QSize(17 * 5, 17 * 5); }

signals:
    // A left click: the square's column and row, or -1, -1 off the squares.
    void squareClicked(int col, int row);
    // A key typed while the board has the focus; letter is the upper-case
    // letter for Key::Letter, else null.
    void keyTyped(scrabble_ui::DuplicateBoardView::Key key, QChar letter);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Render(QPainter &painter, const BoardGeometry &geometry) const;
    void ReportSquare(std::optional<QPoint> square);
    QRect CursorRect() const;

    DuplicateBoard board_;
    // The static picture of the squares, made again when the size changes.
    mutable QImage picture_;
    mutable std::optional<BoardGeometry> pictureGeometry_;
    std::optional<QPoint> hovered_;
    bool hoverKnown_ = false;
};

} // namespace scrabble_ui
