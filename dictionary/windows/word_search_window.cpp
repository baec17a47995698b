// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/windows/word_search_window.h"

#include "dictionary/dictionnaire.h"
#include "dictionary/windows/busy_cursor.h"
#include "dictionary/windows/typed_text_validators.h"
#include "dictionary/word_search.h"
#include "framework/dialog_service.h"
#include "framework/help_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFrech::TFrech(const QString &dictionaryFile, QWidget *parent)
    : QDialog(parent),
      dictionary_(TDictionnaire::Create(QFile::encodeName(dictionaryFile).toStdString(), 'R'))
{
    setObjectName(QStringLiteral("TFrech"));
    setWindowTitle(QStringLiteral("Recherche de mots"));

    CB_mode_rech = new QComboBox(this);
    CB_mode_rech->setObjectName(QStringLiteral("CB_mode_rech"));
    // In the order of word_search::Mode.
    CB_mode_rech->addItems({QStringLiteral("Mots commençants par"), QStringLiteral("Anagrammes de"),
                            QStringLiteral("Mots composés avec les lettres")});

    E_critere = new QLineEdit(this);
    E_critere->setObjectName(QStringLiteral("E_critere"));
    E_critere->setValidator(new UpperCaseValidator(E_critere));
    E_critere->setPlaceholderText(QStringLiteral("lettres, ? pour un joker"));

    Btn_search = new QPushButton(QStringLiteral("Chercher"), this);
    Btn_search->setObjectName(QStringLiteral("Btn_search"));
    Btn_search->setDefault(true);

    Grid = new QListWidget(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setUniformItemSizes(true);
    Grid->setAlternatingRowColors(true);
    Grid->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto *countCaption = new QLabel(QStringLiteral("Mots trouvés :"), this);
    Label1 = new QLabel(QStringLiteral("0"), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    BitBt_copy = new QPushButton(QStringLiteral("&Copier"), this);
    BitBt_copy->setObjectName(QStringLiteral("BitBt_copy"));
    BitBt_copy->setEnabled(false);
    Btn_help = new QPushButton(QStringLiteral("&Aide"), this);
    Btn_help->setObjectName(QStringLiteral("Btn_help"));
    Btn_close = new QPushButton(QStringLiteral("&Fermer"), this);
    Btn_close->setObjectName(QStringLiteral("Btn_close"));
    for (QPushButton *button : {BitBt_copy, Btn_help, Btn_close})
        button->setAutoDefault(false);

    connect(Btn_search, &QPushButton::clicked, this, &TFrech::Search);
    connect(BitBt_copy, &QPushButton::clicked, this, &TFrech::CopyResults);
    connect(Btn_help, &QPushButton::clicked, this, [] { ShowHelpTopic(HelpTopic()); });
    connect(Btn_close, &QPushButton::clicked, this, &QDialog::accept);

    auto *criterionRow = new QHBoxLayout;
    criterionRow->addWidget(CB_mode_rech);
    criterionRow->addWidget(E_critere, 1);
    criterionRow->addWidget(Btn_search);
    auto *countRow = new QHBoxLayout;
    countRow->addWidget(countCaption);
    countRow->addWidget(Label1);
    countRow->addStretch();
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(BitBt_copy);
    buttonRow->addStretch();
    buttonRow->addWidget(Btn_help);
    buttonRow->addWidget(Btn_close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(criterionRow);
    layout->addWidget(Grid, 1);
    layout->addLayout(countRow);
    layout->addLayout(buttonRow);
    resize(520, 480);
}

TFrech::~TFrech() = default;

void TFrech::showEvent(QShowEvent *event)
{
    CB_mode_rech->setCurrentIndex(0);
    E_critere->setFocus();
    QDialog::showEvent(event);
}

void TFrech::Search()
{
    Grid->clear();
    results_.clear();
    BitBt_copy->setEnabled(false);
    Label1->setText(QStringLiteral("0"));

    const word_search::Criterion criterion =
        word_search::NormalizeCriterion(OneBytePerCharacter(E_critere->text()).toStdString());
    E_critere->setText(QString::fromLatin1(criterion.Pattern));
    E_critere->selectAll();
    E_critere->setFocus();
    switch (criterion.Verdict) {
    case word_search::Criterion::Check::TooManyJokers:
        Dialogs().message(QStringLiteral("Pas plus de trois jokers SVP !"));
        return;
    case word_search::Criterion::Check::NoLetter:
        Dialogs().message(QStringLiteral("Il faudrait au moins une lettre significative !"));
        return;
    case word_search::Criterion::Check::Ok:
        break;
    }
    {
        BusyCursor busy;
        results_ = word_search::Search(*dictionary_, word_search::Mode(CB_mode_rech->currentIndex()),
                                       criterion.Pattern);
    }
    ShowResults();
}

void TFrech::ShowResults()
{
    QStringList rows;
    rows.reserve(qsizetype(results_.size()));
    for (const std::string &word : results_)
        rows << QString::fromLatin1(word);
    Grid->addItems(rows);
    Label1->setText(QString::number(results_.size()));
    BitBt_copy->setEnabled(!results_.empty());
}

void TFrech::CopyResults()
{
    QApplication::clipboard()->setText(QString::fromLatin1(word_search::ClipboardText(results_)));
}
