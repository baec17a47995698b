// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/windows/dico_update_page.h"

#include "dictionary/typed_word.h"
#include "dictionary/windows/dico_session.h"
#include "dictionary/windows/typed_text_validators.h"
#include "dictionary/windows/writable_dictionary.h"
#include "framework/dialog_service.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QString DicoTitle()
{
    return QStringLiteral("Dictionnaire");
}
} // namespace

DicoUpdatePage::DicoUpdatePage(DicoSession &session, QWidget *parent) : QWidget(parent), session_(session)
{
    RB_add = new QRadioButton(QStringLiteral("Ajouts de mots"), this);
    RB_add->setObjectName(QStringLiteral("RB_add"));
    RB_add->setChecked(true);
    RB_remove = new QRadioButton(QStringLiteral("Suppression de mots"), this);
    RB_remove->setObjectName(QStringLiteral("RB_remove"));

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setValidator(new DictionaryWordValidator(Edit1));

    Btn_add = new QPushButton(QStringLiteral("Ajouter"), this);
    Btn_add->setObjectName(QStringLiteral("Btn_add"));
    Btn_remove = new QPushButton(QStringLiteral("Supprimer"), this);
    Btn_remove->setObjectName(QStringLiteral("Btn_remove"));

    connect(Edit1, &QLineEdit::textChanged, this, &DicoUpdatePage::Refresh);
    connect(RB_add, &QRadioButton::toggled, this, &DicoUpdatePage::Refresh);
    connect(Btn_add, &QPushButton::clicked, this, &DicoUpdatePage::AddWord);
    connect(Btn_remove, &QPushButton::clicked, this, &DicoUpdatePage::RemoveWord);
    // Enter in the field runs the button of the mode when it is enabled.
    connect(Edit1, &QLineEdit::returnPressed, this, [this] {
        QPushButton *button = RB_add->isChecked() ? Btn_add : Btn_remove;
        if (button->isEnabled())
            button->click();
    });

    auto *modes = new QVBoxLayout;
    modes->addWidget(RB_add);
    modes->addWidget(RB_remove);
    auto *wordRow = new QHBoxLayout;
    wordRow->addWidget(new QLabel(QStringLiteral("Mot :"), this));
    wordRow->addWidget(Edit1, 1);
    wordRow->addWidget(Btn_add);
    wordRow->addWidget(Btn_remove);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(modes);
    layout->addSpacing(12);
    layout->addLayout(wordRow);
    auto *hint =
        new QLabel(QStringLiteral("Les accents sont retirés et seules les lettres A à Z sont gardées. "
                                  "Les mots ajoutés ici sont vos « ajouts » : l'export et la page "
                                  "Info les distinguent des mots d'origine."),
                   this);
    hint->setWordWrap(true);
    layout->addSpacing(12);
    layout->addWidget(hint);
    layout->addStretch();
    Refresh();
}

QString DicoUpdatePage::Word() const
{
    return DictionaryWordValidator::WordOf(Edit1->text());
}

void DicoUpdatePage::Refresh()
{
    const QString word = Word();
    if (Edit1->text() != word)
        Edit1->setText(word); // calls Refresh again
    const bool adding = RB_add->isChecked();
    Btn_add->setVisible(adding);
    Btn_remove->setVisible(!adding);
    Btn_add->setEnabled(word.size() >= qsizetype(typed_word::kMinLetters));
    Btn_remove->setEnabled(session_.Contains(word));
}

void DicoUpdatePage::AddWord()
{
    Refresh();
    const QString word = Word();
    if (!typed_word::HasAcceptedLength(word.toStdString())) {
        Dialogs().message(QStringLiteral("Longueur du mot incorrecte !"));
        return;
    }
    if (session_.Contains(word)) {
        Dialogs().message(QStringLiteral("Le mot %1 existe déjà !").arg(word));
        return;
    }
    const auto writable = OpenWritableDictionary(session_.FileName);
    if (!writable)
        return;
    if (Dialogs().question(QStringLiteral("Confirmez-vous l'ajout de « %1 » ?").arg(word), DicoTitle()) !=
        Answer::Yes)
        return;
    if (writable->AddWord(word.toStdString(), true))
        session_.StatsStale = true;
    else
        ReportChangeFailure(*writable);
    Refresh();
}

void DicoUpdatePage::RemoveWord()
{
    Refresh();
    const QString word = Word();
    if (!session_.Contains(word)) {
        Dialogs().message(QStringLiteral("Le mot %1 n'existe pas !").arg(word));
        return;
    }
    const auto writable = OpenWritableDictionary(session_.FileName);
    if (!writable)
        return;
    if (Dialogs().question(QStringLiteral("Confirmez-vous la suppression de « %1 » ?").arg(word),
                           DicoTitle()) == Answer::Yes) {
        if (writable->RemoveWord(word.toStdString()))
            session_.StatsStale = true;
        else if (writable->LastChangeError() != 0)
            ReportChangeFailure(*writable);
        else
            Dialogs().message(QStringLiteral("Suppression impossible"), QString(), MessageIcon::Error);
    }
    Refresh();
}
