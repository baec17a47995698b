// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The benchmarks of windows run on the offscreen platform (no display
// needed) with a settings folder of their own, out of the home folder.
#include <QApplication>
#include <QTemporaryDir>

#include "bench_support.h"

namespace bench {

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
