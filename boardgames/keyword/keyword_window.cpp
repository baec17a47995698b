// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/keyword/keyword_window.h"

#include <QPainter>
#include <QPushButton>
#include <QTextStream>

#include "boardgames/keyword/keyword_game.h"
#include "boardgames/keyword/keyword_geometry.h"
#include "boardgames/keyword/keyword_painting.h"
#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "framework/page_canvas.h"
#include "framework/printed_game_page.h"
#include "framework/resourcelib/picture_registry.h"
#include "scrabble/windows/board_game_surface.h"
#include "scrabble/windows/scrabble_panels.h"

namespace {
scrabble_ui::BoardGameLook KeyWordLook()
{
    scrabble_ui::BoardGameLook look;
    look.kind = GameKindCode::Cle;
    look.menuTitle = QStringLiteral("&La clé");
    look.shuffleCaption = QStringLiteral("&Mélanger les lettre");
    look.proposalsTitle = QStringLiteral("Proposer un coup");
    look.proposalsFillInput = false;
    look.typingFields = false;
    look.clock = false;
    look.onlyCurrentRack = true;
    return look;
}

QRect ToQRect(const scrabble::TileRect &r)
{
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

QFont PanelFont(int pixels, bool bold = false, const QString &family = QStringLiteral("DejaVu Sans"))
{
    return scrabble_ui::PixelFont(std::max(6, pixels), bold, family);
}
} // namespace

TFCle::TFCle(QWidget *parent, const QString &dictionaryFile)
    : TFBoardGame(parent, KeyWordLook(), std::make_unique<keyword::Game>(1),
                  std::make_unique<keyword_ui::Geometry>(), dictionaryFile),
      keyStrip_(GetBitmap(QStringLiteral("POLICEPC")))
{
    KeyGame().SetDictionary(&Dictionary());
    Pnl_ctrl->BT_val->setObjectName(QStringLiteral("bvalide"));
    Start();
    // The board follows the window down to squares of 10 pixels.
    setMinimumSize(22 * 10, 22 * 10);
}

keyword::Game &TFCle::KeyGame()
{
    return GameAs<keyword::Game>();
}

const keyword::Game &TFCle::KeyGame() const
{
    return GameAs<keyword::Game>();
}

const keyword_ui::Geometry &TFCle::KeyGeometry() const
{
    return GeometryAs<keyword_ui::Geometry>();
}

int TFCle::SquareSize() const
{
    return KeyGeometry().SquareSize();
}

QImage TFCle::MakeBoardPicture() const
{
    return keyword_ui::BoardPicture(SquareSize(), GetBitmap(QStringLiteral("KEY")));
}

void TFCle::DrawTileFace(QPainter &painter, const QRect &rect, const scrabble::TJeton &tile,
                         const scrabble_ui::TileLook &look) const
{
    keyword_ui::DrawTile(painter, rect, tile.Letter, tile.IsJoker, look);
}

void TFCle::NextPlayer()
{
    KeyGame().MoveInfo.clear();
    TFBoardGame::NextPlayer();
}

void TFCle::Configured()
{
    KeyGame().AssignColours();
}

void TFCle::LaidOut()
{
    TFBoardGame::LaidOut();
    Pnl_ctrl->BT_val->setFixedSize(Geometry().InputPanelSize().x, Geometry().InputPanelSize().y);
    Surface->RebuildBackground();
}

void TFCle::DrawPlayers(QPainter &painter) const
{
    const keyword::Game &game = KeyGame();
    const int s = SquareSize();
    for (int p = 1; p <= game.PlayerCount(); ++p) {
        const QRect band = ToQRect(KeyGeometry().PlayerBand(p));
        const int colour = game.Player(p).Colour;
        painter.fillRect(band, keyword_ui::PlayerColour(colour));
        painter.setPen(p == game.CurrentPlayer && !GameOver ? QPen(Qt::black, 2) : QPen(Qt::darkGray));
        painter.drawRect(band.adjusted(0, 0, -1, -1));
        painter.setPen(keyword_ui::PlayerTextColour(colour));
        const QRect top(band.left() + s / 4, band.top(), band.width() - s / 2, band.height() / 2);
        painter.setFont(PanelFont(s / 2, true));
        painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, FromCodePage(game.PlayerName(p)));
        painter.drawText(top, Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1 pts.").arg(Config().Players[std::size_t(p)].Score));
        // The rack letters, a blank for an empty slot.
        QString rack;
        for (int slot = 1; slot <= game.RackSize(); ++slot) {
            const scrabble::TJeton *tile = game.RackTile(p, slot);
            rack +=
                tile != nullptr ? QChar::fromLatin1(tile->IsJoker ? '*' : tile->Letter) : QLatin1Char(' ');
        }
        painter.setFont(PanelFont(s / 2, true, QStringLiteral("Courrier new")));
        painter.drawText(top, Qt::AlignHCenter | Qt::AlignVCenter, rack);
        painter.setFont(PanelFont(s * 2 / 5));
        const QRect bottom(top.left(), band.top() + band.height() / 2, top.width(), band.height() / 2);
        painter.drawText(bottom, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(FromCodePage(game.Player(p).LastMoveText),
                                                          Qt::ElideRight, bottom.width()));
    }
}

void TFCle::DrawPanels(QPainter &painter) const
{
    const keyword::Game &game = KeyGame();
    const keyword_ui::Geometry &g = KeyGeometry();
    const int s = SquareSize();
    // The rack panel in the colour of the player to play, with the move
    // being prepared.
    const int current = game.CurrentPlayer;
    const int colour = current >= 1 && current <= game.PlayerCount() ? game.Player(current).Colour : 0;
    const QRect rack = ToQRect(g.RackPanel());
    painter.fillRect(rack, keyword_ui::PlayerColour(colour));
    painter.setPen(Qt::black);
    painter.drawRect(rack.adjusted(0, 0, -1, -1));
    painter.setPen(keyword_ui::PlayerTextColour(colour));
    painter.setFont(PanelFont(s / 2, true));
    painter.drawText(ToQRect(g.MoveInfoLine()), Qt::AlignLeft | Qt::AlignVCenter,
                     FromCodePage(game.MoveInfo));
    DrawPlayers(painter);
    // The key word, scaled down when taller than its panel.
    const QRect keyPanel = ToQRect(g.KeyPanel());
    painter.fillRect(keyPanel, QColor(255, 255, 225));
    painter.setPen(Qt::darkGray);
    painter.drawRect(keyPanel.adjusted(0, 0, -1, -1));
    const std::string key = game.Key();
    if (!key.empty() && keyPanel.height() > 4) {
        QImage picture = keyword_ui::KeyWordPicture(key, keyStrip_);
        if (picture.height() > keyPanel.height() - 4 || picture.width() > keyPanel.width() - 4)
            picture =
                picture.scaled(keyPanel.size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawImage(keyPanel.center() - QPoint(picture.width() / 2, picture.height() / 2), picture);
    }
    keyword_ui::DrawBagArea(painter, ToQRect(g.BagArea()));
}

QString TFCle::OtherDescriptionAt(const QPoint &at) const
{
    if (scrabble_ui::BoardGameGeometry::Inside(KeyGeometry().KeyPanel(), at.x(), at.y()))
        return QStringLiteral("Mot clé : ") + FromCodePage(KeyGame().Key());
    return QString();
}

void TFCle::SaveGame(savefile::TypedWriter &writer)
{
    // The tiles laid this turn go home first: a saved game has none.
    Game().ReturnPendingTiles();
    KeyGame().MoveInfo.clear();
    TFBoardGame::SaveGame(writer);
}

void TFCle::ExportText(QTextStream &out)
{
    Game().ReturnPendingTiles();
    TFLudorine::ExportText(out);
    Config().ExportSettingsText(out);
    for (const std::string &line : KeyGame().ReportLines())
        out << FromCodePage(line) << '\n';
}

void TFCle::PrintPage(int target, PageCanvas &canvas)
{
    Game().ReturnPendingTiles();
    const QImage board =
        SurfacePicture().copy(SquareSize(), SquareSize(), 19 * SquareSize(), 19 * SquareSize());
    PrintBoardPage(target, canvas, board, {QStringLiteral("Arial"), 10, FontBold});
}
