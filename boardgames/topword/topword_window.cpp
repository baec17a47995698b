// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/topword/topword_window.h"

#include <QPainter>
#include <QTextStream>

#include "boardgames/topword/topword_game.h"
#include "boardgames/topword/topword_geometry.h"
#include "boardgames/topword/topword_painting.h"
#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "framework/page_canvas.h"
#include "scrabble/windows/board_game_surface.h"

namespace {
// The look of a board-game window that TopWord keeps as it is but for
// these, the shuffle taking the tiles laid this turn home first.
const scrabble_ui::BoardGameLook kLook{.kind = GameKindCode::TopWord,
                                       .menuTitle = QStringLiteral("&TopWord"),
                                       .coord1Hint = QStringLiteral("Coordonnée du coup"),
                                       .coord2Hint = QStringLiteral("Coordonnée du coup"),
                                       .coordinateKey = &TFtopword::AcceptedCoordinateKey,
                                       .wordKey = &TFtopword::AcceptedWordKey,
                                       .shuffleReturnsLaidTiles = true};

QRect ToQRect(const scrabble::TileRect &r)
{
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}
} // namespace

TFtopword::TFtopword(QWidget *parent, const QString &dictionaryFile)
    : TFBoardGame(parent, kLook, std::make_unique<topword::Game>(1), std::make_unique<topword_ui::Geometry>(),
                  dictionaryFile)
{
    FollowGame();
    Start();
}

bool TFtopword::AcceptedCoordinateKey(const QString &text)
{
    return scrabble_ui::KeyAccepted(text, QLatin1Char('J'), true);
}

bool TFtopword::AcceptedWordKey(const QString &text)
{
    return scrabble_ui::KeyAccepted(text, QLatin1Char('Z'), true);
}

void TFtopword::FollowGame()
{
    auto &geometry = static_cast<topword_ui::Geometry &>(MutableGeometry());
    geometry.Set(TopGame().BoardSize(), Game().PlayerCount());
    TopGame().SetBagArea(geometry.BagArea());
    Game().SetPlaces(&geometry);
    LaidOut();
    Surface->RebuildBackground();
}

void TFtopword::Configured()
{
    TopGame().SetBoardSize(Config().Options.ddlb_dim_topword == 1 ? topword::kSmallBoard
                                                                  : topword::kLargeBoard);
    FollowGame();
}

bool TFtopword::LoadGame(savefile::TypedReader &reader, const QString &fileName)
{
    const bool loaded = TFBoardGame::LoadGame(reader, fileName);
    // The board size read (or the new game's after a damaged file).
    FollowGame();
    Redraw();
    return loaded;
}

QImage TFtopword::MakeBoardPicture() const
{
    return topword_ui::BoardPicture(TopGeometry(), Game().Layout());
}

void TFtopword::DrawTileFace(QPainter &painter, const QRect &rect, const scrabble::TJeton &tile,
                             const scrabble_ui::TileLook &look) const
{
    topword_ui::DrawTile(painter, rect, tile.State == scrabble::InBag ? '\0' : tile.Letter, look);
}

void TFtopword::DrawPanels(QPainter &painter) const
{
    TFBoardGame::DrawPanels(painter);
    // The line before the latest under each player's last move, in grey.
    painter.setFont(scrabble_ui::PixelFont(11, false));
    painter.setPen(QColor(128, 128, 128));
    for (int player = 1; player <= Game().PlayerCount(); ++player) {
        const QRect line = ToQRect(TopGeometry().PreviousMoveLine(player));
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(FromCodePage(TopGame().PreviousMoveText(player)),
                                                          Qt::ElideRight, line.width()));
    }
    // The bag: hatched with a green cross.
    const QRect bag = ToQRect(TopGeometry().BagArea());
    painter.setPen(QPen(QColor(0, 160, 0), 2));
    painter.drawLine(bag.topLeft(), bag.bottomRight());
    painter.drawLine(bag.topRight(), bag.bottomLeft());
}

void TFtopword::ExportText(QTextStream &out)
{
    TFLudorine::ExportText(out);
    Config().ExportSettingsText(out);
    for (const std::string &line : TopGame().ReportLines())
        out << FromCodePage(line) << '\n';
}

void TFtopword::PrintPage(int target, PageCanvas &canvas)
{
    PrintBoardPage(target, canvas, BoardArea(), {QStringLiteral("Arial"), 10, FontBold});
}
