// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Duplicate window on a temporary settings store and the generated
// dictionary, with the Configuration dialog answered by the test and the
// ticks driven by the test.
#include "framework/config_dialog.h"
#include "framework/tick_driver.h"
#include "scrabble/windows/duplicate_window.h"
#include "scrabble/windows/scrabble_panels.h"
#include "support/scripted_dialogs.h"
#include "support/temp_settings.h"
#include "window_test_support.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <QListWidget>
#include <QTest>
#include <vector>

class DuplicateWindowTest : public ::testing::Test {
protected:
    // A window whose configuration takes these players (level 0 = human) and
    // variant, run to the first deal.
    TFDuplic &Start(const std::vector<int> &levels, int variant = 0, std::uint64_t seed = 1)
    {
        window = std::make_unique<TFDuplic>(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY));
        window->StopTicks();
        window->seedSource = [seed]() mutable { return seed++; };
        window->runConfiguration = [this, levels, variant](TFconfig &config) {
            ++configurations;
            for (std::size_t i = 0; i < levels.size(); ++i)
                config.Players[i + 1].Level = std::uint8_t(levels[i]);
            config.Options.ddlb_vari_duplic = variant;
            config.Options.ddlb_tirage_duplic = 0;
            config.GameSettings::ApplyDialog(int(levels.size()));
            return true;
        };
        window->resize(1100, 700);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        Tick();
        return *window;
    }

    void Tick(int count = 1) { window_tests::FireTicks(*window, count); }

    bool RunUntil(const std::function<bool()> &done, int most = 20000)
    {
        return window_tests::FireTicksUntil(*window, done, most);
    }

    // Ticks until the search of the current draw filled "Coups possibles".
    bool UntilSearched()
    {
        return RunUntil([&] { return window->Proposals->List->count() > 0; }, 50);
    }

    TempSettings settings;
    ScriptedDialogsScope dialogs;
    std::unique_ptr<TFDuplic> window;
    int configurations = 0;
};
