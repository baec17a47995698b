// SPDX-License-Identifier: GPL-3.0-or-later
// TFBoardGame: the 50 ms tick (tile animation, the joker's blink, the turn
// driver) and what the window does at each of the driver's steps.
#include <algorithm>
#include <QApplication>
#include <QListWidget>

#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "framework/dialog_service.h"
#include "scrabble/windows/board_game_surface.h"
#include "scrabble/windows/board_game_window.h"
#include "scrabble/windows/scrabble_panels.h"

using scrabble::TJeton;

bool TFBoardGame::AnimateTiles()
{
    bool moved = false;
    for (const auto &tile : game_->Tiles()) {
        if (Dragging && tile.get() == DraggedTile)
            continue;
        moved = tile->Step() || moved;
    }
    return moved;
}

void TFBoardGame::Blink()
{
    if (DraggedTile == nullptr || !DraggedTile->IsJoker || !DraggedTile->Selected)
        return;
    const int period = QApplication::cursorFlashTime() > 0 ? QApplication::cursorFlashTime() / 2 : 500;
    const qint64 now = Now();
    if (now - blinkTick_ >= period) {
        blinkTick_ = now;
        blinkOn_ = !blinkOn_;
        Surface->update(TileBounds(*DraggedTile));
    }
}

void TFBoardGame::TempoTimer()
{
    if (Closing)
        return;
    Blink();
    if (AnimateTiles()) {
        Redraw();
        return;
    }
    Driver.Tick(*this);
    if (!Closing)
        Redraw(false);
}

scrabble::DrawPrompt TFBoardGame::DrawPromptHook()
{
    return &scrabble_ui::AskDrawnLetters;
}

scrabble::Confirm TFBoardGame::ConfirmHook()
{
    const QString title = FromCodePage(game_->Rules().questionTitle);
    return [title](const std::string &question) {
        return Dialogs().question(FromCodePage(question), title) == Answer::Yes;
    };
}

void TFBoardGame::ReadPlacedTiles()
{
    if (!CurrentIsHuman() || GameOver)
        return;
    Pnl_ctrl->SetFields(game_->ReadPlacedTiles());
}

void TFBoardGame::Deselect()
{
    for (const auto &tile : game_->Tiles())
        tile->Selected = false;
    DraggedTile = nullptr;
    Dragging = false;
}

// --- The driver's steps -----------------------------------------------------

void TFBoardGame::NewGame()
{
    Deselect();
    Candidates.clear();
    game_->NewGame();
    HistoryPanel->List->clear();
    historyShown_ = 0;
    Proposals->hide();
    Proposals->List->clear();
    GameOver = false;
    Redraw();
}

bool TFBoardGame::Configure()
{
    ShowStatus(QStringLiteral("Configuration"));
    config_->ClearScores();
    const bool ok = runConfiguration(*config_);
    if (Closing)
        return false;
    if (!ok) {
        Closing = true;
        CloseLater();
        return false;
    }
    GameOver = false;
    TakePlayersFromSettings();
    for (scrabble::PlayerInfo &player : game_->Players) {
        player.Score = 0;
        player.LastMoveText.clear();
    }
    ScoresToSettings();
    Configured();
    Surface->RebuildBackground();
    UpdateControls();
    Redraw();
    ShowStatus(QString());
    return true;
}

void TFBoardGame::Deal()
{
    if (look_.dealStatus)
        ShowStatus(QStringLiteral("Distribution des lettres..."));
    game_->ShuffleBag(true);
    game_->DrawTiles(DrawPromptHook());
    Redraw();
    // The deal is over: the status bar says again whose turn it is rather
    // than leaving the deal's text up for the whole turn.
    if (look_.dealStatus)
        ShowStatus(QStringLiteral("Le joueur « %1 » a la main")
                       .arg(FromCodePage(game_->PlayerName(game_->CurrentPlayer))));
}

void TFBoardGame::NextPlayer()
{
    ShowStatus(QStringLiteral("Changement de joueur. "));
    config_->NextPlayer();
    game_->CurrentPlayer = std::clamp(config_->CurrentPlayer, 1, game_->PlayerCount());
    game_->random.Reseed(seedSource());
    game_->ShuffleBag(true);
    Redraw();
}

void TFBoardGame::TurnStarting()
{
    ShowStatus(QString());
}

bool TFBoardGame::ValidateHumanMove()
{
    AddTimeToCurrent();
    const scrabble::InputResult result =
        game_->ValidateInput(Pnl_ctrl->Fields(), dictionary_.get(), ConfirmHook());
    if (result.outcome == scrabble::InputResult::Played) {
        // A pass leaves tiles laid this turn on the board: they go home, so
        // that the next player does not find them among his own.
        game_->ReturnPendingTiles();
        Deselect();
        Pnl_ctrl->SetFieldsEnabled(true);
        MovesRecorded();
        return true;
    }
    game_->ResumeTurn();
    if (result.outcome == scrabble::InputResult::Error) {
        for (TJeton *tile : result.highlight)
            tile->Selected = true;
        Redraw();
        Dialogs().message(FromCodePage(result.Message()), QString(), MessageIcon::Warning);
    }
    Redraw();
    return false;
}

void TFBoardGame::SearchComputerMove()
{
    SetBusy(1);
    Candidates = game_->GenerateMoves(*search_, game_->CurrentPlayer);
    SetBusy(0);
}

bool TFBoardGame::PlayComputerMove()
{
    if (Candidates.empty())
        return false;
    const int level = std::clamp<int>(config_->Players[std::size_t(game_->CurrentPlayer)].Level, 1, 5);
    game_->PlayComputerMove(game_->PickComputerMove(Candidates, level));
    Candidates.clear();
    AddTimeToCurrent();
    MovesRecorded();
    return true;
}

void TFBoardGame::EndOfGame()
{
    game_->ApplyEndOfGame();
    MovesRecorded();
    Driver.Phase = -2;
    HistoryPanel->List->addItems(FinalScoreLines());
    HistoryPanel->List->scrollToBottom();
    UpdateControls();
    const QString victory = VictoryText();
    ShowStatus(victory);
    Dialogs().message(victory, Title);
    ShowStatus(victory);
}
