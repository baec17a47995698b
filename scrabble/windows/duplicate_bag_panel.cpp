// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/duplicate_bag_panel.h"

#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "scrabble/windows/duplicate_texts.h"

namespace scrabble_ui {

namespace {

QLabel *Count(QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("0"), parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

} // namespace

DuplicateBagPanel::DuplicateBagPanel(QWidget *parent) : QGroupBox(QStringLiteral("Masse"), parent)
{
    setObjectName(QStringLiteral("Masse"));
    Voyelles = Count(this);
    Consonnes = Count(this);
    Jokers = Count(this);
    Total = Count(this);
    Detail = new QPlainTextEdit(this);
    Detail->setReadOnly(true);
    Detail->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Detail->setWordWrapMode(QTextOption::WrapAnywhere);
    Detail->setFocusPolicy(Qt::NoFocus);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    Detail->setFont(mono);
    Detail->setFixedHeight(Detail->fontMetrics().height() * 4 + 10);
    Draws = new QListWidget(this);
    Draws->setFocusPolicy(Qt::NoFocus);
    Draws->setUniformItemSizes(true);

    auto *counts = new QFormLayout;
    counts->setContentsMargins(0, 0, 0, 0);
    counts->addRow(QStringLiteral("Nombre de voyelles :"), Voyelles);
    counts->addRow(QStringLiteral("Nombre de consonnes :"), Consonnes);
    counts->addRow(QStringLiteral("Nombre de jokers :"), Jokers);
    counts->addRow(QStringLiteral("Total lettres :"), Total);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(counts);
    layout->addWidget(new QLabel(QStringLiteral("Détail lettres"), this));
    layout->addWidget(Detail);
    layout->addWidget(Draws, 1);
}

void DuplicateBagPanel::SetBagFacts(const BagFacts &facts)
{
    Voyelles->setNum(facts.vowels);
    Consonnes->setNum(facts.consonants);
    Jokers->setNum(facts.jokers);
    Total->setNum(facts.total);
    Detail->setPlainText(facts.letters);
}

void DuplicateBagPanel::AddDrawLine(const QString &line)
{
    Draws->addItem(line);
    Draws->scrollToBottom();
}

void DuplicateBagPanel::ClearDrawLines()
{
    Draws->clear();
}

} // namespace scrabble_ui
