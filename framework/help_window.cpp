// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
const QString kHelpRoot = QStringLiteral(":/help/");
}

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Aide de Ludorine"));
    setObjectName(QStringLiteral("HelpWindow"));
    browser_->setSearchPaths({kHelpRoot});
    browser_->setOpenExternalLinks(true);

    auto *back = new QPushButton(QStringLiteral("< &Précédent"), this);
    auto *forward = new QPushButton(QStringLiteral("&Suivant >"), this);
    auto *home = new QPushButton(QStringLiteral("&Sommaire"), this);
    auto *closeButton = new QPushButton(QStringLiteral("&Fermer"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, this, [this] { ShowTopic(MainTopic()); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    new QShortcut(QKeySequence::Close, this, [this] { close(); });
    new QShortcut(Qt::Key_Escape, this, [this] { close(); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(home);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(720, 620);
}

QString HelpWindow::PageOf(const QString &topic)
{
    QString page = topic;
    const int separator = page.indexOf(QStringLiteral("::/"));
    if (separator >= 0)
        page = page.mid(separator + 3);
    if (page.isEmpty() || !QFile::exists(kHelpRoot + page))
        return MainTopic();
    return page;
}

void HelpWindow::ShowTopic(const QString &topic)
{
    browser_->setSource(QUrl(QStringLiteral("qrc") + kHelpRoot + PageOf(topic)));
}

QString HelpWindow::CurrentTopic() const
{
    return browser_->source().fileName();
}

HelpWindow *ShowHelpTopic(const QString &topic)
{
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->ShowTopic(topic);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
