// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/duplicate_player_table.h"

#include <QFont>
#include <QHeaderView>

namespace scrabble_ui {

void DuplicatePlayerModel::SetPlayers(std::vector<DuplicatePlayerRows> players)
{
    beginResetModel();
    players_ = std::move(players);
    Rebuild();
    endResetModel();
}

void DuplicatePlayerModel::SetPastRowsShown(bool shown)
{
    if (shown == pastShown_)
        return;
    beginResetModel();
    pastShown_ = shown;
    Rebuild();
    endResetModel();
}

void DuplicatePlayerModel::Rebuild()
{
    places_.clear();
    firstRows_.clear();
    for (int p = 0; p < int(players_.size()); ++p) {
        firstRows_.push_back(int(places_.size()));
        places_.push_back({p, -1});
        if (!pastShown_)
            continue;
        for (int past = 0; past < int(players_[std::size_t(p)].past.size()); ++past)
            places_.push_back({p, past});
    }
}

void DuplicatePlayerModel::SetCurrentRow(int player, const DuplicateTableRow &row)
{
    const int tableRow = CurrentRowOf(player);
    if (tableRow < 0)
        return;
    DuplicateTableRow &current = players_[std::size_t(player - 1)].current;
    if (current == row)
        return;
    current = row;
    emit dataChanged(index(tableRow, 0), index(tableRow, ColumnCount - 1));
}

void DuplicatePlayerModel::SetActivePlayer(int player)
{
    if (player < 1 || player > PlayerCount())
        player = -1;
    if (player == active_)
        return;
    const int before = CurrentRowOf(active_);
    active_ = player;
    for (int tableRow : {before, CurrentRowOf(active_)})
        if (tableRow >= 0)
            emit dataChanged(index(tableRow, 0), index(tableRow, ColumnCount - 1), {Qt::BackgroundRole});
}

int DuplicatePlayerModel::CurrentRowOf(int player) const
{
    if (player < 1 || player > PlayerCount())
        return -1;
    return firstRows_[std::size_t(player - 1)];
}

int DuplicatePlayerModel::PlayerAt(int tableRow) const
{
    if (tableRow < 0 || tableRow >= int(places_.size()))
        return -1;
    return places_[std::size_t(tableRow)].player + 1;
}

bool DuplicatePlayerModel::IsCurrentRow(int tableRow) const
{
    return tableRow >= 0 && tableRow < int(places_.size()) && places_[std::size_t(tableRow)].past < 0;
}

const DuplicateTableRow *DuplicatePlayerModel::RowAt(int tableRow) const
{
    if (tableRow < 0 || tableRow >= int(places_.size()))
        return nullptr;
    const Place &place = places_[std::size_t(tableRow)];
    const DuplicatePlayerRows &rows = players_[std::size_t(place.player)];
    return place.past < 0 ? &rows.current : &rows.past[std::size_t(place.past)];
}

int DuplicatePlayerModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(places_.size());
}

int DuplicatePlayerModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QColor DuplicatePlayerModel::InkOf(DuplicateTableRow::Colour colour)
{
    switch (colour) {
    case DuplicateTableRow::Colour::Valid:
        return QColor(Qt::black);
    case DuplicateTableRow::Colour::Error:
        return QColor(Qt::red);
    case DuplicateTableRow::Colour::NotPlayed:
        break;
    }
    return QColor(Qt::gray);
}

QVariant DuplicatePlayerModel::data(const QModelIndex &index, int role) const
{
    const DuplicateTableRow *row = RowAt(index.row());
    if (row == nullptr || index.column() < 0 || index.column() >= ColumnCount)
        return {};
    const bool current = IsCurrentRow(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == PlayerColumn ? row->player
               : index.column() == MoveColumn ? row->move
                                              : row->note;
    case Qt::ForegroundRole:
        if (index.column() == MoveColumn)
            return InkOf(row->colour);
        return current ? QColor(Qt::black) : QColor(80, 80, 80);
    case Qt::FontRole:
        if (row->best) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::BackgroundRole:
        if (current)
            return PlayerAt(index.row()) == active_ ? MarkerBackground() : CurrentBackground();
        return {};
    case Qt::TextAlignmentRole:
        // Past rows show their draw number under the name, set off to the right.
        if (index.column() == PlayerColumn && !current)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (index.column() == NoteColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant DuplicatePlayerModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal) {
        switch (section) {
        case PlayerColumn:
            return QStringLiteral("Joueur");
        case MoveColumn:
            return QStringLiteral("Coup");
        case NoteColumn:
            return QStringLiteral(" Note");
        default:
            return {};
        }
    }
    // The player's number beside his current row, nothing beside past rows.
    if (IsCurrentRow(section))
        return QString::number(PlayerAt(section));
    return QString();
}

DuplicatePlayerTable::DuplicatePlayerTable(QWidget *parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("Joueurs"));
    setModel(&model_);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    setShowGrid(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Rows of one height: nothing is measured row by row, so hundreds of
    // rows cost no more than the visible ones.
    QHeaderView *rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 4);
    rows->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rows->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("400")));
    QHeaderView *columns = horizontalHeader();
    columns->setSectionResizeMode(DuplicatePlayerModel::PlayerColumn, QHeaderView::Interactive);
    columns->setSectionResizeMode(DuplicatePlayerModel::MoveColumn, QHeaderView::Stretch);
    columns->setSectionResizeMode(DuplicatePlayerModel::NoteColumn, QHeaderView::Interactive);
    columns->resizeSection(DuplicatePlayerModel::PlayerColumn,
                           fontMetrics().horizontalAdvance(QStringLiteral("Ordinateur 40")) + 12);
    columns->resizeSection(DuplicatePlayerModel::NoteColumn,
                           fontMetrics().horizontalAdvance(QStringLiteral("9999 pts. (100.00  %)")) + 12);
    columns->setHighlightSections(false);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        const int player = model_.PlayerAt(index.row());
        if (player > 0)
            emit playerChosen(player);
    });
}

void DuplicatePlayerTable::SetPastRowsShown(bool shown)
{
    model_.SetPastRowsShown(shown);
    ScrollToActive();
}

void DuplicatePlayerTable::SetActivePlayer(int player)
{
    // The table scrolls to a newly chosen player only: drawn again with the
    // same one, it stays where the user scrolled it.
    const bool changed = player != model_.ActivePlayer();
    model_.SetActivePlayer(player);
    if (changed)
        ScrollToActive();
}

void DuplicatePlayerTable::ScrollToActive()
{
    const int tableRow = model_.CurrentRowOf(model_.ActivePlayer());
    if (tableRow < 0)
        return;
    // After a reset the scroll range is only brought up to date later:
    // bring it now, or the row would be scrolled to within the old range.
    updateGeometries();
    scrollTo(model_.index(tableRow, 0), QAbstractItemView::EnsureVisible);
}

} // namespace scrabble_ui
