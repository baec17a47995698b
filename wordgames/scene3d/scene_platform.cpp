// SPDX-License-Identifier: GPL-3.0-or-later
// The checks made before any scene is built: whether the platform gives
// OpenGL, and the surface format the scenes draw on.
#include "wordgames/scene3d/scene_view.h"

#include <optional>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

namespace scene3d {

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
