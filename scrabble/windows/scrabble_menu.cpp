// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/scrabble_menu.h"

#include <QAction>
#include <QMenu>

#include "scrabble/windows/scrabble_panels.h"

namespace scrabble_ui {

QAction *AddMenuCommand(QWidget *owner, QMenu *menu, const char *name, const QString &text,
                        const QKeySequence &keys, const QString &hint, std::function<void()> run)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    action->setStatusTip(hint);
    QObject::connect(action, &QAction::triggered, owner, [run = std::move(run)] { run(); });
    owner->addAction(action);
    return action;
}

ScrabbleMenu BuildScrabbleMenu(QWidget *owner, ListPanel *history, const QString &title,
                               std::function<void()> newGame, std::function<void()> toggleHistory)
{
    ScrabbleMenu result;
    result.menu = new QMenu(title, owner);
    result.newGame = AddMenuCommand(owner, result.menu, "MnouvellePartie", QStringLiteral("&Nouvelle partie"),
                                    QKeySequence(Qt::CTRL | Qt::Key_N),
                                    QStringLiteral("Commencer une nouvelle partie"), std::move(newGame));
    result.history = AddMenuCommand(owner, result.menu, "Mhisto", QStringLiteral("Afficher l'&historique"),
                                    QKeySequence(Qt::CTRL | Qt::Key_H),
                                    QStringLiteral("Afficher ou cacher la liste des coups joués"),
                                    std::move(toggleHistory));
    result.history->setCheckable(true);
    QAction *check = result.history;
    QObject::connect(history, &ListPanel::closedByUser, check, [check] { check->setChecked(false); });
    result.menu->addSeparator();
    return result;
}

} // namespace scrabble_ui
