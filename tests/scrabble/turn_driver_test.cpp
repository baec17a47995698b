// SPDX-License-Identifier: GPL-3.0-or-later
// The turn driver against a scripted host: the order of the steps of a
// game (configuration, deals, human and computer turns, the end), a refused
// configuration, a refused human move, a search that found nothing, and a
// reopened game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scrabble/engine/turn_driver.h"

using scrabble::TurnDriver;

namespace {

// Records what the driver asked, in order; the game ends after `turns` turns.
class ScriptedHost : public scrabble::TurnHost {
public:
    std::vector<std::string> log;
    std::vector<bool> humans{true, false};
    int current = 0;
    int turns = 0;
    int turnsToPlay = 3;
    bool configureOk = true;
    std::vector<bool> validations; // answers of ValidateHumanMove, in order
    std::vector<bool> plays;       // answers of PlayComputerMove
    std::int64_t clock = 0;

    std::int64_t Now() const override { return clock; }
    void NewGame() override { log.push_back("new"); }
    bool Configure() override
    {
        log.push_back("configure");
        return configureOk;
    }
    void Deal() override { log.push_back("deal"); }
    bool IsGameOver() override { return turns >= turnsToPlay; }
    void GameOverFound() override { log.push_back("over"); }
    void NextPlayer() override
    {
        current = (current + 1) % int(humans.size());
        log.push_back("next");
    }
    bool CurrentIsHuman() override { return humans[std::size_t(current)]; }
    void HumanThinking() override { log.push_back("think"); }
    bool ValidateHumanMove() override
    {
        const bool played = validations.empty() || validations.front();
        if (!validations.empty())
            validations.erase(validations.begin());
        log.push_back(played ? "human plays" : "human refused");
        turns += played;
        return played;
    }
    void SearchComputerMove() override { log.push_back("search"); }
    bool PlayComputerMove() override
    {
        const bool played = plays.empty() || plays.front();
        if (!plays.empty())
            plays.erase(plays.begin());
        log.push_back(played ? "computer plays" : "nothing to play");
        turns += played;
        return played;
    }
    void EndOfGame() override { log.push_back("end"); }
};

// Ticks at least once, until the phase is reached or `most` ticks have
// gone by; a waiting human presses "Ok" when `validate` says so.
void TickUntil(TurnDriver &driver, ScriptedHost &host, int phase, int step, int most = 50,
               bool validate = false)
{
    int i = 0;
    do {
        if (validate)
            driver.RequestValidation();
        driver.Tick(host);
    } while (++i < most && !(driver.Phase == phase && driver.Step == step));
}

} // namespace

TEST(TurnDriver, AGameFromItsConfigurationToItsEnd)
{
    ScriptedHost host;
    TurnDriver driver;
    driver.Restart(0);
    TickUntil(driver, host, 1, 1);
    EXPECT_EQ(host.log, (std::vector<std::string>{"new", "configure", "deal"}));
    // The human thinks until "Ok"; the validation runs at the next tick.
    driver.Tick(host);
    EXPECT_EQ(host.log.back(), "think");
    EXPECT_TRUE(driver.RequestValidation());
    EXPECT_FALSE(driver.RequestValidation()); // once
    driver.Tick(host);
    EXPECT_EQ(host.log.back(), "human plays");
    EXPECT_EQ(driver.Phase, 0);
    // The computer's turn: a new deal, a search, a move.
    host.log.clear();
    TickUntil(driver, host, 0, 0);
    EXPECT_EQ(host.log, (std::vector<std::string>{"next", "deal", "search", "computer plays"}));
    TickUntil(driver, host, -2, 0, 200, true);
    EXPECT_EQ(driver.Phase, -2);
    const std::vector<std::string> tail(host.log.end() - 2, host.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"over", "end"}));
    EXPECT_EQ(host.turns, 3);
    // Nothing more happens once the game is over.
    const std::size_t steps = host.log.size();
    for (int i = 0; i < 5; ++i)
        driver.Tick(host);
    EXPECT_EQ(host.log.size(), steps);
}

TEST(TurnDriver, RefusalsKeepTheTurnOrStopTheGame)
{
    // A refused configuration stays under way: nothing else is asked.
    {
        ScriptedHost host;
        host.configureOk = false;
        TurnDriver driver;
        driver.Restart(0);
        for (int i = 0; i < 10; ++i)
            driver.Tick(host);
        EXPECT_EQ(host.log, (std::vector<std::string>{"new", "configure"}));
        ASSERT_EQ(driver.PendingCommands.size(), 1u);
        EXPECT_EQ(driver.PendingCommands.back().progress, 1);
    }
    // A refused human move and a search that found nothing try again.
    ScriptedHost host;
    host.validations = {false, true};
    host.plays = {false, true};
    TurnDriver driver;
    driver.Restart(0);
    TickUntil(driver, host, 1, 1);
    driver.RequestValidation();
    driver.Tick(host);
    EXPECT_EQ(host.log.back(), "human refused");
    EXPECT_TRUE(driver.WaitingForHuman());
    driver.RequestValidation();
    driver.Tick(host);
    EXPECT_EQ(host.log.back(), "human plays");
    host.log.clear();
    TickUntil(driver, host, 0, 0);
    EXPECT_EQ(host.log, (std::vector<std::string>{"next", "deal", "search", "nothing to play", "search",
                                                  "computer plays"}));
}

TEST(TurnDriver, AReopenedGameSearchesAgainAndDealsWhatIsMissing)
{
    for (const auto &[phase, step, expectedStep, deal] : std::vector<std::tuple<int, int, int, bool>>{
             {11, 1, 0, true}, {1, 2, 1, true}, {1, 1, 1, true}, {0, 1, 1, false}, {-2, 0, 0, false}}) {
        TurnDriver driver;
        driver.Phase = phase;
        driver.Step = step;
        driver.PendingCommands = {{'C', 1}};
        driver.Reopened(phase == -2, 42);
        EXPECT_EQ(driver.Step, expectedStep) << phase << " " << step;
        EXPECT_EQ(driver.PhaseStart, 42);
        ASSERT_EQ(driver.PendingCommands.size(), deal ? 1u : 0u) << phase;
        if (deal) {
            EXPECT_EQ(driver.PendingCommands.back().letter, 'D');
        }
    }
    EXPECT_TRUE(TurnDriver::KnownState(11, 1));
    EXPECT_FALSE(TurnDriver::KnownState(11, 2));
    EXPECT_FALSE(TurnDriver::KnownState(2, 0));
    EXPECT_FALSE(TurnDriver::KnownState(-1, 2));
}
