// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player table of the Duplicate window ("Joueurs"): for each player his
// current row (the proposal of this draw), then his past rows under it,
// newest first. The window hands in display rows; the table only shows them:
// column "Coup" grey while a row is not played, black when valid, red on an
// error, the best row in bold. Current rows carry the player's number in the
// row header, the selected player's current row is highlighted.
#include <QAbstractTableModel>
#include <QTableView>
#include <vector>

namespace scrabble_ui {

struct DuplicateTableRow {
    enum class Colour { NotPlayed, Valid, Error };

    QString player; // column "Joueur": the name (current row) or the draw number (past row)
    QString move;   // column "Coup"
    QString note;   // column " Note"
    Colour colour = Colour::NotPlayed;
    bool best = false;

    bool operator==(const DuplicateTableRow &) const = default;
};

struct DuplicatePlayerRows {
    DuplicateTableRow current;
    std::vector<DuplicateTableRow> past; // newest first
};

class DuplicatePlayerModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { PlayerColumn, MoveColumn, NoteColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    // Every player's rows, player 1 first.
    void SetPlayers(std::vector<DuplicatePlayerRows> players);
    // One player's current row (player 1-based); the other rows stay.
    void SetCurrentRow(int player, const DuplicateTableRow &row);
    // With many players the past rows can be left out, so that the current
    // rows of all players are seen together. They are shown at first.
    void SetPastRowsShown(bool shown);
    bool PastRowsShown() const { return pastShown_; }
    // The player whose current row is highlighted; -1 for none.
    void SetActivePlayer(int player);
    int ActivePlayer() const { return active_; }

    int PlayerCount() const { return int(players_.size()); }
    // Table row of a player's current row, -1 outside the table.
    int CurrentRowOf(int player) const;
    // The player a table row belongs to (1-based), -1 outside the table.
    int PlayerAt(int tableRow) const;
    bool IsCurrentRow(int tableRow) const;
    const DuplicateTableRow *RowAt(int tableRow) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QColor InkOf(DuplicateTableRow::Colour colour);
    static QColor MarkerBackground() { return QColor(255, 236, 160); }
    static QColor CurrentBackground() { return QColor(232, 240, 250); }

private:
    struct Place {
        int player; // 0-based
        int past;   // -1 for the current row
    };
    std::vector<DuplicatePlayerRows> players_;
    std::vector<Place> places_;  // one per table row
    std::vector<int> firstRows_; // table row of each player's current row
    int active_ = -1;
    bool pastShown_ = true;

    void Rebuild();
};

class DuplicatePlayerTable : public QTableView {
    Q_OBJECT
public:
    explicit DuplicatePlayerTable(QWidget *parent = nullptr);

    DuplicatePlayerModel &Model() { return model_; }
    const DuplicatePlayerModel &Model() const { return model_; }

    void SetPlayers(std::vector<DuplicatePlayerRows> players) { model_.SetPlayers(std::move(players)); }
    void SetCurrentRow(int player, const DuplicateTableRow &row) { model_.SetCurrentRow(player, row); }
    // Keeps the active player's current row in view.
    void SetPastRowsShown(bool shown);
    // Highlights the player's current row and scrolls it into view.
    void SetActivePlayer(int player);

signals:
    // A click on one of a player's rows.
    void playerChosen(int player);

private:
    void ScrollToActive();

    DuplicatePlayerModel model_;
};

} // namespace scrabble_ui
