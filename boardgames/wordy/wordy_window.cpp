// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/wordy/wordy_window.h"

#include <QDateTime>
#include <QTextStream>

#include "boardgames/wordy/wordy_geometry.h"
#include "boardgames/wordy/wordy_page.h"
#include "boardgames/wordy/wordy_painting.h"
#include "boardgames/wordy/wordy_rules.h"
#include "framework/code_page_text.h"
#include "framework/config_dialog.h"

namespace {
scrabble_ui::BoardGameLook WordyLook()
{
    scrabble_ui::BoardGameLook look;
    look.kind = GameKindCode::Wordy;
    look.menuTitle = QStringLiteral("&Wordy");
    look.coord1Hint = QStringLiteral(
        "Ligne (A à M) pour un mot horizontal, colonne (1 à 13) pour un mot vertical ; E pour un échange");
    look.coord2Hint = QStringLiteral("Colonne pour un mot horizontal, ligne pour un mot vertical");
    look.coordinateKey = &TFWordy::AcceptedCoordinateKey;
    look.wordKey = &TFWordy::AcceptedWordKey;
    look.dealStatus = false;
    look.shuffleAlwaysEnabled = true;
    return look;
}
} // namespace

TFWordy::TFWordy(QWidget *parent, const QString &dictionaryFile)
    : TFBoardGame(parent, WordyLook(), std::make_unique<scrabble::BoardGame>(1, wordy::Rules()),
                  std::make_unique<wordy_ui::Geometry>(), dictionaryFile)
{
    Start();
}

bool TFWordy::AcceptedCoordinateKey(const QString &text)
{
    return scrabble_ui::KeyAccepted(text, QLatin1Char('M'), true);
}

bool TFWordy::AcceptedWordKey(const QString &text)
{
    return scrabble_ui::KeyAccepted(text, QLatin1Char('Z'), false);
}

QImage TFWordy::MakeBoardPicture() const
{
    return wordy_ui::BoardPicture();
}

void TFWordy::DrawTileFace(QPainter &painter, const QRect &rect, const scrabble::TJeton &tile,
                           const scrabble_ui::TileLook &look) const
{
    wordy_ui::DrawTile(painter, rect, tile.Letter, tile.Value, tile.IsJoker, look);
}

void TFWordy::ExportText(QTextStream &out)
{
    TFLudorine::ExportText(out);
    Config().ExportSettingsText(out);
    for (const std::string &line : wordy::ReportLines(Game()))
        out << FromCodePage(line) << '\n';
}

void TFWordy::PrintPage(int target, PageCanvas &canvas)
{
    const bool wasPaused = Paused;
    Paused = true;
    wordy_ui::PrintPage(target, canvas, BoardArea(), Title, PlayerLines(), MoveLines(),
                        QDateTime::currentDateTime());
    Paused = wasPaused;
}
