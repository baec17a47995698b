// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog service of the running application: Qt message boxes, input
// dialogs and file dialogs, parented to the active window. While one is up,
// tick handlers do not run (see ModalScope).
#include "framework/dialog_service.h"

class QtDialogService : public DialogService {
public:
    void message(const QString &text, const QString &title, MessageIcon icon) override;
    Answer question(const QString &text, const QString &title, QuestionButtons buttons) override;
    std::optional<QString> prompt(const QString &title, const QString &label,
                                  const QString &initial) override;
    QString openFileName(const QString &title, const QString &filter, const QString &directory) override;
    QString saveFileName(const QString &title, const QString &filter, const QString &directory,
                         int *selectedFilter) override;
};
