// SPDX-License-Identifier: GPL-3.0-or-later
#include "dico_command.h"

#include <algorithm>
#include <cstdio>

namespace dico {

namespace {

constexpr const char *kProgram = "ludorine-dico";

// A function-local list, so that it exists whichever command file registers
// first.
std::vector<Command> &Registry()
{
    static std::vector<Command> commands;
    return commands;
}

} // namespace

Registration::Registration(const Command &command)
{
    std::vector<Command> &commands = Registry();
    const auto place =
        std::lower_bound(commands.begin(), commands.end(), command, [](const Command &a, const Command &b) {
            return std::string_view(a.name) < std::string_view(b.name);
        });
    commands.insert(place, command);
}

const std::vector<Command> &Commands()
{
    return Registry();
}

const Command *FindCommand(std::string_view name)
{
    for (const Command &command : Registry())
        if (name == command.name)
            return &command;
    return nullptr;
}

std::string UsageText()
{
    std::string text = std::string("Usage : ") + kProgram + " COMMANDE [ARGUMENTS...]\n\nCommandes :\n";
    std::size_t width = 0;
    for (const Command &command : Commands())
        width = std::max(width, std::string_view(command.name).size() + 1 +
                                    std::string_view(command.arguments).size());
    for (const Command &command : Commands()) {
        std::string synopsis = std::string(command.name) + " " + command.arguments;
        synopsis.resize(width, ' ');
        text += "  " + synopsis + "   " + command.summary + "\n";
    }
    return text;
}

int UsageError(const std::string &message)
{
    std::fprintf(stderr, "%s : %s\n\n%s", kProgram, message.c_str(), UsageText().c_str());
    return kExitUsage;
}

int Failure(const std::string &message)
{
    std::fprintf(stderr, "%s : %s\n", kProgram, message.c_str());
    return kExitFailure;
}

} // namespace dico
