// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/qt_dialog_service.h"
#include "framework/tick_driver.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

namespace {
// Runs the event loop for about Ms milliseconds.
void Spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

TEST(TickDriver, TimerTicksRunTheHandlerAndTheGateLetsThemPass)
{
    int runs = 0;
    bool paused = false;
    TickDriver driver([&] { ++runs; }, [&] { return paused; });
    driver.start(5);
    Spin(80);
    EXPECT_GT(runs, 3);

    paused = true;
    const int before = runs;
    Spin(60);
    EXPECT_EQ(runs, before);
    EXPECT_GT(driver.ticksPassed(), 0);
}

TEST(TickDriver, NoTickStartsInsideTheNestedLoopOfAHandler)
{
    // A handler that runs a nested event loop, as a modal dialog does: the
    // timers of this driver and of another window keep firing, but no
    // handler may start until the first one returns.
    int depth = 0, maxDepth = 0, otherRunsDuringNested = 0, runs = 0;
    bool nested = false;
    TickDriver other([&] {
        if (nested)
            ++otherRunsDuringNested;
    });
    TickDriver driver([&] {
        ++runs;
        maxDepth = std::max(maxDepth, ++depth);
        if (runs == 1) {
            nested = true;
            Spin(120);
            nested = false;
        }
        --depth;
    });
    driver.start(5);
    other.start(5);
    Spin(250);
    driver.stop();
    other.stop();
    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(otherRunsDuringNested, 0);
    EXPECT_GT(driver.ticksPassed() + other.ticksPassed(), 5);
    EXPECT_GT(runs, 2) << "ticks resume once the handler returned";
}

TEST(TickDriver, RealModalMessageBoxOpenedByATickHoldsTheTicks)
{
    QtDialogService dialogs;
    int runs = 0, runsWhileModal = 0;
    bool modalUp = false;
    TickDriver driver([&] {
        ++runs;
        if (modalUp)
            ++runsWhileModal;
        if (runs == 1) {
            QTimer::singleShot(100, [] {
                if (QWidget *box = QApplication::activeModalWidget())
                    box->close();
            });
            modalUp = true;
            dialogs.message(QStringLiteral("Une question"), QString(), MessageIcon::Information);
            modalUp = false;
        }
    });
    driver.start(5);
    Spin(250);
    EXPECT_EQ(runsWhileModal, 0);
    EXPECT_GT(runs, 1);
}

TEST(TickDriver, AModalScopeOpenedOutsideATickMakesTicksPass)
{
    int runs = 0;
    TickDriver driver([&] { ++runs; });
    {
        ModalScope modal;
        EXPECT_FALSE(driver.fire());
    }
    EXPECT_TRUE(driver.fire());
    EXPECT_EQ(runs, 1);
}

TEST(TickDriver, AnExceptionInAHandlerDoesNotEscapeNorBlockLaterTicks)
{
    int runs = 0;
    TickDriver driver([&] {
        ++runs;
        throw std::runtime_error("boom");
    });
    EXPECT_NO_THROW(driver.fire());
    EXPECT_FALSE(TickDriver::tickRunning());
    EXPECT_TRUE(driver.fire());
    EXPECT_EQ(runs, 2);
}
