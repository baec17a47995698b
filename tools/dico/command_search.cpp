// SPDX-License-Identifier: GPL-3.0-or-later
// starting, matching, anagrams, random: the searches of the word tools and of
// the hidden-word draws. Patterns and racks take '*' as a joker; small
// letters are read as capitals.
#include "dico_command.h"
#include "dictionnaire_arguments.h"

namespace {

int RunStarting(const dico::Arguments &arguments)
{
    if (arguments.size() != 2)
        return dico::UsageError("starting attend deux arguments : le dictionnaire et le début des mots.");
    const auto dictionary = dico_arguments::OpenExisting(arguments[0], 'R');
    if (!dictionary)
        return dico::kExitFailure;
    return dico_arguments::PrintLines(dictionary->WordsStartingWith(dico_arguments::Capitals(arguments[1])));
}

int RunMatching(const dico::Arguments &arguments)
{
    if (arguments.size() != 2 || arguments[1].empty())
        return dico::UsageError("matching attend deux arguments : le dictionnaire et un motif non vide.");
    const auto dictionary = dico_arguments::OpenExisting(arguments[0], 'R');
    if (!dictionary)
        return dico::kExitFailure;
    return dico_arguments::PrintLines(dictionary->WordsMatching(dico_arguments::Capitals(arguments[1])));
}

int RunAnagrams(const dico::Arguments &arguments)
{
    if (arguments.size() != 2)
        return dico::UsageError("anagrams attend deux arguments : le dictionnaire et les lettres.");
    const auto dictionary = dico_arguments::OpenExisting(arguments[0], 'R');
    if (!dictionary)
        return dico::kExitFailure;
    return dico_arguments::PrintLines(dictionary->Anagrams(dico_arguments::Capitals(arguments[1])));
}

int RunRandom(const dico::Arguments &arguments)
{
    if (arguments.size() != 4)
        return dico::UsageError("random attend quatre arguments : le dictionnaire, le nombre de mots, "
                                "les longueurs minimale et maximale.");
    const auto count = dico_arguments::Integer(arguments[1]);
    const auto minLength = dico_arguments::Integer(arguments[2]);
    const auto maxLength = dico_arguments::Integer(arguments[3]);
    if (!count || !minLength || !maxLength || *count < 0 || *count > 1000000)
        return dico::UsageError("random : nombre de mots (0 à 1000000) et longueurs entières attendus.");
    const auto dictionary = dico_arguments::OpenExisting(arguments[0], 'R');
    if (!dictionary)
        return dico::kExitFailure;
    return dico_arguments::PrintLines(dictionary->RandomWords(*count, *minLength, *maxLength));
}

const dico::Registration starting({"starting", "DICO MOTIF",
                                   "mots commençant par le motif (* : une lettre quelconque)", RunStarting});
const dico::Registration matching({"matching", "DICO MOTIF",
                                   "mots de la longueur du motif qui y correspondent", RunMatching});
const dico::Registration anagrams({"anagrams", "DICO LETTRES",
                                   "anagrammes des lettres (* : joker, écrit en minuscule)", RunAnagrams});
const dico::Registration random({"random", "DICO NOMBRE MIN MAX", "mots tirés au hasard", RunRandom});

} // namespace
