// SPDX-License-Identifier: GPL-3.0-or-later
// PenduGame: the stack of table actions and the tick that works on its top.
#include "framework/config.h"
#include "wordgames/hangman/pendu_game.h"

namespace pendu {

namespace {
Motion MotionOf(char kind)
{
    switch (kind) {
    case 'L':
        return Motion::Deal;
    case 'V':
        return Motion::Turn;
    case 'J':
    case 'B':
        return Motion::Leave;
    case 'T':
        return Motion::Gather;
    default:
        return Motion::None;
    }
}

bool AllHashes(const std::string &text, char mark)
{
    for (char c : text)
        if (c != mark)
            return false;
    return true;
}
} // namespace

void PenduGame::Empile(char kind, const std::string &text)
{
    // A fifth action finishes the top one; a full stack makes room.
    if (Sommet >= 4) {
        Taction &top = Actions[std::size_t(Sommet)];
        if (top.state == 1 && ActionArrived(top))
            top.state = kDone;
        Finish(top);
        if (Sommet >= kStack && top.state == kDone)
            --Sommet;
    }
    if (Sommet >= kStack)
        return;
    Sommet = std::max(1, Sommet + 1);
    Taction &action = Actions[std::size_t(Sommet)];
    // No letter to take out: nothing to wait for.
    if (kind == 'B' && text.empty())
        kind = ' ';
    action = Taction{kind, text, now_, -1, 0};
    switch (kind) {
    case 'B':
    case 'J':
    case 'L':
    case 'T':
    case 'V':
        action.duration = 5000;
        break;
    case 'P':
        action.duration = AllComputers() ? 2000 : -1;
        break;
    case 'W':
        action.duration = AllComputers() ? 3000 : -1;
        break;
    default:
        break;
    }
}

void PenduGame::StartAction(Taction &action)
{
    action.state = 1;
    switch (action.kind) {
    case 'B': {
        std::string moving;
        for (char c : action.text)
            if (Table.Sortie(c, scene_))
                moving += c;
        action.text = moving;
        if (moving.empty())
            action.state = kDone;
        break;
    }
    case 'C':
        if (hooks.runConfiguration && hooks.runConfiguration()) {
            GameOver = false;
            ReadSettings();
        } else if (hooks.closeWindow) {
            hooks.closeWindow();
        }
        action.state = kDone;
        break;
    case 'F':
        if (hooks.scores)
            hooks.scores(true);
        action.state = kDone;
        break;
    case 'G':
        settings_->NextPlayer();
        if (hooks.playerChanged)
            hooks.playerChanged();
        if (settings_->CurrentPlayer == 1) {
            if (ModeFin == 1) {
                if (--ParamFin <= 0)
                    GameOver = true;
            } else {
                for (int n = 1; n <= settings_->PlayerCount; ++n)
                    if (settings_->Players[std::size_t(n)].Score >= ParamFin)
                        GameOver = true;
            }
            if (GameOver)
                Phase.state = 99;
        }
        action.state = kDone;
        break;
    case 'J':
        action.text = std::string(1, LettreJouee);
        if (!Table.Sortie(LettreJouee, scene_))
            action.state = kDone;
        break;
    case 'L':
        Table.Distribue(action.text, MotATrouver, scene_);
        break;
    case 'P':
        TireMot();
        if (hooks.showWordPanel)
            hooks.showWordPanel(ProposedMask, ProposedWord);
        break;
    case 'R':
        MasqueAvant = Masque;
        if (hooks.showMarkPanel)
            hooks.showMarkPanel();
        break;
    case 'T':
        Table.Ramasse(scene_);
        break;
    case 'V': {
        Table.Retourne(action.text, int(MotATrouver.size()), scene_);
        if (AllHashes(action.text, ' '))
            action.state = kDone;
        break;
    }
    case 'W':
        MasqueAvant = Masque;
        if (hooks.showMissingPanel)
            hooks.showMissingPanel();
        break;
    default:
        action.state = kDone;
        break;
    }
}

bool PenduGame::ActionArrived(const Taction &action) const
{
    const Motion motion = MotionOf(action.kind);
    return motion != Motion::None && Table.Arrive(motion);
}

void PenduGame::Finish(Taction &action)
{
    if (action.state != 1)
        return;
    switch (action.kind) {
    case 'L':
    case 'T':
    case 'B':
    case 'J':
    case 'V':
        ApplyEnds(Table.Acheve(MotionOf(action.kind)));
        action.state = kDone;
        break;
    case 'P':
        // The word panel validates itself only when no human sets the word:
        // a human's word stays his to give, whatever he has typed so far.
        if (AllComputers())
            Validate(ProposedMask, true);
        break;
    case 'W':
        // The missing letters fill themselves when the word is known.
        if (AllComputers() || MotATrouver.find('*') == std::string::npos)
            MissingLetters({});
        break;
    default:
        break;
    }
}

void PenduGame::FinishTop()
{
    if (Taction *top = Top())
        Finish(*top);
}

void PenduGame::ApplyEnds(const std::vector<PathEnd> &ends)
{
    Taction *top = Top();
    for (const PathEnd &end : ends) {
        if (!top || top->state != 1)
            continue;
        std::string &text = top->text;
        switch (end.motion) {
        case Motion::Deal:
            if (top->kind == 'L' && end.card >= 1 && end.card <= int(text.size()))
                text[std::size_t(end.card - 1)] = '#';
            break;
        case Motion::Turn:
            if (top->kind == 'V' && end.card >= 1 && end.card <= int(text.size()))
                text[std::size_t(end.card - 1)] = ' ';
            break;
        case Motion::Leave:
            if (top->kind == 'J' || top->kind == 'B')
                for (char &c : text)
                    if (c == end.letter) {
                        c = '#';
                        break;
                    }
            break;
        default:
            break;
        }
    }
    if (top && top->state == 1) {
        if ((top->kind == 'L' || top->kind == 'J' || top->kind == 'B') && AllHashes(top->text, '#'))
            top->state = kDone;
        else if (top->kind == 'V' && AllHashes(top->text, ' '))
            top->state = kDone;
    }
}

void PenduGame::Tick(qint64 nowMs, double sceneSeconds)
{
    const double elapsed = std::max(0.0, sceneSeconds - scene_);
    now_ = nowMs;
    scene_ = sceneSeconds;
    if (Phase.state == 99 && GameOver) {
        Status(StatusText());
        return;
    }
    ApplyEnds(Table.Advance(scene_));
    Table.StepDecor(elapsed, PartsShown(), GuesserPlays(), std::uniform_int_distribution<int>(0, 3)(random_));
    if (GuesserPlays() && Table.candle > -0.5) {
        if (DebutManche > 0)
            DureeManche = now_ - DebutManche;
        if (DebutManche < 0)
            Title(QString());
        else if (DebutManche > 0)
            Title(QStringLiteral("%1 %2:%3").arg(Name(settings_->CurrentPlayer)).arg(Erreurs).arg(NbEssais));
    }
    Status(StatusText());
    Taction *top = Top();
    if (!top) {
        RunPhase();
        return;
    }
    if (top->kind == ' ')
        top->state = kDone;
    if (top->state == kDone) {
        Sommet = std::max(0, Sommet - 1);
        RunPhase();
        return;
    }
    if (top->state == 0) {
        StartAction(*top);
        return;
    }
    if (top->duration >= 0) {
        const qint64 age = now_ - top->start;
        if (age > top->duration)
            Finish(*top);
        else if (2 * age >= top->duration && ActionArrived(*top))
            top->state = kDone;
    }
}

} // namespace pendu
