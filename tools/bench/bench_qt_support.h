// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The benchmarks of windows run on the offscreen platform (no display
// needed) with a settings folder of their own, out of the home folder.
#include <optional>
#include <QApplication>
#include <QTemporaryDir>

#include "framework/dialog_service.h"

#include "bench_support.h"

namespace bench {

// Every message is answered at once (the end of a game's among them): nobody
// sits at the bench, and a message box would wait for ever.
class SilentDialogs : public DialogService {
public:
    void message(const QString &, const QString &, MessageIcon) override {}
    Answer question(const QString &, const QString &, QuestionButtons) override { return Answer::Yes; }
    std::optional<QString> prompt(const QString &, const QString &, const QString &) override
    {
        return std::nullopt;
    }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &, int *) override { return {}; }
};

class OffscreenApplication {
public:
    explicit OffscreenApplication(char **argv) : app_(argc_, argv) {}

private:
    static bool Prepare(const QTemporaryDir &settings)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
        return true;
    }

    // In this order: the folder and the environment before the application.
    QTemporaryDir settings_;
    bool prepared_ = Prepare(settings_);
    int argc_ = 1;
    QApplication app_;
};

} // namespace bench
