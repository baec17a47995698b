// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/windows/dico_export_page.h"

#include "dictionary/windows/background_task.h"
#include "dictionary/windows/dico_session.h"
#include "dictionary/windows/text_file_filter.h"
#include "framework/dialog_service.h"

#include <atomic>
#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Words written so far: the lines of the file as it grows.
qint64 LinesOf(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    qint64 lines = 0;
    while (!file.atEnd())
        lines += file.read(1 << 16).count('\n');
    return lines;
}

} // namespace

DicoExportPage::DicoExportPage(DicoSession &session, QWidget *parent) : QWidget(parent), session_(session)
{
    Ed_fich = new QLineEdit(this);
    Ed_fich->setObjectName(QStringLiteral("Ed_fich"));
    Btn_browse = new QPushButton(QStringLiteral("..."), this);
    Btn_browse->setObjectName(QStringLiteral("Btn_browse_export"));
    Btn_browse->setFixedWidth(Btn_browse->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    CB_origin = new QCheckBox(QStringLiteral("Exporter les mots d'origine"), this);
    CB_origin->setObjectName(QStringLiteral("CB_origin"));
    CB_user = new QCheckBox(QStringLiteral("Exporer les ajouts"), this);
    CB_user->setObjectName(QStringLiteral("CB_user"));
    CB_user->setChecked(true);
    Btn_run = new QPushButton(QStringLiteral("Lancer"), this);
    Btn_run->setObjectName(QStringLiteral("Btn_run"));

    connect(Ed_fich, &QLineEdit::textChanged, this, &DicoExportPage::UpdateRunButton);
    connect(Ed_fich, &QLineEdit::editingFinished, this, [this] {
        const QString full = FullPathOf(Ed_fich->text());
        if (full != Ed_fich->text())
            Ed_fich->setText(full);
    });
    connect(CB_origin, &QCheckBox::toggled, this, &DicoExportPage::UpdateRunButton);
    connect(CB_user, &QCheckBox::toggled, this, &DicoExportPage::UpdateRunButton);
    connect(Btn_browse, &QPushButton::clicked, this, &DicoExportPage::Browse);
    connect(Btn_run, &QPushButton::clicked, this, &DicoExportPage::Export);

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(new QLabel(QStringLiteral("Dans le fichier :"), this));
    fileRow->addWidget(Ed_fich, 1);
    fileRow->addWidget(Btn_browse);
    auto *runRow = new QHBoxLayout;
    runRow->addStretch();
    runRow->addWidget(Btn_run);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addSpacing(8);
    layout->addWidget(CB_origin);
    layout->addWidget(CB_user);
    layout->addSpacing(8);
    layout->addLayout(runRow);
    auto *hint =
        new QLabel(QStringLiteral("Les mots sont écrits en majuscules, un par ligne. Les « ajouts » sont "
                                  "les mots que vous avez ajoutés ou importés."),
                   this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addStretch();
    UpdateRunButton();
}

void DicoExportPage::showEvent(QShowEvent *event)
{
    UpdateRunButton();
    QWidget::showEvent(event);
}

void DicoExportPage::UpdateRunButton()
{
    Btn_run->setEnabled(Ed_fich->text().trimmed().size() > 1 &&
                        (CB_origin->isChecked() || CB_user->isChecked()));
}

void DicoExportPage::Browse()
{
    const QString chosen = Dialogs().saveFileName(QStringLiteral("Exporter les mots"), TextFileFilter(),
                                                  Ed_fich->text().trimmed());
    if (!chosen.isEmpty())
        Ed_fich->setText(FullPathOf(WithDefaultExtension(chosen)));
}

void DicoExportPage::Export()
{
    UpdateRunButton();
    if (!Btn_run->isEnabled())
        return;
    const QString fileName = FullPathOf(Ed_fich->text());
    Ed_fich->setText(fileName);
    const QString failure =
        QStringLiteral("Impossible d'écrire sur le ficher %1. Procédure abandonnée.").arg(fileName);
    // Writing the list over the dictionary would destroy the dictionary.
    if (QFileInfo(fileName).canonicalFilePath() == QFileInfo(session_.FileName).canonicalFilePath() &&
        QFileInfo::exists(fileName)) {
        Dialogs().message(failure, QString(), MessageIcon::Error);
        return;
    }
    if (QFileInfo::exists(fileName) &&
        Dialogs().question(QStringLiteral("Ecraser le fichier existant ?")) != Answer::Yes)
        return;

    const bool standard = CB_origin->isChecked();
    const bool user = CB_user->isChecked();
    const std::string dictionaryName = DicoSession::NativeName(session_.FileName);
    const std::string target = DicoSession::NativeName(fileName);
    std::atomic<bool> written = false;
    const bool ran = RunInBackground(
        this, QStringLiteral("Export"),
        [&] {
            // The worker's own object: the window's stays on the interface thread.
            const auto reader = TDictionnaire::Create(dictionaryName, 'R');
            written = reader->IsOpen() && reader->ExportWords(target, standard, user);
        },
        [&] { return QStringLiteral("Export en cours : %1 mots écrits").arg(LinesOf(fileName)); });
    if (!ran || !written) {
        Dialogs().message(failure, QString(), MessageIcon::Error);
        return;
    }
    Dialogs().message(
        QStringLiteral("%1 mots exportés dans le fichier %2.").arg(LinesOf(fileName)).arg(fileName));
}
