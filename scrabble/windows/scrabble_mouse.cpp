// SPDX-License-Identifier: GPL-3.0-or-later
// TFScrabble: the human player's tiles moved with the mouse (drag and drop
// onto the board, the rack and the exchange area), the letters typed for a
// selected joker, and the status texts of what lies under the mouse.
#include <algorithm>
#include <QApplication>
#include <QKeyEvent>

#include "framework/code_page_text.h"
#include "scrabble/windows/scrabble_panels.h"
#include "scrabble/windows/scrabble_surface.h"
#include "scrabble/windows/scrabble_window.h"

using scrabble::TJeton;

namespace {
bool Between(int value, int low, int high)
{
    return value >= low && value <= high;
}
} // namespace

void TFScrabble::SurfaceMouseDown(const QPoint &at, Qt::MouseButton button)
{
    if (Closing || GameOver || !CurrentIsHuman() || button != Qt::LeftButton)
        return;
    const int current = game_.CurrentPlayer;
    TJeton *hit = nullptr;
    for (int slot = 1; slot <= game_.RackSize(); ++slot) {
        TJeton *tile = game_.RackTile(current, slot);
        if (tile == nullptr)
            continue;
        if (hit == nullptr && tile->HitTest(at.x(), at.y()))
            hit = tile;
        else
            tile->Selected = false;
    }
    const bool jokerWasSelected = DraggedTile != nullptr && DraggedTile->IsJoker;
    DraggedTile = hit;
    if (hit != nullptr) {
        hit->Selected = true;
        Dragging = true;
    }
    if (hit != nullptr && hit->IsJoker) {
        // Keys now go to the joker.
        Pnl_ctrl->SetFieldsEnabled(false);
        Surface->setFocus();
        blinkOn_ = true;
        blinkTick_ = Now();
    } else if (!Pnl_ctrl->FieldsEnabled() || jokerWasSelected) {
        Pnl_ctrl->Activate();
    }
    Redraw();
}

void TFScrabble::SurfaceMouseMove(const QPoint &at, Qt::MouseButtons buttons)
{
    if (Closing)
        return;
    if (DraggedTile != nullptr && Dragging) {
        if (buttons & Qt::LeftButton) {
            const QRect before(DraggedTile->Bounds.Left, DraggedTile->Bounds.Top, TJeton::kSize,
                               TJeton::kSize);
            DraggedTile->MoveTo(at.x() - 20, at.y() - 20);
            bool free = true;
            if (Between(at.x(), 31, 481) && Between(at.y(), 31, 481)) {
                const int col = std::clamp((at.x() - 31) / 30 + 1, 1, 15);
                const int row = std::clamp((at.y() - 31) / 30 + 1, 1, 15);
                const TJeton *occupant = game_.At(col, row);
                free = occupant == nullptr || occupant == DraggedTile;
            }
            Surface->setCursor(free ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
            Surface->update(before
                                .united(QRect(DraggedTile->Bounds.Left, DraggedTile->Bounds.Top,
                                              TJeton::kSize, TJeton::kSize))
                                .adjusted(-2, -2, 2, 2));
        } else {
            // The button went up elsewhere: the tile glides back to its place.
            Dragging = false;
            Surface->unsetCursor();
        }
    }
    ShowStatus(DescriptionAt(at));
}

void TFScrabble::SurfaceMouseUp(const QPoint &at, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !Dragging || DraggedTile == nullptr)
        return;
    Dragging = false;
    Surface->unsetCursor();
    if (Closing || GameOver || !CurrentIsHuman()) {
        game_.Aim(DraggedTile);
        return;
    }
    DropTile(DraggedTile, at.x() - 30, at.y() - 30);
    ReadPlacedTiles();
    Redraw();
}

void TFScrabble::DropTile(TJeton *tile, int x, int y)
{
    auto letGo = [this, tile] {
        tile->Selected = false;
        if (DraggedTile == tile) {
            DraggedTile = nullptr;
            if (!Pnl_ctrl->FieldsEnabled())
                Pnl_ctrl->Activate();
        }
    };
    // 1. On the board: the square, unless another tile holds it.
    if (Between(x, 1, 450) && Between(y, 1, 450)) {
        const int col = std::clamp(x / 30 + 1, 1, 15);
        const int row = std::clamp(y / 30 + 1, 1, 15);
        if (!game_.PlaceTile(tile, col, row)) {
            game_.Aim(tile); // back where its state puts it
            letGo();
        }
        return;
    }
    // 2. The exchange area, while the bag can give as many tiles back.
    if (Between(x, 495, 700) && Between(y, 362, 460) && game_.PutInExchange(tile))
        return;
    // 3. Its owner's rack row: another slot swaps the two tiles.
    const int owner = tile->Owner;
    if (Between(x + 30, 480, 740) && Between(y + 30, 90 * owner - 75, 90 * owner - 43)) {
        const int slot = std::clamp((x + 30 - 480) / 32, 1, game_.RackSize());
        if (slot != tile->Slot && tile->State == scrabble::OnRack) {
            game_.SwapSlots(owner, tile->Slot, slot);
        } else {
            const bool selected = tile->Selected;
            game_.ReturnToRack(tile);
            tile->Selected = selected;
        }
        return;
    }
    // 4. Anywhere else: home to its rack slot.
    game_.ReturnToRack(tile);
    letGo();
}

bool TFScrabble::SurfaceKey(QKeyEvent *event)
{
    TJeton *joker = DraggedTile;
    if (Closing || GameOver || joker == nullptr || !joker->IsJoker || !joker->Selected)
        return false;
    const int key = event->key();
    if (key == Qt::Key_Backspace || key == Qt::Key_Clear || key == Qt::Key_Delete) {
        joker->SetJokerLetter(scrabble::kJoker);
    } else if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return ||
               key == Qt::Key_Enter) {
        joker->Selected = false;
        DraggedTile = nullptr;
        Pnl_ctrl->Activate();
    } else if (event->text().isEmpty()) {
        return true; // a modifier on its own
    } else {
        const QString upper = event->text().toUpper();
        const QChar c = upper.at(0);
        if (upper.size() == 1 && c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            joker->SetJokerLetter(char(c.toLatin1()));
        else
            QApplication::beep();
    }
    ReadPlacedTiles();
    Redraw();
    return true;
}

QString TFScrabble::DescriptionAt(const QPoint &at) const
{
    const int x = at.x();
    const int y = at.y();
    if (Between(x, 31, 481) && Between(y, 31, 481)) {
        const int col = std::clamp((x - 31) / 30 + 1, 1, 15);
        const int row = std::clamp((y - 31) / 30 + 1, 1, 15);
        return FromCodePage(game_.SquareDescription(col, row));
    }
    if (Between(x, 505, 740) && Between(y, 372, 500)) {
        QString letters;
        for (const TJeton *tile : game_.Bag())
            letters += QChar::fromLatin1(tile->Letter);
        return QStringLiteral("%1 lettres dans la masse. ").arg(game_.BagSize()) + QLatin1Char(' ') + letters;
    }
    if (Between(x, 505, 740) && Between(y, 12, 366)) {
        for (const auto &tile : game_.Tiles())
            if ((tile->State == scrabble::OnRack || tile->State == scrabble::InExchange) &&
                tile->HitTest(x, y))
                return FromCodePage(tile->Description([this](int p) { return game_.PlayerName(p); }));
    }
    return QString();
}
