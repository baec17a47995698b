// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/duplicate_input_panel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "scrabble/windows/scrabble_panels.h"

namespace scrabble_ui {

namespace {

QLineEdit *Field(const QString &name, int width, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFixedWidth(width);
    return field;
}

} // namespace

DuplicateInputPanel::DuplicateInputPanel(QWidget *parent) : QFrame(parent)
{
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    Numero = Field(QStringLiteral("Numero"), 4 * digit + 12, this);
    Coord1 = Field(QStringLiteral("Coord1"), 3 * digit + 12, this);
    Coord2 = Field(QStringLiteral("Coord2"), 3 * digit + 12, this);
    Mot = new QLineEdit(this);
    Mot->setObjectName(QStringLiteral("Mot"));
    Mot->setMinimumWidth(10 * digit);
    Mot->setMaxLength(15);
    Coord1->setMaxLength(2);
    Coord2->setMaxLength(2);
    Numero->setMaxLength(3);
    BT_ok = new QPushButton(QStringLiteral("Ok"), this);
    BT_ok->setObjectName(QStringLiteral("BT_ok"));
    BT_valider = new QPushButton(QStringLiteral("Valider"), this);
    BT_valider->setObjectName(QStringLiteral("BT_valider"));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    layout->addWidget(new QLabel(QStringLiteral("Joueur :"), this));
    layout->addWidget(Numero);
    layout->addSpacing(6);
    layout->addWidget(Coord1);
    layout->addWidget(Coord2);
    layout->addWidget(Mot, 1);
    layout->addWidget(BT_ok);
    layout->addSpacing(6);
    layout->addWidget(BT_valider);

    Coord1->installEventFilter(this);
    Coord2->installEventFilter(this);

    connect(Numero, &QLineEdit::textEdited, this, [this] { emit playerNumberChanged(PlayerNumber()); });
    for (QLineEdit *field : {Coord1, Coord2, Mot}) {
        connect(field, &QLineEdit::textEdited, this, [this] { emit proposalChanged(Fields()); });
        connect(field, &QLineEdit::returnPressed, this, [this] {
            if (BT_ok->isEnabled())
                emit okClicked();
        });
    }
    connect(BT_ok, &QPushButton::clicked, this, &DuplicateInputPanel::okClicked);
    connect(BT_valider, &QPushButton::clicked, this, &DuplicateInputPanel::validateClicked);
}

ProposalFields DuplicateInputPanel::Fields() const
{
    return {Coord1->text(), Coord2->text(), Mot->text()};
}

void DuplicateInputPanel::SetFields(const ProposalFields &fields)
{
    // setText never emits textEdited; the blockers also keep textChanged
    // listeners of the window quiet.
    const QSignalBlocker b1(Coord1), b2(Coord2), b3(Mot);
    Coord1->setText(fields.coord1);
    Coord2->setText(fields.coord2);
    Mot->setText(fields.word);
}

void DuplicateInputPanel::SetPlayerNumber(int number)
{
    const QSignalBlocker blocker(Numero);
    Numero->setText(QString::number(number));
}

int DuplicateInputPanel::PlayerNumber() const
{
    bool ok = false;
    const int number = Numero->text().trimmed().toInt(&ok);
    return ok ? number : -1;
}

void DuplicateInputPanel::SetProposalEnabled(bool enabled)
{
    for (QWidget *widget :
         {static_cast<QWidget *>(Numero), static_cast<QWidget *>(Coord1), static_cast<QWidget *>(Coord2),
          static_cast<QWidget *>(Mot), static_cast<QWidget *>(BT_ok)})
        widget->setEnabled(enabled);
}

void DuplicateInputPanel::SetValidateEnabled(bool enabled)
{
    BT_valider->setEnabled(enabled);
}

void DuplicateInputPanel::FocusCoordinates()
{
    Coord1->setFocus(Qt::OtherFocusReason);
    Coord1->selectAll();
}

bool DuplicateInputPanel::eventFilter(QObject *watched, QEvent *event)
{
    // The coordinates take the same keys as in the classic window.
    if ((watched == Coord1 || watched == Coord2) && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (!key->text().isEmpty() && key->text().at(0).isPrint() &&
            !InputPanel::AcceptedCoordinateKey(key->text()))
            return true;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace scrabble_ui
