// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFWordGame: what the word-guessing games on a 3D view (Philosophe, Hangman)
// share: their settings dialog and players, the dictionary the proposals are
// checked against and the one hidden words are drawn from, the 3D view (or
// the message and the closing when OpenGL is missing), and their game menu
// of three entries.
#include <cstdint>
#include <functional>
#include <memory>
#include <QStringList>

#include "framework/game_window.h"

class QAction;
class QBoxLayout;
class QTextStream;
class TDictionnaire;
class TFconfig;
namespace scene3d {
class SceneView;
}

class TFWordGame : public TFLudorine {
    Q_OBJECT
public:
    // dictionaryFile: the dictionary the window opens read only; empty for
    // the main window's.
    TFWordGame(QWidget *parent, GameKindCode kind, const QString &title, const QString &dictionaryFile);
    ~TFWordGame() override;

    TFconfig &Config() const { return *config_; }
    // The settings dialog, modal; true for OK (tests answer it).
    std::function<bool(TFconfig &)> runConfiguration;
    scene3d::SceneView *View = nullptr;
    QMenu *Menu = nullptr;

    QMenu *GameMenu() override { return Menu; }
    // The picture of the scene as it stands (printing, exports, tests); a
    // null picture without a view.
    virtual QImage ScenePicture();
    void ExportPicture(QIODevice &out, int kind) override;

protected:
    // The 3D view, added to `layout`, when the platform has OpenGL; null
    // otherwise.
    scene3d::SceneView *MakeView(QBoxLayout *layout, const QString &objectName);
    // Without a view the window says so (`board` names what cannot be
    // shown) and closes; true then.
    bool ClosedWithoutView(const QString &board);
    // Opens the hidden words as the settings say (the common words or the
    // dictionary); HiddenWordsOpened tells the game.
    void OpenHiddenWords();
    virtual void HiddenWordsOpened() {}
    // The game menu: new game (Ctrl+N), the history check item (Ctrl+H)
    // and the proposal (F2, off until a human plays), with their names.
    struct MenuActions {
        QAction *newGame = nullptr;
        QAction *history = nullptr;
        QAction *propose = nullptr;
    };
    MenuActions MakeMenu(const QString &newGameText, const QStringList &objectNames);
    // The export: the base lines, the settings lines, then the game's.
    void ExportGameLines(QTextStream &out, const QStringList &lines);
    // The printed page: the base page, the scene's picture, a line per
    // player and the rounds' lines.
    void PrintScenePage(int target, PageCanvas &canvas, const QStringList &rounds);
    // The random seed of a new game.
    static std::uint32_t RandomSeed();

    const TDictionnaire &Dictionary() const { return *dictionary_; }
    const TDictionnaire &HiddenWords() const { return *hiddenWords_; }
    TFconfig *config_ = nullptr;

private:
    QString HiddenWordsPath() const;
    std::unique_ptr<TDictionnaire> dictionary_;
    std::unique_ptr<TDictionnaire> hiddenWords_;
    QString dictionaryFile_;
};
