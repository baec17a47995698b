// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/scrabble_window.h"

#include <QTextStream>

#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "framework/page_canvas.h"
#include "framework/printed_game_page.h"
#include "scrabble/geometry/classic_geometry.h"
#include "scrabble/windows/scrabble_panels.h"

namespace {
scrabble_ui::BoardGameLook ScrabbleLook()
{
    scrabble_ui::BoardGameLook look;
    look.kind = GameKindCode::Scrabble;
    look.menuTitle = QStringLiteral("&Scrabble");
    look.coord1Hint = QStringLiteral(
        "Ligne (A à O) pour un mot horizontal, colonne (1 à 15) pour un mot vertical ; E pour un échange, "
        "P pour passer");
    look.coord2Hint = QStringLiteral("Colonne pour un mot horizontal, ligne pour un mot vertical");
    look.coordinateKey = &scrabble_ui::InputPanel::AcceptedCoordinateKey;
    return look;
}
} // namespace

TFScrabble::TFScrabble(QWidget *parent, const QString &dictionaryFile)
    : TFBoardGame(parent, ScrabbleLook(),
                  std::make_unique<scrabble::BoardGame>(1, scrabble::GameRules::Classic()),
                  std::make_unique<scrabble_ui::ClassicGeometry>(), dictionaryFile)
{
    Start();
}

QImage TFScrabble::MakeBoardPicture() const
{
    return scrabble_ui::BoardPicture();
}

void TFScrabble::DrawTileFace(QPainter &painter, const QRect &rect, const scrabble::TJeton &tile,
                              const scrabble_ui::TileLook &look) const
{
    scrabble_ui::DrawTile(painter, rect, tile.Letter, tile.Value, tile.IsJoker, look);
}

void TFScrabble::ExportText(QTextStream &out)
{
    TFLudorine::ExportText(out);
    Config().ExportSettingsText(out);
    for (const std::string &line : Game().ReportLines())
        out << FromCodePage(line) << '\n';
    if (Finished()) {
        out << '\n';
        for (const QString &line : FinalScoreLines())
            out << line << '\n';
    }
    out << '\n';
}

void TFScrabble::PrintPage(int target, PageCanvas &canvas)
{
    PrintBoardPage(target, canvas, BoardArea(), {QStringLiteral("Courrier new"), 9, FontRegular});
}
