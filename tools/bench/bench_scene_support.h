// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The benchmarks that draw 3D scenes: they run on the display when there is
// one (the offscreen platform otherwise, where their frames are skipped),
// with the scenes' surface format and a settings folder of their own; and a
// frame forced and waited for.
#include <chrono>
#include <QApplication>
#include <QEventLoop>
#include <QOpenGLWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <string>

#include "bench_support.h"
#include "wordgames/scene3d/scene_view.h"

namespace bench {

// The dictionary argument, then the benchmarks under a display application.
inline int RunSceneBenchmarks(int argc, char **argv, const char *program, std::string &dictionary)
{
    dictionary = DictionaryArgument(argc, argv, program);
    if (dictionary.empty())
        return 1;
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    scene3d::SetDefaultSurfaceFormat();
    QApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}

// Milliseconds from asking a frame of the view to its being shown.
class FrameTimer {
public:
    explicit FrameTimer(scene3d::SceneView &view) : view_(view)
    {
        QObject::connect(&view_, &QOpenGLWidget::frameSwapped, &loop_, &QEventLoop::quit);
    }
    double Frame()
    {
        const auto start = std::chrono::steady_clock::now();
        view_.Step();
        QTimer::singleShot(2000, &loop_, &QEventLoop::quit);
        loop_.exec();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }

private:
    scene3d::SceneView &view_;
    QEventLoop loop_;
};

} // namespace bench
