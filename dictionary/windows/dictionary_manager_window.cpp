// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/windows/dictionary_manager_window.h"

#include "dictionary/windows/dico_export_page.h"
#include "dictionary/windows/dico_import_page.h"
#include "dictionary/windows/dico_info_page.h"
#include "dictionary/windows/dico_maintenance_page.h"
#include "dictionary/windows/dico_session.h"
#include "dictionary/windows/dico_update_page.h"
#include "dictionary/windows/dictionary_file_choice.h"
#include "framework/help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The file the window works on: the one given when it is a sound dictionary,
// else the one the user chooses instead (empty when the user gives up).
QString CheckedDictionary(const QString &dictionaryFile, bool &usable)
{
    QString file = dictionaryFile;
    usable = EnsureSoundDictionary(file);
    return usable ? file : QString();
}

} // namespace

TTFDico::TTFDico(const QString &dictionaryFile, QWidget *parent)
    : QDialog(parent), session_(std::make_unique<DicoSession>(CheckedDictionary(dictionaryFile, usable_)))
{
    setObjectName(QStringLiteral("TTFDico"));
    setWindowTitle(QStringLiteral("Dictionnaire"));

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl1"));
    UpdatePage = new DicoUpdatePage(*session_, PageControl);
    ExportPage = new DicoExportPage(*session_, PageControl);
    ImportPage = new DicoImportPage(*session_, PageControl);
    InfoPage = new DicoInfoPage(*session_, PageControl);
    MaintenancePage = new DicoMaintenancePage(*session_, PageControl);
    PageControl->addTab(UpdatePage, QStringLiteral("Mise à jour"));
    PageControl->addTab(ExportPage, QStringLiteral("Exports"));
    PageControl->addTab(ImportPage, QStringLiteral("Import"));
    PageControl->addTab(InfoPage, QStringLiteral("Info"));
    PageControl->addTab(MaintenancePage, QStringLiteral("Maintenance"));
    PageControl->setTabVisible(PageControl->indexOf(MaintenancePage), false);
    PageControl->setCurrentWidget(UpdatePage);
    connect(PageControl, &QTabWidget::currentChanged, this, &TTFDico::PageShown);

    Btn_help = new QPushButton(QStringLiteral("&Aide"), this);
    Btn_help->setObjectName(QStringLiteral("Btn_help"));
    Btn_close = new QPushButton(QStringLiteral("&Fermer"), this);
    Btn_close->setObjectName(QStringLiteral("Btn_close"));
    for (QPushButton *button : {Btn_help, Btn_close})
        button->setAutoDefault(false);
    connect(Btn_help, &QPushButton::clicked, this, [] { ShowHelpTopic(HelpTopic()); });
    connect(Btn_close, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_help);
    buttons->addWidget(Btn_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl, 1);
    layout->addLayout(buttons);
    resize(560, 440);
    PageControl->setEnabled(usable_);
}

int TTFDico::exec()
{
    // Without a usable dictionary there is nothing to manage.
    return usable_ ? QDialog::exec() : int(QDialog::Rejected);
}

TTFDico::~TTFDico()
{
    // The pages hold the session: they go first, and the tab control must not
    // call back into a window being destroyed while it removes them.
    disconnect(PageControl, nullptr, this, nullptr);
    delete PageControl;
}

void TTFDico::PageShown(int index)
{
    if (PageControl->widget(index) == InfoPage)
        InfoPage->RefreshIfStale();
}

QString TTFDico::DictionaryFile() const
{
    return session_->FileName;
}
