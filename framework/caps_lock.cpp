// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/caps_lock.h"

#include <QGuiApplication>

#ifdef LUDORINE_HAVE_XKB
#include <QtGui/qguiapplication_platform.h>
#include <X11/XKBlib.h>
#endif

bool SetKeyboardCapsLock(bool on)
{
#ifdef LUDORINE_HAVE_XKB
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return false;
    Display *display = x11->display();
    const bool done = XkbLockModifiers(display, XkbUseCoreKbd, LockMask, on ? LockMask : 0);
    XFlush(display);
    return done;
#else
    (void)on;
    return false;
#endif
}
