// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// PenduGame: the rules and the flow of a Hangman game, without windows.
// Each round a guesser proposes letters of a hidden word; each wrong one
// adds a stage to the gallows. A stack of table animations ("actions") and
// a round state machine run on the window's 50 ms tick; what the game shows
// or asks goes through the hooks, what the table shows is `Table`.
#include <array>
#include <functional>
#include <optional>
#include <QString>
#include <random>
#include <string>
#include <vector>

#include "wordgames/hangman/pendu_table.h"

class GameSettings;
class TDictionnaire;
namespace savefile {
class TypedReader;
class TypedWriter;
} // namespace savefile

namespace pendu {

inline constexpr int kShortestWord = 3;
inline constexpr int kLongestWord = 12;
inline constexpr int kStack = 7;
inline constexpr int kDone = 999;

struct Taction {
    char kind = ' ';
    std::string text;
    qint64 start = 0;
    int duration = -1; // ms; -1 no limit
    int state = 0;     // 0 not started, 1 running, 999 done
};

struct Tphase {
    int state = -2;
    qint64 start = 0;
    int step = 0;
    std::string text;
};

struct thisto {
    int player = 1;
    std::string word;
    std::string letters; // played or out, in alphabet order
    int points = 0;
};

// What the game shows or asks; the window fills these in.
struct PenduHooks {
    std::function<void(const QString &)> status;
    std::function<void(const QString &)> title; // the table's title text
    // The four score texts: hidden, or shown with "name : score".
    std::function<void(bool shown)> scores;
    std::function<bool()> runConfiguration;
    std::function<void()> closeWindow;
    // The word panel with the proposal's mask and its "(Proposition : ...)"
    // line, read only when every player is a computer; hidden.
    std::function<void(const std::string &mask, const std::string &word)> showWordPanel;
    std::function<void()> hideWordPanel;
    // The answer panel: marking where the played letter stands, or giving
    // the missing letters.
    std::function<void()> showMarkPanel;
    std::function<void()> showMissingPanel;
    std::function<void()> hideAnswerPanel;
    std::function<bool(const QString &question)> confirm;
    // Yes/No/Cancel: 1 yes, 0 no, -1 cancel.
    std::function<int(const QString &question)> confirmOrCancel;
    std::function<void(const QString &text)> message;
    std::function<void()> playerChanged;
    std::function<void()> historyChanged;
};

class PenduGame {
public:
    PenduGame(GameSettings &settings, const TDictionnaire &dictionary, const TDictionnaire &hiddenWords,
              std::uint32_t seed);

    PenduHooks hooks;
    PenduTable Table;

    // --- State, named as the game shows and saves it.
    std::string MotATrouver;
    std::string Masque;
    std::string MasqueAvant;
    char LettreJouee = '?';
    int Erreurs = 0;
    int NbEssais = 7;
    bool PremDern = true;
    int PointsManche = 0;
    int ModeFin = 1;
    int ParamFin = 10;
    qint64 DebutManche = -1;
    qint64 DureeManche = 0;
    std::optional<std::vector<std::string>> ListeOrdi;
    std::array<Taction, kStack + 1> Actions; // 1 to 7
    int Sommet = 0;
    Tphase Phase;
    std::vector<thisto> Historique;
    bool GameOver = false;
    bool Paused = false;
    // The window's place, kept in saved games.
    int WindowLeft = 0, WindowTop = 0;
    // The proposal of the word panel (the drawn word and its mask).
    std::string ProposedWord;
    std::string ProposedMask;
    // Whether position i (1-based) was marked during the marking of the
    // letter now played: the mask differs there from the one before.
    bool MarkedNow(int position) const;

    // --- The clock: milliseconds for the actions, seconds for the table.
    void Tick(qint64 nowMs, double sceneSeconds);
    QString StatusText() const;

    // --- Actions.
    void Empile(char kind, const std::string &text = {});
    // Finishes the top action at once (Escape, a key after half its time).
    void FinishTop();
    Taction *Top() { return Sommet > 0 ? &Actions[std::size_t(Sommet)] : nullptr; }

    // --- Input.
    // A character key: finishes a half-done action, starts the next round,
    // plays a letter. Returns true when it was used.
    bool CharacterKey(char c);
    // A click on the table: the object's name.
    void Click(const std::string &object);
    // The setter's word ("Valider"); "Autre proposition". Returns what the
    // word panel's field shows afterwards: a mask as it was read, a word as
    // it was typed.
    std::string SetterWord(const std::string &typed);
    void OtherProposal();
    // The answer panel: box i checked or not while a letter is marked; the
    // missing letters given (the text of each box 1..length).
    void MarkPosition(int position, bool marked);
    void MarksDone();
    void MissingLetters(const std::vector<std::string> &boxes);
    // The first box the missing letters panel must give the focus, 0 none.
    int missingFocus = 0;

    // --- Rules.
    // The letter the computer plays now.
    char ChoixLettre();
    void TireMot();
    bool LetterUsed(char c) const;
    bool AllComputers() const;
    bool GuesserIsComputer() const;
    int Winner() const;
    // "Coup proposé : X".
    QString ProposedMove();
    bool HumanTurn() const { return Phase.state == 2 && Phase.step == 2 && Sommet == 0; }

    // --- Saved game: the part after the settings block; Read throws
    // savefile::ReadError or returns false on data the game cannot hold.
    void Write(savefile::TypedWriter &writer) const;
    bool Read(savefile::TypedReader &reader);

    std::mt19937 &Random() { return random_; }
    void SetHiddenWords(const TDictionnaire &hiddenWords) { hiddenWords_ = &hiddenWords; }
    // "Nouvelle Partie" once the close question agreed.
    void NewGame();
    // The window closes: nothing moves or plays any more.
    void Close();
    int PartsShown() const { return PenduTable::PartsShown(Erreurs, NbEssais); }
    bool GuesserPlays() const { return Phase.state == 2 || Phase.state == 12; }

private:
    void StartAction(Taction &action);
    bool ActionArrived(const Taction &action) const;
    void Finish(Taction &action);
    void ApplyEnds(const std::vector<PathEnd> &ends);
    void RunPhase();
    void StartNextRound();
    void ReadSettings();
    void PlayLetter(char letter);
    void ShowLetter(); // state 2 step 3: show the letter or count an error
    void AddRound();
    std::string Validate(const std::string &typed, bool automatic);
    std::string ShownLetters() const;
    std::string UsedLetters() const;
    void Status(const QString &text) const;
    void Title(const QString &text) const;
    QString Name(int player) const;

    GameSettings *settings_;
    const TDictionnaire *dictionary_;
    const TDictionnaire *hiddenWords_;
    std::mt19937 random_;
    qint64 now_ = 0;
    double scene_ = 0;
    mutable QString lastStatus_;
};

// The mask of a word: every letter hidden but, with the first and last
// letters shown, each occurrence of those two letters.
std::string MaskOf(const std::string &word, bool firstAndLast);

} // namespace pendu
