// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Hangman window on a temporary settings store and the generated
// dictionary, shown on the display, its Configuration answered by the test,
// its ticks fired by the test on a test clock (50 ms a tick) that the scene
// follows too.
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
#include "wordgames/hangman/pendu_panels.h"
#include "wordgames/hangman/pendu_window.h"
#include "wordgames/scene3d/scene_view.h"

class PenduWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!scene3d::OpenGLAvailable())
            GTEST_SKIP() << "no OpenGL on this display";
    }

    std::unique_ptr<TFPendu> Make()
    {
        auto made = std::make_unique<TFPendu>(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY));
        made->StopTicks();
        made->followActivation = false;
        made->View->Clock().realTime = [this] { return seconds; };
        made->clock = [this] { return qint64(seconds * 1000) + 1; };
        return made;
    }

    // A window whose players are these (true: a computer), `tries` the
    // index of the errors allowed, run to the first letter to play or to
    // the setter's panel.
    TFPendu &Start(const std::vector<bool> &computers, int tries = 0, std::uint32_t seed = 5)
    {
        window = Make();
        window->Game().Random().seed(seed);
        window->runConfiguration = [this, computers, tries](TFconfig &config) {
            for (std::size_t i = 0; i < computers.size(); ++i)
                config.Players[i + 1].Level = computers[i] ? 1 : 0;
            config.GameSettings::ApplyDialog(int(computers.size()));
            config.Options.CB_pendu_essai = tries;
            config.Options.CB_pendu_lettres = false;
            if (configure)
                configure(config);
            return true;
        };
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        RunUntil([this] { return window->Game().HumanTurn() || window->P_masque->isVisible(); });
        return *window;
    }

    void Tick(TFPendu &target)
    {
        seconds += 0.05;
        target.Ticks()->fire();
    }

    bool RunUntil(const std::function<bool()> &done, int most = 20000)
    {
        return RunUntil(*window, done, most);
    }
    bool RunUntil(TFPendu &target, const std::function<bool()> &done, int most = 20000)
    {
        for (int n = 0; n < most; ++n) {
            if (done())
                return true;
            Tick(target);
        }
        return done();
    }

    // Types a letter and plays on until the next one may be typed.
    void Type(char letter)
    {
        QTest::keyClick(window.get(), letter);
        RunUntil([this] { return window->Game().HumanTurn() || window->Game().Phase.state == 0; });
    }

    QImage Frame()
    {
        QSignalSpy swapped(window->View, &QOpenGLWidget::frameSwapped);
        window->View->update();
        swapped.wait(2000);
        return window->View->grabFramebuffer();
    }

    std::unique_ptr<TFPendu> Reopened()
    {
        return word_game_test::Reopened<TFPendu>(*window, [this] { return Make(); });
    }

    TempSettings settings;
    ScriptedDialogsScope dialogs;
    double seconds = 1;
    std::unique_ptr<TFPendu> window;
    std::function<void(TFconfig &)> configure;
};
