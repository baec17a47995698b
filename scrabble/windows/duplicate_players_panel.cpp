// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/duplicate_players_panel.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace scrabble_ui {

DuplicatePlayersPanel::DuplicatePlayersPanel(QWidget *parent) : QGroupBox(QStringLiteral("Joueurs"), parent)
{
    setObjectName(QStringLiteral("PanelJoueurs"));
    Input = new DuplicateInputPanel(this);
    Table = new DuplicatePlayerTable(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(Input);
    layout->addWidget(Table, 1);
    PastRows = new QCheckBox(QStringLiteral("Afficher les tirages passés"), this);
    PastRows->setChecked(Table->Model().PastRowsShown());
    layout->addWidget(PastRows);
    connect(PastRows, &QCheckBox::toggled, Table, &DuplicatePlayerTable::SetPastRowsShown);
}

} // namespace scrabble_ui
