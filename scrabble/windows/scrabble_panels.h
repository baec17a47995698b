// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small panels of the Scrabble windows: the input panel of the human
// player (coordinates, word, score and the "Ok" button) and a titled list
// panel with a close button ("Coups possibles", "Historique").
#include <QFrame>

#include "scrabble/engine/board_game.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace scrabble_ui {

class InputPanel : public QFrame {
    Q_OBJECT
public:
    explicit InputPanel(QWidget *parent = nullptr);

    QLineEdit *Coord1 = nullptr;
    QLineEdit *Coord2 = nullptr;
    QLineEdit *Mot = nullptr;
    QLineEdit *ED_note = nullptr;
    QPushButton *BT_val = nullptr;

    // The fields as the engine reads them (bytes of the code page).
    scrabble::InputFields Fields() const;
    void SetFields(const scrabble::InputFields &fields);
    void Clear();

    // While a joker is selected the fields are disabled: the keys then go to
    // the joker. A click on the panel enables them again.
    void SetFieldsEnabled(bool enabled);
    // Without typing fields the panel is the "Ok" button alone.
    void SetTypingFields(bool shown);
    bool FieldsEnabled() const { return enabled_; }
    // Enables the fields and focuses the first coordinate.
    void Activate();

    // The classic filter: the coordinate fields take Backspace, digits and
    // the characters 'A' to 'o' in code order; every other character is
    // discarded.
    static bool AcceptedCoordinateKey(const QString &text);
    // The characters the coordinate fields take (keys without a character
    // always pass).
    bool (*coordinateKey)(const QString &text) = &AcceptedCoordinateKey;
    // The characters the word field takes; every one when null.
    bool (*wordKey)(const QString &text) = nullptr;

signals:
    void validate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool enabled_ = true;
};

class ListPanel : public QFrame {
    Q_OBJECT
public:
    ListPanel(const QString &title, QWidget *parent = nullptr);

    QListWidget *List = nullptr;
    QLabel *Caption = nullptr;
    QToolButton *CloseButton = nullptr;

    // Shows the panel on top, or hides it; `check` follows.
    void Toggle(QAction *check);

signals:
    // The close button hid the panel.
    void closedByUser();
};

} // namespace scrabble_ui
