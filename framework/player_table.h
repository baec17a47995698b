// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player table of the "Joueurs" page: one row per player taking part,
// the name and the kind of player edited in place. Enter or Down (Up)
// without modifier keys ends the edit and goes on editing the next
// (previous) row; a kind list that is dropped down keeps its keys.
#include <QStyledItemDelegate>
#include <QTableWidget>

class GameSettings;

class PlayerTable : public QTableWidget {
    Q_OBJECT
public:
    explicit PlayerTable(GameSettings &settings, QWidget *parent = nullptr);

    // Rows 1 to Count from the players' data.
    void Rebuild(int count);

    // Takes the text or kind of an edit still open into the player's data.
    void CommitOpenEdit();

    // Ends the edit in progress and edits the same column Delta rows away.
    void MoveEdit(int delta);

private:
    GameSettings &settings_;
};

class PlayerCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    PlayerCellDelegate(GameSettings &settings, PlayerTable *table);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *editor, QEvent *event) override;

private:
    GameSettings &settings_;
    PlayerTable *table_;
};
