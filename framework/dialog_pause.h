// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// DialogPause: holds a game window's ticks while one of the program's own
// dialogs is shown, and gives the window its own pause back afterwards.
#include "framework/game_window.h"

#include <QPointer>

class DialogPause {
public:
    explicit DialogPause(TFLudorine *window) : window_(window)
    {
        if (window_)
            window_->BeginDialogPause();
    }
    ~DialogPause()
    {
        if (window_)
            window_->EndDialogPause();
    }
    DialogPause(const DialogPause &) = delete;
    DialogPause &operator=(const DialogPause &) = delete;

private:
    QPointer<TFLudorine> window_;
};
