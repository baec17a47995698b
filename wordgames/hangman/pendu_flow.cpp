// SPDX-License-Identifier: GPL-3.0-or-later
// PenduGame: the round state machine, run when no action is pending, and
// the status line.
#include "framework/code_page_text.h"
#include "framework/config.h"
#include "wordgames/hangman/pendu_game.h"

namespace pendu {

void PenduGame::StartNextRound()
{
    Phase = Tphase{GuesserIsComputer() ? 11 : 1, now_, 0, {}};
}

void PenduGame::RunPhase()
{
    Tphase &p = Phase;
    switch (p.state) {
    case -2:
        if (p.step == 0) {
            Title(QStringLiteral("Initialisation"));
            if (hooks.scores)
                hooks.scores(false);
            Table.StopMovements();
            p.step = 1;
            MotATrouver = Masque = "PENDU";
            Table.Range();
            Empile('L', Masque);
        } else if (p.step == 1) {
            p.step = 2;
            Title(QStringLiteral("Configuration"));
            Empile('C');
        } else if (p.step == 2) {
            for (int n = 1; n <= kPlayerSlots; ++n) {
                settings_->Players[std::size_t(n)].Score = 0;
                settings_->Players[std::size_t(n)].TimeMs = 0;
            }
            StartNextRound();
            Title(QStringLiteral("Initialisation"));
            if (hooks.scores)
                hooks.scores(true);
        }
        break;
    case 0:
        if (p.step == 0) {
            if (AllComputers())
                p.step = 1;
        } else if (p.step == 1) {
            Empile('T');
            p.step = 2;
        } else if (p.step == 2) {
            Empile('G');
            p.step = 3;
        } else if (p.step == 3) {
            Table.LettresSorties = 0;
            Erreurs = 0;
            ListeOrdi.reset();
            StartNextRound();
        }
        break;
    case 1:
        if (p.step == 0) {
            Table.Range();
            Title(QStringLiteral("Distribution des lettres..."));
            TireMot();
            PointsManche = 0;
            Erreurs = 0;
            Empile('L', Masque);
            p.step = 4;
        } else if (p.step == 4) {
            Empile('B', ShownLetters());
            p = Tphase{2, now_, 0, Masque};
        }
        break;
    case 2:
        if (p.step == 0) {
            p.step = 1;
            DebutManche = now_;
        } else if (p.step == 1) {
            p.step = Masque.find('*') != std::string::npos && Erreurs < NbEssais ? 2 : 9;
        } else if (p.step == 3) {
            p.step = 1;
            ShowLetter();
        } else if (p.step == 9) {
            PointsManche = std::max(0, NbEssais - Erreurs);
            std::string reveal(Masque.size(), ' ');
            for (std::size_t i = 0; i < Masque.size() && i < MotATrouver.size(); ++i)
                if (Masque[i] == '*')
                    reveal[i] = MotATrouver[i];
            Empile('V', reveal);
            Empile('F');
            AddRound();
            p = Tphase{0, now_, 0, {}};
        }
        break;
    case 11:
        if (p.step == 0) {
            Title(QStringLiteral("Distribution des lettres..."));
            p.step = 1;
            Table.Range();
        } else if (p.step == 1) {
            Empile('P');
            p.step = 3;
        } else if (p.step == 3) {
            PointsManche = 0;
            Erreurs = 0;
            Empile('L', Masque);
            p.step = 4;
        } else if (p.step == 4) {
            Empile('B', ShownLetters());
            p = Tphase{12, now_, 0, p.text};
        }
        break;
    case 12:
        if (p.step == 0) {
            p.step = 1;
            DebutManche = now_;
        } else if (p.step == 1) {
            if (Masque.find('*') == std::string::npos) {
                MotATrouver = Masque;
                p.step = 9;
            } else if (Erreurs < NbEssais) {
                LettreJouee = ChoixLettre();
                Empile('J');
                p.step = 2;
            } else {
                p.step = 9;
            }
        } else if (p.step == 2) {
            if (AllComputers() || MotATrouver.find('*') == std::string::npos) {
                ShowLetter();
                p.step = 1;
            } else {
                Empile('R', std::string(1, LettreJouee));
                p.step = 3;
            }
        } else if (p.step == 3) {
            if (Masque == MasqueAvant)
                ++Erreurs;
            p.step = 1;
        } else if (p.step == 9) {
            PointsManche = std::max(0, NbEssais - Erreurs);
            if (Masque.find('*') != std::string::npos) {
                Empile('W');
                p.step = 10;
            } else {
                p.step = 11;
            }
        } else if (p.step == 10) {
            p.step = 11;
            if (hooks.hideAnswerPanel)
                hooks.hideAnswerPanel();
        } else if (p.step == 11) {
            Empile('F');
            AddRound();
            p = Tphase{0, now_, 0, {}};
        }
        break;
    default:
        break;
    }
}

QString PenduGame::StatusText() const
{
    if (GameOver) {
        const Tjoueur &winner = settings_->Players[std::size_t(Winner())];
        return QStringLiteral("Partie terminée. Victoire de « %1 » avec %2 points.")
            .arg(winner.Name)
            .arg(winner.Score);
    }
    if (Paused)
        return QStringLiteral("En pause... Appuyez sur une touche pour continuer.");
    const QString player = Name(settings_->CurrentPlayer);
    if (Sommet > 0 && Actions[std::size_t(Sommet)].state != kDone) {
        const Taction &action = Actions[std::size_t(Sommet)];
        switch (action.kind) {
        case 'B': {
            QStringList letters;
            for (char c : action.text)
                if (c >= 'A' && c <= 'Z' && !letters.contains(QChar::fromLatin1(c)))
                    letters << QString(QChar::fromLatin1(c));
            return QStringLiteral("Les lettres « %1 » sont sorties du jeu.")
                .arg(letters.join(QStringLiteral(", ")));
        }
        case 'C':
            return QStringLiteral("Configuration");
        case 'G':
            return QStringLiteral("Changement de joueur. ");
        case 'J':
            return QStringLiteral("%1 joue la lettre « %2 ».").arg(player, QChar::fromLatin1(LettreJouee));
        case 'L':
            return QStringLiteral("Distribution des cartes pour le mot « %1 »").arg(FromCodePage(Masque));
        case 'P':
            return QStringLiteral("Proposez un mot.");
        case 'R':
            return QStringLiteral("Indiquez les lettres correctes. La lettre jouée par %1 est « %2 »")
                .arg(player, QChar::fromLatin1(LettreJouee));
        case 'T':
            return QStringLiteral("Retour des cartes dans le talon...");
        case 'V':
            return QStringLiteral("Retournenent des cartes");
        default:
            return lastStatus_;
        }
    }
    switch (Phase.state) {
    case 0: {
        QString text =
            QStringLiteral("Appuyez sur une touche pour continuer. Le joueur %1 a marqué %2 points.")
                .arg(player)
                .arg(PointsManche);
        if (!MotATrouver.empty())
            text += QStringLiteral(" Le mot à trouver était « %1 ».").arg(FromCodePage(MotATrouver));
        return text;
    }
    case 1:
    case 11:
        return QStringLiteral("Initialisation");
    case 2:
        return Phase.step == 2 ? QStringLiteral("C'est à %1 de proposer une lettre.").arg(player)
                               : lastStatus_;
    case 99:
        return QStringLiteral("Fermeture de la fenêtre");
    case -2:
        return QStringLiteral("Initialisation du jeu. Veuillez patienter.");
    default:
        return QString();
    }
}

} // namespace pendu
