// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help viewer: one window showing the French help pages compiled into the
// program. Topics are named "File.chm::/Topic.htm"; the page of that name is
// shown, the main page when there is no such page.
#include <QString>
#include <QWidget>

class QTextBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows a topic given as "Ludorine.chm::/Scrabble.htm" or "Scrabble.htm".
    void ShowTopic(const QString &topic);
    QString CurrentTopic() const;
    QTextBrowser *Browser() const { return browser_; }

    // The page name of a topic; the main page when it names none that exists.
    static QString PageOf(const QString &topic);
    static QString MainTopic() { return QStringLiteral("Ludorine.htm"); }

private:
    QTextBrowser *browser_;
};

// Opens (or brings to front) the program's help window on a topic.
HelpWindow *ShowHelpTopic(const QString &topic);
