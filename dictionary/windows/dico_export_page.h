// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page "Exports" of the dictionary manager: writes the words delivered with
// the dictionary and/or the user's additions to a text file, one per line.
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
struct DicoSession;

class DicoExportPage : public QWidget {
    Q_OBJECT
public:
    DicoExportPage(DicoSession &session, QWidget *parent = nullptr);

    void Browse();
    void Export();
    void UpdateRunButton();

    QLineEdit *Ed_fich;
    QPushButton *Btn_browse;
    QCheckBox *CB_origin;
    QCheckBox *CB_user;
    QPushButton *Btn_run;

protected:
    void showEvent(QShowEvent *event) override;

private:
    DicoSession &session_;
};
