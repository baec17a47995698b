// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Hangman card table without a window: where each of the 12 cards and
// the 26 letter tiles stands, how it is turned, which face it shows, its
// mark, and the movement it is making; the gallows stages, the candle and
// the turning base. The game moves them by these operations; the scene view
// only shows what this model holds, and the saved game writes it.
//
// Angles are degrees: x the pitch, y the turn, z the roll. Cards are placed
// in the table's frame, tiles in the frame of the rack's back.
#include <array>
#include <string>
#include <vector>

#include "wordgames/scene3d/scene_math.h"

namespace pendu {

using scene3d::Vec3;

inline constexpr int kCards = 12;
inline constexpr int kLetters = 26;

// Marks: a tile in its slot 0, played or out of the game 1; a card in the
// pile 0, showing its blank or back 1, its letter 2; anything moving 99.
inline constexpr int kMoving = 99;

// The animations, by the action kind that starts them.
enum class Motion { None, Deal = 'L', Turn = 'V', Leave = 'J', Gather = 'T' };

struct TableObject {
    Vec3 position;
    Vec3 angles;
    int mark = 0;
    std::string material; // the face texture ("Lettre_A", "Lettre_vide")
    bool visible = true;
    // The movement under way: waypoints in scene seconds from `start`.
    std::vector<scene3d::Waypoint> path;
    double start = 0;
    Motion motion = Motion::None;
    int finalMark = 0; // the mark the movement ends with
    bool Moving() const { return !path.empty(); }
};

// One end of a movement, for the action that started it.
struct PathEnd {
    Motion motion;
    int card = 0;    // 1..12 for a card
    char letter = 0; // A..Z for a tile
};

class PenduTable {
public:
    PenduTable();

    std::array<TableObject, kCards + 1> cards;   // cards 1 to 12
    std::array<TableObject, kLetters + 1> tiles; // tiles 1 (A) to 26 (Z)
    // Tiles moved off the rack in the round (their places on the table).
    int LettresSorties = 0;

    // --- Places.
    static Vec3 PilePlace();
    static Vec3 CardPlace(int card, int length);
    static Vec3 SlotPlace(int tile);
    static Vec3 SlotAngles(int tile);
    static int TileOf(char letter) { return letter - 'A' + 1; }

    // --- The animations (their text arguments as the actions give them).
    // Deals the cards of `mask` (the word's letters where the mask shows one).
    void Distribue(const std::string &mask, const std::string &word, double now);
    // Turns the cards of the non-blank characters of `text` ('*' a blank
    // face), for a word of `length` letters.
    void Retourne(const std::string &text, int length, double now);
    // The tile of `letter` leaves the rack for its place on the table;
    // false when it was not in its slot.
    bool Sortie(char letter, double now);
    // Cards back to the pile, tiles back to their slots.
    void Ramasse(double now);
    // Cards to the pile and tiles to their slots at once.
    void Range();
    // Finishes the movements of `motion` at once: deals and gatherings put
    // everything at its final place; tiles leaving and cards turning take
    // their final angles, mark and face and finish their flight.
    std::vector<PathEnd> Acheve(Motion motion);
    // Every object of `motion` has reached its final place.
    bool Arrive(Motion motion) const;
    // Moves every object to where its path puts it at `now`; the paths
    // that ended, with their final marks applied.
    std::vector<PathEnd> Advance(double now);
    void StopMovements();

    // --- The gallows: the parts shown after `errors` of `allowed`.
    static int PartsShown(int errors, int allowed);
    double baseTurn = 0;  // degrees, while the base is shown
    double candle = 0.75; // height of the candle's body
    int flame = 1;        // the flame picture, 1 to 4
    // One animation step of the gallows and the candle: `playing` while a
    // guesser plays (the candle sinks to -0.5 at most).
    void StepDecor(double elapsed, int partsShown, bool playing, int randomFrame);

private:
    void EndPath(TableObject &object, std::vector<PathEnd> &ends, bool card, int number);
};

// The names and textures the table and the scene share.
std::string CardName(int card);     // "cartef3"
std::string CardBackName(int card); // "carted3"
std::string TileName(char letter);  // "Lettre_A"
std::string LetterTexture(char c);  // "Lettre_A", "Lettre_vide" for '*' or ' '

} // namespace pendu
