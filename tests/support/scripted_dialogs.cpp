// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_dialogs.h"

void ScriptedDialogs::message(const QString &text, const QString &title, MessageIcon)
{
    Record(QStringLiteral("message"), title, text);
}

Answer ScriptedDialogs::question(const QString &text, const QString &title, QuestionButtons buttons)
{
    Record(QStringLiteral("question"), title, text);
    if (answers.empty()) {
        unexpected << text;
        return buttons == QuestionButtons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::prompt(const QString &title, const QString &label, const QString &)
{
    Record(QStringLiteral("prompt"), title, label);
    if (prompts.empty()) {
        unexpected << label;
        return std::nullopt;
    }
    const bool given = prompts.front().has_value();
    const QString text = prompts.front().value_or(QString());
    prompts.pop_front();
    if (!given)
        return std::nullopt;
    return text;
}

QString ScriptedDialogs::openFileName(const QString &title, const QString &filter, const QString &)
{
    Record(QStringLiteral("open"), title, filter);
    if (fileNames.empty()) {
        unexpected << title;
        return QString();
    }
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString ScriptedDialogs::saveFileName(const QString &title, const QString &filter, const QString &,
                                      int *selectedFilter)
{
    Record(QStringLiteral("save"), title, filter);
    if (selectedFilter) {
        *selectedFilter = filterIndexes.empty() ? 1 : filterIndexes.front();
        if (!filterIndexes.empty())
            filterIndexes.pop_front();
    }
    if (fileNames.empty()) {
        unexpected << title;
        return QString();
    }
    const QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QStringList ScriptedDialogs::Texts(const QString &kind) const
{
    QStringList texts;
    for (const Asked &entry : asked)
        if (entry.kind == kind)
            texts << entry.text;
    return texts;
}

ScriptedDialogsScope::ScriptedDialogsScope()
{
    auto dialogs = std::make_unique<ScriptedDialogs>();
    dialogs_ = dialogs.get();
    previous_ = SetDialogs(std::move(dialogs));
}

ScriptedDialogsScope::~ScriptedDialogsScope()
{
    SetDialogs(std::move(previous_));
}

void ScriptedDialogs::Record(const QString &kind, const QString &title, const QString &text)
{
    asked.push_back({kind, title, text});
    if (onAsk)
        onAsk(asked.back());
}
