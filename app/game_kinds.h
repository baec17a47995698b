// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one list of game kinds: code, window class, title and "Nouveau jeu"
// menu entry. The main window builds its menu from it and the saved-game
// reader recreates a window from a kind code with it. A kind whose window is
// not built has no factory: its menu entry is shown disabled.
#include <functional>
#include <QString>
#include <vector>

class QWidget;
class TFLudorine;

using GameWindowFactory = std::function<TFLudorine *(QWidget *parent)>;

struct GameKindInfo {
    int Code;              // 1 Pendu ... 8 Philosophe
    const char *ClassName; // window class, e.g. "TFScrabble"
    QString Title;         // game title
    const char *MenuName;  // object name of the menu entry
    QString MenuCaption;   // caption of the entry
    QString Hint;          // "short|long" hint of the entry
    bool InScrabbleMenu;   // entry sits in the "Scrabble" submenu
    GameWindowFactory Create;
};

// The kinds in the order of the "Nouveau jeu" menu.
const std::vector<GameKindInfo> &GameKinds();
const GameKindInfo *FindGameKind(int code);
