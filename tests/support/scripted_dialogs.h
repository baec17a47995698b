// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A dialog service for tests: every question, message, prompt and file
// dialog is recorded, and answered from a script given in advance. A dialog
// that finds no scripted answer is recorded as unexpected and cancelled.
#include "framework/dialog_service.h"

#include <deque>
#include <functional>
#include <QStringList>
#include <variant>
#include <vector>

class ScriptedDialogs : public DialogService {
public:
    struct Asked {
        QString kind; // "message", "question", "prompt", "open", "save"
        QString title;
        QString text;
    };

    // Answers, consumed in order by the dialog of the matching kind.
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> prompts;
    std::deque<QString> fileNames; // "" = cancel
    std::deque<int> filterIndexes;

    std::vector<Asked> asked;
    // Called as each dialog is asked, before it is answered.
    std::function<void(const Asked &)> onAsk;
    QStringList unexpected;

    void message(const QString &text, const QString &title, MessageIcon icon) override;
    Answer question(const QString &text, const QString &title, QuestionButtons buttons) override;
    std::optional<QString> prompt(const QString &title, const QString &label,
                                  const QString &initial) override;
    QString openFileName(const QString &title, const QString &filter, const QString &directory) override;
    QString saveFileName(const QString &title, const QString &filter, const QString &directory,
                         int *selectedFilter) override;

    QStringList Texts(const QString &kind) const;

private:
    void Record(const QString &kind, const QString &title, const QString &text);
};

// Installs a ScriptedDialogs for the life of the object and restores the
// previous service afterwards.
class ScriptedDialogsScope {
public:
    ScriptedDialogsScope();
    ~ScriptedDialogsScope();
    ScriptedDialogs &operator*() { return *dialogs_; }
    ScriptedDialogs *operator->() { return dialogs_; }

private:
    ScriptedDialogs *dialogs_;
    std::unique_ptr<DialogService> previous_;
};
