// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/duplicate_players_panel.h"

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
}

} // namespace scrabble_ui
