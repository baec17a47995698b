// SPDX-License-Identifier: GPL-3.0-or-later
// PhiloGame: the state machine one tick at a time, the status line, and the
// ends of rounds and of the game.
#include "framework/code_page_text.h"
#include "wordgames/philosophe/philo_game.h"

#include "framework/config.h"

namespace philo {

// --- The end of a round and of the game

void PhiloGame::Abandon()
{
    PointsManche = 0;
    Etat = HiddenWord() ? 3 : 9;
    Etape = 0;
}

void PhiloGame::EndRound()
{
    settings_->Players[std::size_t(Guesser())].Score += PointsManche;
    TManche round{Guesser(), MotSecret, PointsManche, {}};
    for (int n = 1; n < kEntries && Coups[std::size_t(n)].Joue; ++n) {
        const TCoupPhilo &entry = Coups[std::size_t(n)];
        round.Essais.push_back({entry.Mot, entry.BienPlacees, entry.MalPlacees});
    }
    Manches.push_back(std::move(round));
    if (hooks.roundAdded)
        hooks.roundAdded();
}

void PhiloGame::ChangePlayer()
{
    settings_->NextPlayer();
    if (hooks.playerChanged)
        hooks.playerChanged();
    if (settings_->CurrentPlayer == 1)
        CheckEndOfGame();
}

void PhiloGame::CheckEndOfGame()
{
    if (ModeFin == 1) {
        if (--ParamFin <= 0)
            GameOver = true;
        return;
    }
    for (int n = 1; n <= settings_->PlayerCount; ++n)
        if (settings_->Players[std::size_t(n)].Score >= ParamFin)
            GameOver = true;
}

int PhiloGame::Winner() const
{
    int best = 1;
    for (int n = 2; n <= settings_->PlayerCount; ++n)
        if (settings_->Players[std::size_t(n)].Score > settings_->Players[std::size_t(best)].Score)
            best = n;
    return best;
}

// --- The tick

QString PhiloGame::StatusText(bool closing, bool paused) const
{
    if (closing)
        return QStringLiteral("Fermeture de la fenêtre");
    if (paused)
        return QStringLiteral("En pause... Appuyez sur une touche pour continuer.");
    if (GameOver) {
        const Tjoueur &winner = settings_->Players[std::size_t(Winner())];
        return QStringLiteral("Partie terminée. Victoire de « %1 » avec %2 points.")
            .arg(winner.Name)
            .arg(winner.Score);
    }
    const QString points =
        QStringLiteral("Appuyez sur une touche pour continuer. Le joueur %1 a marqué %2 points.")
            .arg(GuesserName())
            .arg(PointsManche);
    switch (Etat) {
    case 0:
        return QStringLiteral("Configuration");
    case 1:
        return Etape == 0 ? QStringLiteral("Initialisation du jeu. Veuillez patienter.") : QString();
    case 2:
        switch (Etape) {
        case 0:
            return GuesserIsComputer() ? QString() : QStringLiteral("Proposez un mot.");
        case 1:
            return QStringLiteral("%1 joue « %2 ».").arg(GuesserName(), FromCodePage(PropositionOrdi));
        case 2:
            return QStringLiteral("Indiquez les lettres correctes. Le mot joué par %1 est « %2 »")
                .arg(GuesserName(), FromCodePage(Proposition));
        case 9:
            return QStringLiteral("« %1 »  : %2")
                .arg(FromCodePage(Coups[1].Mot), FromCodePage(Coups[1].Note));
        default:
            return QString();
        }
    case 3:
        return QStringLiteral("...");
    case 8:
        return QStringLiteral("Abandon");
    case 9:
        return Etape == 9 ? QStringLiteral("Changement de joueur. ") : points;
    case -1:
        return QStringLiteral("Initialisation du jeu. Veuillez patienter.");
    default:
        return QString();
    }
}

void PhiloGame::StartConfiguredGame()
{
    InitManche();
    if (hooks.playerChanged)
        hooks.playerChanged();
    if (hooks.animationClock)
        hooks.animationClock(true);
    Etat = 1;
    Etape = 0;
    const GameOptions &options = settings_->Options;
    ModeFin = options.Rbtn_philo_fin1 ? 1 : 2;
    ParamFin = PositiveIntegerOr10(ModeFin == 1 ? options.ed_philo_par1 : options.ed_philo_par2).toInt();
}

void PhiloGame::Tick()
{
    // Busy off first: the busy cursor's end clears the status line.
    if (GameOver || Etat == 0 || Etat == 2)
        Busy(false);
    if (GameOver) {
        Status(StatusText(false, false));
        return;
    }
    if (const QString text = StatusText(false, false); !text.isEmpty())
        Status(text);
    PosCurseur = std::clamp(PosCurseur, 1, LongueurMot);
    switch (Etat) {
    case -1:
        InitManche();
        Etat = 0;
        Etape = 0;
        break;
    case 0:
        if (hooks.animationClock)
            hooks.animationClock(false);
        if (hooks.runConfiguration && hooks.runConfiguration()) {
            StartConfiguredGame();
        } else if (hooks.closeWindow) {
            hooks.closeWindow();
        }
        break;
    case 1:
        if (Etape == 0) {
            Etape = 1;
            InitManche();
        } else if (Etape == 9) {
            Etat = 2;
            Etape = 0;
        }
        break;
    case 2:
        if (Etape == 0) {
            if (GuesserIsComputer()) {
                PropositionOrdi = Candidats.ComputerChoice(random_);
                if (PropositionOrdi.empty()) {
                    Etat = 8;
                } else {
                    Etape = 1;
                    IndexFrappe = -1;
                }
            }
        } else if (Etape == 1) {
            if (IndexFrappe >= 1 && IndexFrappe <= LongueurMot) {
                Proposition.resize(std::size_t(std::max<int>(int(Proposition.size()), LongueurMot)), ' ');
                Proposition[std::size_t(IndexFrappe - 1)] =
                    IndexFrappe <= int(PropositionOrdi.size()) ? PropositionOrdi[std::size_t(IndexFrappe - 1)]
                                                               : '*';
                PosCurseur = std::min(IndexFrappe + 1, LongueurMot);
                Redraw();
            } else if (IndexFrappe > LongueurMot) {
                Etape = 2;
                ValideProposition();
            }
            ++IndexFrappe;
        } else if (Etape == 9) {
            if (Coups[1].BienPlacees == LongueurMot || Coups[kTries].Joue) {
                const bool found = Coups[1].BienPlacees == LongueurMot;
                Etat = found || !HiddenWord() ? 9 : 3;
            }
            Etape = 0;
        }
        break;
    case 3:
        if (Etape == 0) {
            if (hooks.showWordPanel)
                hooks.showWordPanel(MotSecret);
            Etape = 1;
        } else if (Etape == 9) {
            Etat = 9;
            Etape = 0;
        }
        break;
    case 8:
        Abandon();
        break;
    case 9:
        if (Etape == 0) {
            EndRound();
            Etape = 1;
        } else if (Etape == 1) {
            if (settings_->AllComputers)
                Etape = 9;
        } else if (Etape == 9) {
            ChangePlayer();
            Etat = 1;
            Etape = 0;
        }
        break;
    default:
        break;
    }
}

} // namespace philo
