// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one interface through which the program asks or tells the user
// anything: message boxes, Yes/No(/Cancel) questions, text prompts and file
// dialogs. The application installs the Qt implementation; tests install a
// scripted one that records the questions and gives the answers.
#include <memory>
#include <optional>
#include <QString>

class QWidget;

enum class Answer { Yes, No, Cancel, Ok };

enum class QuestionButtons { YesNo, YesNoCancel };

enum class MessageIcon { Information, Warning, Error };

class DialogService {
public:
    virtual ~DialogService() = default;

    // A message with an OK button. Title "Ludorine" unless given.
    virtual void message(const QString &text, const QString &title = QString(),
                         MessageIcon icon = MessageIcon::Information) = 0;

    // A question; returns Yes, No or (with YesNoCancel) Cancel.
    virtual Answer question(const QString &text, const QString &title = QString(),
                            QuestionButtons buttons = QuestionButtons::YesNo) = 0;

    // A one-line text prompt; nullopt when cancelled.
    virtual std::optional<QString> prompt(const QString &title, const QString &label,
                                          const QString &initial = QString()) = 0;

    // File dialogs. The filter uses the "Description|*.ext|Description|*.ext"
    // form of the program's texts. An empty result means the user cancelled.
    // selectedFilter, when given, receives the 1-based index of the filter used.
    virtual QString openFileName(const QString &title, const QString &filter,
                                 const QString &directory = QString()) = 0;
    virtual QString saveFileName(const QString &title, const QString &filter,
                                 const QString &directory = QString(), int *selectedFilter = nullptr) = 0;
};

// The dialog service in use. Never null: the Qt implementation is the default.
DialogService &Dialogs();

// Replaces the service in use (tests); returns the previous one. Passing null
// restores the Qt implementation.
std::unique_ptr<DialogService> SetDialogs(std::unique_ptr<DialogService> service);

// The default title of message boxes.
QString ProgramTitle();

// Turns a "Desc (*.a)|*.a|Other|*.b" filter into the Qt form "Desc (*.a);;Other (*.b)".
QString QtFilterFromPipes(const QString &filter);
