// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A maintenance page of the dictionary manager that users never see: turns
// all the user's additions into words delivered with the dictionary.
#include <QWidget>

class QPushButton;
struct DicoSession;

class DicoMaintenancePage : public QWidget {
    Q_OBJECT
public:
    DicoMaintenancePage(DicoSession &session, QWidget *parent = nullptr);

    void ValidateUserWords();

    QPushButton *Btn_validate;

private:
    DicoSession &session_;
};
