// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/change_failure.h"

#include <cerrno>

std::string DictionaryChangeFailureReason(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return "le disque est plein.";
    case EFBIG:
        return "le fichier dépasserait la taille permise.";
    case EROFS:
        return "le disque est en lecture seule.";
    case EACCES:
    case EPERM:
        return "le dictionnaire ou son dossier est protégé en écriture.";
    case ENOENT:
        return "le fichier du dictionnaire a disparu.";
    case EIO:
        return "erreur d'entrée-sortie sur le disque.";
    default:
        return "erreur système " + std::to_string(error) + ".";
    }
}
