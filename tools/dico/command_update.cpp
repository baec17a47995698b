// SPDX-License-Identifier: GPL-3.0-or-later
// add, remove, clear-user: the changes the dictionary manager makes. Words
// are folded as the manager folds its word field (accents dropped, only the
// letters A to Z kept).
#include <filesystem>

#include "dico_command.h"
#include "dictionary/change_failure.h"
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

std::string ChangeFailure(const TDictionnaire &dictionary)
{
    return "Le dictionnaire n'a pas été modifié : " +
           DictionaryChangeFailureReason(dictionary.LastChangeError());
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
    // The whole list is one change: the file holds all the new words or,
    // when the change fails, none of them.
    std::vector<std::string> added;
    if (!dictionary->BeginChanges())
        return dico::Failure(ChangeFailure(*dictionary));
    for (const std::string &word : words) {
        const std::string letters = ManagerWord(word);
        if (letters.empty() || dictionary->Contains(letters))
            continue;
        if (dictionary->AddWord(letters, user))
            added.push_back(letters);
    }
    const bool committed = dictionary->CommitChanges();
    // What is reported is what a new reader finds in the file now.
    const auto check = TDictionnaire::Create(arguments[0], 'R');
    std::vector<std::string> stored;
    for (const std::string &letters : added)
        if (check->Contains(letters))
            stored.push_back(letters);
    dico_arguments::PrintLines(stored);
    if (!committed || stored.size() != added.size())
        return dico::Failure(committed
                                 ? std::string("Des mots n'ont pas été enregistrés dans le dictionnaire.")
                                 : ChangeFailure(*dictionary));
    return dico::kExitSuccess;
}

int RunRemove(const dico::Arguments &arguments)
{
    if (arguments.size() < 2)
        return dico::UsageError("remove attend le dictionnaire puis un mot ou plus.");
    const auto dictionary = dico_arguments::OpenExisting(arguments[0], 'W');
    if (!dictionary)
        return dico::kExitFailure;
    int status = dico::kExitSuccess;
    if (!dictionary->BeginChanges())
        return dico::Failure(ChangeFailure(*dictionary));
    std::vector<std::string> removed;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string letters = ManagerWord(arguments[i]);
        if (!dictionary->Contains(letters))
            status = dico::Failure("Le mot " + letters + " n'existe pas !");
        else if (!dictionary->RemoveWord(letters))
            status = dico::Failure("Suppression impossible : " + letters + ".");
        else
            removed.push_back(letters);
    }
    if (!dictionary->CommitChanges())
        return dico::Failure(ChangeFailure(*dictionary));
    dico_arguments::PrintLines(removed);
    return status;
}

int RunClearUser(const dico::Arguments &arguments)
{
    if (arguments.size() != 1)
        return dico::UsageError("clear-user attend un argument : le dictionnaire.");
    const auto dictionary = dico_arguments::OpenExisting(arguments[0], 'W');
    if (!dictionary)
        return dico::kExitFailure;
    if (!dictionary->ClearUserFlags())
        return dico::Failure(ChangeFailure(*dictionary));
    return dico::kExitSuccess;
}

const dico::Registration add({"add", "DICO [--user] MOT...",
                              "ajoute des mots (accents retirés) et affiche ceux qui ont été enregistrés",
                              RunAdd});
const dico::Registration remove({"remove", "DICO MOT...", "supprime des mots et affiche ceux supprimés",
                                 RunRemove});
const dico::Registration clearUser({"clear-user", "DICO",
                                    "fait des ajouts de l'utilisateur des mots d'origine", RunClearUser});

} // namespace
