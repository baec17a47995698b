// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Tirage" panel of the Duplicate window: the letters of the draw as
// tiles, and the time since the deal in its caption.
#include <QGroupBox>
#include <QString>

namespace scrabble_ui {

// The tiles of a draw. Letters are tiles, '*' a joker; '_' (a letter already
// used) and '-' (a letter the proposal shown uses) are empty places.
class DuplicateDrawTiles : public QWidget {
    Q_OBJECT
public:
    explicit DuplicateDrawTiles(QWidget *parent = nullptr);

    void SetDraw(const QString &draw);
    const QString &Draw() const { return draw_; }
    // Side of a tile at the present size, and where tile i (0-based) lies.
    int TileSide() const;
    QRect TileRect(int i) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString draw_;
};

class DuplicateDrawPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit DuplicateDrawPanel(QWidget *parent = nullptr);

    DuplicateDrawTiles *Tiles = nullptr;

    void SetDraw(const QString &draw) { Tiles->SetDraw(draw); }
    // The caption: "Tirage " and the time since the deal.
    void SetElapsed(qint64 milliseconds);
};

} // namespace scrabble_ui
