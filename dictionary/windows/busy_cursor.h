// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shows the busy cursor for the life of the object.
#include <QCursor>
#include <QGuiApplication>

class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};
