// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The panels of the Philosophe window: "Choisissez un mot" and "Indiquez le
// résultat" centred over the board, and the closable side panels "Coups
// possibles" and "Historique".
#include <QFrame>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QVBoxLayout;

namespace philo_ui {

// A framed panel with a title; `closable` adds a close button.
class PhiloPanel : public QFrame {
    Q_OBJECT
public:
    PhiloPanel(const QString &objectName, const QString &title, bool closable, QWidget *parent);
    QVBoxLayout *Body() const { return body_; }
    // Shows the panel centred in its parent (a negative offset becomes 1).
    void ShowCentred();

signals:
    void closed();

private:
    QVBoxLayout *body_;
};

class WordPanel : public PhiloPanel {
    Q_OBJECT
public:
    explicit WordPanel(QWidget *parent);
    // Shows the panel with `text` in the edit field, selected and focused.
    void Ask(const QString &text);
    QLineEdit *Edit_mot;
    QPushButton *Btn_mot;
};

class MarkPanel : public PhiloPanel {
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

class ProposalsPanel : public PhiloPanel {
    Q_OBJECT
public:
    explicit ProposalsPanel(QWidget *parent);
    QListWidget *LB_prop;
};

class HistoryPanel : public PhiloPanel {
    Q_OBJECT
public:
    explicit HistoryPanel(QWidget *parent);
    QTreeWidget *Tree;
};

} // namespace philo_ui
