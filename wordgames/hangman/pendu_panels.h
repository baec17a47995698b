// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The panels of the Hangman window: the word panel (the setter's word or
// mask, with the program's proposal), the answer panel (where the played
// letter stands, or the missing letters) and the history panel.
#include "wordgames/common/floating_panel.h"
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pendu_ui {

class WordPanel : public wordgame_ui::FloatingPanel {
    Q_OBJECT
public:
    explicit WordPanel(QWidget *parent);
    // Shows the proposal; the edit is read only when every player is a computer.
    void Ask(const QString &mask, const QString &word, bool readOnly);
    QLineEdit *Edit_masque;
    QPushButton *B_valider;
    QPushButton *B_propo;
    QLabel *lab_propo;
};

class AnswerPanel : public wordgame_ui::FloatingPanel {
    Q_OBJECT
public:
    explicit AnswerPanel(QWidget *parent);
    // Where the played letter stands: the mask in the boxes, a check box
    // under each hidden position.
    void AskMarks(QChar letter, const QString &mask);
    // The missing letters: the boxes of the hidden positions editable,
    // filled with `word` when it is known.
    void AskMissing(const QString &mask, const QString &word);
    // Centred horizontally, 5 pixels above the bottom of its parent.
    void Place();
    void SetBox(int position, QChar letter, bool checked);
    QLabel *Lab_jeu1;
    QLabel *Lab_jeu;
    std::array<QLineEdit *, 12> Edit_L{};
    std::array<QCheckBox *, 12> CKB{};
    QPushButton *b_reponse;
};

class HistoryPanel : public wordgame_ui::FloatingPanel {
    Q_OBJECT
public:
    explicit HistoryPanel(QWidget *parent);
    QListWidget *LbHisto;
};

} // namespace pendu_ui
