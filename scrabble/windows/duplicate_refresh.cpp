// SPDX-License-Identifier: GPL-3.0-or-later
// TFDuplic: the panels drawn again from the game.
#include <QListWidget>
#include <QPushButton>

#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "scrabble/windows/duplicate_bag_panel.h"
#include "scrabble/windows/duplicate_board_view.h"
#include "scrabble/windows/duplicate_draw_panel.h"
#include "scrabble/windows/duplicate_input_panel.h"
#include "scrabble/windows/duplicate_player_table.h"
#include "scrabble/windows/duplicate_players_panel.h"
#include "scrabble/windows/duplicate_window.h"
#include "scrabble/windows/scrabble_panels.h"

namespace {

using scrabble_ui::DuplicateTableRow;

DuplicateTableRow::Colour ColourOf(const scrabble::PlayerRow &row)
{
    if (!row.IsPlayed())
        return DuplicateTableRow::Colour::NotPlayed;
    return row.IsValid() ? DuplicateTableRow::Colour::Valid : DuplicateTableRow::Colour::Error;
}

} // namespace

void TFDuplic::RefreshAll()
{
    RefreshBoard();
    RefreshDraw();
    RefreshBag();
    RefreshTable();
    RefreshHistory();
    RefreshCommands();
}

void TFDuplic::RefreshBoard()
{
    scrabble_ui::DuplicateBoard board;
    for (const scrabble::DuplicateSquare &square : game_->Squares())
        if (square.Col >= 1 && square.Col <= 15 && square.Row >= 1 && square.Row <= 15)
            board.At(square.Col, square.Row) = {square.Letter, square.SquareState, square.IsJoker};
    if (const auto &cursor = game_->Cursor()) {
        board.cursorCol = cursor->col;
        board.cursorRow = cursor->row;
        board.cursorShown = blinkOn_;
    }
    Board->SetBoard(board);
}

void TFDuplic::RefreshDraw()
{
    DrawPanel->SetDraw(FromCodePage(game_->DrawShown()));
    DrawPanel->SetElapsed(Now() - game_->DrawStart());
}

void TFDuplic::RefreshBag()
{
    BagPanel->SetBagFacts({game_->VowelCount(), game_->ConsonantCount(), game_->BagJokers(),
                           game_->BagTotal(), FromCodePage(game_->Bag())});
    BagPanel->ClearDrawLines();
    for (const scrabble::DrawLine &line : game_->DrawLines())
        BagPanel->AddDrawLine(FromCodePage(line.Text()));
}

void TFDuplic::RefreshTable()
{
    std::vector<scrabble_ui::DuplicatePlayerRows> rows;
    for (int n = 1; n <= game_->PlayerCount(); ++n) {
        const scrabble::DuplicatePlayer &player = game_->Player(n);
        scrabble_ui::DuplicatePlayerRows entry;
        entry.current = {FromCodePage(player.Info.Name), FromCodePage(player.Current.MoveText()),
                         FromCodePage(game_->NoteText(n)), ColourOf(player.Current), player.Current.IsTop};
        for (const scrabble::PlayerRow &past : player.Past)
            entry.past.push_back({QString::number(past.DrawNo), FromCodePage(past.MoveText()),
                                  QString::number(past.Score), ColourOf(past), past.IsTop});
        rows.push_back(std::move(entry));
    }
    Players->Table->SetPlayers(std::move(rows));
    Players->Table->SetActivePlayer(game_->ActivePlayer());
}

void TFDuplic::RefreshHistory()
{
    HistoryPanel->List->clear();
    for (const auto &move : game_->History())
        HistoryPanel->List->addItem(FromCodePage(game_->HistoryLine(*move)));
    HistoryPanel->List->scrollToBottom();
}

void TFDuplic::RefreshProposals()
{
    Proposals->List->clear();
    for (const std::string &line : game_->ProposalList())
        Proposals->List->addItem(FromCodePage(line));
}

void TFDuplic::RefreshCommands()
{
    const bool playing = !GameOver && !PendingConfiguration && game_->PlayerCount() > 0;
    const int active = game_->ActivePlayer();
    const bool human =
        playing && active >= 1 && active <= game_->PlayerCount() && !game_->Player(active).IsComputer();
    Players->Input->SetProposalEnabled(playing);
    Players->Input->BT_ok->setEnabled(human);
    Players->Input->SetValidateEnabled(playing);
    mprop->setEnabled(playing);
    Mchanger->setEnabled(playing);
}
