// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The periodic tick that drives a game window's state machine.
//
// Ticks run on the UI thread and never overlap: while one tick handler runs,
// no other tick of any window starts, not even from the nested event loop of
// a modal dialog that the handler opened. While a modal dialog is up (one
// opened through the dialog interface, or any application-modal widget), ticks
// pass without acting, so a game never moves behind a question. A gate lets
// the window make ticks pass too (its Paused and Closing flags).
#include <functional>
#include <QObject>
#include <QTimer>

// Marks a modal interaction in progress for as long as it lives. The dialog
// service and every modal dialog of the program open one.
class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope &) = delete;
    ModalScope &operator=(const ModalScope &) = delete;
    static bool active();
};

class TickDriver : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    using Gate = std::function<bool()>; // true: let this tick pass without acting

    explicit TickDriver(Handler handler, Gate passWhen = {}, QObject *parent = nullptr);

    void start(int intervalMs);
    void stop();
    bool isActive() const { return timer_.isActive(); }
    int interval() const { return timer_.interval(); }

    // Runs one tick now, under the same rules as a timer tick. Returns true
    // when the handler ran. Tests drive windows through it.
    bool fire();

    // True while some tick handler is running.
    static bool tickRunning();

    int ticksRun() const { return ticksRun_; }
    int ticksPassed() const { return ticksPassed_; }

private:
    Handler handler_;
    Gate passWhen_;
    QTimer timer_;
    int ticksRun_ = 0;
    int ticksPassed_ = 0;
};
