// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/windows/dico_info_page.h"

#include "dictionary/statistics_tree.h"
#include "dictionary/windows/background_task.h"
#include "dictionary/windows/dico_session.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

DicoInfoPage::DicoInfoPage(DicoSession &session, QWidget *parent) : QWidget(parent), session_(session)
{
    Tree = new QTreeWidget(this);
    Tree->setObjectName(QStringLiteral("TreeView1"));
    Tree->setColumnCount(2);
    Tree->setHeaderLabels({QStringLiteral("Rubrique"), QStringLiteral("Valeur")});
    Tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    Tree->setUniformRowHeights(true);
    Btn_copy = new QPushButton(QStringLiteral("&Copier"), this);
    Btn_copy->setObjectName(QStringLiteral("Btn_copy_info"));
    Btn_copy->setToolTip(QStringLiteral("Copie les statistiques dans le presse-papiers"));
    connect(Btn_copy, &QPushButton::clicked, this, &DicoInfoPage::CopyStatistics);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_copy);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Tree, 1);
    layout->addLayout(buttons);
}

void DicoInfoPage::RefreshIfStale()
{
    if (session_.StatsStale)
        Rebuild();
}

void DicoInfoPage::Rebuild()
{
    const std::string dictionaryName = DicoSession::NativeName(session_.FileName);
    std::vector<std::string> lines;
    QElapsedTimer clock;
    clock.start();
    RunInBackground(
        this, QStringLiteral("Statistiques"),
        [&] {
            // The worker's own object: the window's stays on the interface thread.
            lines = TDictionnaire::Create(dictionaryName, 'R')->Statistics();
        },
        [&] { return QStringLiteral("Lecture du dictionnaire... (%1 s)").arg(clock.elapsed() / 1000); });

    const StatisticsTree statistics =
        StatisticsTree::FromStatistics(lines, QDir::toNativeSeparators(session_.FileName).toStdString());
    Tree->clear();
    for (const StatisticsTree::Branch *branch : statistics.Branches()) {
        auto *node = new QTreeWidgetItem(Tree, {QString::fromUtf8(branch->Title)});
        for (const StatisticsTree::Row &row : branch->Rows)
            new QTreeWidgetItem(node, {QString::fromUtf8(row.Label), QString::fromUtf8(row.Value)});
    }
    Tree->topLevelItem(0)->setExpanded(true);
    session_.StatsStale = false;
}

void DicoInfoPage::CopyStatistics()
{
    QString text;
    for (int top = 0; top < Tree->topLevelItemCount(); ++top) {
        const QTreeWidgetItem *branch = Tree->topLevelItem(top);
        text += branch->text(0) + QStringLiteral("\r\n");
        for (int child = 0; child < branch->childCount(); ++child) {
            const QTreeWidgetItem *row = branch->child(child);
            text += QStringLiteral("  ") + row->text(0);
            if (!row->text(1).isEmpty())
                text += QLatin1Char('\t') + row->text(1);
            text += QStringLiteral("\r\n");
        }
    }
    QApplication::clipboard()->setText(text);
}
