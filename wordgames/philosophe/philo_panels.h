// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The panels of the Philosophe window: "Choisissez un mot" and "Indiquez le
// résultat" centred over the board, and the closable side panels "Coups
// possibles" and "Historique".
#include "wordgames/common/floating_panel.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace philo_ui {

class WordPanel : public wordgame_ui::FloatingPanel {
    Q_OBJECT
public:
    explicit WordPanel(QWidget *parent);
    // Shows the panel with `text` in the edit field, selected and focused.
    void Ask(const QString &text);
    QLineEdit *Edit_mot;
    QPushButton *Btn_mot;
};

class MarkPanel : public wordgame_ui::FloatingPanel {
    Q_OBJECT
public:
    explicit MarkPanel(QWidget *parent);
    // Both lists hold 0 to `length`, 0 selected; the misplaced list is
    // enabled only when misplaced letters are marked.
    void Ask(int length, bool withMisplaced);
    QComboBox *CB_bp;
    QComboBox *CB_mp;
    QPushButton *Btn_rep;
};

class ProposalsPanel : public wordgame_ui::FloatingPanel {
    Q_OBJECT
public:
    explicit ProposalsPanel(QWidget *parent);
    QListWidget *LB_prop;
};

class HistoryPanel : public wordgame_ui::FloatingPanel {
    Q_OBJECT
public:
    explicit HistoryPanel(QWidget *parent);
    QTreeWidget *Tree;
};

} // namespace philo_ui
