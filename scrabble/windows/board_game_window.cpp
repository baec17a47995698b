// SPDX-License-Identifier: GPL-3.0-or-later
// TFBoardGame: creation, menu, commands, the players' settings and the
// history list.
#include "scrabble/windows/board_game_window.h"

#include <algorithm>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QResizeEvent>

#include "dictionary/dictionnaire.h"
#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "framework/dialog_service.h"
#include "framework/game_dictionary.h"
#include "scrabble/engine/final_ranking.h"
#include "scrabble/engine/proposals.h"
#include "scrabble/windows/board_game_surface.h"
#include "scrabble/windows/scrabble_menu.h"
#include "scrabble/windows/scrabble_panels.h"

TFBoardGame::TFBoardGame(QWidget *parent, const scrabble_ui::BoardGameLook &look,
                         std::unique_ptr<scrabble::BoardGame> game,
                         std::unique_ptr<scrabble_ui::BoardGameGeometry> geometry,
                         const QString &dictionaryFile)
    : TFLudorine(parent), look_(look), geometry_(std::move(geometry)), game_(std::move(game))
{
    GameKind = look.kind;
    Title = FindGameKindRow(look.kind)->Title;
    setWindowTitle(Title);
    config_ = new TFconfig(this);
    config_->SetupForGame(look.kind, this);
    game_->random.Reseed(seedSource());
    game_->SetPlaces(geometry_.get());

    dictionary_ = OpenGameDictionary(dictionaryFile);
    search_ = std::make_unique<scrabble::MoveSearch>(*dictionary_, game_->Rules());

    Surface = new scrabble_ui::BoardGameSurface(this);
    Pnl_ctrl = new scrabble_ui::InputPanel(Surface);
    if (look.coordinateKey != nullptr)
        Pnl_ctrl->coordinateKey = look.coordinateKey;
    Pnl_ctrl->wordKey = look.wordKey;
    Pnl_ctrl->SetTypingFields(look.typingFields);
    Pnl_ctrl->Coord1->setToolTip(look.coord1Hint);
    Pnl_ctrl->Coord2->setToolTip(look.coord2Hint);
    const scrabble_ui::PixelPoint panelSize = geometry_->InputPanelSize();
    Pnl_ctrl->resize(panelSize.x, panelSize.y);
    Pnl_ctrl->hide();
    connect(Pnl_ctrl, &scrabble_ui::InputPanel::validate, this, &TFBoardGame::BTvaliderClick);
    Proposals = new scrabble_ui::ListPanel(look.proposalsTitle, this);
    Proposals->setObjectName(QStringLiteral("Coups_possibles"));
    Proposals->hide();
    connect(Proposals->List, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { ProposalChosen(Proposals->List->row(item)); });
    HistoryPanel = new scrabble_ui::ListPanel(QStringLiteral("Historique"), this);
    HistoryPanel->setObjectName(QStringLiteral("Historique"));
    HistoryPanel->hide();
    BuildMenu();
    TakePlayersFromSettings();
}

bool scrabble_ui::KeyAccepted(const QString &text, QChar last, bool digits)
{
    if (text.size() != 1)
        return true;
    const QChar c = text.at(0);
    const QChar upper = c.toUpper();
    return c == QChar(8) || (digits && c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (upper >= QLatin1Char('A') && upper <= last && c.unicode() < 128);
}

TFBoardGame::~TFBoardGame() = default;

void TFBoardGame::Start()
{
    const scrabble_ui::PixelPoint surface = geometry_->SurfaceSize();
    setMinimumSize(surface.x, surface.y);
    resize(sizeHint());
    Driver.Restart(Now());
    StartTicks(kTickMs);
}

QSize TFBoardGame::sizeHint() const
{
    const scrabble_ui::PixelPoint surface = geometry_->SurfaceSize();
    return QSize(surface.x + kSidePanelsWidth, surface.y);
}

void TFBoardGame::BuildMenu()
{
    const scrabble_ui::ScrabbleMenu common = scrabble_ui::BuildScrabbleMenu(
        this, HistoryPanel, look_.menuTitle, [this] { NouvellePartie(); }, [this] { ToggleHistory(); });
    Menu = common.menu;
    MnouvellePartie = common.newGame;
    Mhisto = common.history;
    mprop = scrabble_ui::AddMenuCommand(
        this, Menu, "mprop", QStringLiteral("&Proposer un coup"), QKeySequence(Qt::Key_F2),
        QStringLiteral("Lister les coups possibles avec vos lettres"), [this] { ProposeMoves(); });
    Arrangerleslettres = scrabble_ui::AddMenuCommand(
        this, Menu, "Arrangerleslettres", look_.shuffleCaption, QKeySequence(Qt::Key_F8),
        QStringLiteral("Mélanger les lettres de votre chevalet"), [this] { ShuffleLetters(); });
}

QRect TFBoardGame::TileBounds(const scrabble::TJeton &tile)
{
    return QRect(tile.Bounds.Left, tile.Bounds.Top, tile.Bounds.Right - tile.Bounds.Left,
                 tile.Bounds.Bottom - tile.Bounds.Top);
}

void TFBoardGame::LaidOut()
{
    boardPicture_ = QImage();
    // The search follows the game's rules (a board whose size was chosen).
    search_ = std::make_unique<scrabble::MoveSearch>(*dictionary_, game_->Rules());
    for (const auto &tile : game_->Tiles()) {
        game_->Aim(tile.get());
        tile->Bounds = tile->Target;
        tile->Moving = false;
    }
    const scrabble_ui::PixelPoint panelSize = geometry_->InputPanelSize();
    Pnl_ctrl->resize(panelSize.x, panelSize.y);
    UpdateControls();
}

void TFBoardGame::resizeEvent(QResizeEvent *event)
{
    TFLudorine::resizeEvent(event);
    if (!Closing && geometry_->Resize(width(), height()))
        LaidOut();
    Surface->setGeometry(rect());
    const int x = geometry_->SurfaceSize().x + 4;
    const int width = std::max(200, this->width() - x - 6);
    const int half = std::max(120, (height() - 20) / 2);
    Proposals->setGeometry(x, 8, width, half);
    HistoryPanel->setGeometry(x, 14 + half, width, std::max(120, height() - 22 - half));
}

bool TFBoardGame::focusNextPrevChild(bool next)
{
    // Tab gives up a selected joker rather than moving the focus.
    if (DraggedTile != nullptr && DraggedTile->IsJoker && DraggedTile->Selected)
        return true;
    return TFLudorine::focusNextPrevChild(next);
}

bool TFBoardGame::CurrentIsHuman()
{
    const int current = game_->CurrentPlayer;
    return current >= 1 && current <= config_->PlayerCount &&
           config_->Players[std::size_t(current)].Level == 0;
}

const QImage &TFBoardGame::BoardImage() const
{
    if (boardPicture_.isNull())
        boardPicture_ = MakeBoardPicture();
    return boardPicture_;
}

void TFBoardGame::DrawPanels(QPainter &painter) const
{
    Surface->DrawPlayerPanels(painter);
}

QImage TFBoardGame::SurfacePicture() const
{
    return Surface->Picture();
}

QImage TFBoardGame::BoardArea() const
{
    const scrabble::TileRect area = geometry_->BoardPicture();
    return SurfacePicture().copy(area.Left, area.Top, area.Right - area.Left, area.Bottom - area.Top);
}

void TFBoardGame::Redraw(bool full)
{
    if (full) {
        Surface->update();
    } else {
        const scrabble::TileRect panel = geometry_->Panel(game_->CurrentPlayer).frame;
        Surface->update(QRect(panel.Left, panel.Top, panel.Right - panel.Left, panel.Bottom - panel.Top));
    }
}

// --- Commands -------------------------------------------------------------

void TFBoardGame::NouvellePartie()
{
    // The new game is not the file's game: it has no name until saved.
    if (ReplaceByUnnamedGame())
        Driver.Restart(Now());
}

void TFBoardGame::ToggleHistory()
{
    HistoryPanel->Toggle(Mhisto);
}

void TFBoardGame::ProposeMoves()
{
    if (Closing || GameOver || !CurrentIsHuman() || Driver.Phase != 1)
        return;
    Proposals->hide();
    Proposals->List->clear();
    bool laid = false;
    for (const auto &tile : game_->Tiles())
        laid = laid || tile->IsPending();
    SetBusy(1);
    Candidates = game_->GenerateMoves(*search_, game_->CurrentPlayer);
    SetBusy(0);
    for (const std::string &line : scrabble::ProposalLines(Candidates))
        Proposals->List->addItem(FromCodePage(line));
    if (laid)
        ReadPlacedTiles();
    Proposals->show();
    Proposals->raise();
    Redraw();
}

void TFBoardGame::ProposalChosen(int row)
{
    if (!look_.proposalsFillInput || row < 0 || row >= Proposals->List->count() || !Pnl_ctrl->isVisible())
        return;
    const auto fields = scrabble::FieldsFromProposal(ToCodePage(Proposals->List->item(row)->text()));
    if (!fields)
        return;
    Pnl_ctrl->Activate();
    Pnl_ctrl->Coord1->setText(FromCodePage(fields->coord1));
    Pnl_ctrl->Coord2->setText(FromCodePage(fields->coord2));
    Pnl_ctrl->Mot->setText(FromCodePage(fields->word));
}

void TFBoardGame::ShuffleLetters()
{
    if (Closing || GameOver || !CurrentIsHuman())
        return;
    if (look_.shuffleReturnsLaidTiles)
        game_->ReturnPendingTiles();
    game_->ShuffleRack(game_->CurrentPlayer);
    Redraw();
}

void TFBoardGame::BTvaliderClick()
{
    if (Driver.RequestValidation())
        Proposals->hide();
}

void TFBoardGame::UpdateControls()
{
    const bool human = CurrentIsHuman() && !GameOver;
    mprop->setEnabled(human);
    Arrangerleslettres->setEnabled(human || look_.shuffleAlwaysEnabled);
    if (!human) {
        Pnl_ctrl->hide();
        return;
    }
    const scrabble_ui::PixelPoint at = geometry_->InputPanelAt(game_->CurrentPlayer);
    Pnl_ctrl->move(at.x, at.y);
    Pnl_ctrl->Clear();
    Pnl_ctrl->show();
    Pnl_ctrl->raise();
    if (Pnl_ctrl->FieldsEnabled())
        Pnl_ctrl->Coord1->setFocus();
}

void TFBoardGame::FormClose()
{
    TFLudorine::FormClose();
    config_->hide();
}

// --- Players: settings and engine ----------------------------------------

void TFBoardGame::TakePlayersFromSettings()
{
    const int count = std::clamp(config_->PlayerCount, 1, 4);
    game_->Players.resize(std::size_t(count));
    for (int n = 1; n <= count; ++n) {
        scrabble::PlayerInfo &player = game_->Players[std::size_t(n - 1)];
        const Tjoueur &settings = config_->Players[std::size_t(n)];
        player.Name = ToCodePage(settings.Name);
        player.Level = settings.Level;
        player.Score = settings.Score;
    }
    game_->CurrentPlayer = std::clamp(config_->CurrentPlayer, 1, count);
    const GameKindRow *kind = FindGameKindRow(look_.kind);
    const int draw = kind != nullptr && kind->Options == GameOptionSet::TopWord
                         ? config_->Options.ddlb_tirage_topword
                         : config_->Options.ddlb_tirage;
    game_->drawMode = draw == 1 ? scrabble::DrawMode::Manual : scrabble::DrawMode::Automatic;
}

void TFBoardGame::ScoresToSettings()
{
    for (int n = 1; n <= game_->PlayerCount(); ++n)
        config_->Players[std::size_t(n)].Score = game_->Player(n).Score;
}

void TFBoardGame::AddTimeToCurrent()
{
    const qint64 now = Now();
    if (!look_.clock) {
        Driver.PhaseStart = now;
        return;
    }
    const int current = game_->CurrentPlayer;
    if (current >= 1 && current <= 4) {
        std::int32_t &time = config_->Players[std::size_t(current)].TimeMs;
        time = std::int32_t(std::min<qint64>(INT32_MAX, time + std::max<qint64>(0, now - Driver.PhaseStart)));
    }
    Driver.PhaseStart = now;
}

void TFBoardGame::RebuildHistoryList()
{
    HistoryPanel->List->clear();
    for (const auto &move : game_->History())
        HistoryPanel->List->addItem(FromCodePage(game_->HistoryLine(*move)));
    historyShown_ = game_->MoveCount();
    if (Finished())
        HistoryPanel->List->addItems(FinalScoreLines());
}

void TFBoardGame::MovesRecorded()
{
    const auto &history = game_->History();
    for (; historyShown_ < int(history.size()); ++historyShown_)
        HistoryPanel->List->addItem(FromCodePage(game_->HistoryLine(*history[std::size_t(historyShown_)])));
    HistoryPanel->List->scrollToBottom();
    if (!history.empty())
        ShowStatus(FromCodePage(game_->StatusText(*history.back())));
    ScoresToSettings();
    Modified = true;
    Redraw();
}

bool TFBoardGame::Finished() const
{
    return GameOver && Driver.Phase == -2;
}

QString TFBoardGame::VictoryText() const
{
    const std::vector<int> ranking = scrabble::FinalRanking(game_->Players);
    if (ranking.empty())
        return QString();
    const int winner = ranking.front();
    return scrabble_ui::VictoryText(FromCodePage(game_->PlayerName(winner)), game_->Player(winner).Score);
}

QStringList TFBoardGame::FinalScoreLines() const
{
    QStringList lines{QStringLiteral("Scores finaux :")};
    int rank = 0;
    for (int player : scrabble::FinalRanking(game_->Players))
        lines << QStringLiteral("%1. %2 : %3 points")
                     .arg(++rank)
                     .arg(FromCodePage(game_->PlayerName(player)))
                     .arg(game_->Player(player).Score);
    return lines;
}

void TFBoardGame::PrintBoardPage(int target, PageCanvas &canvas, const QImage &board,
                                 const PrintedLinesFont &font)
{
    const bool wasPaused = Paused;
    Paused = true;
    TFLudorine::PrintPage(target, canvas);
    PrintPicturePlayersAndLines(target, canvas, board, PlayerLines(), MoveLines(), font);
    Paused = wasPaused;
}

QStringList TFBoardGame::PlayerLines() const
{
    QStringList players;
    for (int n = 1; n <= game_->PlayerCount(); ++n) {
        const Tjoueur &player = config_->Players[std::size_t(n)];
        players << QStringLiteral("- %1 %2 : %3pts.").arg(n).arg(player.Name).arg(player.Score).trimmed();
    }
    return players;
}

QStringList TFBoardGame::MoveLines() const
{
    QStringList moves;
    for (const auto &move : game_->History())
        moves << QStringLiteral("%1 - %2 : %3")
                     .arg(move->MoveNumber)
                     .arg(FromCodePage(game_->PlayerName(move->Player)))
                     .arg(FromCodePage(move->Text()));
    return moves;
}
