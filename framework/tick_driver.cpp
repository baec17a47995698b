// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/tick_driver.h"

#include <QApplication>

namespace {
int g_modalDepth = 0;
bool g_tickRunning = false;

// Clears the running mark even when the handler unwinds.
struct RunningMark {
    RunningMark() { g_tickRunning = true; }
    ~RunningMark() { g_tickRunning = false; }
};
} // namespace

ModalScope::ModalScope()
{
    ++g_modalDepth;
}

ModalScope::~ModalScope()
{
    --g_modalDepth;
}

bool ModalScope::active()
{
    return g_modalDepth > 0 || QApplication::activeModalWidget() != nullptr;
}

TickDriver::TickDriver(Handler handler, Gate passWhen, QObject *parent)
    : QObject(parent), handler_(std::move(handler)), passWhen_(std::move(passWhen))
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { fire(); });
}

void TickDriver::start(int intervalMs)
{
    timer_.start(std::max(1, intervalMs));
}

void TickDriver::stop()
{
    timer_.stop();
}

bool TickDriver::tickRunning()
{
    return g_tickRunning;
}

bool TickDriver::fire()
{
    if (g_tickRunning || ModalScope::active() || (passWhen_ && passWhen_())) {
        ++ticksPassed_;
        return false;
    }
    RunningMark mark;
    ++ticksRun_;
    try {
        handler_();
    } catch (...) {
        // A game's tick must never take the event loop down; the game's
        // state machine simply does not advance on this tick.
    }
    return true;
}
