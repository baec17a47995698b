// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFDuplic: the window of a Duplicate Scrabble game. Every player plays the
// same draw on the same board; the best proposal goes on the board and each
// player scores his own. The rules are the engine's (scrabble::DuplicateGame):
// the tick (the caret blink period) runs the configuration, the search and
// the computer proposals; the window draws the board, the draw, the bag, the
// player table and the history, turns the player's typing and clicks into
// engine calls and the engine's codes into French messages.
#include <functional>
#include <memory>
#include <QStringList>

#include "framework/game_window.h"
#include "scrabble/engine/duplicate_game.h"
#include "scrabble/windows/game_hooks.h"

class QAction;
class QLabel;
class QMenu;
class TDictionnaire;
class TFconfig;

namespace scrabble_ui {
class DuplicateBagPanel;
class DuplicateBoardView;
class DuplicateDrawPanel;
class DuplicatePlayersPanel;
class ListPanel;
struct ProposalFields;
} // namespace scrabble_ui

class TFDuplic : public TFLudorine, public scrabble_ui::GameHooks {
    Q_OBJECT
public:
    // dictionaryFile: the dictionary the window opens read only; empty for
    // the main window's.
    explicit TFDuplic(QWidget *parent = nullptr, const QString &dictionaryFile = QString());
    ~TFDuplic() override;

    static constexpr GameKindCode kGameKind = GameKindCode::Duplicate;
    // The caret blink period of the desktop: the pace of the window's tick.
    static int TickPeriod();

    // The settings dialog must be shown at the next tick.
    bool PendingConfiguration = true;

    scrabble::DuplicateGame &Game() { return *game_; }
    const scrabble::DuplicateGame &Game() const { return *game_; }
    TFconfig &Config() const { return *config_; }

    // --- Panels.
    QLabel *BoardStatus = nullptr; // the status line of "Plateau"
    scrabble_ui::DuplicateBoardView *Board = nullptr;
    scrabble_ui::DuplicateDrawPanel *DrawPanel = nullptr;  // "Tirage"
    scrabble_ui::DuplicatePlayersPanel *Players = nullptr; // "Joueurs"
    scrabble_ui::DuplicateBagPanel *BagPanel = nullptr;    // "Masse"
    scrabble_ui::ListPanel *HistoryPanel = nullptr;        // "Historique"
    scrabble_ui::ListPanel *Proposals = nullptr;           // "Coups possibles"
    QMenu *Menu = nullptr;
    QAction *MnouvellePartie = nullptr;
    QAction *Mhisto = nullptr;
    QAction *mprop = nullptr;
    QAction *Mchanger = nullptr;

    // --- Commands.
    void NouvellePartie(); // Ctrl+N
    void ToggleHistory();  // Ctrl+H
    void ShowProposals();  // "Proposer un coup"
    void ChangeLetters();  // "Changer les lettres..."
    void Validate();       // "Valider": the end of the turn
    void SubmitProposal(); // "Ok"
    void SelectPlayer(int number);

    // One tick of the timer.
    void TempoTimer();
    // "Partie terminée. Victoire de « name » avec n points."
    QString VictoryText() const;

    // --- The seven operations of a game window.
    bool LoadGame(savefile::TypedReader &reader, const QString &fileName) override;
    void SaveGame(savefile::TypedWriter &writer) override;
    void ExportText(QTextStream &out) override;
    void ExportPicture(QIODevice &out, int kind) override;
    void ShowHelp() override;
    void PrintPage(int target, PageCanvas &canvas) override;
    QMenu *GameMenu() override { return Menu; }
    void FormClose() override;
    QSize sizeHint() const override { return QSize(1100, 700); }

protected:
    void Tick() override { TempoTimer(); }

private:
    void BuildMenu();
    void BuildPanels();
    void Configure();
    void AfterEndTurn(const scrabble::EndTurnResult &result);
    void ShowEnd();
    void ScoresToSettings();
    std::vector<scrabble::PlayerInfo> PlayersFromSettings() const;
    void ConnectHooks();
    // Board, draw, bag, table, history and commands from the game.
    void RefreshAll();
    void RefreshBoard();
    void RefreshDraw();
    void RefreshBag();
    void RefreshTable();
    void RefreshHistory();
    void RefreshProposals();
    void RefreshCommands();
    void ShowFields(const scrabble::ProposalFields &fields);
    void ProposalEdited(const scrabble_ui::ProposalFields &fields);
    void SquareClicked(int col, int row);
    void BoardKey(int key, QChar letter);
    void AfterProposal(const std::optional<scrabble::ProposalCheck> &check, bool interactive);
    qint64 Now() const { return clock(); }

    std::unique_ptr<TDictionnaire> dictionary_;
    std::unique_ptr<scrabble::DuplicateGame> game_;
    TFconfig *config_ = nullptr;
    bool blinkOn_ = false;
    bool endShown_ = false;
};
