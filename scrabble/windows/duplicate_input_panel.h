// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The input part of the Duplicate window's "Joueurs" panel: the player
// number, the two coordinates, the word, "Ok" (validate this proposal) and
// "Valider" (end the turn). Every edit by the user is signalled at once, so
// that the rules can validate quietly; texts set by the window are not.
#include <QFrame>
#include <QString>

class QLineEdit;
class QPushButton;

namespace scrabble_ui {

struct ProposalFields {
    QString coord1;
    QString coord2;
    QString word;

    bool operator==(const ProposalFields &) const = default;
};

class DuplicateInputPanel : public QFrame {
    Q_OBJECT
public:
    explicit DuplicateInputPanel(QWidget *parent = nullptr);

    QLineEdit *Numero = nullptr; // the player number
    QLineEdit *Coord1 = nullptr;
    QLineEdit *Coord2 = nullptr;
    QLineEdit *Mot = nullptr;
    QPushButton *BT_ok = nullptr;
    QPushButton *BT_valider = nullptr;

    ProposalFields Fields() const;
    // Set by the window (a row selected, a proposal rewritten in notation
    // form): no change is signalled.
    void SetFields(const ProposalFields &fields);
    void SetPlayerNumber(int number);
    // The number typed, -1 when the field does not hold a number.
    int PlayerNumber() const;
    void ClearFields() { SetFields({}); }

    // The player number, coordinates, word and "Ok" together (a human's
    // proposal), and "Valider" on its own (ending the turn).
    void SetProposalEnabled(bool enabled);
    void SetValidateEnabled(bool enabled);
    // Focuses the first coordinate.
    void FocusCoordinates();

signals:
    // The user changed the player number: the number, or -1 for a text that
    // is not one.
    void playerNumberChanged(int number);
    // The user changed a coordinate or the word.
    void proposalChanged(const scrabble_ui::ProposalFields &fields);
    // "Ok", or Enter in a coordinate or word field.
    void okClicked();
    // "Valider".
    void validateClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace scrabble_ui
