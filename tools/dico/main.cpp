// SPDX-License-Identifier: GPL-3.0-or-later
// ludorine-dico: command-line work on dictionary files. The first argument
// names the command, the others are its own (see dico_command.h).
#include <cstdio>
#include <string>
#include <string_view>

#include "dico_command.h"

int main(int argc, char *argv[])
{
    if (argc < 2)
        return dico::UsageError("commande manquante.");
    const std::string_view name = argv[1];
    if (name == "-h" || name == "--help" || name == "aide") {
        std::fputs(dico::UsageText().c_str(), stdout);
        return dico::kExitSuccess;
    }
    const dico::Command *command = dico::FindCommand(name);
    if (command == nullptr)
        return dico::UsageError("commande inconnue : « " + std::string(name) + " ».");
    return command->run(dico::Arguments(argv + 2, argv + argc));
}
