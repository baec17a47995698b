// SPDX-License-Identifier: GPL-3.0-or-later
// contains, state: the lookups of one word, exactly as the games make them
// (small ASCII letters count as capitals, accented letters never match).
#include "dico_command.h"
#include "dictionnaire_arguments.h"

namespace {

int RunContains(const dico::Arguments &arguments)
{
    if (arguments.size() != 2)
        return dico::UsageError("contains attend deux arguments : le dictionnaire et le mot.");
    const auto dictionary = dico_arguments::OpenExisting(arguments[0], 'R');
    if (!dictionary)
        return dico::kExitFailure;
    const std::string word = dico_arguments::Capitals(arguments[1]);
    if (!dictionary->Contains(word))
        return dico::kExitFailure;
    return dico_arguments::PrintLines({word});
}

int RunState(const dico::Arguments &arguments)
{
    if (arguments.size() != 2)
        return dico::UsageError("state attend deux arguments : le dictionnaire et le mot.");
    const auto dictionary = dico_arguments::OpenExisting(arguments[0], 'R');
    if (!dictionary)
        return dico::kExitFailure;
    return dico_arguments::PrintLines(
        {std::to_string(dictionary->WordState(dico_arguments::Latin1(arguments[1])))});
}

const dico::Registration contains({"contains", "DICO MOT",
                                   "affiche le mot s'il est dans le dictionnaire (code de sortie 1 sinon)",
                                   RunContains});
const dico::Registration
    state({"state", "DICO MOT",
           "1 : mot du dictionnaire, 0 : début de mots seulement, -1 : ni l'un ni l'autre", RunState});

} // namespace
