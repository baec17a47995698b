// SPDX-License-Identifier: GPL-3.0-or-later
// export, stats: the word list and the statistics of a dictionary.
#include <clocale>
#include <iostream>

#include "dico_command.h"
#include "dictionnaire_arguments.h"

namespace {

int RunExport(const dico::Arguments &arguments)
{
    dico::Arguments files;
    bool standard = false;
    bool user = false;
    for (const std::string &argument : arguments) {
        if (argument == "--standard")
            standard = true;
        else if (argument == "--user")
            user = true;
        else
            files.push_back(argument);
    }
    if (files.empty() || files.size() > 2)
        return dico::UsageError("export attend le dictionnaire et, au besoin, le fichier texte à écrire.");
    if (!standard && !user)
        standard = user = true; // neither chosen: every word
    const auto dictionary = dico_arguments::OpenExisting(files[0], 'R');
    if (!dictionary)
        return dico::kExitFailure;
    if (files.size() == 1 || files[1] == "-") {
        const std::string text = dictionary->WordListText(standard, user);
        std::cout.write(text.data(), std::streamsize(text.size()));
        std::cout.flush();
        if (!std::cout)
            return dico::Failure("Impossible d'écrire la liste des mots. Procédure abandonnée.");
        return dico::kExitSuccess;
    }
    const std::string &output = files[1];
    if (!dictionary->ExportWords(output, standard, user))
        return dico::Failure("Impossible d'écrire sur le fichier " + output + ". Procédure abandonnée.");
    return dico::kExitSuccess;
}

int RunStats(const dico::Arguments &arguments)
{
    if (arguments.size() != 1)
        return dico::UsageError("stats attend un argument : le dictionnaire.");
    const auto dictionary = dico_arguments::OpenExisting(arguments[0], 'R');
    if (!dictionary)
        return dico::kExitFailure;
    std::setlocale(LC_NUMERIC, ""); // percentages in the system's number format
    return dico_arguments::PrintLines(dictionary->Statistics());
}

const dico::Registration exportWords({"export", "DICO [TEXTE|-] [--standard] [--user]",
                                      "écrit les mots d'origine et/ou les ajouts, un par ligne (CR LF)",
                                      RunExport});
const dico::Registration stats({"stats", "DICO",
                                "statistiques : $P$ ajouts, $N$ mots, $L$ lettres, $G$ longueurs", RunStats});

} // namespace
