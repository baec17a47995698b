// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/turn_driver.h"

namespace scrabble {

void TurnDriver::Tick(TurnHost &host)
{
    if (!RunPendingCommand(host))
        StepPhase(host);
}

void TurnDriver::Restart(std::int64_t now)
{
    Phase = -1;
    Step = 0;
    PhaseStart = now;
}

void TurnDriver::GoToPhase(int phase, std::int64_t now)
{
    Phase = phase;
    Step = 0;
    PhaseStart = now;
}

bool TurnDriver::RequestValidation()
{
    if (!WaitingForHuman())
        return false;
    Step = 2;
    return true;
}

bool TurnDriver::KnownState(int phase, int step)
{
    switch (phase) {
    case -2:
        return true;
    case -1:
        return step == 0 || step == 1;
    case 0:
    case 1:
        return step >= 0 && step <= 2;
    case 11:
        return step == 0 || step == 1;
    default:
        return false;
    }
}

void TurnDriver::Reopened(bool gameOver, std::int64_t now)
{
    PendingCommands.clear();
    if (Phase == 11)
        Step = 0;
    if (Phase == 1 && Step == 2)
        Step = 1;
    if ((Phase == 1 || Phase == 11) && !gameOver)
        PendingCommands.push_back({'D', 0});
    PhaseStart = now;
}

bool TurnDriver::RunPendingCommand(TurnHost &host)
{
    if (PendingCommands.empty())
        return false;
    PendingCommand &top = PendingCommands.back();
    if (top.letter == ' ')
        top.progress = 999;
    if (top.progress >= 999) {
        PendingCommands.pop_back();
        return false;
    }
    if (top.progress == 0) {
        if (top.letter == 'C') {
            // Under way while the host asks: a refusal leaves it so, the
            // host closing.
            top.progress = 1;
            if (host.Configure())
                PendingCommands.back().progress = 999;
        } else if (top.letter == 'D') {
            host.Deal();
            PendingCommands.back().progress = 999;
        } else {
            top.progress = 999;
        }
    }
    return true;
}

void TurnDriver::StepPhase(TurnHost &host)
{
    switch (Phase) {
    case -1:
        if (Step == 0) {
            PendingCommands.clear();
            host.NewGame();
            PendingCommands.push_back({'C', 0});
            Step = 1;
        } else {
            Phase = 0;
            Step = 1; // the first player keeps the turn
            PhaseStart = host.Now();
        }
        break;
    case 0:
        if (Step == 0) {
            if (host.IsGameOver()) {
                Step = 2;
                host.GameOverFound();
            } else {
                host.NextPlayer();
                Step = 1;
            }
            host.TurnChanged();
        } else if (Step == 1) {
            host.TurnStarting();
            PendingCommands.push_back({'D', 0});
            GoToPhase(1, host.Now());
        } else {
            host.EndOfGame();
            GoToPhase(-2, host.Now());
        }
        break;
    case 1:
        if (Step == 0) {
            if (!host.CurrentIsHuman())
                Phase = 11;
            else
                Step = 1;
            PhaseStart = host.Now();
        } else if (Step == 1) {
            host.HumanThinking();
        } else if (host.ValidateHumanMove()) {
            GoToPhase(0, host.Now());
        } else {
            Step = 1;
            PhaseStart = host.Now();
        }
        break;
    case 11:
        if (Step == 0) {
            host.SearchComputerMove();
            Step = 1;
        } else if (host.PlayComputerMove()) {
            GoToPhase(0, host.Now());
        } else {
            Step = 0; // search again
        }
        break;
    default:
        break;
    }
}

} // namespace scrabble
