// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Philosophe window on a temporary settings store and the generated
// dictionary, shown on the display, its Configuration answered by the test
// and its ticks fired by the test.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <QSignalSpy>
#include <QTest>
#include <sstream>
#include <vector>

#include "framework/config_dialog.h"
#include "framework/game_file.h"
#include "framework/savefile/typed_stream.h"
#include "framework/tick_driver.h"
#include "support/scripted_dialogs.h"
#include "support/temp_settings.h"
#include "support/word_game_fixtures.h"
#include "window_test_support.h"
#include "wordgames/philosophe/philo_window.h"
#include "wordgames/scene3d/scene_view.h"

class PhiloWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!scene3d::OpenGLAvailable())
            GTEST_SKIP() << "no OpenGL on this display";
    }

    // A window whose players are these (true: a computer), run to the first
    // proposal or to the setter's panel.
    TFPhilo &Start(const std::vector<bool> &computers, std::uint32_t seed = 5)
    {
        window = std::make_unique<TFPhilo>(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY));
        window->StopTicks();
        window->Game().Random().seed(seed);
        window->runConfiguration = [this, computers](TFconfig &config) {
            for (std::size_t i = 0; i < computers.size(); ++i)
                config.Players[i + 1].Level = computers[i] ? 1 : 0;
            config.GameSettings::ApplyDialog(int(computers.size()));
            config.Options.CB_philo = 1; // five letters
            if (configure)
                configure(config);
            return true;
        };
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        RunUntil([this] {
            const philo::PhiloGame &game = window->Game();
            return (game.Etat == 2 && game.Etape == 0) || WordPanelShown();
        });
        return *window;
    }

    bool RunUntil(const std::function<bool()> &done, int most = 5000)
    {
        return window_tests::FireTicksUntil(*window, done, most);
    }

    bool WordPanelShown() const;

    // The picture the view shows now, after a frame.
    QImage Frame()
    {
        QSignalSpy swapped(window->View, &QOpenGLWidget::frameSwapped);
        window->View->update();
        swapped.wait(2000);
        return window->View->grabFramebuffer();
    }

    // The saved game read into a new window, its ticks stopped.
    std::unique_ptr<TFPhilo> Reopened()
    {
        return word_game_test::Reopened<TFPhilo>(*window, [] {
            return std::make_unique<TFPhilo>(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY));
        });
    }

    TempSettings settings;
    ScriptedDialogsScope dialogs;
    std::unique_ptr<TFPhilo> window;
    std::function<void(TFconfig &)> configure;
};
