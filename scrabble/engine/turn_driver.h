// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The turn sequence of the board games played in turn, one step per tick of
// the window's timer (or of a loop without a window). The driver knows the
// order of things; its host (the game window, or a game between computers)
// does them: the rules answer and the window draws.
//
// Phases: -1 new game (0: reset, 1: first turn), 0 between turns (0: next
// player or end, 1: deal, 2: end-of-game adjustments), 1 a turn (0: who
// plays, 1: waiting for the human, 2: validation), 11 a computer's turn (0:
// search, 1: play), -2 game over. Pending commands run before any step: 'C'
// the players' configuration, 'D' the deal.
#include <cstdint>
#include <vector>

namespace scrabble {

class TurnHost {
public:
    virtual ~TurnHost() = default;

    // Milliseconds of the clock that times the phases.
    virtual std::int64_t Now() const = 0;
    // Everything back to a new game's start (the configuration follows).
    virtual void NewGame() = 0;
    // The 'C' command; false when refused (the host then closes).
    virtual bool Configure() = 0;
    // The 'D' command: every rack filled.
    virtual void Deal() = 0;
    virtual bool IsGameOver() = 0;
    // The game is over: the adjustments come at the next step.
    virtual void GameOverFound() {}
    // The next player has the turn.
    virtual void NextPlayer() = 0;
    // After the check of phase 0 step 0, whichever way it went.
    virtual void TurnChanged() {}
    // Phase 0 step 1, before the deal.
    virtual void TurnStarting() {}
    virtual bool CurrentIsHuman() = 0;
    // Each tick while the human player thinks.
    virtual void HumanThinking() {}
    // The human's input: true when a move was played (the turn ends).
    virtual bool ValidateHumanMove() = 0;
    virtual void SearchComputerMove() = 0;
    // false when there was nothing to play (the search runs again).
    virtual bool PlayComputerMove() = 0;
    virtual void EndOfGame() = 0;
};

struct PendingCommand {
    char letter = ' '; // 'C' configure, 'D' deal, ' ' nothing
    int progress = 0;  // 0 to do, 1..998 under way, 999 done
};

class TurnDriver {
public:
    int Phase = -1;
    int Step = 0;
    std::int64_t PhaseStart = 0;
    std::vector<PendingCommand> PendingCommands; // the top is the back

    // One tick: the pending command on top, or else one step of the phase.
    void Tick(TurnHost &host);
    // A new game from the start at the next tick.
    void Restart(std::int64_t now);
    void GoToPhase(int phase, std::int64_t now);
    // "Ok": the waiting human's input is validated at the next tick. False
    // when no human is waiting.
    bool RequestValidation();
    bool WaitingForHuman() const { return Phase == 1 && Step == 1; }
    // The steps each phase knows (a saved game's phase and step are checked).
    static bool KnownState(int phase, int step);
    // A reopened game: a computer's search starts again, a validation that
    // was asked for is asked again, and a turn that was under way gets its
    // deal again (the deal fills empty slots only, so a completed one changes
    // nothing).
    void Reopened(bool gameOver, std::int64_t now);

private:
    bool RunPendingCommand(TurnHost &host);
    void StepPhase(TurnHost &host);
};

} // namespace scrabble
