// SPDX-License-Identifier: GPL-3.0-or-later
// TFBoardGame: the human player's tiles moved with the mouse (drag and drop
// onto the board, the rack and the exchange area, by the geometry's drop
// areas), the letters typed for a selected joker, and the status texts of
// what lies under the mouse.
#include <algorithm>
#include <QApplication>
#include <QKeyEvent>

#include "framework/code_page_text.h"
#include "scrabble/windows/board_game_surface.h"
#include "scrabble/windows/board_game_window.h"
#include "scrabble/windows/scrabble_panels.h"

using scrabble::TJeton;

namespace {
bool Inside(const scrabble::TileRect &r, const QPoint &at)
{
    return scrabble_ui::BoardGameGeometry::Inside(r, at.x(), at.y());
}
} // namespace

void TFBoardGame::SurfaceMouseDown(const QPoint &at, Qt::MouseButton button)
{
    if (Closing || GameOver || !CurrentIsHuman() || button != Qt::LeftButton)
        return;
    const int current = game_->CurrentPlayer;
    TJeton *hit = nullptr;
    for (int slot = 1; slot <= game_->RackSize(); ++slot) {
        TJeton *tile = game_->RackTile(current, slot);
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
        // A tile laid this turn on a stack leaves it: the tile below shows.
        if (game_->Rules().maxStackHeight > 1 && hit->IsPending())
            game_->LiftTile(hit);
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

void TFBoardGame::SurfaceMouseMove(const QPoint &at, Qt::MouseButtons buttons)
{
    if (Closing)
        return;
    if (DraggedTile != nullptr && Dragging) {
        if (buttons & Qt::LeftButton) {
            const QRect before = TileBounds(*DraggedTile);
            const scrabble_ui::PixelPoint corner = geometry_->DraggedTileAt(at.x(), at.y());
            DraggedTile->MoveTo(corner.x, corner.y);
            bool free = true;
            if (const auto square = geometry_->HoverSquare(at.x(), at.y()))
                free = game_->CanPlace(DraggedTile, square->col, square->row);
            Surface->setCursor(free ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
            Surface->update(before.united(TileBounds(*DraggedTile)).adjusted(-2, -2, 2, 2));
        } else {
            // The button went up elsewhere: the tile glides back to its place.
            Dragging = false;
            Surface->unsetCursor();
        }
    }
    ShowStatus(DescriptionAt(at));
}

void TFBoardGame::SurfaceMouseUp(const QPoint &at, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !Dragging || DraggedTile == nullptr)
        return;
    Dragging = false;
    Surface->unsetCursor();
    if (Closing || GameOver || !CurrentIsHuman()) {
        game_->Aim(DraggedTile);
        return;
    }
    DropTile(DraggedTile, at);
    ReadPlacedTiles();
    Redraw();
}

void TFBoardGame::DropTile(TJeton *tile, const QPoint &at)
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
    if (const auto square = geometry_->DropSquare(at.x(), at.y())) {
        if (!game_->PlaceTile(tile, square->col, square->row)) {
            game_->Aim(tile); // back where its state puts it
            letGo();
        }
        return;
    }
    // 2. The exchange area, while the bag can give as many tiles back.
    if (geometry_->InExchangeArea(at.x(), at.y()) && game_->PutInExchange(tile))
        return;
    // 3. Its owner's rack row: another slot swaps the two tiles.
    const int owner = tile->Owner;
    if (const auto dropped = geometry_->RackDropSlot(at.x(), at.y(), owner, game_->RackSize())) {
        const int slot = *dropped;
        if (slot != tile->Slot && tile->State == scrabble::OnRack) {
            game_->SwapSlots(owner, tile->Slot, slot);
        } else {
            const bool selected = tile->Selected;
            game_->ReturnToRack(tile);
            tile->Selected = selected;
        }
        return;
    }
    // 4. Anywhere else: home to its rack slot.
    game_->ReturnToRack(tile);
    letGo();
}

bool TFBoardGame::SurfaceKey(QKeyEvent *event)
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

QString TFBoardGame::DescriptionAt(const QPoint &at) const
{
    if (const auto square = geometry_->HoverSquare(at.x(), at.y()))
        return FromCodePage(game_->SquareDescription(square->col, square->row));
    if (Inside(geometry_->BagArea(), at)) {
        QString letters;
        for (const TJeton *tile : game_->Bag())
            letters += QChar::fromLatin1(tile->Letter);
        return QStringLiteral("%1 lettres dans la masse. ").arg(game_->BagSize()) + QLatin1Char(' ') +
               letters;
    }
    if (const QString other = OtherDescriptionAt(at); !other.isEmpty())
        return other;
    if (Inside(geometry_->RacksArea(), at)) {
        for (const auto &tile : game_->Tiles())
            if ((tile->State == scrabble::OnRack || tile->State == scrabble::InExchange) &&
                tile->HitTest(at.x(), at.y()))
                return FromCodePage(tile->Description([this](int p) { return game_->PlayerName(p); }));
    }
    return QString();
}
