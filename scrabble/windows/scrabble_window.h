// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFScrabble: the window of a classic Scrabble game for one to four players,
// each human or computer. A 50 ms tick animates the tiles and steps the turn
// state machine (phases below); the human player drags tiles with the mouse
// or types the move in the input panel. Every rule is the engine's
// (scrabble::BoardGame): the window turns events into engine calls and the
// results into drawing, status texts and French messages.
//
// Phases: -1 new game (0: reset, 1: first turn), 0 between turns (0: next
// player or end, 1: deal, 2: end-of-game adjustments), 1 a turn (0: who
// plays, 1: waiting for the human, 2: validation), 11 a computer's turn (0:
// search, 1: play), -2 game over.
#include <functional>
#include <memory>
#include <QElapsedTimer>
#include <QImage>
#include <QStringList>
#include <string>
#include <vector>

#include "framework/game_window.h"
#include "scrabble/engine/board_game.h"
#include "scrabble/engine/move_search.h"
#include "scrabble/windows/game_hooks.h"

class QAction;
class QMenu;
class TDictionnaire;
class TFconfig;

namespace scrabble_ui {
class InputPanel;
class ListPanel;
class ScrabbleSurface;
} // namespace scrabble_ui

class TFScrabble : public TFLudorine, public scrabble_ui::GameHooks {
    Q_OBJECT
public:
    // dictionaryFile: the dictionary the window opens read only; empty for
    // the main window's.
    explicit TFScrabble(QWidget *parent = nullptr, const QString &dictionaryFile = QString());
    ~TFScrabble() override;

    static constexpr int kTickMs = 50;
    // Size of the game surface's drawing (board, player panels, bag).
    static constexpr int kSurfaceWidth = 750;
    static constexpr int kSurfaceHeight = 512;
    // Room on the right of the surface for the proposals and history panels.
    static constexpr int kSidePanelsWidth = 262;

    struct PendingCommand {
        char letter = ' '; // 'C' configure, 'D' deal, ' ' nothing
        int progress = 0;  // 0 to do, 1..998 under way, 999 done
    };

    // --- State (the players' names, levels, scores and times are the
    // settings'; the engine keeps copies for its texts and records).
    int Phase = -1;
    int Step = 0;
    qint64 PhaseStart = 0;
    std::vector<PendingCommand> PendingCommands; // the top is the back
    std::string Reserved;
    scrabble::TJeton *DraggedTile = nullptr;
    bool Dragging = false;
    std::vector<scrabble::Tcoup> Candidates;

    scrabble::BoardGame &Game() { return game_; }
    const scrabble::BoardGame &Game() const { return game_; }
    TFconfig &Config() const { return *config_; }
    const TDictionnaire &Dictionary() const { return *dictionary_; }

    // --- Controls.
    scrabble_ui::ScrabbleSurface *Surface = nullptr;
    scrabble_ui::InputPanel *Pnl_ctrl = nullptr;
    scrabble_ui::ListPanel *Proposals = nullptr;    // "Coups possibles"
    scrabble_ui::ListPanel *HistoryPanel = nullptr; // "Historique"
    QMenu *Menu = nullptr;
    QAction *MnouvellePartie = nullptr;
    QAction *Mhisto = nullptr;
    QAction *mprop = nullptr;
    QAction *Arrangerleslettres = nullptr;

    // --- Commands.
    void NouvellePartie();        // Ctrl+N
    void ToggleHistory();         // Ctrl+H
    void ProposeMoves();          // F2
    void ShuffleLetters();        // F8
    void BTvaliderClick();        // "Ok"
    void ProposalChosen(int row); // double-click in "Coups possibles"

    // One tick of the 50 ms timer.
    void TempoTimer();
    void UpdateControls();
    void Redraw(bool full = true);
    bool IsGameOver() const { return game_.IsGameOver(); }
    // The game has ended and its end has been shown.
    bool Finished() const;
    // "Partie terminée. Victoire de « name » avec n points." for the best score.
    QString VictoryText() const;
    // "Scores finaux :" then one line per player, best first, with the
    // end-of-game adjustments counted.
    QStringList FinalScoreLines() const;
    bool CurrentIsHuman() const;

    // The composed game surface (what the window shows).
    QImage SurfacePicture() const;
    const QImage &BoardImage() const { return boardPicture_; }

    // --- Mouse and keys on the game surface (coordinates of the surface).
    void SurfaceMouseDown(const QPoint &at, Qt::MouseButton button);
    void SurfaceMouseMove(const QPoint &at, Qt::MouseButtons buttons);
    void SurfaceMouseUp(const QPoint &at, Qt::MouseButton button);
    // Keys for the selected joker; false when no joker takes them.
    bool SurfaceKey(QKeyEvent *event);
    // The status text for the point under the mouse.
    QString DescriptionAt(const QPoint &at) const;
    bool SelectedJokerBlinkOn() const { return blinkOn_; }

    // --- The seven operations of a game window.
    bool LoadGame(savefile::TypedReader &reader, const QString &fileName) override;
    void SaveGame(savefile::TypedWriter &writer) override;
    void ExportText(QTextStream &out) override;
    void ExportPicture(QIODevice &out, int kind) override;
    void ShowHelp() override;
    void PrintPage(int target, PageCanvas &canvas) override;
    QMenu *GameMenu() override { return Menu; }
    // The game surface with the proposals and history panels beside it: the
    // size the main window opens the window at.
    QSize sizeHint() const override { return QSize(kSurfaceWidth + kSidePanelsWidth, kSurfaceHeight); }
    void FormClose() override;

protected:
    void Tick() override { TempoTimer(); }
    void resizeEvent(QResizeEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void BuildMenu();
    void GoToPhase(int phase);
    bool RunPendingCommand();
    void StepStateMachine();
    void Configure(PendingCommand &command);
    void Deal(PendingCommand &command);
    void StartNewGame();
    void ValidateHumanMove();
    void ComputerSearch();
    void ComputerPlay();
    void EndOfGame();
    // After the engine recorded moves: history lines, status, scores, redraw.
    void MovesRecorded();
    void AddTimeToCurrent();
    // Settings -> engine: players, current player, draw mode.
    void TakePlayersFromSettings();
    void ScoresToSettings();
    void RebuildHistoryList();
    void ReadPlacedTiles();
    void Deselect();
    void DropTile(scrabble::TJeton *tile, int x, int y);
    qint64 Now() const { return clock(); }
    bool AnimateTiles();
    void Blink();
    scrabble::DrawPrompt DrawPromptHook();
    scrabble::Confirm ConfirmHook();

    scrabble::BoardGame game_;
    std::unique_ptr<TDictionnaire> dictionary_;
    std::unique_ptr<scrabble::MoveSearch> search_;
    TFconfig *config_ = nullptr;
    QImage boardPicture_;
    int historyShown_ = 0; // moves already in the history list
    bool blinkOn_ = false;
    qint64 blinkTick_ = 0;
};
