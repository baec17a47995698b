// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page "Info" of the dictionary manager: the statistics of the dictionary in
// a two-column tree, rebuilt when the page is shown after a change.
#include <QWidget>

class QPushButton;
class QTreeWidget;
struct DicoSession;

class DicoInfoPage : public QWidget {
    Q_OBJECT
public:
    DicoInfoPage(DicoSession &session, QWidget *parent = nullptr);

    // Rebuilds the tree when the statistics are out of date.
    void RefreshIfStale();
    void CopyStatistics();

    QTreeWidget *Tree;
    QPushButton *Btn_copy;

private:
    void Rebuild();

    DicoSession &session_;
};
