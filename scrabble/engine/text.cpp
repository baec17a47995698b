// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/text.h"

#include "framework/savefile/code_page.h"

namespace scrabble {

std::string CodePage(std::string_view utf8)
{
    return savefile::Utf8ToCodePage(utf8);
}

std::string Utf8(std::string_view bytes)
{
    return savefile::CodePageToUtf8(bytes);
}

std::string Substitute(std::string_view pattern, std::string_view value)
{
    std::string result(pattern);
    for (const char *mark : {"%s", "%d"}) {
        const auto at = result.find(mark);
        if (at != std::string::npos) {
            result.replace(at, 2, value);
            break;
        }
    }
    return result;
}

std::string ErrorMessage(int code, std::string_view detail)
{
    const char *text = nullptr;
    switch (code) {
    case 1:
        text = "Vous n'avez indiqué aucune lettre à échanger !";
        break;
    case 2:
        text = "IL n'y a plus assez de lettres dans la masse pour procéder à l'échange. Selon le "
               "réglement du Scrabble, la masse doit contenir au moins 7 lettres.";
        break;
    case 3:
        text = "Parmi les lettres indiquées pour l'échange, les lettres « %s » sont introuvables";
        break;
    case 4:
        text = "Vous ne pouvez à la fois demander un échange et poser des lettres sur le plateau !";
        break;
    case 10:
        text = "Les coordonnées indiquées pour ce coup ne sont pas valides.";
        break;
    case 11:
        text = "Le placement de ce mot est impossible";
        break;
    case 12:
        text = "La lettre « %s » est introuvable !";
        break;
    case 13:
        text = "Une des lettres du premier mot placé doit recouvrir la case centrale.";
        break;
    case 14:
        text = "Le premier mot posé doit comporter au moins 2 lettres.";
        break;
    case 15:
        text = "Chaque mot posé doit être raccordé à un mot existant !";
        break;
    case 16:
        text = "Les lettres posées lors d’un coup doivent être placées sur une même ligne ou une même "
               "colonne.";
        break;
    case 17:
        text = "Vous devez indiquez quelles sont les lettres remplacées parles jokers.";
        break;
    case 18:
        text = "Le mot posé (« %s ») ne doit contenir que des caractères alphabétiques.";
        break;
    default:
        return {};
    }
    // The detail already is in the code page.
    return Substitute(CodePage(text), detail);
}

} // namespace scrabble
