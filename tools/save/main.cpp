// SPDX-License-Identifier: GPL-3.0-or-later
// ludorine-save: looks inside saved games.
//   ludorine-save dump FILE   lists the header and every value of the file
#include "framework/savefile/saved_game_dump.h"

#include <cstring>
#include <fstream>
#include <iostream>

namespace {

int Usage()
{
    std::cerr << "usage : ludorine-save dump FICHIER\n"
                 "  dump   affiche l'en-tête déchiffré d'une partie enregistrée et chacune de ses valeurs\n";
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3 || std::strcmp(argv[1], "dump") != 0)
        return Usage();
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) {
        std::cerr << "ludorine-save : impossible de lire " << argv[2] << '\n';
        return 1;
    }
    std::string error;
    const bool whole = savefile::DumpSavedGame(in, std::cout, error);
    std::cout.flush();
    if (!whole) {
        std::cerr << "ludorine-save : " << argv[2] << " : " << error << '\n';
        return 1;
    }
    return 0;
}
