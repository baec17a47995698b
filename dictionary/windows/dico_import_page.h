// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page "Import" of the dictionary manager: finds in a text file the words
// the dictionary does not know, lists them ticked, and adds the ticked ones
// as the user's words.
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct DicoSession;

class DicoImportPage : public QWidget {
    Q_OBJECT
public:
    DicoImportPage(DicoSession &session, QWidget *parent = nullptr);

    void Browse();
    void Prepare();
    void Import();

    QStringList ListedWords() const;
    QStringList TickedWords() const;

    QLineEdit *Ed_fich_imp;
    QPushButton *Btn_browse;
    QListWidget *lb_imp;
    QPushButton *Btn_prepare;
    QPushButton *Btn_import;
    QLabel *Lbl_count; // words listed and ticked

private:
    void FileNameChanged();
    void UpdateButtons();

    DicoSession &session_;
};
