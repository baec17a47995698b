// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PhiloGame: the rules and the flow of a Philosophe game, without windows.
// One player, the guesser, looks for a hidden word in at most 13
// proposals; each is marked with its well-placed (and misplaced) letters.
// The window calls Tick() on every timer tick and one call per user action;
// everything the game shows or asks goes through the hooks.
#include "wordgames/philosophe/philo_marks.h"

#include <array>
#include <functional>
#include <QString>
#include <random>
#include <string>
#include <vector>

class GameSettings;
class TDictionnaire;
namespace savefile {
class TypedReader;
class TypedWriter;
} // namespace savefile

namespace philo {

inline constexpr int kTries = 13;   // proposals of a round
inline constexpr int kEntries = 15; // proposals kept (entry 1 the newest)

struct TCoupPhilo {
    std::string Mot; // the proposal, padded with blanks to 10 characters
    std::string Note = "*";
    int BienPlacees = 0;
    int MalPlacees = 0;
    bool Invalide = false; // not a dictionary word, not marked
    bool Joue = false;     // the entry holds a proposal
};

struct TEssai {
    std::string Mot;
    int BienPlacees = 0;
    int MalPlacees = 0;
};

struct TManche {
    int Joueur = 1;  // the guesser, 1-based
    std::string Mot; // the hidden word as it stood at the end (asterisks if never revealed)
    int Points = 0;
    std::vector<TEssai> Essais; // newest first
};

// What the game shows or asks; the window fills these in.
struct PhiloHooks {
    std::function<void(const QString &)> status;
    std::function<void(bool)> busy;
    // The settings dialog, modal; true for OK.
    std::function<bool()> runConfiguration;
    std::function<void()> closeWindow;
    // "Choisissez un mot" shown with this text selected, or hidden.
    std::function<void(const std::string &)> showWordPanel;
    std::function<void()> hideWordPanel;
    // "Indiquez le résultat" with the lists 0..length, 0 selected.
    std::function<void(int length, bool withMisplaced)> showMarkPanel;
    std::function<void()> hideMarkPanel;
    std::function<void()> hideProposals;
    std::function<bool(const QString &question)> confirm;
    std::function<void(const QString &text)> message;
    std::function<void()> beep;
    std::function<void()> redraw;
    // A proposal was validated: the button jumps.
    std::function<void()> validated;
    // The animation clock stops or runs again.
    std::function<void(bool running)> animationClock;
    // The guesser changed or a game started: "Proposer un coup" follows.
    std::function<void()> playerChanged;
    // A round was added to the history.
    std::function<void()> roundAdded;
};

enum class Key { Letter, Backspace, Left, Right, Home, End, Delete, Insert, Enter, Other };

class PhiloGame {
public:
    PhiloGame(GameSettings &settings, const TDictionnaire &dictionary, const TDictionnaire &hiddenWords,
              std::uint32_t seed);

    PhiloHooks hooks;
    // True while the window's Closing or Paused flag is set.
    std::function<bool()> halted;

    // --- State, named as the game shows and saves it.
    int LongueurMot = 5;
    std::string MotSecret;
    std::string Proposition;
    std::string PropositionOrdi;
    int Etat = -1;
    int Etape = 0;
    std::array<TCoupPhilo, kEntries + 1> Coups; // entries 1 to 15
    CandidateList Candidats;
    int PointsManche = 0;
    int ModeFin = 1;
    int ParamFin = 10;
    bool AvecMalPlacees = true;
    int PosCurseur = 1;
    int IndexFrappe = 0;
    std::vector<TManche> Manches;
    bool GameOver = false;

    // --- The flow.
    void Tick();
    // The status text of the tick's start for the flags and the state.
    QString StatusText(bool closing, bool paused) const;
    void InitManche(int forcedLength = 0);
    void TireMot();
    // "Nouvelle partie" once the close question agreed.
    void NewGame();

    // --- Input.
    // Keys while a human guesses; any key also ends the pause between rounds.
    void KeyDown(Key key, char letter = 0);
    // A click on the view: the object's name ("PT3", "bouton"...).
    void Click(const std::string &object);
    bool HumanGuesses() const;
    void ValideProposition();
    // "Ok" of "Choisissez un mot": the typed text; returns the text to put
    // back into the edit field and whether the panel closed.
    struct SetterAnswer {
        std::string text;
        bool accepted = false;
    };
    SetterAnswer SetterWord(const std::string &typed);
    // "Ok" of "Indiquez le résultat".
    void HumanMarks(int bienPlacees, int malPlacees);
    // "Proposer un coup".
    std::vector<std::string> PossibleMoves();
    // A word of the possible moves chosen by a double click.
    void TakeListedWord(const std::string &word);
    bool HiddenWord() const { return !MotSecret.empty() && MotSecret[0] == '*'; }
    int Winner() const;

    // --- Saved game: the part after the settings block. Read throws
    // savefile::ReadError or returns false on data the game cannot hold.
    void Write(savefile::TypedWriter &writer) const;
    bool Read(savefile::TypedReader &reader);

    std::mt19937 &Random() { return random_; }
    // Where hidden words are drawn from (the common words or the dictionary).
    void SetHiddenWords(const TDictionnaire &hiddenWords) { hiddenWords_ = &hiddenWords; }

private:
    void SetLength(int length);
    void ClearEntries();
    void PushEntry(const std::string &word);
    void AfterMarked();
    void RecordMark(const Mark &mark);
    void Abandon();
    void EndRound();
    void ChangePlayer();
    void CheckEndOfGame();
    void CheckSetterMarks(const std::string &typed);
    void Redraw();
    int Guesser() const;
    bool GuesserIsComputer() const;
    QString GuesserName() const;
    void Status(const QString &text) const;
    void Busy(bool on) const;
    bool Halted() const { return halted && halted(); }
    void StartConfiguredGame();

    GameSettings *settings_;
    const TDictionnaire *dictionary_;
    const TDictionnaire *hiddenWords_;
    std::mt19937 random_;
};

// The fixed hidden word of each length for when no dictionary draw works.
std::string FallbackWord(int length);

} // namespace philo
