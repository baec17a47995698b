// SPDX-License-Identifier: GPL-3.0-or-later
// build LISTE SORTIE: makes a dictionary file from a word list.
#include <cstdio>
#include <filesystem>
#include <string>

#include "dico_command.h"
#include "dictionary/dictionary_builder.h"

namespace {

std::string Quoted(const std::string &text)
{
    return "« " + text + " »";
}

// "1 mot gardé", "2 mots gardés": French takes the singular for 0 and 1.
std::string Counted(std::size_t count, const char *singular, const char *plural)
{
    return std::to_string(count) + " " + (count > 1 ? plural : singular);
}

int RunBuild(const dico::Arguments &arguments)
{
    if (arguments.size() != 2)
        return dico::UsageError(
            "build attend deux arguments : la liste de mots et le dictionnaire à écrire.");
    const std::string &wordList = arguments[0];
    const std::string &output = arguments[1];

    const DictionaryBuildReport report = BuildDictionaryFile(wordList, output);
    switch (report.error) {
    case DictionaryBuildError::UnreadableWordList:
        return dico::Failure("Impossible de lire le fichier " + Quoted(wordList) + ".");
    case DictionaryBuildError::NoUsableWord:
        return dico::Failure("Aucun mot utilisable dans " + Quoted(wordList) + " (" +
                             Counted(report.rejected, "entrée écartée", "entrées écartées") + ").");
    case DictionaryBuildError::UnwritableOutput:
        return dico::Failure("Impossible d'écrire le fichier " + Quoted(output) + ".");
    case DictionaryBuildError::None:
        break;
    }
    std::error_code error;
    const auto bytes = std::filesystem::file_size(output, error);
    // Duplicates are words that are in the dictionary all the same; only the
    // entries set aside are lost.
    std::string summary = "Dictionnaire " + Quoted(output) +
                          " écrit : " + Counted(report.kept, "mot gardé", "mots gardés") + ", ";
    if (report.duplicates > 0)
        summary += Counted(report.duplicates, "doublon", "doublons") +
                   " (même mot une fois accents et majuscules retirés), ";
    summary += Counted(report.rejected, "entrée écartée", "entrées écartées") +
               " (noms propres, mots composés ou d'une lettre, caractères autres que des lettres)";
    if (!error)
        summary += ", " + Counted(bytes, "octet", "octets");
    std::printf("%s.\n", summary.c_str());
    return dico::kExitSuccess;
}

const dico::Registration
    registration({"build", "LISTE SORTIE",
                  "construit un dictionnaire à partir d'une liste de mots (UTF-8 ou Latin-1)", RunBuild});

} // namespace
