// SPDX-License-Identifier: GPL-3.0-or-later
// PenduGame: the game's part of a saved game, after the settings block, with
// every tile and card of the table. Every value read is checked against what
// the game relies on; anything else refuses the file and leaves the game as
// it was.
#include <cmath>

#include "framework/config.h"
#include "framework/savefile/typed_stream.h"
#include "wordgames/hangman/pendu_game.h"

namespace pendu {

namespace {
constexpr int kMostRounds = 100000;
constexpr double kFar = 100; // no object of the table is this far

float ReadCoordinate(savefile::TypedReader &reader)
{
    const long double value = reader.ReadFloat();
    if (!std::isfinite(double(value)) || std::fabs(double(value)) > kFar * 10)
        throw savefile::ReadError("coordinate");
    return float(value);
}

bool WordOk(const std::string &word, std::size_t longest)
{
    if (word.size() > longest)
        return false;
    for (char c : word)
        if (!((c >= 'A' && c <= 'Z') || c == '*'))
            return false;
    return true;
}

bool LettersOk(const std::string &letters)
{
    for (char c : letters)
        if (c < 'A' || c > 'Z')
            return false;
    return letters.size() <= std::size_t(kLetters);
}

// Where an object rests: its last waypoint while it moves.
Vec3 RestingPosition(const TableObject &object)
{
    return object.Moving() ? object.path.back().position : object.position;
}

Vec3 RestingAngles(const TableObject &object)
{
    return object.Moving() ? object.path.back().rotation : object.angles;
}

bool KindOk(char kind)
{
    return std::string(" BCFGJLPRTVW").find(kind) != std::string::npos;
}
} // namespace

void PenduGame::Write(savefile::TypedWriter &writer) const
{
    writer.WriteInteger(WindowLeft);
    writer.WriteInteger(WindowTop);
    writer.WriteInteger(0);
    writer.WriteInteger(Table.LettresSorties);
    writer.WriteInteger(int(Historique.size()));
    writer.WriteInteger(Erreurs);
    writer.WriteString(MasqueAvant);
    savefile::WriteFlagText(writer, Paused);
    writer.WriteInteger(kLetters);
    writer.WriteString(std::string(1, LettreJouee));
    writer.WriteInteger(0);
    writer.WriteInteger(std::int32_t(DebutManche));
    writer.WriteInteger(0);
    writer.WriteInteger(std::int32_t(DureeManche));
    writer.WriteInteger(-1);
    writer.WriteInteger(PointsManche);
    writer.WriteString(MotATrouver);
    writer.WriteString(Masque);
    writer.WriteInteger(NbEssais);
    savefile::WriteFlagText(writer, PremDern);
    writer.WriteInteger(Phase.state);
    writer.WriteInteger(std::int32_t(Phase.start));
    writer.WriteInteger(Phase.step);
    writer.WriteInteger(ModeFin);
    writer.WriteInteger(ParamFin);
    for (int n = 1; n <= kStack; ++n) {
        const Taction &action = Actions[std::size_t(n)];
        writer.WriteString(std::string(1, action.kind));
        writer.WriteString(action.text);
        writer.WriteInteger(action.state);
        writer.WriteInteger(std::int32_t(action.start));
        writer.WriteInteger(action.duration);
    }
    writer.WriteInteger(Sommet);
    for (int i = 1; i <= kLetters; ++i) {
        const TableObject &tile = Table.tiles[std::size_t(i)];
        const Vec3 p = RestingPosition(tile), a = RestingAngles(tile);
        writer.WriteFloat(p.x);
        writer.WriteFloat(p.y);
        writer.WriteFloat(p.z);
        writer.WriteFloat(std::sin(a.y * M_PI / 180));
        writer.WriteFloat(0);
        writer.WriteFloat(std::cos(a.y * M_PI / 180));
        writer.WriteFloat(a.x);
        writer.WriteFloat(a.z);
        writer.WriteFloat(a.y);
        writer.WriteFloat(0);
        writer.WriteFloat(1);
        writer.WriteFloat(0);
        writer.WriteInteger(tile.mark);
    }
    for (int n = 1; n <= kCards; ++n) {
        const TableObject &card = Table.cards[std::size_t(n)];
        const Vec3 p = RestingPosition(card), a = RestingAngles(card);
        writer.WriteFloat(p.x);
        writer.WriteFloat(p.y);
        writer.WriteFloat(p.z);
        writer.WriteFloat(a.x);
        writer.WriteFloat(a.z);
        writer.WriteFloat(a.y);
        writer.WriteInteger(card.mark);
        writer.WriteString(card.material);
        savefile::WriteFlagText(writer, card.visible);
    }
    for (const thisto &round : Historique) {
        writer.WriteInteger(round.player);
        writer.WriteString(round.word);
        writer.WriteString(round.letters);
        writer.WriteInteger(round.points);
    }
}

bool PenduGame::Read(savefile::TypedReader &reader)
{
    const int left = reader.ReadInteger();
    const int top = reader.ReadInteger();
    reader.ReadInteger();
    const int out = reader.ReadInteger();
    const int rounds = reader.ReadInteger();
    const int errors = reader.ReadInteger();
    const std::string before = reader.ReadString();
    const bool paused = savefile::ReadFlagText(reader);
    const int letters = reader.ReadInteger();
    const std::string played = reader.ReadString();
    reader.ReadInteger();
    const int start = reader.ReadInteger();
    reader.ReadInteger();
    const int duration = reader.ReadInteger();
    reader.ReadInteger();
    const int points = reader.ReadInteger();
    const std::string word = reader.ReadString();
    const std::string mask = reader.ReadString();
    const int tries = reader.ReadInteger();
    const bool firstAndLast = savefile::ReadFlagText(reader);
    Tphase phase;
    phase.state = reader.ReadInteger();
    phase.start = reader.ReadInteger();
    phase.step = reader.ReadInteger();
    const int modeFin = reader.ReadInteger();
    const int paramFin = reader.ReadInteger();
    if (out < 0 || out > kLetters || rounds < 0 || rounds > kMostRounds || errors < 0 ||
        errors > kLongestWord || !WordOk(before, kLongestWord) || letters != kLetters || played.size() != 1 ||
        !(tries == 7 || tries == 10 || tries == 12) || points < 0 || points > kLongestWord ||
        !WordOk(word, kLongestWord) || !WordOk(mask, kLongestWord) ||
        (!word.empty() && word.size() != mask.size()) || (modeFin != 1 && modeFin != 2))
        return false;
    const std::string states = ",-2,0,1,2,11,12,99,";
    if (states.find("," + std::to_string(phase.state) + ",") == std::string::npos || phase.step < 0 ||
        phase.step > 11)
        return false;
    std::array<Taction, kStack + 1> actions;
    for (int n = 1; n <= kStack; ++n) {
        Taction &action = actions[std::size_t(n)];
        const std::string kind = reader.ReadString();
        action.text = reader.ReadString();
        action.state = reader.ReadInteger();
        action.start = reader.ReadInteger();
        action.duration = reader.ReadInteger();
        if (kind.size() != 1 || !KindOk(kind[0]) || action.text.size() > std::size_t(kLetters) ||
            !(action.state == 0 || action.state == 1 || action.state == kDone) || action.duration < -1 ||
            action.duration > 60000)
            return false;
        action.kind = kind[0];
    }
    const int sommet = reader.ReadInteger();
    if (sommet < 0 || sommet > kStack)
        return false;
    PenduTable table;
    for (int i = 1; i <= kLetters; ++i) {
        TableObject &tile = table.tiles[std::size_t(i)];
        tile.position.x = ReadCoordinate(reader);
        tile.position.y = ReadCoordinate(reader);
        tile.position.z = ReadCoordinate(reader);
        for (int k = 0; k < 3; ++k)
            ReadCoordinate(reader);
        tile.angles.x = ReadCoordinate(reader);
        tile.angles.z = ReadCoordinate(reader);
        tile.angles.y = ReadCoordinate(reader);
        for (int k = 0; k < 3; ++k)
            ReadCoordinate(reader);
        tile.mark = reader.ReadInteger();
        if (!(tile.mark == 0 || tile.mark == 1 || tile.mark == kMoving))
            return false;
    }
    for (int n = 1; n <= kCards; ++n) {
        TableObject &card = table.cards[std::size_t(n)];
        card.position.x = ReadCoordinate(reader);
        card.position.y = ReadCoordinate(reader);
        card.position.z = ReadCoordinate(reader);
        card.angles.x = ReadCoordinate(reader);
        card.angles.z = ReadCoordinate(reader);
        card.angles.y = ReadCoordinate(reader);
        card.mark = reader.ReadInteger();
        card.material = reader.ReadString();
        card.visible = savefile::ReadFlagText(reader);
        const bool letterFace = card.material.size() == 8 && card.material.compare(0, 7, "Lettre_") == 0 &&
                                card.material[7] >= 'A' && card.material[7] <= 'Z';
        if (!(card.mark == 0 || card.mark == 1 || card.mark == 2 || card.mark == kMoving) ||
            !(letterFace || card.material == "Lettre_vide"))
            return false;
    }
    std::vector<thisto> history;
    for (int r = 0; r < rounds; ++r) {
        thisto &round = history.emplace_back();
        round.player = reader.ReadInteger();
        round.word = reader.ReadString();
        round.letters = reader.ReadString();
        round.points = reader.ReadInteger();
        if (round.player < 1 || round.player > settings_->PlayerCount || !WordOk(round.word, kLongestWord) ||
            !LettersOk(round.letters) || round.points < 0 || round.points > kLongestWord)
            return false;
    }
    // Anything still moving when saved rests at its place now.
    for (TableObject &object : table.cards)
        if (object.mark == kMoving)
            object.mark = object.visible ? 1 : 0;
    for (TableObject &object : table.tiles)
        if (object.mark == kMoving)
            object.mark = 1;
    table.LettresSorties = out;

    WindowLeft = left;
    WindowTop = top;
    Erreurs = errors;
    MasqueAvant = before;
    Paused = paused;
    LettreJouee = played[0];
    DebutManche = start;
    DureeManche = duration;
    PointsManche = points;
    MotATrouver = word;
    Masque = mask;
    NbEssais = tries;
    PremDern = firstAndLast;
    Phase = phase;
    ModeFin = modeFin;
    ParamFin = paramFin;
    Actions = actions;
    Sommet = sommet;
    Table = table;
    Historique = std::move(history);
    ListeOrdi.reset();
    return true;
}

} // namespace pendu
