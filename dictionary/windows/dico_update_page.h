// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page "Mise à jour" of the dictionary manager: adds a personal word to the
// dictionary or deletes a word, each after a confirmation.
#include <QWidget>

class QLineEdit;
class QPushButton;
class QRadioButton;
struct DicoSession;

class DicoUpdatePage : public QWidget {
    Q_OBJECT
public:
    DicoUpdatePage(DicoSession &session, QWidget *parent = nullptr);

    void AddWord();
    void RemoveWord();
    // Shows the button of the mode and enables it when the word allows it.
    void Refresh();

    QRadioButton *RB_add;
    QRadioButton *RB_remove;
    QLineEdit *Edit1;
    QPushButton *Btn_add;
    QPushButton *Btn_remove;

private:
    QString Word() const;

    DicoSession &session_;
};
