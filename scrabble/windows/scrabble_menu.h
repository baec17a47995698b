// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Scrabble" menu of the Scrabble windows: "Nouvelle partie" (Ctrl+N) and
// "Afficher l'historique" (Ctrl+H), which every Scrabble game has, then the
// window's own commands.
#include <functional>
#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace scrabble_ui {

class ListPanel;

// A command of a game's menu whose shortcut also works while the menu is not
// merged into the main window's menu bar.
QAction *AddMenuCommand(QWidget *owner, QMenu *menu, const char *name, const QString &text,
                        const QKeySequence &keys, const QString &hint, std::function<void()> run);

struct ScrabbleMenu {
    QMenu *menu = nullptr;
    QAction *newGame = nullptr; // MnouvellePartie
    QAction *history = nullptr; // Mhisto, checked while the history panel shows
};

// The menu with its two common commands and a separator after them; the
// history entry is unchecked when the panel's own close button hides it.
ScrabbleMenu BuildScrabbleMenu(QWidget *owner, ListPanel *history, const QString &title,
                               std::function<void()> newGame, std::function<void()> toggleHistory);

} // namespace scrabble_ui
