// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Joueurs" panel of the Duplicate window: the input fields and buttons
// above the player table, and a box that shows or hides the past rows.
#include <QGroupBox>

#include "scrabble/windows/duplicate_input_panel.h"
#include "scrabble/windows/duplicate_player_table.h"

class QCheckBox;

namespace scrabble_ui {

class DuplicatePlayersPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit DuplicatePlayersPanel(QWidget *parent = nullptr);

    DuplicateInputPanel *Input = nullptr;
    DuplicatePlayerTable *Table = nullptr;
    QCheckBox *PastRows = nullptr; // "Afficher les tirages passés"
};

} // namespace scrabble_ui
