// SPDX-License-Identifier: GPL-3.0-or-later
// PhiloGame: the round set-up, the hidden word, the setter's word and the
// check of his marks, proposals, marks and the keys of the guesser.
#include "wordgames/philosophe/philo_game.h"
#include "framework/code_page_text.h"

#include <algorithm>

#include "dictionary/dictionnaire.h"
#include "framework/config.h"

namespace philo {

namespace {
bool IsLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

} // namespace

std::string FallbackWord(int length)
{
    switch (length) {
    case 4:
        return "AOUT";
    case 5:
        return "MARDI";
    case 6:
        return "CARTES";
    case 7:
        return "FAMILLE";
    case 8:
        return "MONTAGNE";
    case 9:
        return "BOULANGER";
    default:
        return "TELEPHONER";
    }
}

PhiloGame::PhiloGame(GameSettings &settings, const TDictionnaire &dictionary,
                     const TDictionnaire &hiddenWords, std::uint32_t seed)
    : settings_(&settings), dictionary_(&dictionary), hiddenWords_(&hiddenWords), random_(seed)
{
    SetLength(5);
}

// --- Helpers

int PhiloGame::Guesser() const
{
    return settings_->CurrentPlayer;
}

bool PhiloGame::GuesserIsComputer() const
{
    return settings_->Players[std::size_t(Guesser())].IsComputer;
}

bool PhiloGame::HumanGuesses() const
{
    return Etat == 2 && !GuesserIsComputer();
}

QString PhiloGame::GuesserName() const
{
    return settings_->Players[std::size_t(Guesser())].Name;
}

void PhiloGame::Status(const QString &text) const
{
    if (hooks.status)
        hooks.status(text);
}

void PhiloGame::Busy(bool on) const
{
    if (hooks.busy)
        hooks.busy(on);
}

void PhiloGame::Redraw()
{
    Proposition.resize(std::size_t(std::max<int>(int(Proposition.size()), kLongestWord)), ' ');
    if (hooks.redraw)
        hooks.redraw();
}

void PhiloGame::SetLength(int length)
{
    LongueurMot = std::clamp(length, kShortestWord, kLongestWord);
    PosCurseur = 1;
    ClearEntries();
    Proposition.assign(std::size_t(LongueurMot), '*');
    MotSecret.assign(std::size_t(LongueurMot), '*');
    Candidats.Reset(dictionary_->WordsMatching(std::string(std::size_t(LongueurMot), '*')));
}

void PhiloGame::ClearEntries()
{
    for (TCoupPhilo &entry : Coups)
        entry = TCoupPhilo{};
}

// --- Round set-up and the hidden word

void PhiloGame::InitManche(int forcedLength)
{
    Busy(true);
    int length = settings_->Options.PhiloWordLength();
    if (length == 0)
        length = forcedLength >= kShortestWord && forcedLength <= kLongestWord
                     ? forcedLength
                     : std::uniform_int_distribution<int>(kShortestWord, kLongestWord)(random_);
    AvecMalPlacees = settings_->Options.CheckBox_mp;
    Status(QStringLiteral("Initialisation du jeu. Veuillez patienter."));
    SetLength(length);
    Redraw();
    TireMot();
}

void PhiloGame::TireMot()
{
    if (Halted() || GameOver)
        return;
    Status(QStringLiteral("Initialisation"));
    PointsManche = 0;
    std::string word;
    for (int attempt = 0; attempt < 5 && word.empty(); ++attempt) {
        const std::vector<std::string> drawn = hiddenWords_->RandomWords(15, LongueurMot, LongueurMot);
        if (drawn.empty())
            continue;
        for (int pick = 0; pick < 50; ++pick) {
            const std::string &candidate =
                drawn[std::size_t(std::uniform_int_distribution<int>(0, int(drawn.size()) - 1)(random_))];
            if (int(candidate.size()) == LongueurMot) {
                word = candidate;
                break;
            }
        }
    }
    MotSecret = word.empty() ? FallbackWord(LongueurMot) : word;
    Proposition.assign(std::size_t(LongueurMot), '*');
    PosCurseur = 1;
    ClearEntries();
    if (Etat == 1 && !settings_->AllComputers && GuesserIsComputer()) {
        MotSecret.assign(std::size_t(LongueurMot), '*');
        Busy(false);
        if (hooks.showWordPanel)
            hooks.showWordPanel(MotSecret);
    } else if (Etat == 1) {
        Etape = 9;
    }
    Redraw();
}

void PhiloGame::NewGame()
{
    GameOver = false;
    Manches.clear();
    // Not a round's start: the round set-up asks nobody for a word.
    Etat = 0;
    InitManche();
    Etat = 0;
    Etape = 0;
}

// --- The setter's word

PhiloGame::SetterAnswer PhiloGame::SetterWord(const std::string &typed)
{
    if (Etat == 3)
        CheckSetterMarks(typed);
    if (Etat != 1)
        return {typed, Etat != 3};
    std::string word;
    bool hidden = false;
    for (char c : typed) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (IsLetter(c)) {
            word += c;
        } else if (c == '*' || c == '-' || c == '.' || c == '?') {
            word += '*';
            hidden = true;
        }
    }
    if (hidden)
        word.assign(word.size(), '*');
    MotSecret = word;
    const int length = int(word.size());
    bool ok = true;
    const bool fixedLength = settings_->Options.PhiloWordLength() != 0;
    if ((fixedLength && length != LongueurMot) || length < kShortestWord || length > kLongestWord) {
        ok = false;
        // The round's word stays unknown until one of the right length is given.
        MotSecret.assign(std::size_t(LongueurMot), '*');
        if (hooks.message)
            hooks.message(QStringLiteral("longueur du mot incorrecte"));
    } else if (length != LongueurMot) {
        InitManche(length);
        MotSecret = word;
    }
    if (ok && !hidden && !dictionary_->Contains(word)) {
        const QString question =
            QStringLiteral("Le mot %1 ne figure pas dans le dictionnaire. Confirmez-vous ce mot ?")
                .arg(FromCodePage(word));
        ok = hooks.confirm && hooks.confirm(question);
    }
    if (ok) {
        if (hooks.hideWordPanel)
            hooks.hideWordPanel();
        Etape = 9;
    }
    return {word, ok};
}

void PhiloGame::CheckSetterMarks(const std::string &typed)
{
    std::string word;
    for (char c : typed) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (IsLetter(c))
            word += c;
    }
    if (!dictionary_->Contains(word)) {
        const QString question =
            QStringLiteral("Le mot %1 ne figure pas dans le dictionnaire. Confirmez-vous ce mot ?")
                .arg(FromCodePage(word));
        if (!(hooks.confirm && hooks.confirm(question)))
            return;
    }
    MotSecret = word;
    // A revealed word of another length cannot be the one the marks were
    // given for: every mark counts as wrong.
    bool wrong = int(word.size()) != LongueurMot;
    if (!wrong) {
        std::string report;
        for (int n = 1; n <= kEntries; ++n) {
            const TCoupPhilo &entry = Coups[std::size_t(n)];
            if (!entry.Joue || entry.Invalide)
                continue;
            const Mark correct = NoteMot(word, entry.Mot, LongueurMot, AvecMalPlacees);
            if (correct == Mark{entry.BienPlacees, entry.MalPlacees})
                continue;
            wrong = true;
            std::string proposal = entry.Mot;
            while (!proposal.empty() && proposal.back() == ' ')
                proposal.pop_back();
            report += "Erreur coup n\xB0 " + std::to_string(n) + " notation de " + proposal;
            if (correct.BienPlacees != entry.BienPlacees)
                report += " bien plac\xE9"
                          "es = " +
                          std::to_string(entry.BienPlacees) + " au lieu de " +
                          std::to_string(correct.BienPlacees) + " ";
            if (correct.MalPlacees != entry.MalPlacees)
                report += " mal plac\xE9"
                          "es = " +
                          std::to_string(entry.MalPlacees) + " au lieu de " +
                          std::to_string(correct.MalPlacees);
            const auto first = report.find_first_not_of(' ');
            const auto last = report.find_last_not_of(' ');
            report = first == std::string::npos ? std::string() : report.substr(first, last - first + 1);
            report += ' ';
        }
        if (wrong && hooks.message)
            hooks.message(FromCodePage(report));
    }
    if (wrong)
        PointsManche = kTries;
    if (hooks.hideWordPanel)
        hooks.hideWordPanel();
    Etat = 9;
    Etape = 0;
}

// --- Proposals

void PhiloGame::PushEntry(const std::string &word)
{
    for (int n = kEntries; n > 1; --n)
        Coups[std::size_t(n)] = Coups[std::size_t(n - 1)];
    Coups[1] = TCoupPhilo{word, "*", 0, 0, false, true};
}

void PhiloGame::ValideProposition()
{
    if (Halted() || GameOver)
        return;
    if (hooks.validated)
        hooks.validated();
    const std::size_t star = Proposition.substr(0, std::size_t(LongueurMot)).find('*');
    if (star != std::string::npos) {
        if (hooks.beep)
            hooks.beep();
        PosCurseur = int(star) + 1;
        Redraw();
        return;
    }
    if (hooks.hideProposals)
        hooks.hideProposals();
    std::string padded = Proposition;
    padded.resize(std::size_t(std::max<int>(int(padded.size()), kLongestWord)), ' ');
    PushEntry(padded);
    Proposition = Proposition.substr(0, std::size_t(LongueurMot));
    if (!dictionary_->Contains(Proposition)) {
        Coups[1].Invalide = true;
    } else if (HiddenWord()) {
        Etape = 2;
        if (hooks.showMarkPanel)
            hooks.showMarkPanel(LongueurMot, AvecMalPlacees);
        return;
    } else {
        RecordMark(NoteMot(MotSecret, Proposition, LongueurMot, AvecMalPlacees));
        Etape = 9;
    }
    AfterMarked();
}

void PhiloGame::RecordMark(const Mark &mark)
{
    TCoupPhilo &entry = Coups[1];
    entry.BienPlacees = mark.BienPlacees;
    entry.MalPlacees = mark.MalPlacees;
    entry.Invalide = false;
    Candidats.Filter(entry.Mot, mark, LongueurMot, AvecMalPlacees);
    entry.Note = NoteText(mark, AvecMalPlacees);
}

void PhiloGame::AfterMarked()
{
    int used = 0;
    for (int n = 1; n <= kTries; ++n)
        used += Coups[std::size_t(n)].Joue ? 1 : 0;
    PointsManche = kTries - used;
    PosCurseur = 1;
    Proposition.assign(std::size_t(LongueurMot), '*');
    Redraw();
}

void PhiloGame::HumanMarks(int bienPlacees, int malPlacees)
{
    if (Etat != 2 || Etape != 2)
        return;
    RecordMark({bienPlacees, AvecMalPlacees ? malPlacees : 0});
    if (hooks.hideMarkPanel)
        hooks.hideMarkPanel();
    AfterMarked();
    Etape = 9;
}

std::vector<std::string> PhiloGame::PossibleMoves()
{
    return Candidats.PossibleMoves(random_);
}

void PhiloGame::TakeListedWord(const std::string &word)
{
    if (!HumanGuesses() || Halted() || GameOver)
        return;
    Proposition = word.substr(0, std::size_t(LongueurMot));
    Proposition.resize(std::size_t(LongueurMot), '*');
    Redraw();
}

void PhiloGame::KeyDown(Key key, char letter)
{
    if (Halted() || GameOver)
        return;
    if (Etat == 9 && Etape == 1) {
        Etape = 9;
        return;
    }
    if (!HumanGuesses())
        return;
    Proposition.resize(std::size_t(std::max<int>(int(Proposition.size()), LongueurMot)), ' ');
    PosCurseur = std::clamp(PosCurseur, 1, LongueurMot);
    char &slot = Proposition[std::size_t(PosCurseur - 1)];
    switch (key) {
    case Key::Letter:
        if (letter >= 'a' && letter <= 'z')
            letter = char(letter - 'a' + 'A');
        if (!IsLetter(letter))
            return;
        slot = letter;
        PosCurseur = std::min(PosCurseur + 1, LongueurMot);
        break;
    case Key::Backspace:
        slot = '*';
        PosCurseur = std::max(PosCurseur - 1, 1);
        break;
    case Key::Left:
        PosCurseur = std::max(PosCurseur - 1, 1);
        break;
    case Key::Right:
        PosCurseur = std::min(PosCurseur + 1, LongueurMot);
        break;
    case Key::Home:
        PosCurseur = 1;
        break;
    case Key::End:
        PosCurseur = LongueurMot;
        break;
    case Key::Delete:
        slot = '*';
        break;
    case Key::Insert:
        for (int i = LongueurMot - 1; i > PosCurseur - 1; --i)
            Proposition[std::size_t(i)] = Proposition[std::size_t(i - 1)];
        Proposition[std::size_t(PosCurseur - 1)] = '*';
        break;
    case Key::Enter:
        ValideProposition();
        return;
    case Key::Other:
        return;
    }
    Redraw();
}

void PhiloGame::Click(const std::string &object)
{
    if (Halted() || GameOver)
        return;
    if (Etat == 9 && Etape == 1) {
        Etape = 9;
        return;
    }
    if (!HumanGuesses())
        return;
    if (object == "bouton") {
        ValideProposition();
    } else if (object.size() >= 3 && object.compare(0, 2, "PT") == 0) {
        const int slot = std::atoi(object.c_str() + 2);
        if (slot >= 1 && slot <= LongueurMot) {
            PosCurseur = slot;
            Redraw();
        }
    }
}

} // namespace philo
