// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFBoardGame: the window layer every board game played in turn shares
// (classic Scrabble, Wordy...): one to four players, human or computer. A
// 50 ms tick animates the tiles and steps the turn driver; the human player
// drags tiles with the mouse or types the move in the input panel. Every
// rule is the engine's (scrabble::BoardGame with the game's GameRules);
// every pixel position is the game's geometry's. A game window gives its
// look (caption, menu, help topic, input filter), its board picture, its
// tile face, its text export and its printed page.
#include <functional>
#include <memory>
#include <QImage>
#include <QStringList>
#include <string>
#include <vector>

#include "framework/game_kind.h"
#include "framework/game_window.h"
#include "framework/printed_game_page.h"
#include "scrabble/engine/board_game.h"
#include "scrabble/engine/move_search.h"
#include "scrabble/engine/turn_driver.h"
#include "scrabble/geometry/board_game_geometry.h"
#include "scrabble/windows/board_painter.h"
#include "scrabble/windows/game_hooks.h"

class QAction;
class QMenu;
class QPainter;
class TDictionnaire;
class TFconfig;

namespace scrabble_ui {
class InputPanel;
class ListPanel;
class BoardGameSurface;

// What a game window tells the layer about itself.
// The typing filters' rule: a text of other than one character (a key with
// no text) passes, and so do Backspace, the letters A to `last` in either
// case and, when asked, the digits.
bool KeyAccepted(const QString &text, QChar last, bool digits);

struct BoardGameLook {
    // The kind: its row of the game kinds table gives the title (caption and
    // title of the messages) and the help topic.
    GameKindCode kind = GameKindCode::None;
    QString menuTitle;  // "&Scrabble"
    QString coord1Hint; // tooltips of the coordinate fields
    QString coord2Hint;
    // The characters the coordinate fields take (keys without one always pass).
    bool (*coordinateKey)(const QString &text) = nullptr;
    // The characters the word field takes; every one when null.
    bool (*wordKey)(const QString &text) = nullptr;
    // The deal writes "Distribution des lettres..." then whose turn it is.
    bool dealStatus = true;
    // "Mélanger les lettres" stays enabled whoever plays.
    bool shuffleAlwaysEnabled = false;
    QString shuffleCaption = QStringLiteral("&Mélanger les lettres");
    // The shuffle first takes the tiles laid this turn back to the rack.
    bool shuffleReturnsLaidTiles = false;
    QString proposalsTitle = QStringLiteral("Coups possibles");
    // A double-click on a proposal copies it into the input fields.
    bool proposalsFillInput = true;
    // The input panel has its typing fields; without them only "Ok" shows.
    bool typingFields = true;
    // The players' times are counted.
    bool clock = true;
    // Only the current player's rack tiles are drawn (the racks share one place).
    bool onlyCurrentRack = false;
};
} // namespace scrabble_ui

class TFBoardGame : public TFLudorine, public scrabble_ui::GameHooks, public scrabble::TurnHost {
    Q_OBJECT
public:
    static constexpr int kTickMs = 50;
    // Room on the right of the surface for the proposals and history panels.
    static constexpr int kSidePanelsWidth = 262;

    ~TFBoardGame() override;

    // --- State (the players' names, levels, scores and times are the
    // settings'; the engine keeps copies for its texts and records).
    scrabble::TurnDriver Driver;
    std::string Reserved;
    scrabble::TJeton *DraggedTile = nullptr;
    bool Dragging = false;
    std::vector<scrabble::Tcoup> Candidates;

    scrabble::BoardGame &Game() { return *game_; }
    const scrabble::BoardGame &Game() const { return *game_; }
    TFconfig &Config() const { return *config_; }
    const TDictionnaire &Dictionary() const { return *dictionary_; }
    const scrabble_ui::BoardGameGeometry &Geometry() const { return *geometry_; }
    // A tile's rectangle on the surface.
    static QRect TileBounds(const scrabble::TJeton &tile);
    const scrabble_ui::BoardGameLook &Look() const { return look_; }

    // --- Controls.
    scrabble_ui::BoardGameSurface *Surface = nullptr;
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
    // The game has ended and its end has been shown.
    bool Finished() const;
    // "Partie terminée. Victoire de « name » avec n points." for the best score.
    QString VictoryText() const;
    // "Scores finaux :" then one line per player, best first, with the
    // end-of-game adjustments counted.
    QStringList FinalScoreLines() const;

    // The composed game surface (what the window shows) and the board
    // picture in it.
    QImage SurfacePicture() const;
    QImage BoardArea() const;
    const QImage &BoardImage() const;

    // --- Drawing that each game gives.
    virtual QImage MakeBoardPicture() const = 0;
    virtual void DrawTileFace(QPainter &painter, const QRect &rect, const scrabble::TJeton &tile,
                              const scrabble_ui::TileLook &look) const = 0;
    // What lies between the background and the tiles: the player panels
    // and the bag area (the default), or a game's own panels.
    virtual void DrawPanels(QPainter &painter) const;
    // The status text over a place that is not a square, the bag or a rack
    // tile; empty for none.
    virtual QString OtherDescriptionAt(const QPoint &) const { return QString(); }

    // --- Mouse and keys on the game surface (coordinates of the surface).
    void SurfaceMouseDown(const QPoint &at, Qt::MouseButton button);
    void SurfaceMouseMove(const QPoint &at, Qt::MouseButtons buttons);
    void SurfaceMouseUp(const QPoint &at, Qt::MouseButton button);
    // Keys for the selected joker; false when no joker takes them.
    bool SurfaceKey(QKeyEvent *event);
    // The status text for the point under the mouse.
    QString DescriptionAt(const QPoint &at) const;
    bool SelectedJokerBlinkOn() const { return blinkOn_; }

    // --- The operations of a game window shared by the board games.
    bool LoadGame(savefile::TypedReader &reader, const QString &fileName) override;
    void SaveGame(savefile::TypedWriter &writer) override;
    void ExportPicture(QIODevice &out, int kind) override;
    void ShowHelp() override;
    QMenu *GameMenu() override { return Menu; }
    // The game surface with the proposals and history panels beside it: the
    // size the main window opens the window at.
    QSize sizeHint() const override;
    void FormClose() override;

    // --- The turn driver's questions.
    std::int64_t Now() const override { return clock(); }
    void NewGame() override;
    bool Configure() override;
    void Deal() override;
    bool IsGameOver() override { return game_->IsGameOver(); }
    void GameOverFound() override { GameOver = true; }
    void NextPlayer() override;
    void TurnChanged() override { UpdateControls(); }
    void TurnStarting() override;
    bool CurrentIsHuman() override;
    void HumanThinking() override { AddTimeToCurrent(); }
    bool ValidateHumanMove() override;
    void SearchComputerMove() override;
    bool PlayComputerMove() override;
    void EndOfGame() override;

protected:
    // dictionaryFile: the dictionary the window opens read only; empty for
    // the main window's. The game window calls Start() at the end of its
    // constructor, its drawing being then ready.
    TFBoardGame(QWidget *parent, const scrabble_ui::BoardGameLook &look,
                std::unique_ptr<scrabble::BoardGame> game,
                std::unique_ptr<scrabble_ui::BoardGameGeometry> geometry, const QString &dictionaryFile);
    void Start();
    scrabble_ui::BoardGameGeometry &MutableGeometry() { return *geometry_; }
    // The players' configuration was confirmed (the players are in the game).
    virtual void Configured() {}
    // The geometry followed a new surface size: every tile is placed again.
    virtual void LaidOut();

    // The game and the geometry as the game window's own classes.
    template <typename G> G &GameAs() { return static_cast<G &>(*game_); }
    template <typename G> const G &GameAs() const { return static_cast<const G &>(*game_); }
    template <typename T> const T &GeometryAs() const { return static_cast<const T &>(*geometry_); }
    // The printed page most board games share, the window paused meanwhile:
    // the base page, then the board picture, the players and the moves.
    void PrintBoardPage(int target, PageCanvas &canvas, const QImage &board, const PrintedLinesFont &font);

    // Lines every board game's report shares: the players with their scores
    // ("- 1 name : 12pts.") and the moves ("3 - name : move text").
    QStringList PlayerLines() const;
    QStringList MoveLines() const;

    void Tick() override { TempoTimer(); }
    void resizeEvent(QResizeEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void BuildMenu();
    // After the engine recorded moves: history lines, status, scores, redraw.
    void MovesRecorded();
    void AddTimeToCurrent();
    // Settings -> engine: players, current player, draw mode.
    void TakePlayersFromSettings();
    void ScoresToSettings();
    void RebuildHistoryList();
    void ReadPlacedTiles();
    void Deselect();
    void DropTile(scrabble::TJeton *tile, const QPoint &at);
    bool AnimateTiles();
    void Blink();
    scrabble::DrawPrompt DrawPromptHook();
    scrabble::Confirm ConfirmHook();

    scrabble_ui::BoardGameLook look_;
    std::unique_ptr<scrabble_ui::BoardGameGeometry> geometry_;
    std::unique_ptr<scrabble::BoardGame> game_;
    std::unique_ptr<TDictionnaire> dictionary_;
    std::unique_ptr<scrabble::MoveSearch> search_;
    TFconfig *config_ = nullptr;
    mutable QImage boardPicture_;
    int historyShown_ = 0; // moves already in the history list
    bool blinkOn_ = false;
    qint64 blinkTick_ = 0;
};
