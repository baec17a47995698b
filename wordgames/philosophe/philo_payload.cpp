// SPDX-License-Identifier: GPL-3.0-or-later
// PhiloGame: the game's part of a saved game, after the settings block.
// Every value read is checked against what the game relies on (lengths,
// marks, states, player numbers); anything else refuses the file.
#include "dictionary/dictionnaire.h"
#include "framework/config.h"
#include "framework/savefile/typed_stream.h"
#include "wordgames/philosophe/philo_game.h"

namespace philo {

namespace {
constexpr int kGameKind = 8;
constexpr int kMostRounds = 100000;
constexpr std::size_t kTypedWord = 20; // the setter's field

// A word of the game: letters, and asterisks or blanks where `allowed`
// says, at most `longest` characters.
bool WordOk(const std::string &word, std::size_t longest, const std::string &allowed)
{
    if (word.size() > longest)
        return false;
    for (char c : word)
        if (!(c >= 'A' && c <= 'Z') && allowed.find(c) == std::string::npos)
            return false;
    return true;
}

// Each count within the word's length; the setter's marks are not checked
// against each other when given, so their sum may be more.
bool MarkOk(int bien, int mal, int length)
{
    return bien >= 0 && mal >= 0 && bien <= length && mal <= length;
}

bool StateOk(int etat, int etape)
{
    const bool etatOk =
        etat == -1 || etat == 0 || etat == 1 || etat == 2 || etat == 3 || etat == 8 || etat == 9;
    return etatOk && (etape == 0 || etape == 1 || etape == 2 || etape == 9);
}
} // namespace

void PhiloGame::Write(savefile::TypedWriter &writer) const
{
    writer.WriteInteger(kGameKind);
    writer.WriteInteger(LongueurMot);
    writer.WriteInteger(-1);
    writer.WriteString(MotSecret);
    writer.WriteString(Proposition);
    writer.WriteString(PropositionOrdi);
    writer.WriteInteger(Etat);
    writer.WriteInteger(Etape);
    writer.WriteInteger(ParamFin);
    for (int n = 1; n <= kEntries; ++n) {
        const TCoupPhilo &entry = Coups[std::size_t(n)];
        writer.WriteString(entry.Mot);
        writer.WriteString(entry.Note);
        writer.WriteInteger(entry.BienPlacees);
        writer.WriteInteger(entry.MalPlacees);
        savefile::WriteFlagText(writer, entry.Invalide);
        savefile::WriteFlagText(writer, entry.Joue);
    }
    writer.WriteInteger(PosCurseur);
    writer.WriteInteger(20);
    writer.WriteInteger(IndexFrappe);
    savefile::WriteFlagText(writer, AvecMalPlacees);
    writer.WriteInteger(int(Manches.size()));
    for (const TManche &round : Manches) {
        writer.WriteInteger(round.Joueur);
        writer.WriteInteger(round.Points);
        writer.WriteString(round.Mot);
        writer.WriteInteger(int(round.Essais.size()));
        for (const TEssai &essai : round.Essais) {
            writer.WriteString(essai.Mot);
            writer.WriteInteger(essai.BienPlacees);
            writer.WriteInteger(essai.MalPlacees);
        }
    }
    writer.WriteInteger(PointsManche);
}

bool PhiloGame::Read(savefile::TypedReader &reader)
{
    if (reader.ReadInteger() != kGameKind)
        return false;
    const int length = reader.ReadInteger();
    if (length < kShortestWord || length > kLongestWord)
        return false;
    reader.ReadInteger();
    // The round of the saved length: its candidates, no word drawn.
    CandidateList candidates;
    candidates.Reset(dictionary_->WordsMatching(std::string(std::size_t(length), '*')));
    const std::string secret = reader.ReadString();
    const std::string proposition = reader.ReadString();
    const std::string computerWord = reader.ReadString();
    const int etat = reader.ReadInteger();
    const int etape = reader.ReadInteger();
    const int paramFin = reader.ReadInteger();
    // A revealed word (states 3 and 9) is what the setter typed, up to the
    // 20 characters of the field; otherwise the word has the round's length.
    const bool revealed = etat == 3 || etat == 9;
    const bool secretOk = WordOk(secret, kTypedWord, "*") && (revealed || int(secret.size()) == length);
    if (!secretOk || !WordOk(proposition, kLongestWord, "* ") || !WordOk(computerWord, kLongestWord, "") ||
        !StateOk(etat, etape))
        return false;
    std::array<TCoupPhilo, kEntries + 1> entries;
    for (int n = 1; n <= kEntries; ++n) {
        TCoupPhilo &entry = entries[std::size_t(n)];
        entry.Mot = reader.ReadString();
        entry.Note = reader.ReadString();
        entry.BienPlacees = reader.ReadInteger();
        entry.MalPlacees = reader.ReadInteger();
        entry.Invalide = savefile::ReadFlagText(reader);
        entry.Joue = savefile::ReadFlagText(reader);
        if (!WordOk(entry.Mot, kLongestWord, " ") || entry.Note.size() > 5 ||
            !MarkOk(entry.BienPlacees, entry.MalPlacees, length))
            return false;
    }
    const int cursor = reader.ReadInteger();
    reader.ReadInteger();
    const int typing = reader.ReadInteger();
    const bool withMisplaced = savefile::ReadFlagText(reader);
    // The typing index ends one past the tick that validated the word.
    if (typing < -1 || typing > length + 2)
        return false;
    // The candidates agree with every mark given (a proposal still waiting
    // for the setter's marks has none yet).
    for (int n = 1; n <= kEntries; ++n) {
        const TCoupPhilo &entry = entries[std::size_t(n)];
        if (entry.Joue && !entry.Invalide && entry.Note != "*")
            candidates.Filter(entry.Mot, {entry.BienPlacees, entry.MalPlacees}, length, withMisplaced);
    }
    const int roundCount = reader.ReadInteger();
    if (roundCount < 0 || roundCount > kMostRounds)
        return false;
    std::vector<TManche> rounds;
    for (int r = 0; r < roundCount; ++r) {
        TManche &round = rounds.emplace_back();
        round.Joueur = reader.ReadInteger();
        round.Points = reader.ReadInteger();
        round.Mot = reader.ReadString();
        const int tries = reader.ReadInteger();
        if (round.Joueur < 1 || round.Joueur > settings_->PlayerCount || round.Points < 0 ||
            round.Points > kTries || !WordOk(round.Mot, kTypedWord, "*") || tries < 0 || tries > kEntries)
            return false;
        round.Essais.resize(std::size_t(tries));
        for (TEssai &essai : round.Essais) {
            essai.Mot = reader.ReadString();
            essai.BienPlacees = reader.ReadInteger();
            essai.MalPlacees = reader.ReadInteger();
            if (!WordOk(essai.Mot, kLongestWord, " ") ||
                !MarkOk(essai.BienPlacees, essai.MalPlacees, kLongestWord))
                return false;
        }
    }
    const int points = reader.ReadInteger();
    if (points < 0 || points > kTries)
        return false;

    LongueurMot = length;
    Candidats = std::move(candidates);
    MotSecret = secret;
    Proposition = proposition;
    PropositionOrdi = computerWord;
    Etat = etat;
    Etape = etape;
    ParamFin = paramFin;
    Coups = entries;
    PosCurseur = std::clamp(cursor, 1, length);
    IndexFrappe = typing;
    AvecMalPlacees = withMisplaced;
    Manches = std::move(rounds);
    PointsManche = points;
    const GameOptions &options = settings_->Options;
    ModeFin = options.Rbtn_philo_fin1 ? 1 : 2;
    return true;
}

} // namespace philo
