// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/hangman/pendu_panels.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pendu_ui {

WordPanel::WordPanel(QWidget *parent) : FloatingPanel(QStringLiteral("P_masque"), QString(), false, parent)
{
    auto *label = new QLabel(
        QStringLiteral("Entrez le mot à rechercher en indiquant \nles premières et dernières lettres :"),
        this);
    Edit_masque = new QLineEdit(this);
    Edit_masque->setObjectName(QStringLiteral("Edit_masque"));
    connect(Edit_masque, &QLineEdit::textEdited, Edit_masque, [this](const QString &text) {
        const int cursor = Edit_masque->cursorPosition();
        Edit_masque->setText(text.toUpper());
        Edit_masque->setCursorPosition(cursor);
    });
    B_valider = new QPushButton(QStringLiteral("Valider"), this);
    B_valider->setObjectName(QStringLiteral("B_valider"));
    B_valider->setDefault(true);
    B_propo = new QPushButton(QStringLiteral("Autre proposition"), this);
    B_propo->setObjectName(QStringLiteral("B_propo"));
    connect(Edit_masque, &QLineEdit::returnPressed, B_valider, &QPushButton::click);
    lab_propo = new QLabel(this);
    lab_propo->setObjectName(QStringLiteral("lab_propo"));
    QVBoxLayout *layout = Body();
    layout->addWidget(label);
    layout->addWidget(Edit_masque);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(B_propo);
    buttons->addStretch(1);
    buttons->addWidget(B_valider);
    layout->addLayout(buttons);
    layout->addWidget(lab_propo);
    setMinimumWidth(320);
}

void WordPanel::Ask(const QString &mask, const QString &word, bool readOnly)
{
    Edit_masque->setText(mask);
    Edit_masque->setReadOnly(readOnly);
    lab_propo->setText(QStringLiteral("(Proposition : « %1 » pour « %2 »)").arg(mask, word));
    ShowCentred();
    Edit_masque->setFocus();
    Edit_masque->selectAll();
}

AnswerPanel::AnswerPanel(QWidget *parent) : FloatingPanel(QStringLiteral("P_rep"), QString(), false, parent)
{
    Lab_jeu1 = new QLabel(this);
    Lab_jeu1->setObjectName(QStringLiteral("Lab_jeu1"));
    Lab_jeu1->setWordWrap(true);
    Lab_jeu = new QLabel(this);
    Lab_jeu->setObjectName(QStringLiteral("Lab_jeu"));
    QFont big = Lab_jeu->font();
    big.setPixelSize(28);
    big.setBold(true);
    Lab_jeu->setFont(big);
    auto *boxes = new QGridLayout;
    for (int i = 0; i < 12; ++i) {
        Edit_L[std::size_t(i)] = new QLineEdit(this);
        Edit_L[std::size_t(i)]->setObjectName(QStringLiteral("Edit_L%1").arg(i + 1));
        Edit_L[std::size_t(i)]->setMaxLength(1);
        Edit_L[std::size_t(i)]->setFixedWidth(26);
        Edit_L[std::size_t(i)]->setAlignment(Qt::AlignCenter);
        CKB[std::size_t(i)] = new QCheckBox(this);
        CKB[std::size_t(i)]->setObjectName(QStringLiteral("CKB_%1").arg(i + 1));
        boxes->addWidget(Edit_L[std::size_t(i)], 0, i, Qt::AlignCenter);
        boxes->addWidget(CKB[std::size_t(i)], 1, i, Qt::AlignCenter);
    }
    b_reponse = new QPushButton(QStringLiteral("OK"), this);
    b_reponse->setObjectName(QStringLiteral("b_reponse"));
    b_reponse->setDefault(true);
    QVBoxLayout *layout = Body();
    auto *head = new QHBoxLayout;
    head->addWidget(Lab_jeu1, 1);
    head->addWidget(Lab_jeu);
    layout->addLayout(head);
    layout->addLayout(boxes);
    layout->addWidget(b_reponse, 0, Qt::AlignRight);
}

void AnswerPanel::AskMarks(QChar letter, const QString &mask)
{
    Lab_jeu->setText(QString(letter));
    Lab_jeu->show();
    Lab_jeu1->setText(QStringLiteral(
        "Cochez les lettres bien placées puis cliquez sur le bouton \"OK\". La lettre jouée est :"));
    for (int i = 0; i < 12; ++i) {
        const bool used = i < mask.size();
        QLineEdit *box = Edit_L[std::size_t(i)];
        QCheckBox *check = CKB[std::size_t(i)];
        box->setVisible(used);
        check->setVisible(used);
        if (!used)
            continue;
        const bool hidden = mask[i] == QLatin1Char('*');
        box->setReadOnly(true);
        box->setText(mask.mid(i, 1));
        const QSignalBlocker quiet(check);
        check->setChecked(!hidden);
        check->setEnabled(hidden);
    }
    Place();
}

void AnswerPanel::AskMissing(const QString &mask, const QString &word)
{
    Lab_jeu->hide();
    Lab_jeu1->setText(QStringLiteral("Donnez les lettres manquantes"));
    int first = -1;
    for (int i = 0; i < 12; ++i) {
        const bool used = i < mask.size();
        QLineEdit *box = Edit_L[std::size_t(i)];
        CKB[std::size_t(i)]->hide();
        box->setVisible(used);
        if (!used)
            continue;
        const bool hidden = mask[i] == QLatin1Char('*');
        box->setReadOnly(!hidden);
        box->setText(hidden ? (i < word.size() && word[i] != QLatin1Char('*') ? word.mid(i, 1) : QString())
                            : mask.mid(i, 1));
        if (hidden && first < 0)
            first = i;
    }
    Place();
    if (first >= 0)
        Edit_L[std::size_t(first)]->setFocus();
}

void AnswerPanel::SetBox(int position, QChar letter, bool checked)
{
    if (position < 1 || position > 12)
        return;
    Edit_L[std::size_t(position - 1)]->setText(QString(letter));
    const QSignalBlocker quiet(CKB[std::size_t(position - 1)]);
    CKB[std::size_t(position - 1)]->setChecked(checked);
}

void AnswerPanel::Place()
{
    adjustSize();
    ShowAt(parentWidget() ? parentWidget()->height() - height() - 5 : 1);
}

HistoryPanel::HistoryPanel(QWidget *parent)
    : FloatingPanel(QStringLiteral("JvHisto"), QStringLiteral("Historique"), true, parent)
{
    LbHisto = new QListWidget(this);
    LbHisto->setObjectName(QStringLiteral("LbHisto"));
    Body()->addWidget(LbHisto);
    setMinimumWidth(260);
}

} // namespace pendu_ui
