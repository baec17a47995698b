// SPDX-License-Identifier: GPL-3.0-or-later
// TFDuplic: the saved game, the text and picture exports, the printed page
// and the help topic.
#include <algorithm>
#include <QTextStream>

#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "framework/help_window.h"
#include "framework/page_canvas.h"
#include "framework/picture_export.h"
#include "framework/printed_game_page.h"
#include "framework/savefile/typed_stream.h"
#include "scrabble/windows/duplicate_board_view.h"
#include "scrabble/windows/duplicate_input_panel.h"
#include "scrabble/windows/duplicate_players_panel.h"
#include "scrabble/windows/duplicate_window.h"

void TFDuplic::SaveGame(savefile::TypedWriter &writer)
{
    TFLudorine::SaveGame(writer);
    config_->SaveSettings(writer);
    game_->Write(writer);
}

bool TFDuplic::LoadGame(savefile::TypedReader &reader, const QString &fileName)
{
    if (!TFLudorine::LoadGame(reader, fileName))
        return false;
    StopTicks();
    if (!config_->LoadSettings(reader))
        return false;
    // The names and totals are the settings'; the rows and levels the game's.
    // The variant and the draw mode are the settings' too.
    game_->SetPlayers(PlayersFromSettings());
    game_->SetVariant(scrabble::DuplicateVariant(std::clamp(config_->Options.ddlb_vari_duplic, 0, 3)));
    game_->drawMode =
        config_->Options.ddlb_tirage_duplic == 1 ? scrabble::DrawMode::Manual : scrabble::DrawMode::Automatic;
    if (!game_->Read(reader))
        return false;
    PendingConfiguration = false;
    GameOver = game_->GameOver;
    // A finished game reopens showing its end in the status bar only.
    endShown_ = GameOver;
    Players->Input->SetPlayerNumber(game_->ActivePlayer());
    SelectPlayer(game_->ActivePlayer());
    RefreshAll();
    if (GameOver)
        ShowStatus(VictoryText());
    Modified = false;
    StartTicks(TickPeriod());
    return true;
}

void TFDuplic::ExportText(QTextStream &out)
{
    TFLudorine::ExportText(out);
    config_->ExportSettingsText(out);
    for (const std::string &line : game_->ReportLines())
        out << FromCodePage(line) << '\n';
    out << '\n';
}

void TFDuplic::ExportPicture(QIODevice &out, int kind)
{
    WritePicture(Board->Picture(), out, kind);
}

void TFDuplic::ShowHelp()
{
    ShowHelpTopic(QStringLiteral("Ludorine.chm::/Duplicate.htm"));
}

void TFDuplic::PrintPage(int target, PageCanvas &canvas)
{
    const bool wasPaused = Paused;
    Paused = true;
    TFLudorine::PrintPage(target, canvas);
    QStringList players;
    for (int n = 1; n <= game_->PlayerCount(); ++n)
        players << QStringLiteral("- %1 %2 : %3pts.")
                       .arg(n)
                       .arg(FromCodePage(game_->PlayerName(n)))
                       .arg(game_->Player(n).Info.Score)
                       .trimmed();
    QStringList moves;
    for (const auto &move : game_->History())
        moves << QStringLiteral("%1 - %2 : %3")
                     .arg(move->MoveNumber)
                     .arg(FromCodePage(game_->PlayerName(move->Player)))
                     .arg(FromCodePage(move->Text()));
    PrintPicturePlayersAndLines(target, canvas, Board->Picture(), players, moves,
                                {QStringLiteral("Arial"), 10, FontRegular});
    Paused = wasPaused;
}
