// SPDX-License-Identifier: GPL-3.0-or-later
// TFDuplic: creation, panels, menu, the tick and the end of a turn.
#include "scrabble/windows/duplicate_window.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSplitter>
#include <QVBoxLayout>

#include "dictionary/dictionnaire.h"
#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "framework/dialog_service.h"
#include "framework/game_dictionary.h"
#include "framework/main_window_link.h"
#include "framework/tick_driver.h"
#include "scrabble/windows/duplicate_bag_panel.h"
#include "scrabble/windows/duplicate_board_view.h"
#include "scrabble/windows/duplicate_draw_panel.h"
#include "scrabble/windows/duplicate_input_panel.h"
#include "scrabble/windows/duplicate_player_table.h"
#include "scrabble/windows/duplicate_players_panel.h"
#include "scrabble/windows/game_hooks.h"
#include "scrabble/windows/scrabble_menu.h"
#include "scrabble/windows/scrabble_panels.h"

int TFDuplic::TickPeriod()
{
    const int flash = QApplication::cursorFlashTime();
    return flash > 0 ? std::clamp(flash / 2, 100, 1000) : 500;
}

TFDuplic::TFDuplic(QWidget *parent, const QString &dictionaryFile) : TFLudorine(parent)
{
    GameKind = kGameKind;
    Title = QStringLiteral("Duplicate");
    setWindowTitle(Title);
    config_ = new TFconfig(this);
    config_->SetupForGame(kGameKind, this);

    dictionary_ = OpenGameDictionary(dictionaryFile);
    game_ = std::make_unique<scrabble::DuplicateGame>(dictionary_.get(), seedSource());
    ConnectHooks();

    BuildPanels();
    BuildMenu();
    game_->NewGame();
    RefreshAll();
    resize(sizeHint());
    PendingConfiguration = true;
    StartTicks(TickPeriod());
}

TFDuplic::~TFDuplic() = default;

void TFDuplic::ConnectHooks()
{
    game_->seedSource = [this] { return seedSource(); };
    game_->clock = [this] { return std::int32_t(Now()); };
    game_->confirm = [](const std::string &question) {
        return Dialogs().question(FromCodePage(question), QStringLiteral("Scrabble")) == Answer::Yes;
    };
    game_->drawPrompt = &scrabble_ui::AskDrawnLetters;
}

void TFDuplic::BuildPanels()
{
    auto *plateau = new QGroupBox(QStringLiteral("Plateau"), this);
    Board = new scrabble_ui::DuplicateBoardView(plateau);
    Board->setObjectName(QStringLiteral("Plateau"));
    BoardStatus = new QLabel(plateau);
    BoardStatus->setObjectName(QStringLiteral("StatutPlateau"));
    BoardStatus->setMinimumWidth(100);
    auto *plateauLayout = new QVBoxLayout(plateau);
    plateauLayout->setContentsMargins(4, 4, 4, 4);
    plateauLayout->addWidget(Board, 1);
    plateauLayout->addWidget(BoardStatus);
    Board->showStatus = [this](const QString &text) { BoardStatus->setText(text); };
    Board->describeSquare = [this](int col, int row) {
        return FromCodePage(game_->SquareDescription(col, row));
    };
    connect(Board, &scrabble_ui::DuplicateBoardView::squareClicked, this, &TFDuplic::SquareClicked);
    connect(Board, &scrabble_ui::DuplicateBoardView::keyTyped, this,
            [this](scrabble_ui::DuplicateBoardView::Key key, QChar letter) { BoardKey(int(key), letter); });

    DrawPanel = new scrabble_ui::DuplicateDrawPanel(this);
    Players = new scrabble_ui::DuplicatePlayersPanel(this);
    BagPanel = new scrabble_ui::DuplicateBagPanel(this);
    scrabble_ui::DuplicateInputPanel *input = Players->Input;
    connect(input, &scrabble_ui::DuplicateInputPanel::playerNumberChanged, this, &TFDuplic::SelectPlayer);
    connect(input, &scrabble_ui::DuplicateInputPanel::proposalChanged, this, &TFDuplic::ProposalEdited);
    connect(input, &scrabble_ui::DuplicateInputPanel::okClicked, this, &TFDuplic::SubmitProposal);
    connect(input, &scrabble_ui::DuplicateInputPanel::validateClicked, this, &TFDuplic::Validate);
    connect(Players->Table, &scrabble_ui::DuplicatePlayerTable::playerChosen, this, [this](int player) {
        Players->Input->SetPlayerNumber(player);
        SelectPlayer(player);
    });

    // The board on the left, the draw, the players and the bag on the right.
    auto *side = new QWidget(this);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(DrawPanel);
    sideLayout->addWidget(Players, 3);
    sideLayout->addWidget(BagPanel, 1);
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(plateau);
    splitter->addWidget(side);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(splitter);

    // The history and the proposals float above the window, as in the
    // classic game.
    HistoryPanel = new scrabble_ui::ListPanel(QStringLiteral("Historique"), this);
    HistoryPanel->setObjectName(QStringLiteral("Historique"));
    HistoryPanel->setGeometry(60, 60, 320, 360);
    HistoryPanel->hide();
    Proposals = new scrabble_ui::ListPanel(QStringLiteral("Coups possibles"), this);
    Proposals->setObjectName(QStringLiteral("Coups_possibles"));
    Proposals->setGeometry(40, 40, 300, 360);
    Proposals->hide();
}

void TFDuplic::BuildMenu()
{
    const scrabble_ui::ScrabbleMenu common = scrabble_ui::BuildScrabbleMenu(
        this, HistoryPanel, QStringLiteral("&Scrabble"), [this] { NouvellePartie(); },
        [this] { ToggleHistory(); });
    Menu = common.menu;
    MnouvellePartie = common.newGame;
    Mhisto = common.history;
    mprop = scrabble_ui::AddMenuCommand(
        this, Menu, "mprop", QStringLiteral("&Proposer un coup"), QKeySequence(Qt::Key_F2),
        QStringLiteral("Lister les coups possibles avec le tirage"), [this] { ShowProposals(); });
    Mchanger = scrabble_ui::AddMenuCommand(
        this, Menu, "Mchanger", QStringLiteral("&Changer les lettres..."), QKeySequence(),
        QStringLiteral("Remettre le tirage dans le sac et tirer de nouveau"), [this] { ChangeLetters(); });
}

// --- Commands -------------------------------------------------------------

void TFDuplic::NouvellePartie()
{
    if (!ReplaceByUnnamedGame())
        return;
    game_->NewGame();
    GameOver = false;
    endShown_ = false;
    PendingConfiguration = true;
    HistoryPanel->List->clear();
    Proposals->hide();
    Proposals->List->clear();
    Players->Input->ClearFields();
    RefreshAll();
}

void TFDuplic::ToggleHistory()
{
    HistoryPanel->Toggle(Mhisto);
}

void TFDuplic::ShowProposals()
{
    if (Closing || GameOver || PendingConfiguration)
        return;
    RefreshProposals();
    Proposals->move(40, 40);
    Proposals->show();
    Proposals->raise();
}

void TFDuplic::ChangeLetters()
{
    if (Closing || GameOver || PendingConfiguration)
        return;
    game_->RedealDraw();
    Proposals->hide();
    Proposals->List->clear();
    Players->Input->ClearFields();
    Modified = true;
    RefreshAll();
}

void TFDuplic::Validate()
{
    if (Closing || GameOver || PendingConfiguration)
        return;
    AfterEndTurn(game_->EndTurn());
}

void TFDuplic::SubmitProposal()
{
    const scrabble_ui::ProposalFields fields = Players->Input->Fields();
    AfterProposal(game_->SubmitProposal(
                      {ToCodePage(fields.coord1), ToCodePage(fields.coord2), ToCodePage(fields.word)}),
                  true);
}

void TFDuplic::SelectPlayer(int number)
{
    if (Closing || PendingConfiguration)
        return;
    const scrabble::ProposalFields fields = game_->SelectPlayer(number > 0 ? std::to_string(number) : "");
    Players->Input->SetPlayerNumber(game_->ActivePlayer());
    ShowFields(fields);
    // The quiet check may have moved the best mark: every row again.
    RefreshTable();
    RefreshBoard();
    RefreshDraw();
    RefreshCommands();
}

void TFDuplic::ProposalEdited(const scrabble_ui::ProposalFields &fields)
{
    AfterProposal(
        game_->EditProposal({ToCodePage(fields.coord1), ToCodePage(fields.coord2), ToCodePage(fields.word)}),
        false);
}

void TFDuplic::AfterProposal(const std::optional<scrabble::ProposalCheck> &check, bool interactive)
{
    if (!check)
        return;
    // Every row: the best mark may have moved to another player.
    RefreshTable();
    RefreshBoard();
    RefreshDraw();
    if (!interactive)
        return;
    const scrabble::PlayerRow &row = game_->Player(game_->ActivePlayer()).Current;
    if (check->Valid())
        ShowFields({row.Coord1, row.Coord2, row.Word});
    const std::string message = check->Message();
    if (!message.empty())
        Dialogs().message(FromCodePage(message), QStringLiteral("Scrabble"), MessageIcon::Warning);
    Modified = true;
}

void TFDuplic::ShowFields(const scrabble::ProposalFields &fields)
{
    Players->Input->SetFields(
        {FromCodePage(fields.coord1), FromCodePage(fields.coord2), FromCodePage(fields.word)});
}

void TFDuplic::SquareClicked(int col, int row)
{
    if (col < 1 || row < 1 || !game_->ClickSquare(col, row))
        game_->ClearCursor();
    Board->setFocus();
    RefreshBoard();
}

void TFDuplic::BoardKey(int key, QChar letter)
{
    using Key = scrabble_ui::DuplicateBoardView::Key;
    std::optional<scrabble::ProposalFields> fields;
    switch (Key(key)) {
    case Key::Letter:
        fields = game_->TypeOnBoard(char(letter.toLatin1()));
        break;
    case Key::Space:
    case Key::Delete:
    case Key::Backspace:
        fields = game_->TypeOnBoard(0);
        break;
    default:
        if (const auto move = scrabble_ui::DuplicateBoardView::CursorKeyOf(Key(key)))
            game_->MoveCursor(*move);
        break;
    }
    if (fields) {
        ShowFields(*fields);
        RefreshTable();
        RefreshDraw();
    }
    RefreshBoard();
}

// --- The tick ---------------------------------------------------------------

void TFDuplic::TempoTimer()
{
    if (Closing)
        return;
    if (GameOver) {
        ShowEnd();
        return;
    }
    if (PendingConfiguration) {
        PendingConfiguration = false;
        Configure();
        return;
    }
    const scrabble::TickResult result = game_->Tick();
    if (result.searched)
        RefreshProposals();
    if (result.proposedBy > 0) {
        RefreshTable();
        RefreshBoard();
        RefreshDraw();
    }
    if (result.endTurn)
        AfterEndTurn(*result.endTurn);
    if (result.gameOver || game_->GameOver) {
        GameOver = true;
        ShowEnd();
        return;
    }
    blinkOn_ = !blinkOn_;
    Board->SetCursorShown(blinkOn_ && game_->Cursor().has_value());
    DrawPanel->SetElapsed(Now() - game_->DrawStart());
}

void TFDuplic::Configure()
{
    ShowStatus(QStringLiteral("Configuration"));
    config_->ClearScores();
    const bool ok = runConfiguration(*config_);
    if (Closing)
        return;
    if (!ok) {
        Closing = true;
        CloseLater();
        return;
    }
    game_->drawMode =
        config_->Options.ddlb_tirage_duplic == 1 ? scrabble::DrawMode::Manual : scrabble::DrawMode::Automatic;
    const int variant = std::clamp(config_->Options.ddlb_vari_duplic, 0, 3);
    game_->StartGame(PlayersFromSettings(), scrabble::DuplicateVariant(variant));
    GameOver = game_->GameOver;
    endShown_ = false;
    ScoresToSettings();
    HistoryPanel->List->clear();
    Proposals->hide();
    Proposals->List->clear();
    Players->Input->SetPlayerNumber(1);
    SelectPlayer(1);
    RefreshAll();
    ShowStatus(QString());
}

std::vector<scrabble::PlayerInfo> TFDuplic::PlayersFromSettings() const
{
    std::vector<scrabble::PlayerInfo> players;
    const int count = std::clamp(config_->PlayerCount, 1, scrabble::DuplicateGame::kMaxPlayers);
    for (int n = 1; n <= count; ++n) {
        const Tjoueur &settings = config_->Players[std::size_t(n)];
        players.push_back({ToCodePage(settings.Name), settings.Level, settings.Score, {}});
    }
    return players;
}

void TFDuplic::ScoresToSettings()
{
    for (int n = 1; n <= game_->PlayerCount(); ++n)
        config_->Players[std::size_t(n)].Score = game_->Player(n).Info.Score;
}

void TFDuplic::AfterEndTurn(const scrabble::EndTurnResult &result)
{
    using Outcome = scrabble::EndTurnResult::Outcome;
    switch (result.outcome) {
    case Outcome::NotYetPlayed:
        Dialogs().message(FromCodePage(result.Message(game_->PlayerName(result.player))),
                          QStringLiteral("Scrabble"), MessageIcon::Information);
        return;
    case Outcome::PassDeclined:
    case Outcome::Ignored:
        return;
    case Outcome::Played:
    case Outcome::NoMoveKept:
        break;
    }
    ScoresToSettings();
    Modified = true;
    Proposals->hide();
    Proposals->List->clear();
    Players->Input->ClearFields();
    RefreshAll();
    if (result.gameOver || game_->GameOver) {
        GameOver = true;
        ShowEnd();
    }
}

QString TFDuplic::VictoryText() const
{
    const int winner = game_->Winner();
    if (winner < 1)
        return QString();
    return scrabble_ui::VictoryText(FromCodePage(game_->PlayerName(winner)),
                                    game_->Player(winner).Info.Score);
}

void TFDuplic::ShowEnd()
{
    if (endShown_)
        return;
    endShown_ = true;
    RefreshAll();
    const QString victory = VictoryText();
    ShowStatus(victory);
    if (!victory.isEmpty())
        Dialogs().message(victory, Title);
    ShowStatus(victory);
}

void TFDuplic::FormClose()
{
    TFLudorine::FormClose();
    config_->hide();
}
