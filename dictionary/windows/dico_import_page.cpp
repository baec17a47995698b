// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/windows/dico_import_page.h"

#include "dictionary/import_word_scanner.h"
#include "dictionary/windows/busy_cursor.h"
#include "dictionary/windows/dico_session.h"
#include "dictionary/windows/text_file_filter.h"
#include "dictionary/windows/writable_dictionary.h"
#include "framework/dialog_service.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

namespace {

constexpr qint64 kChunkSize = 1 << 16;

// A progress dialog that shows once the work lasts, above the page's window.
void SetUpProgress(QProgressDialog &progress, const QString &title)
{
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumWidth(360);
}

// Lets the window repaint and the progress dialog's timer run between two
// steps. Input waits: the list must not change under the loop; once the
// progress dialog shows, it blocks the window and handles its own button.
void KeepResponsive()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

DicoImportPage::DicoImportPage(DicoSession &session, QWidget *parent) : QWidget(parent), session_(session)
{
    Ed_fich_imp = new QLineEdit(this);
    Ed_fich_imp->setObjectName(QStringLiteral("Ed_fich_imp"));
    Btn_browse = new QPushButton(QStringLiteral("..."), this);
    Btn_browse->setObjectName(QStringLiteral("Btn_browse_import"));
    Btn_browse->setFixedWidth(Btn_browse->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    lb_imp = new QListWidget(this);
    lb_imp->setObjectName(QStringLiteral("lb_imp"));
    lb_imp->setUniformItemSizes(true);
    Btn_prepare = new QPushButton(QStringLiteral("Préparer l'import"), this);
    Btn_prepare->setObjectName(QStringLiteral("Btn_prepare"));
    Btn_import = new QPushButton(QStringLiteral("Importer"), this);
    Btn_import->setObjectName(QStringLiteral("Btn_import"));
    Lbl_count = new QLabel(this);
    Lbl_count->setObjectName(QStringLiteral("Lbl_count"));
    Lbl_count->setWordWrap(true);

    connect(Ed_fich_imp, &QLineEdit::textChanged, this, &DicoImportPage::FileNameChanged);
    connect(Ed_fich_imp, &QLineEdit::editingFinished, this, [this] {
        const QString full = FullPathOf(Ed_fich_imp->text());
        if (full != Ed_fich_imp->text())
            Ed_fich_imp->setText(full);
    });
    connect(lb_imp, &QListWidget::itemChanged, this, &DicoImportPage::UpdateButtons);
    connect(Btn_browse, &QPushButton::clicked, this, &DicoImportPage::Browse);
    connect(Btn_prepare, &QPushButton::clicked, this, &DicoImportPage::Prepare);
    connect(Btn_import, &QPushButton::clicked, this, &DicoImportPage::Import);

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(new QLabel(QStringLiteral("A partir du fichier :"), this));
    fileRow->addWidget(Ed_fich_imp, 1);
    fileRow->addWidget(Btn_browse);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(Btn_prepare);
    buttons->addWidget(Btn_import);
    buttons->addWidget(Lbl_count);
    buttons->addStretch();
    auto *listRow = new QHBoxLayout;
    listRow->addWidget(lb_imp, 1);
    listRow->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addLayout(listRow, 1);
    UpdateButtons();
}

void DicoImportPage::FileNameChanged()
{
    lb_imp->clear();
    UpdateButtons();
}

void DicoImportPage::UpdateButtons()
{
    Btn_prepare->setEnabled(QFileInfo(Ed_fich_imp->text().trimmed()).isFile());
    Btn_import->setEnabled(lb_imp->count() > 0);
    Lbl_count->setText(
        lb_imp->count() == 0
            ? QString()
            : QStringLiteral("%1 mots, %2 cochés").arg(lb_imp->count()).arg(TickedWords().size()));
}

QStringList DicoImportPage::ListedWords() const
{
    QStringList words;
    for (int row = 0; row < lb_imp->count(); ++row)
        words << lb_imp->item(row)->text();
    return words;
}

QStringList DicoImportPage::TickedWords() const
{
    QStringList words;
    for (int row = 0; row < lb_imp->count(); ++row)
        if (lb_imp->item(row)->checkState() == Qt::Checked)
            words << lb_imp->item(row)->text();
    return words;
}

void DicoImportPage::Browse()
{
    const QString chosen = Dialogs().openFileName(QStringLiteral("Importer des mots"), TextFileFilter(),
                                                  Ed_fich_imp->text().trimmed());
    if (!chosen.isEmpty())
        Ed_fich_imp->setText(FullPathOf(chosen));
}

void DicoImportPage::Prepare()
{
    lb_imp->clear();
    UpdateButtons();
    const QString fileName = FullPathOf(Ed_fich_imp->text());
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Dialogs().message(QStringLiteral("Impossible de lire le fichier %1.").arg(fileName), QString(),
                          MessageIcon::Error);
        return;
    }
    ImportWordScanner scanner(
        [this](const std::string &word) { return session_.ReadDictionary->Contains(word); });
    {
        BusyCursor busy;
        QProgressDialog progress(this);
        SetUpProgress(progress, QStringLiteral("Préparation de l'import"));
        progress.setCancelButtonText(QStringLiteral("Arrêter"));
        const qint64 kilobytes = std::max<qint64>(1, file.size() / 1024);
        progress.setRange(0, int(std::min<qint64>(kilobytes, INT_MAX)));
        qint64 read = 0;
        bool failed = false;
        while (!file.atEnd() && !progress.wasCanceled()) {
            const QByteArray chunk = file.read(kChunkSize);
            if (chunk.isEmpty()) {
                failed = file.error() != QFileDevice::NoError;
                break;
            }
            read += chunk.size();
            scanner.Feed(std::string_view(chunk.constData(), std::size_t(chunk.size())));
            progress.setLabelText(QStringLiteral("%1 Ko lus sur %2, %3 mots nouveaux trouvés")
                                      .arg(read / 1024)
                                      .arg(file.size() / 1024)
                                      .arg(scanner.Words().size()));
            progress.setValue(int(std::min<qint64>(read / 1024, progress.maximum())));
            KeepResponsive();
        }
        scanner.Finish();
        if (failed) {
            Dialogs().message(QStringLiteral("Impossible de lire le fichier %1.").arg(fileName), QString(),
                              MessageIcon::Error);
            return;
        }
        lb_imp->setUpdatesEnabled(false);
        for (const std::string &word : scanner.Words()) {
            // Ticked before it joins the list: no change signal per word.
            auto *item = new QListWidgetItem(QString::fromLatin1(word));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
            item->setCheckState(Qt::Checked);
            lb_imp->addItem(item);
        }
        lb_imp->setUpdatesEnabled(true);
    }
    UpdateButtons();
    if (lb_imp->count() == 0)
        Dialogs().message(QStringLiteral("Le fichier %1 ne contient aucun mot nouveau.").arg(fileName));
}

void DicoImportPage::Import()
{
    const QStringList ticked = TickedWords();
    if (ticked.isEmpty())
        return;
    const auto writable = OpenWritableDictionary(session_.FileName);
    if (!writable)
        return;
    if (Dialogs().question(QStringLiteral("Confirmez-vous l'ajout de %1 mots ?").arg(ticked.size()),
                           QStringLiteral("Dictionnaire")) != Answer::Yes)
        return;

    // The import is one change of the file: the words go to the dictionary's
    // copy in memory one by one (the progress dialog can stop it between two
    // words), and the file receives all those done at once at the end. A
    // failed write adds none of them.
    if (!writable->BeginChanges()) {
        ReportChangeFailure(*writable);
        return;
    }
    std::vector<QListWidgetItem *> added;
    int done = 0;
    {
        BusyCursor busy;
        QProgressDialog progress(this);
        SetUpProgress(progress, QStringLiteral("Import"));
        progress.setCancelButtonText(QStringLiteral("Arrêter"));
        progress.setRange(0, int(ticked.size()));
        for (int row = 0; row < lb_imp->count() && !progress.wasCanceled(); ++row) {
            QListWidgetItem *item = lb_imp->item(row);
            if (item->checkState() != Qt::Checked)
                continue;
            // A word the copy now holds is no longer a candidate; one it
            // refused stays listed for another try.
            if (writable->AddWord(item->text().toStdString(), true))
                added.push_back(item);
            progress.setLabelText(
                QStringLiteral("%1 mots ajoutés sur %2").arg(added.size()).arg(ticked.size()));
            progress.setValue(++done);
            KeepResponsive();
        }
        if (!added.empty()) {
            progress.setLabelText(QStringLiteral("Enregistrement du dictionnaire..."));
            KeepResponsive();
        }
        if (!writable->CommitChanges()) {
            ReportChangeFailure(*writable);
            UpdateButtons();
            return;
        }
    }
    if (!added.empty())
        session_.StatsStale = true;
    for (QListWidgetItem *item : added)
        delete item; // leaves the list
    UpdateButtons();
    if (qsizetype(added.size()) < ticked.size())
        Dialogs().message(QStringLiteral("%1 mots ajoutés sur %2.").arg(added.size()).arg(ticked.size()));
}
