// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/board_game_surface.h"

#include <algorithm>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "scrabble/windows/board_game_window.h"
#include "scrabble/windows/board_painter.h"

namespace scrabble_ui {

namespace {
const QColor kGradientStart(0, 50, 57);
const QColor kGradientEnd(41, 107, 24);
const QColor kBag(0, 50, 57);

QFont PanelFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QRect ToQRect(const scrabble::TileRect &r)
{
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}
} // namespace

QString ElapsedText(qint64 ms)
{
    const qint64 seconds = std::max<qint64>(0, ms) / 1000;
    return QString::asprintf("%2.2d:%2.2d:%2.2d.", int(seconds / 3600), int(seconds / 60 % 60),
                             int(seconds % 60));
}

QImage SurfaceBackground(const QSize &size, const QImage &boardPicture, const QPoint &at)
{
    QImage background(size, QImage::Format_RGB32);
    QPainter painter(&background);
    // One stripe per pixel column, from the first colour to the second.
    const int width = std::max(1, size.width());
    for (int x = 0; x < size.width(); ++x) {
        const double t = width > 1 ? double(x) / (width - 1) : 0;
        const QColor colour(
            int(kGradientStart.red() + t * (kGradientEnd.red() - kGradientStart.red()) + 0.5),
            int(kGradientStart.green() + t * (kGradientEnd.green() - kGradientStart.green()) + 0.5),
            int(kGradientStart.blue() + t * (kGradientEnd.blue() - kGradientStart.blue()) + 0.5));
        painter.setPen(colour);
        painter.drawLine(x, 0, x, size.height() - 1);
    }
    painter.drawImage(at, boardPicture);
    return background;
}

BoardGameSurface::BoardGameSurface(TFBoardGame *window) : QWidget(window), window_(window)
{
    setObjectName(QStringLiteral("PaintBox"));
    setMouseTracking(true);
    // A click leaves the focus where it is (the input panel, so that Enter
    // validates the tiles just laid); the window gives the surface the focus
    // only while a selected joker waits for its letter.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize BoardGameSurface::PictureSize() const
{
    const PixelPoint drawing = window_->Geometry().SurfaceSize();
    return size().expandedTo(QSize(drawing.x, drawing.y));
}

void BoardGameSurface::RebuildBackground()
{
    background_ = SurfaceBackground(PictureSize(), window_->BoardImage(), BoardAt());
    update();
}

void BoardGameSurface::DrawPlayerPanels(QPainter &painter) const
{
    const int players = std::min(4, window_->Game().PlayerCount());
    for (int player = 1; player <= players; ++player)
        DrawPlayerPanel(painter, player);
    painter.setPen(QColor(120, 150, 120));
    painter.setBrush(kBag);
    painter.drawRect(ToQRect(window_->Geometry().BagArea()).adjusted(0, 0, -1, -1));
}

void BoardGameSurface::DrawPlayerPanel(QPainter &painter, int player) const
{
    const scrabble::BoardGame &game = window_->Game();
    const TFconfig &config = window_->Config();
    const PanelParts parts = window_->Geometry().Panel(player);
    const QRect panel = ToQRect(parts.frame);
    const bool current = player == game.CurrentPlayer && !window_->GameOver;
    painter.setPen(QPen(current ? QColor(220, 0, 0) : QColor(0, 0, 190), current ? 2 : 1));
    painter.setBrush(current ? QColor(Qt::white) : QColor(192, 192, 192));
    painter.drawRect(panel.adjusted(current ? 1 : 0, current ? 1 : 0, -1, -1));
    const int line = parts.barY;
    painter.setPen(current ? QColor(220, 0, 0) : QColor(0, 0, 190));
    painter.drawLine(panel.left(), line, panel.right(), line);
    painter.drawLine(parts.separator1, line, parts.separator1, panel.bottom());
    painter.drawLine(parts.separator2, line, parts.separator2, panel.bottom());

    const Tjoueur &who = config.Players[std::size_t(player)];
    painter.setFont(PanelFont(11, current));
    painter.setPen(current ? QColor(200, 0, 0) : Qt::black);
    const QRect name = ToQRect(parts.name);
    painter.drawText(name, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(who.Name, Qt::ElideRight, name.width()));
    painter.drawText(ToQRect(parts.score), Qt::AlignCenter,
                     QString::number(who.Score) + QStringLiteral(" p."));
    painter.setFont(PanelFont(11));
    painter.drawText(ToQRect(parts.time), Qt::AlignLeft | Qt::AlignVCenter, ElapsedText(who.TimeMs));
    // The player's last move, under the rack.
    painter.setPen(Qt::black);
    painter.setFont(PanelFont(11));
    const QString last = FromCodePage(game.Player(player).LastMoveText);
    const QRect lastMove = ToQRect(parts.lastMove);
    painter.drawText(lastMove, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(last, Qt::ElideRight, lastMove.width()));
}

void BoardGameSurface::Compose(QPainter &painter) const
{
    if (background_.isNull())
        painter.drawImage(0, 0, SurfaceBackground(PictureSize(), window_->BoardImage(), BoardAt()));
    else
        painter.drawImage(0, 0, background_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const scrabble::BoardGame &game = window_->Game();
    window_->DrawPanels(painter);

    // Bag tiles under everything, then the board, then the racks.
    const scrabble::TJeton *dragged = window_->DraggedTile;
    auto draw = [&](const scrabble::TJeton &tile) {
        TileLook look;
        const bool inRack = tile.State == scrabble::OnRack || tile.State == scrabble::InExchange;
        look.grey = inRack && (tile.Owner != game.CurrentPlayer || window_->GameOver);
        look.selected = tile.Selected;
        look.underline = tile.Selected && tile.IsJoker && &tile == dragged && window_->SelectedJokerBlinkOn();
        window_->DrawTileFace(painter, TFBoardGame::TileBounds(tile), tile, look);
    };
    // Stacks from their lowest tile up.
    const int levels = game.Rules().maxStackHeight;
    for (int layer = 0; layer < 2 + levels; ++layer)
        for (const auto &tile : game.Tiles()) {
            const int wanted = tile->State == scrabble::InBag ? 0
                               : tile->OnBoard()              ? 1 + levels - tile->StackLevel
                                                              : 1 + levels;
            const bool otherRack = tile->Owner != game.CurrentPlayer &&
                                   (tile->State == scrabble::OnRack || tile->State == scrabble::InExchange);
            if (wanted == layer && tile.get() != dragged && !(otherRack && window_->Look().onlyCurrentRack))
                draw(*tile);
        }
    if (dragged != nullptr)
        draw(*dragged);
}

QPoint BoardGameSurface::BoardAt() const
{
    const scrabble::TileRect board = window_->Geometry().BoardPicture();
    return QPoint(board.Left, board.Top);
}

QImage BoardGameSurface::Picture() const
{
    QImage picture(PictureSize(), QImage::Format_RGB32);
    QPainter painter(&picture);
    Compose(painter);
    return picture;
}

void BoardGameSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Compose(painter);
}

void BoardGameSurface::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    RebuildBackground();
}

void BoardGameSurface::mousePressEvent(QMouseEvent *event)
{
    window_->SurfaceMouseDown(event->position().toPoint(), event->button());
}

void BoardGameSurface::mouseMoveEvent(QMouseEvent *event)
{
    window_->SurfaceMouseMove(event->position().toPoint(), event->buttons());
}

void BoardGameSurface::mouseReleaseEvent(QMouseEvent *event)
{
    window_->SurfaceMouseUp(event->position().toPoint(), event->button());
}

void BoardGameSurface::keyPressEvent(QKeyEvent *event)
{
    if (!window_->SurfaceKey(event))
        QWidget::keyPressEvent(event);
}

bool BoardGameSurface::event(QEvent *event)
{
    // Tab and Enter give up the joker's selection instead of moving the focus.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && window_->SurfaceKey(key))
            return true;
    }
    return QWidget::event(event);
}

} // namespace scrabble_ui
