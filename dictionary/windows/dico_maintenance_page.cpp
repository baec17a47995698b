// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/windows/dico_maintenance_page.h"

#include "dictionary/windows/busy_cursor.h"
#include "dictionary/windows/dico_session.h"
#include "dictionary/windows/writable_dictionary.h"

#include <QPushButton>
#include <QVBoxLayout>

DicoMaintenancePage::DicoMaintenancePage(DicoSession &session, QWidget *parent)
    : QWidget(parent), session_(session)
{
    Btn_validate = new QPushButton(QStringLiteral("Valider dictionnaire perso"), this);
    Btn_validate->setObjectName(QStringLiteral("Btn_validate"));
    connect(Btn_validate, &QPushButton::clicked, this, &DicoMaintenancePage::ValidateUserWords);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Btn_validate);
    layout->addStretch();
}

void DicoMaintenancePage::ValidateUserWords()
{
    BusyCursor busy;
    const auto writable = OpenWritableDictionary(session_.FileName);
    if (!writable)
        return;
    if (!writable->ClearUserFlags()) {
        ReportChangeFailure(*writable);
        return;
    }
    // The "Perso" branch of the statistics is now empty.
    session_.StatsStale = true;
}
