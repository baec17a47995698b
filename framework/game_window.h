// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFLudorine: the common base of the game windows. It holds the window's
// saved-file identity, its game kind and the flags that ticks and computer
// players watch, and the seven operations through which the main window
// saves, loads, exports, prints and asks for help without knowing the game.
#include "framework/game_kind.h"

#include <QString>
#include <QWidget>

class QIODevice;
class QMenu;
class QTextStream;
class PageCanvas;
class TickDriver;
namespace savefile {
class TypedReader;
class TypedWriter;
} // namespace savefile

class TFLudorine : public QWidget {
    Q_OBJECT
public:
    explicit TFLudorine(QWidget *parent = nullptr);
    ~TFLudorine() override;

    // --- The window's state, read and written by the main window and games.
    QString FileName; // "Sans nom" until the game is saved or loaded
    // The game's kind; each game's window sets its own.
    GameKindCode GameKind = GameKindCode::None;
    QString Title; // game title, also the window caption
    bool Modified = false;
    bool Closing = false;
    bool GameOver = false;
    bool Paused = false;

    // --- The seven operations games override.
    // LoadGame reads the window's part of a saved game (the base: the
    // GameOver and Paused flags) and takes the file as the window's own;
    // false, or a savefile::ReadError, when the payload is bad. The saved
    // Paused is read but not taken: the window keeps the value it had, so a
    // file saved paused opens playable. SaveGame writes the same values
    // (Paused as GamePaused()). Overrides call the base first.
    virtual bool LoadGame(savefile::TypedReader &reader, const QString &fileName);
    virtual void SaveGame(savefile::TypedWriter &writer);
    // ExportText writes the game as text; ExportPicture writes the board as a
    // picture, kind 1 = JPEG, 2 = BMP (base: nothing).
    virtual void ExportText(QTextStream &out);
    virtual void ExportPicture(QIODevice &out, int kind);
    virtual void ShowHelp();
    // Draws the printed page: target 0 = preview, 1 = printer.
    virtual void PrintPage(int target, PageCanvas &canvas);
    // 0: normal cursor, status text cleared; 1: busy cursor, status "...".
    virtual void SetBusy(int state);

    // The close question. Also called by games before a new game. When it
    // agrees, the window stays paused (by a dialog pause) until it closes,
    // starts a new game or hears that the closing was refused elsewhere.
    void FormCloseQuery(bool &CanClose);
    // The program's quit was refused by a later window after this one agreed
    // to close: it plays on as before the question, and stays modified when
    // the player answered No (nothing was saved).
    void CloseRefusedElsewhere();
    // A new game in this window, after the close question agreed: no file
    // (the next save asks for a name), caption without a file name, nothing
    // to save, the close question's pause lifted and Paused cleared.
    void StartUnnamedGame();
    // "Nouvelle partie": the close question first (the game may be saved);
    // true when the window now holds an unnamed new game, false when the
    // player kept the game or the window is closing.
    bool ReplaceByUnnamedGame();

    // Pauses raised around the program's own dialogs (file dialogs, the close
    // question, About, the print preview, the tools). They hold the ticks like
    // the game's own pause but are not part of the game: a save made meanwhile
    // writes the value Paused had before the first of them, and the last one
    // to end gives that value back. They nest.
    void BeginDialogPause();
    void EndDialogPause();
    // Paused as the game holds it, without the dialog pauses.
    bool GamePaused() const { return dialogPauses_ > 0 ? pausedBeforeDialogs_ : Paused; }
    // Marks the window as closing and lets pending events see the flags.
    virtual void FormClose();
    // Stops the ticks and closes the window's frame at the next turn of the
    // event loop (a game whose configuration was cancelled).
    void CloseLater();

    void ShowStatus(const QString &text);
    // Turns Caps Lock on (On != 0) or off, leaving the other keys alone.
    static void SetCapsLock(int On);

    // The game's own menu, shown in place of the "Jeu" menu while this window
    // is active; null when the game has none.
    virtual QMenu *GameMenu() { return nullptr; }

    // Starts the periodic tick at the given period; Tick() then runs on the
    // UI thread, never overlapping another tick and never during a modal
    // dialog. Paused and Closing make ticks pass without acting.
    void StartTicks(int intervalMs);
    void StopTicks();
    TickDriver *Ticks() const { return ticks_; }

    // The caption for a game that has a file: Title + " (" + file + ")".
    void SetCaptionFromFile();

    static QString UnnamedFile(); // "Sans nom"

protected:
    virtual void Tick() {}
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    TickDriver *ticks_ = nullptr;
    bool busy_ = false;
    int dialogPauses_ = 0;
    bool pausedBeforeDialogs_ = false;
    bool closeAgreedUnsaved_ = false; // the close question was answered No
};
