// SPDX-License-Identifier: GPL-3.0-or-later
// add, remove, clear-user: the changes the dictionary manager makes. Words
// are folded as the manager folds its word field (accents dropped, only the
// letters A to Z kept).
#include <filesystem>

#include "dico_command.h"
#include "dictionnaire_arguments.h"

namespace {

std::string ManagerWord(const std::string &argument)
{
    std::string letters;
    for (char c : FoldAccents(dico_arguments::Latin1(argument))) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z')
            letters += c;
    }
    return letters;
}

int RunAdd(const dico::Arguments &arguments)
{
    dico::Arguments words;
    bool user = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--user")
            user = true;
        else
            words.push_back(arguments[i]);
    }
    if (arguments.empty() || words.empty())
        return dico::UsageError(
            "add attend le dictionnaire puis un mot ou plus (--user : ajouts de l'utilisateur).");
    // A missing dictionary is created, as the program itself does.
    std::error_code error;
    if (!std::filesystem::exists(arguments[0], error)) {
        auto created = TDictionnaire::Create(arguments[0], 'W');
        if (!created->IsOpen())
            return dico::Failure("Impossible d'ouvrir le dictionnaire en écriture !");
    }
    const auto dictionary = dico_arguments::OpenExisting(arguments[0], 'W');
    if (!dictionary)
        return dico::kExitFailure;
    std::vector<std::string> added;
    for (const std::string &word : words) {
        const std::string letters = ManagerWord(word);
        if (letters.empty() || dictionary->Contains(letters))
            continue;
        dictionary->AddWord(letters, user);
        added.push_back(letters);
    }
    return dico_arguments::PrintLines(added);
}

int RunRemove(const dico::Arguments &arguments)
{
    if (arguments.size() < 2)
        return dico::UsageError("remove attend le dictionnaire puis un mot ou plus.");
    const auto dictionary = dico_arguments::OpenExisting(arguments[0], 'W');
    if (!dictionary)
        return dico::kExitFailure;
    int status = dico::kExitSuccess;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string letters = ManagerWord(arguments[i]);
        if (!dictionary->Contains(letters))
            status = dico::Failure("Le mot " + letters + " n'existe pas !");
        else if (!dictionary->RemoveWord(letters))
            status = dico::Failure("Suppression impossible : " + letters + ".");
        else
            dico_arguments::PrintLines({letters});
    }
    return status;
}

int RunClearUser(const dico::Arguments &arguments)
{
    if (arguments.size() != 1)
        return dico::UsageError("clear-user attend un argument : le dictionnaire.");
    const auto dictionary = dico_arguments::OpenExisting(arguments[0], 'W');
    if (!dictionary)
        return dico::kExitFailure;
    dictionary->ClearUserFlags();
    return dico::kExitSuccess;
}

const dico::Registration add({"add", "DICO [--user] MOT...",
                              "ajoute des mots (accents retirés) et affiche ceux qui étaient absents",
                              RunAdd});
const dico::Registration remove({"remove", "DICO MOT...", "supprime des mots et affiche ceux supprimés",
                                 RunRemove});
const dico::Registration clearUser({"clear-user", "DICO",
                                    "fait des ajouts de l'utilisateur des mots d'origine", RunClearUser});

} // namespace
