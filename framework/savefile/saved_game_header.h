// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The common header of a saved game: the identification text "Ludorine N"
// (N the game kind), the origin, owner and date texts, each enciphered and
// followed by its check value, and the game kind written twice around them.
#include "framework/savefile/typed_stream.h"

#include <string>

namespace savefile {

struct HeaderText {
    std::string plain;    // deciphered; empty when it could not be deciphered
    bool checked = false; // its check value was read and compared
    bool valid = false;   // the check value matched
};

struct SavedGameHeader {
    HeaderText identification;
    int kind = 0;
    HeaderText origin;
    HeaderText owner;
    HeaderText date;
    int kindAgain = 0;
    bool complete = false; // every value of the header was read

    // Every check passed and both kinds agree.
    bool Ok() const;
};

struct HeaderWriteTexts {
    std::string origin; // who wrote the file (program and version)
    std::string owner;  // the user's name
    std::string date;   // the date and time of saving, as shown to the user
};

void WriteSavedGameHeader(TypedWriter &writer, int kind, const HeaderWriteTexts &texts);

// Reads the header as the opening of a game does: it stops at the first text
// whose check value fails (the rest stays unread) unless readAll is set, in
// which case every value is read (the dump tool shows them all). A wrong tag
// or a short stream raises ReadError.
SavedGameHeader ReadSavedGameHeader(TypedReader &reader, bool readAll = false);

// The plain identification text for a kind: "Ludorine 3".
std::string IdentificationText(int kind);

} // namespace savefile
