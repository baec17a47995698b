// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A readable listing of a saved game, for checking files by hand: the
// deciphered header texts with "ok" or "bad" for each check value, the game
// kind, then every value of the payload on its own line with its type, the
// values of a list indented under it.
#include <istream>
#include <ostream>
#include <string>

namespace savefile {

// Lists what can be read. True when the whole file read back and every check
// passed; otherwise error says what went wrong (what was read before it is
// already listed).
bool DumpSavedGame(std::istream &in, std::ostream &out, std::string &error);

} // namespace savefile
