// SPDX-License-Identifier: GPL-3.0-or-later
// placeable, stackable: the searches of the board games' computer players on
// one board line. The pattern gives the line from the word's first square:
// '*' for an empty square, a letter for a tile on the board. Each square may
// have a cross-check, a word with one '*' that the letter placed there must
// complete ("" for none).
#include "dico_command.h"
#include "dictionnaire_arguments.h"

namespace {

std::vector<std::string> CrossChecks(const dico::Arguments &arguments, std::size_t first, std::size_t count)
{
    std::vector<std::string> crossChecks(count);
    for (std::size_t i = 0; i < count && first + i < arguments.size(); ++i)
        crossChecks[i] = dico_arguments::Capitals(arguments[first + i]);
    return crossChecks;
}

int RunPlaceable(const dico::Arguments &arguments)
{
    const char *usage = "placeable attend le dictionnaire, les lettres, le nombre maximal de lettres posées, "
                        "la longueur minimale, le motif, puis aucun contrôle ou un par case du motif.";
    if (arguments.size() < 5)
        return dico::UsageError(usage);
    const std::string pattern = dico_arguments::Capitals(arguments[4]);
    const std::size_t extra = arguments.size() - 5;
    const auto maxTiles = dico_arguments::Integer(arguments[2]);
    const auto minLength = dico_arguments::Integer(arguments[3]);
    if (!maxTiles || !minLength || pattern.empty() || (extra != 0 && extra != pattern.size()))
        return dico::UsageError(usage);
    const auto dictionary = dico_arguments::OpenExisting(arguments[0], 'R');
    if (!dictionary)
        return dico::kExitFailure;
    return dico_arguments::PrintLines(
        dictionary->PlaceableWords(dico_arguments::Capitals(arguments[1]), *maxTiles, *minLength,
                                   int(pattern.size()), pattern, CrossChecks(arguments, 5, pattern.size())));
}

int RunStackable(const dico::Arguments &arguments)
{
    const char *usage = "stackable attend le dictionnaire, les lettres, la longueur minimale, le motif, puis "
                        "un contrôle par case du motif et une hauteur de pile par case (ou rien).";
    if (arguments.size() < 4)
        return dico::UsageError(usage);
    const std::string pattern = dico_arguments::Capitals(arguments[3]);
    const std::size_t extra = arguments.size() - 4;
    const auto minLength = dico_arguments::Integer(arguments[2]);
    if (!minLength || pattern.empty() || (extra != 0 && extra != 2 * pattern.size()))
        return dico::UsageError(usage);
    std::vector<int> heights(pattern.size(), 0);
    for (std::size_t i = 0; extra != 0 && i < pattern.size(); ++i) {
        const auto height = dico_arguments::Integer(arguments[4 + pattern.size() + i]);
        if (!height)
            return dico::UsageError(usage);
        heights[i] = *height;
    }
    const auto dictionary = dico_arguments::OpenExisting(arguments[0], 'R');
    if (!dictionary)
        return dico::kExitFailure;
    return dico_arguments::PrintLines(
        dictionary->StackableWords(dico_arguments::Capitals(arguments[1]), *minLength, int(pattern.size()),
                                   pattern, CrossChecks(arguments, 4, pattern.size()), heights));
}

const dico::Registration placeable({"placeable", "DICO LETTRES MAXPOSE MIN MOTIF [CONTROLE...]",
                                    "mots posables sur une ligne (* dans les lettres : joker)",
                                    RunPlaceable});
const dico::Registration stackable({"stackable", "DICO LETTRES MIN MOTIF [CONTROLE... HAUTEUR...]",
                                    "mots posables en empilant (TopWord)", RunStackable});

} // namespace
