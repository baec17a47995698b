// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The subcommands of ludorine-dico. Each one lives in its own file
// (command_NAME.cpp) and registers itself at start-up with a static object:
//
//   static const dico::Registration registration({"build", "LISTE SORTIE",
//       "construit un dictionnaire à partir d'une liste de mots", RunBuild});
//
// The command files are compiled into the executable itself (not into a
// library, whose unreferenced objects the linker would drop with their
// registrations). Texts shown to the user are in French.
#include <string>
#include <string_view>
#include <vector>

namespace dico {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1; // the command could not do its work
inline constexpr int kExitUsage = 2;   // bad command line

using Arguments = std::vector<std::string>;

struct Command {
    const char *name;
    const char *arguments; // as shown in the usage message, e.g. "LISTE SORTIE"
    const char *summary;   // one line for the usage message
    // Runs the command with the arguments that follow its name; returns the
    // exit status.
    int (*run)(const Arguments &arguments);
};

class Registration {
public:
    explicit Registration(const Command &command);
};

// The registered commands, sorted by name.
const std::vector<Command> &Commands();
const Command *FindCommand(std::string_view name);

// The usage message: the synopsis and one line per command.
std::string UsageText();
// Prints "ludorine-dico : MESSAGE" and the usage message on the error output;
// returns kExitUsage.
int UsageError(const std::string &message);
// Prints "ludorine-dico : MESSAGE" on the error output; returns kExitFailure.
int Failure(const std::string &message);

} // namespace dico
