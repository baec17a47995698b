// SPDX-License-Identifier: GPL-3.0-or-later
// The scene clock and the checks made before any scene is built: whether
// the platform gives OpenGL, and the surface format the scenes draw on.
#include "wordgames/scene3d/scene_view.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <optional>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

namespace scene3d {

namespace {
double SteadySeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

SceneClock::SceneClock() : realTime(SteadySeconds), lastReal_(std::numeric_limits<double>::quiet_NaN()) {}

double SceneClock::Advance()
{
    lastStep_ = 0;
    if (running_) {
        const double real = realTime();
        if (std::isnan(lastReal_))
            lastReal_ = real; // the first advance starts the count
        // A real clock that goes back (or a test that rewinds it) never
        // makes the scene go back.
        lastStep_ = std::max(0.0, real - lastReal_);
        lastReal_ = real;
        now_ += lastStep_;
    }
    return now_;
}

void SceneClock::Stop()
{
    if (!running_)
        return;
    Advance();
    running_ = false;
}

void SceneClock::Start()
{
    if (running_)
        return;
    running_ = true;
    lastReal_ = realTime();
}

bool OpenGLAvailable()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    const QString platform = QGuiApplication::platformName();
    // These platforms have no OpenGL: asking them for a context aborts.
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return false;
    static std::optional<bool> available;
    if (!available) {
        QOpenGLContext context;
        QOffscreenSurface surface;
        surface.create();
        available = context.create() && surface.isValid() && context.makeCurrent(&surface);
        if (*available)
            context.doneCurrent();
    }
    return *available;
}

void SetDefaultSurfaceFormat()
{
    // The scenes are drawn with the fixed-function pipeline, which a core
    // profile does not have.
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    format.setStencilBufferSize(8);
    QSurfaceFormat::setDefaultFormat(format);
}

} // namespace scene3d
