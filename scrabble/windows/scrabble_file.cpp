// SPDX-License-Identifier: GPL-3.0-or-later
// TFScrabble: the saved game, the text and picture exports, the printed page
// and the help topic.
#include <algorithm>
#include <QListWidget>
#include <QTextStream>

#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "framework/help_window.h"
#include "framework/page_canvas.h"
#include "framework/picture_export.h"
#include "framework/savefile/typed_stream.h"
#include "scrabble/windows/printed_game.h"
#include "scrabble/windows/scrabble_panels.h"
#include "scrabble/windows/scrabble_surface.h"
#include "scrabble/windows/scrabble_window.h"

namespace {
// The steps each phase of the turn state machine knows.
bool KnownState(int phase, int step)
{
    switch (phase) {
    case -2:
        return true;
    case -1:
        return step == 0 || step == 1;
    case 0:
    case 1:
        return step >= 0 && step <= 2;
    case 11:
        return step == 0 || step == 1;
    default:
        return false;
    }
}
} // namespace

void TFScrabble::SaveGame(savefile::TypedWriter &writer)
{
    TFLudorine::SaveGame(writer);
    config_->SaveSettings(writer);
    writer.WriteInteger(ToInt(GameKind));
    game_.Write(writer);
    writer.WriteInteger(Phase);
    writer.WriteInteger(Step);
    writer.WriteString(Reserved);
}

bool TFScrabble::LoadGame(savefile::TypedReader &reader, const QString &fileName)
{
    if (!TFLudorine::LoadGame(reader, fileName))
        return false;
    StopTicks();
    if (!config_->LoadSettings(reader))
        return false;
    Deselect();
    Candidates.clear();
    PendingCommands.clear();
    Proposals->hide();
    Proposals->List->clear();
    TakePlayersFromSettings();
    for (scrabble::PlayerInfo &player : game_.Players)
        player.LastMoveText.clear();
    try {
        reader.ReadInteger(); // the game kind, known from the header
        // The engine checks its payload against the players just read.
        game_.Read(reader);
        Phase = reader.ReadInteger();
        Step = reader.ReadInteger();
        Reserved = reader.ReadString();
        if (!KnownState(Phase, Step))
            throw savefile::ReadError("turn phase");
    } catch (const savefile::ReadError &) {
        game_.NewGame();
        RebuildHistoryList();
        return false;
    }
    // A computer's turn starts its search again; a validation that was
    // asked for is asked again by the player.
    if (Phase == 11)
        Step = 0;
    if (Phase == 1 && Step == 2)
        Step = 1;
    // A game saved between the start of a turn and its deal gets its tiles:
    // the deal only fills empty slots, so a completed deal changes nothing.
    if ((Phase == 1 || Phase == 11) && !GameOver)
        PendingCommands.push_back({'D', 0});
    PhaseStart = Now();
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

void TFScrabble::ExportText(QTextStream &out)
{
    TFLudorine::ExportText(out);
    config_->ExportSettingsText(out);
    for (const std::string &line : game_.ReportLines())
        out << FromCodePage(line) << '\n';
    if (Finished()) {
        out << '\n';
        for (const QString &line : FinalScoreLines())
            out << line << '\n';
    }
    out << '\n';
}

void TFScrabble::ExportPicture(QIODevice &out, int kind)
{
    WritePicture(SurfacePicture(), out, kind);
}

void TFScrabble::ShowHelp()
{
    ShowHelpTopic(QStringLiteral("Ludorine.chm::/Scrabble.htm"));
}

void TFScrabble::PrintPage(int target, PageCanvas &canvas)
{
    const bool wasPaused = Paused;
    Paused = true;
    TFLudorine::PrintPage(target, canvas);
    QStringList players;
    for (int n = 1; n <= game_.PlayerCount(); ++n) {
        const Tjoueur &player = config_->Players[std::size_t(n)];
        players << QStringLiteral("- %1 %2 : %3pts.").arg(n).arg(player.Name).arg(player.Score).trimmed();
    }
    QStringList moves;
    for (const auto &move : game_.History())
        moves << QStringLiteral("%1 - %2 : %3")
                     .arg(move->MoveNumber)
                     .arg(FromCodePage(game_.PlayerName(move->Player)))
                     .arg(FromCodePage(move->Text()));
    const QImage board = SurfacePicture().copy(scrabble_ui::kBoardX, scrabble_ui::kBoardY, 486, 486);
    scrabble_ui::PrintBoardPlayersAndMoves(target, canvas, board, players, moves,
                                           {QStringLiteral("Courrier new"), 9, FontRegular});
    Paused = wasPaused;
}
