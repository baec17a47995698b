// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/philosophe/philo_panels.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace philo_ui {

WordPanel::WordPanel(QWidget *parent)
    : FloatingPanel(QStringLiteral("JvChoix_mot"), QStringLiteral("Choisissez un mot"), false, parent)
{
    auto *label = new QLabel(QStringLiteral("Indiquez le mot à trouver :"), this);
    Edit_mot = new QLineEdit(this);
    Edit_mot->setObjectName(QStringLiteral("Edit_mot"));
    Edit_mot->setMaxLength(20);
    // Typed letters show as capitals, as the word will be read.
    connect(Edit_mot, &QLineEdit::textEdited, Edit_mot, [this](const QString &text) {
        const int cursor = Edit_mot->cursorPosition();
        Edit_mot->setText(text.toUpper());
        Edit_mot->setCursorPosition(cursor);
    });
    Btn_mot = new QPushButton(QStringLiteral("Ok"), this);
    Btn_mot->setObjectName(QStringLiteral("Btn_mot"));
    Btn_mot->setDefault(true);
    connect(Edit_mot, &QLineEdit::returnPressed, Btn_mot, &QPushButton::click);
    auto *row = new QHBoxLayout;
    row->addWidget(Edit_mot, 1);
    row->addWidget(Btn_mot);
    Body()->addWidget(label);
    Body()->addLayout(row);
    auto *hint =
        new QLabel(QStringLiteral("Tapez « ***** » pour garder le mot secret et noter vous-même."), this);
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: #555"));
    Body()->addWidget(hint);
    setMinimumWidth(300);
}

void WordPanel::Ask(const QString &text)
{
    Edit_mot->setText(text);
    ShowCentred();
    Edit_mot->setFocus();
    Edit_mot->selectAll();
}

MarkPanel::MarkPanel(QWidget *parent)
    : FloatingPanel(QStringLiteral("JvReponse"), QStringLiteral("Indiquez le résultat"), false, parent)
{
    CB_bp = new QComboBox(this);
    CB_bp->setObjectName(QStringLiteral("CB_bp"));
    CB_mp = new QComboBox(this);
    CB_mp->setObjectName(QStringLiteral("CB_mp"));
    Btn_rep = new QPushButton(QStringLiteral("Ok"), this);
    Btn_rep->setObjectName(QStringLiteral("Btn_rep"));
    Btn_rep->setDefault(true);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Bien placées :"), CB_bp);
    form->addRow(QStringLiteral("Mal placées :"), CB_mp);
    Body()->addLayout(form);
    Body()->addWidget(Btn_rep, 0, Qt::AlignRight);
    setMinimumWidth(220);
}

void MarkPanel::Ask(int length, bool withMisplaced)
{
    for (QComboBox *list : {CB_bp, CB_mp}) {
        list->clear();
        for (int n = 0; n <= length; ++n)
            list->addItem(QString::number(n));
        list->setCurrentIndex(0);
    }
    CB_mp->setEnabled(withMisplaced);
    ShowCentred();
    CB_bp->setFocus();
}

ProposalsPanel::ProposalsPanel(QWidget *parent)
    : FloatingPanel(QStringLiteral("JvProp"), QStringLiteral("Coups possibles"), true, parent)
{
    setToolTip(QStringLiteral("Liste des coups possibles"));
    LB_prop = new QListWidget(this);
    LB_prop->setObjectName(QStringLiteral("LB_prop"));
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    LB_prop->setFont(mono);
    Body()->addWidget(LB_prop);
    setMinimumWidth(160);
}

HistoryPanel::HistoryPanel(QWidget *parent)
    : FloatingPanel(QStringLiteral("Jvhisto"), QStringLiteral("Historique"), true, parent)
{
    Tree = new QTreeWidget(this);
    Tree->setObjectName(QStringLiteral("Tree"));
    Tree->setHeaderHidden(true);
    Tree->setColumnCount(1);
    Body()->addWidget(Tree);
    setMinimumWidth(240);
}

} // namespace philo_ui
