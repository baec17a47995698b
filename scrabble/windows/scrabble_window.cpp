// SPDX-License-Identifier: GPL-3.0-or-later
// TFScrabble: creation, menu, commands and the turn state machine run by the
// 50 ms tick.
#include "scrabble/windows/scrabble_window.h"

#include <algorithm>
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QResizeEvent>
#include <QTimer>

#include "dictionary/dictionnaire.h"
#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "framework/dialog_service.h"
#include "framework/main_window_link.h"
#include "framework/tick_driver.h"
#include "scrabble/engine/final_ranking.h"
#include "scrabble/engine/proposals.h"
#include "scrabble/windows/board_painter.h"
#include "scrabble/windows/game_hooks.h"
#include "scrabble/windows/scrabble_menu.h"
#include "scrabble/windows/scrabble_panels.h"
#include "scrabble/windows/scrabble_surface.h"

using scrabble::TJeton;

TFScrabble::TFScrabble(QWidget *parent, const QString &dictionaryFile) : TFLudorine(parent)
{
    GameKind = GameKindCode::Scrabble;
    Title = QStringLiteral("Scrabble");
    setWindowTitle(Title);
    config_ = new TFconfig(this);
    config_->SetupForGame(GameKindCode::Scrabble, this);
    game_.random.Reseed(seedSource());
    boardPicture_ = scrabble_ui::BoardPicture();

    dictionary_ = scrabble_ui::OpenGameDictionary(dictionaryFile);
    search_ = std::make_unique<scrabble::MoveSearch>(*dictionary_);

    Surface = new scrabble_ui::ScrabbleSurface(this);
    Pnl_ctrl = new scrabble_ui::InputPanel(Surface);
    Pnl_ctrl->resize(226, 26);
    Pnl_ctrl->hide();
    connect(Pnl_ctrl, &scrabble_ui::InputPanel::validate, this, &TFScrabble::BTvaliderClick);
    Proposals = new scrabble_ui::ListPanel(QStringLiteral("Coups possibles"), this);
    Proposals->setObjectName(QStringLiteral("Coups_possibles"));
    Proposals->hide();
    connect(Proposals->List, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { ProposalChosen(Proposals->List->row(item)); });
    HistoryPanel = new scrabble_ui::ListPanel(QStringLiteral("Historique"), this);
    HistoryPanel->setObjectName(QStringLiteral("Historique"));
    HistoryPanel->hide();
    BuildMenu();

    TakePlayersFromSettings();
    setMinimumSize(kSurfaceWidth, kSurfaceHeight);
    resize(sizeHint());
    Phase = -1;
    Step = 0;
    PhaseStart = Now();
    StartTicks(kTickMs);
}

TFScrabble::~TFScrabble() = default;

void TFScrabble::BuildMenu()
{
    const scrabble_ui::ScrabbleMenu common = scrabble_ui::BuildScrabbleMenu(
        this, HistoryPanel, [this] { NouvellePartie(); }, [this] { ToggleHistory(); });
    Menu = common.menu;
    MnouvellePartie = common.newGame;
    Mhisto = common.history;
    mprop = scrabble_ui::AddMenuCommand(
        this, Menu, "mprop", QStringLiteral("&Proposer un coup"), QKeySequence(Qt::Key_F2),
        QStringLiteral("Lister les coups possibles avec vos lettres"), [this] { ProposeMoves(); });
    Arrangerleslettres = scrabble_ui::AddMenuCommand(
        this, Menu, "Arrangerleslettres", QStringLiteral("&Mélanger les lettres"), QKeySequence(Qt::Key_F8),
        QStringLiteral("Mélanger les lettres de votre chevalet"), [this] { ShuffleLetters(); });
}

void TFScrabble::resizeEvent(QResizeEvent *event)
{
    TFLudorine::resizeEvent(event);
    Surface->setGeometry(rect());
    const int x = kSurfaceWidth + 4;
    const int width = std::max(200, this->width() - x - 6);
    const int half = std::max(120, (height() - 20) / 2);
    Proposals->setGeometry(x, 8, width, half);
    HistoryPanel->setGeometry(x, 14 + half, width, std::max(120, height() - 22 - half));
}

bool TFScrabble::focusNextPrevChild(bool next)
{
    // Tab gives up a selected joker rather than moving the focus.
    if (DraggedTile != nullptr && DraggedTile->IsJoker && DraggedTile->Selected)
        return true;
    return TFLudorine::focusNextPrevChild(next);
}

bool TFScrabble::CurrentIsHuman() const
{
    const int current = game_.CurrentPlayer;
    return current >= 1 && current <= config_->PlayerCount &&
           config_->Players[std::size_t(current)].Level == 0;
}

QImage TFScrabble::SurfacePicture() const
{
    return Surface->Picture();
}

void TFScrabble::Redraw(bool full)
{
    if (full)
        Surface->update();
    else
        Surface->update(scrabble_ui::PlayerPanelRect(game_.CurrentPlayer));
}

// --- Commands -------------------------------------------------------------

void TFScrabble::NouvellePartie()
{
    if (Closing)
        return;
    bool canClose = false;
    FormCloseQuery(canClose);
    if (!canClose)
        return;
    // The new game is not the file's game: it has no name until saved.
    StartUnnamedGame();
    Phase = -1;
    Step = 0;
    PhaseStart = Now();
}

void TFScrabble::ToggleHistory()
{
    HistoryPanel->Toggle(Mhisto);
}

void TFScrabble::ProposeMoves()
{
    if (Closing || GameOver || !CurrentIsHuman() || Phase != 1)
        return;
    Proposals->hide();
    Proposals->List->clear();
    bool laid = false;
    for (const auto &tile : game_.Tiles())
        laid = laid || tile->IsPending();
    SetBusy(1);
    Candidates = game_.GenerateMoves(*search_, game_.CurrentPlayer);
    SetBusy(0);
    for (const std::string &line : scrabble::ProposalLines(Candidates))
        Proposals->List->addItem(FromCodePage(line));
    if (laid)
        ReadPlacedTiles();
    Proposals->show();
    Proposals->raise();
    Redraw();
}

void TFScrabble::ProposalChosen(int row)
{
    if (row < 0 || row >= Proposals->List->count() || !Pnl_ctrl->isVisible())
        return;
    const auto fields = scrabble::FieldsFromProposal(ToCodePage(Proposals->List->item(row)->text()));
    if (!fields)
        return;
    Pnl_ctrl->Activate();
    Pnl_ctrl->Coord1->setText(FromCodePage(fields->coord1));
    Pnl_ctrl->Coord2->setText(FromCodePage(fields->coord2));
    Pnl_ctrl->Mot->setText(FromCodePage(fields->word));
}

void TFScrabble::ShuffleLetters()
{
    if (Closing || GameOver || !CurrentIsHuman())
        return;
    game_.ShuffleRack(game_.CurrentPlayer);
    Redraw();
}

void TFScrabble::BTvaliderClick()
{
    if (Phase == 1 && Step == 1) {
        Step = 2;
        Proposals->hide();
    }
}

void TFScrabble::UpdateControls()
{
    const bool human = CurrentIsHuman() && !GameOver;
    mprop->setEnabled(human);
    Arrangerleslettres->setEnabled(human);
    if (!human) {
        Pnl_ctrl->hide();
        return;
    }
    Pnl_ctrl->move(512, 90 * game_.CurrentPlayer - 45);
    Pnl_ctrl->Clear();
    Pnl_ctrl->show();
    Pnl_ctrl->raise();
    if (Pnl_ctrl->FieldsEnabled())
        Pnl_ctrl->Coord1->setFocus();
}

void TFScrabble::FormClose()
{
    TFLudorine::FormClose();
    config_->hide();
}

// --- Players: settings and engine ----------------------------------------

void TFScrabble::TakePlayersFromSettings()
{
    const int count = std::clamp(config_->PlayerCount, 1, 4);
    game_.Players.resize(std::size_t(count));
    for (int n = 1; n <= count; ++n) {
        scrabble::PlayerInfo &player = game_.Players[std::size_t(n - 1)];
        const Tjoueur &settings = config_->Players[std::size_t(n)];
        player.Name = ToCodePage(settings.Name);
        player.Level = settings.Level;
        player.Score = settings.Score;
    }
    game_.CurrentPlayer = std::clamp(config_->CurrentPlayer, 1, count);
    game_.drawMode =
        config_->Options.ddlb_tirage == 1 ? scrabble::DrawMode::Manual : scrabble::DrawMode::Automatic;
}

void TFScrabble::ScoresToSettings()
{
    for (int n = 1; n <= game_.PlayerCount(); ++n)
        config_->Players[std::size_t(n)].Score = game_.Player(n).Score;
}

void TFScrabble::AddTimeToCurrent()
{
    const qint64 now = Now();
    const int current = game_.CurrentPlayer;
    if (current >= 1 && current <= 4) {
        std::int32_t &time = config_->Players[std::size_t(current)].TimeMs;
        time = std::int32_t(std::min<qint64>(INT32_MAX, time + std::max<qint64>(0, now - PhaseStart)));
    }
    PhaseStart = now;
}

void TFScrabble::RebuildHistoryList()
{
    HistoryPanel->List->clear();
    for (const auto &move : game_.History())
        HistoryPanel->List->addItem(FromCodePage(game_.HistoryLine(*move)));
    historyShown_ = game_.MoveCount();
    if (Finished())
        HistoryPanel->List->addItems(FinalScoreLines());
}

void TFScrabble::MovesRecorded()
{
    const auto &history = game_.History();
    for (; historyShown_ < int(history.size()); ++historyShown_)
        HistoryPanel->List->addItem(FromCodePage(game_.HistoryLine(*history[std::size_t(historyShown_)])));
    HistoryPanel->List->scrollToBottom();
    if (!history.empty())
        ShowStatus(FromCodePage(game_.StatusText(*history.back())));
    ScoresToSettings();
    Modified = true;
    Redraw();
}

scrabble::DrawPrompt TFScrabble::DrawPromptHook()
{
    return [this](const std::string &title, const std::string &label,
                  const std::string &initial) -> std::optional<std::string> {
        SetCapsLock(1);
        const std::optional<QString> answer =
            Dialogs().prompt(FromCodePage(title), FromCodePage(label), FromCodePage(initial));
        if (!answer)
            return std::nullopt;
        return ToCodePage(*answer);
    };
}

scrabble::Confirm TFScrabble::ConfirmHook()
{
    return [](const std::string &question) {
        return Dialogs().question(FromCodePage(question), QStringLiteral("Scrabble")) == Answer::Yes;
    };
}

void TFScrabble::ReadPlacedTiles()
{
    if (!CurrentIsHuman() || GameOver)
        return;
    Pnl_ctrl->SetFields(game_.ReadPlacedTiles());
}

void TFScrabble::Deselect()
{
    for (const auto &tile : game_.Tiles())
        tile->Selected = false;
    DraggedTile = nullptr;
    Dragging = false;
}

// --- The tick ----------------------------------------------------------------

bool TFScrabble::AnimateTiles()
{
    bool moved = false;
    for (const auto &tile : game_.Tiles()) {
        if (Dragging && tile.get() == DraggedTile)
            continue;
        moved = tile->Step() || moved;
    }
    return moved;
}

void TFScrabble::Blink()
{
    if (DraggedTile == nullptr || !DraggedTile->IsJoker || !DraggedTile->Selected)
        return;
    const int period = QApplication::cursorFlashTime() > 0 ? QApplication::cursorFlashTime() / 2 : 500;
    const qint64 now = Now();
    if (now - blinkTick_ >= period) {
        blinkTick_ = now;
        blinkOn_ = !blinkOn_;
        Surface->update(
            QRect(DraggedTile->Bounds.Left, DraggedTile->Bounds.Top, TJeton::kSize, TJeton::kSize));
    }
}

void TFScrabble::TempoTimer()
{
    if (Closing)
        return;
    Blink();
    if (AnimateTiles()) {
        Redraw();
        return;
    }
    if (RunPendingCommand())
        return;
    StepStateMachine();
    if (!Closing)
        Redraw(false);
}

bool TFScrabble::RunPendingCommand()
{
    if (PendingCommands.empty())
        return false;
    PendingCommand &top = PendingCommands.back();
    if (top.letter == ' ')
        top.progress = 999;
    if (top.progress >= 999) {
        PendingCommands.pop_back();
        return false;
    }
    if (top.progress == 0) {
        if (top.letter == 'C')
            Configure(top);
        else if (top.letter == 'D')
            Deal(top);
        else
            top.progress = 999;
    }
    return true;
}

void TFScrabble::Configure(PendingCommand &command)
{
    ShowStatus(QStringLiteral("Configuration"));
    command.progress = 1;
    config_->ClearScores();
    const bool ok = runConfiguration(*config_);
    if (Closing)
        return;
    if (!ok) {
        Closing = true;
        CloseLater();
        return;
    }
    GameOver = false;
    TakePlayersFromSettings();
    for (scrabble::PlayerInfo &player : game_.Players) {
        player.Score = 0;
        player.LastMoveText.clear();
    }
    ScoresToSettings();
    Surface->RebuildBackground();
    UpdateControls();
    command.progress = 999;
    Redraw();
    ShowStatus(QString());
}

void TFScrabble::Deal(PendingCommand &command)
{
    ShowStatus(QStringLiteral("Distribution des lettres..."));
    game_.ShuffleBag(true);
    game_.DrawTiles(DrawPromptHook());
    Redraw();
    command.progress = 999;
    // The deal is over: the status bar says again whose turn it is rather
    // than leaving the deal's text up for the whole turn.
    ShowStatus(QStringLiteral("Le joueur « %1 » a la main")
                   .arg(FromCodePage(game_.PlayerName(game_.CurrentPlayer))));
}

void TFScrabble::GoToPhase(int phase)
{
    Phase = phase;
    Step = 0;
    PhaseStart = Now();
}

void TFScrabble::StartNewGame()
{
    Deselect();
    Candidates.clear();
    PendingCommands.clear();
    game_.NewGame();
    HistoryPanel->List->clear();
    historyShown_ = 0;
    Proposals->hide();
    Proposals->List->clear();
    GameOver = false;
    PendingCommands.push_back({'C', 0});
    Step = 1;
    Redraw();
}

void TFScrabble::StepStateMachine()
{
    switch (Phase) {
    case -1:
        if (Step == 0) {
            StartNewGame();
        } else {
            Phase = 0;
            Step = 1; // the first player keeps the turn
            PhaseStart = Now();
        }
        break;
    case 0:
        if (Step == 0) {
            if (IsGameOver()) {
                Step = 2;
                GameOver = true;
            } else {
                ShowStatus(QStringLiteral("Changement de joueur. "));
                config_->NextPlayer();
                game_.CurrentPlayer = std::clamp(config_->CurrentPlayer, 1, game_.PlayerCount());
                game_.random.Reseed(seedSource());
                game_.ShuffleBag(true);
                Redraw();
                Step = 1;
            }
            UpdateControls();
        } else if (Step == 1) {
            ShowStatus(QString());
            PendingCommands.push_back({'D', 0});
            GoToPhase(1);
        } else {
            EndOfGame();
            GoToPhase(-2);
        }
        break;
    case 1:
        if (Step == 0) {
            if (!CurrentIsHuman())
                Phase = 11;
            else
                Step = 1;
            PhaseStart = Now();
        } else if (Step == 1) {
            AddTimeToCurrent();
        } else {
            ValidateHumanMove();
        }
        break;
    case 11:
        if (Step == 0)
            ComputerSearch();
        else
            ComputerPlay();
        break;
    default:
        break;
    }
}

void TFScrabble::ValidateHumanMove()
{
    AddTimeToCurrent();
    const scrabble::InputResult result =
        game_.ValidateInput(Pnl_ctrl->Fields(), dictionary_.get(), ConfirmHook());
    if (result.outcome == scrabble::InputResult::Played) {
        // A pass leaves tiles laid this turn on the board: they go home, so
        // that the next player does not find them among his own.
        game_.ReturnPendingTiles();
        Deselect();
        Pnl_ctrl->SetFieldsEnabled(true);
        MovesRecorded();
        GoToPhase(0);
        return;
    }
    // The turn goes on: laid tiles back to their plain state, the others to
    // their places (tiles taken out of the exchange area slide home).
    const int current = game_.CurrentPlayer;
    for (int slot = 1; slot <= game_.RackSize(); ++slot)
        if (TJeton *tile = game_.RackTile(current, slot)) {
            if (tile->IsPending())
                tile->State = scrabble::Placed;
            tile->SetTarget(game_.random);
        }
    if (result.outcome == scrabble::InputResult::Error) {
        for (TJeton *tile : result.highlight)
            tile->Selected = true;
        Redraw();
        Dialogs().message(FromCodePage(result.Message()), QString(), MessageIcon::Warning);
    }
    Step = 1;
    PhaseStart = Now();
    Redraw();
}

void TFScrabble::ComputerSearch()
{
    SetBusy(1);
    Candidates = game_.GenerateMoves(*search_, game_.CurrentPlayer);
    SetBusy(0);
    Step = 1;
}

void TFScrabble::ComputerPlay()
{
    if (Candidates.empty()) {
        Step = 0; // search again
        return;
    }
    const int level = std::clamp<int>(config_->Players[std::size_t(game_.CurrentPlayer)].Level, 1, 5);
    game_.PlayComputerMove(game_.PickComputerMove(Candidates, level));
    Candidates.clear();
    AddTimeToCurrent();
    MovesRecorded();
    GoToPhase(0);
}

void TFScrabble::EndOfGame()
{
    game_.ApplyEndOfGame();
    MovesRecorded();
    Phase = -2;
    HistoryPanel->List->addItems(FinalScoreLines());
    HistoryPanel->List->scrollToBottom();
    UpdateControls();
    const QString victory = VictoryText();
    ShowStatus(victory);
    Dialogs().message(victory, Title);
    ShowStatus(victory);
}

bool TFScrabble::Finished() const
{
    return GameOver && Phase == -2;
}

QString TFScrabble::VictoryText() const
{
    const std::vector<int> ranking = scrabble::FinalRanking(game_.Players);
    if (ranking.empty())
        return QString();
    const int winner = ranking.front();
    return scrabble_ui::VictoryText(FromCodePage(game_.PlayerName(winner)), game_.Player(winner).Score);
}

QStringList TFScrabble::FinalScoreLines() const
{
    QStringList lines{QStringLiteral("Scores finaux :")};
    int rank = 0;
    for (int player : scrabble::FinalRanking(game_.Players))
        lines << QStringLiteral("%1. %2 : %3 points")
                     .arg(++rank)
                     .arg(FromCodePage(game_.PlayerName(player)))
                     .arg(game_.Player(player).Score);
    return lines;
}
