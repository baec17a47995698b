// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/duplicate_board_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "scrabble/engine/letters.h"

namespace scrabble_ui {

DuplicateBoardView::DuplicateBoardView(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DuplicateBoardView::SetBoard(const DuplicateBoard &board)
{
    board_ = board;
    hoverKnown_ = false; // the square under the pointer may have changed
    update();
}

void DuplicateBoardView::SetCursorShown(bool shown)
{
    if (board_.cursorShown == shown)
        return;
    board_.cursorShown = shown;
    update(CursorRect());
}

QRect DuplicateBoardView::CursorRect() const
{
    if (board_.cursorCol < 1 || board_.cursorCol > DuplicateBoard::kSide || board_.cursorRow < 1 ||
        board_.cursorRow > DuplicateBoard::kSide)
        return QRect();
    return Geometry().SquareRect(board_.cursorCol, board_.cursorRow);
}

QImage DuplicateBoardView::Picture() const
{
    const BoardGeometry geometry = Geometry();
    QImage image(BoardPictureSize(geometry, BoardStyle::Duplicate()), QImage::Format_RGB32);
    QPainter painter(&image);
    Render(painter, geometry);
    return image;
}

std::optional<scrabble::CursorKey> DuplicateBoardView::CursorKeyOf(Key key)
{
    using scrabble::CursorKey;
    switch (key) {
    case Key::Left:
        return CursorKey::Left;
    case Key::Right:
        return CursorKey::Right;
    case Key::Up:
        return CursorKey::Up;
    case Key::Down:
        return CursorKey::Down;
    case Key::Home:
        return CursorKey::Home;
    case Key::End:
        return CursorKey::End;
    case Key::PageUp:
        return CursorKey::PageUp;
    case Key::PageDown:
        return CursorKey::PageDown;
    default:
        return std::nullopt;
    }
}

void DuplicateBoardView::Render(QPainter &painter, const BoardGeometry &geometry) const
{
    if (!pictureGeometry_ || !(*pictureGeometry_ == geometry)) {
        picture_ = BoardPicture(geometry, BoardStyle::Duplicate());
        pictureGeometry_ = geometry;
    }
    painter.drawImage(0, 0, picture_);
    for (int row = 1; row <= DuplicateBoard::kSide; ++row)
        for (int col = 1; col <= DuplicateBoard::kSide; ++col) {
            const SquareFacts &square = board_.At(col, row);
            if (square.state < 0 || square.letter == ' ')
                continue;
            // Inside the grid lines, which stay visible between tiles.
            const QRect rect = geometry.SquareRect(col, row).adjusted(1, 1, 0, 0);
            if (square.plain) {
                painter.setPen(Qt::black);
                painter.setFont(PixelFont(std::max(4, rect.height() * 3 / 5), true));
                painter.drawText(rect, Qt::AlignCenter, QString(QChar(square.letter)));
                continue;
            }
            TileLook look;
            look.proposal = square.state == 0;
            const char letter =
                square.joker ? scrabble::Lower(square.letter) : scrabble::Upper(square.letter);
            DrawTile(painter, rect, letter, square.joker ? 0 : scrabble::LetterValue(letter), square.joker,
                     look);
        }
    const QRect cursor = CursorRect();
    if (board_.cursorShown && cursor.isValid()) {
        const int s = geometry.SquareSize();
        const int thickness = std::max(1, s / 10);
        const int inset = s / 5;
        painter.fillRect(QRect(cursor.left() + inset, cursor.bottom() - std::max(1, s / 8) - thickness + 1,
                               s - 2 * inset, thickness),
                         Qt::black);
    }
}

void DuplicateBoardView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), BoardStyle::Duplicate().background);
    Render(painter, Geometry());
}

void DuplicateBoardView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const std::optional<QPoint> square = SquareAt(event->position().toPoint());
    if (square)
        emit squareClicked(square->x(), square->y());
    else
        emit squareClicked(-1, -1);
}

void DuplicateBoardView::mouseMoveEvent(QMouseEvent *event)
{
    ReportSquare(SquareAt(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void DuplicateBoardView::leaveEvent(QEvent *event)
{
    ReportSquare(std::nullopt);
    QWidget::leaveEvent(event);
}

void DuplicateBoardView::ReportSquare(std::optional<QPoint> square)
{
    if (hoverKnown_ && square == hovered_)
        return;
    hoverKnown_ = true;
    hovered_ = square;
    if (!showStatus)
        return;
    if (!square) {
        showStatus(QString());
        return;
    }
    const int col = square->x();
    const int row = square->y();
    showStatus(describeSquare ? describeSquare(col, row) : QString());
}

void DuplicateBoardView::keyPressEvent(QKeyEvent *event)
{
    // Shortcuts with Ctrl or Alt belong to the menus.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    std::optional<Key> key;
    QChar letter;
    switch (event->key()) {
    case Qt::Key_Left:
        key = Key::Left;
        break;
    case Qt::Key_Right:
        key = Key::Right;
        break;
    case Qt::Key_Up:
        key = Key::Up;
        break;
    case Qt::Key_Down:
        key = Key::Down;
        break;
    case Qt::Key_Home:
        key = Key::Home;
        break;
    case Qt::Key_End:
        key = Key::End;
        break;
    case Qt::Key_PageUp:
        key = Key::PageUp;
        break;
    case Qt::Key_PageDown:
        key = Key::PageDown;
        break;
    case Qt::Key_Space:
        key = Key::Space;
        break;
    case Qt::Key_Delete:
        key = Key::Delete;
        break;
    case Qt::Key_Backspace:
        key = Key::Backspace;
        break;
    default:
        if (event->text().size() == 1) {
            const QChar typed = event->text().at(0).toUpper();
            if (typed >= QLatin1Char('A') && typed <= QLatin1Char('Z')) {
                key = Key::Letter;
                letter = typed;
            }
        }
    }
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    emit keyTyped(*key, letter);
}

} // namespace scrabble_ui
