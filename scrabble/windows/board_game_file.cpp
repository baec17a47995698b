// SPDX-License-Identifier: GPL-3.0-or-later
// TFBoardGame: the saved game, the picture export and the help topic.
#include <algorithm>
#include <QListWidget>
#include <QTextStream>

#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "framework/help_window.h"
#include "framework/page_canvas.h"
#include "framework/picture_export.h"
#include "framework/savefile/typed_stream.h"
#include "scrabble/windows/board_game_surface.h"
#include "scrabble/windows/board_game_window.h"
#include "scrabble/windows/scrabble_panels.h"

void TFBoardGame::SaveGame(savefile::TypedWriter &writer)
{
    TFLudorine::SaveGame(writer);
    config_->SaveSettings(writer);
    writer.WriteInteger(ToInt(GameKind));
    game_->Write(writer);
    writer.WriteInteger(Driver.Phase);
    writer.WriteInteger(Driver.Step);
    writer.WriteString(Reserved);
}

bool TFBoardGame::LoadGame(savefile::TypedReader &reader, const QString &fileName)
{
    if (!TFLudorine::LoadGame(reader, fileName))
        return false;
    StopTicks();
    if (!config_->LoadSettings(reader))
        return false;
    Deselect();
    Candidates.clear();
    Driver.PendingCommands.clear();
    Proposals->hide();
    Proposals->List->clear();
    TakePlayersFromSettings();
    for (scrabble::PlayerInfo &player : game_->Players)
        player.LastMoveText.clear();
    try {
        reader.ReadInteger(); // the game kind, known from the header
        // The engine checks its payload against the players just read.
        game_->Read(reader);
        const int phase = reader.ReadInteger();
        const int step = reader.ReadInteger();
        Reserved = reader.ReadString();
        if (!scrabble::TurnDriver::KnownState(phase, step))
            throw savefile::ReadError("turn phase");
        Driver.Phase = phase;
        Driver.Step = step;
    } catch (const savefile::ReadError &) {
        game_->NewGame();
        RebuildHistoryList();
        return false;
    }
    // A computer's turn starts its search again, a validation that was asked
    // for is asked again by the player, a turn under way gets its deal.
    Driver.Reopened(GameOver, Now());
    RebuildHistoryList();
    Surface->RebuildBackground();
    Redraw();
    UpdateControls();
    ReadPlacedTiles();
    if (Finished())
        ShowStatus(VictoryText());
    Modified = false;
    StartTicks(kTickMs);
    return true;
}

void TFBoardGame::ExportPicture(QIODevice &out, int kind)
{
    WritePicture(SurfacePicture(), out, kind);
}

void TFBoardGame::ShowHelp()
{
    ShowHelpTopic(QStringLiteral("Ludorine.chm::/") + QLatin1String(FindGameKindRow(look_.kind)->HelpTopic));
}
