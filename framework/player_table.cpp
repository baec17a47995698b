// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/player_table.h"

#include "framework/config.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

PlayerTable::PlayerTable(GameSettings &settings, QWidget *parent) : QTableWidget(parent), settings_(settings)
{
    setObjectName(QStringLiteral("ListeJoueurs"));
    setColumnCount(4);
    setHorizontalHeaderLabels(
        {QStringLiteral("Nom"), QStringLiteral("Type de joueur"), QString(), QString()});
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(2, QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(3, QHeaderView::Fixed);
    horizontalHeader()->resizeSection(2, 24);
    horizontalHeader()->resizeSection(3, 24);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setItemDelegate(new PlayerCellDelegate(settings_, this));
}

void PlayerTable::Rebuild(int count)
{
    count = std::clamp(count, 0, kPlayerSlots);
    setRowCount(count);
    for (int row = 0; row < count; ++row) {
        const Tjoueur &player = settings_.Players[row + 1];
        const QString texts[4] = {player.Name, settings_.PlayerKindText(player.Level), QString(), QString()};
        for (int column = 0; column < 4; ++column) {
            auto *item = new QTableWidgetItem(texts[column]);
            if (column >= 2)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            setItem(row, column, item);
        }
    }
}

void PlayerTable::CommitOpenEdit()
{
    const QModelIndex here = currentIndex();
    if (QWidget *editor = here.isValid() ? indexWidget(here) : nullptr)
        itemDelegate()->setModelData(editor, model(), here);
}

void PlayerTable::MoveEdit(int delta)
{
    const QModelIndex here = currentIndex();
    const int row = here.row() + delta;
    if (!here.isValid() || row < 0 || row >= rowCount())
        return;
    setCurrentCell(row, here.column());
    editItem(item(row, here.column()));
}

PlayerCellDelegate::PlayerCellDelegate(GameSettings &settings, PlayerTable *table)
    : QStyledItemDelegate(table), settings_(settings), table_(table)
{
}

QWidget *PlayerCellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                          const QModelIndex &index) const
{
    if (index.column() == 0) {
        auto *box = new QLineEdit(parent);
        box->setObjectName(QStringLiteral("NameEditor"));
        box->setFrame(false);
        return box;
    }
    if (index.column() == 1) {
        auto *list = new QComboBox(parent);
        list->setObjectName(QStringLiteral("KindEditor"));
        list->addItems(settings_.FillKindList());
        return list;
    }
    return nullptr;
}

void PlayerCellDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const Tjoueur &player = settings_.Players[index.row() + 1];
    if (auto *box = qobject_cast<QLineEdit *>(editor)) {
        box->setText(player.Name);
        box->selectAll();
    } else if (auto *list = qobject_cast<QComboBox *>(editor)) {
        list->setCurrentIndex(player.Level < list->count() ? player.Level : 0);
    }
}

void PlayerCellDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                      const QModelIndex &index) const
{
    Tjoueur &player = settings_.Players[index.row() + 1];
    if (auto *box = qobject_cast<QLineEdit *>(editor)) {
        player.Name = box->text();
        model->setData(index, player.Name);
    } else if (auto *list = qobject_cast<QComboBox *>(editor)) {
        const int level = list->currentIndex();
        if (level >= 0 && level <= 254) {
            player.Level = std::uint8_t(level);
            player.IsComputer = level != 0;
        }
        model->setData(index, settings_.PlayerKindText(player.Level));
    }
}

bool PlayerCellDelegate::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // The keypad's Enter carries the keypad modifier: it is no modifier here.
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        int delta = 0;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Down)
            delta = 1;
        else if (key->key() == Qt::Key_Up)
            delta = -1;
        const auto *list = qobject_cast<QComboBox *>(object);
        const bool droppedDown = list && list->view()->isVisible();
        if (delta != 0 && plain && !droppedDown) {
            auto *editor = static_cast<QWidget *>(object);
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            // Open the next editor once this one has gone.
            QPointer<PlayerTable> table = table_;
            QTimer::singleShot(0, table, [table, delta] {
                if (table)
                    table->MoveEdit(delta);
            });
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
