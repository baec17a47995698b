#include "app/tool_windows.h"

#include "app/main_form.h"
#include "framework/dialog_service.h"

// Placeholder until the two windows are built: says so instead of opening.
void OpenWordSearch(TMainForm *)
{
    Dialogs().message(QStringLiteral("La recherche de mots n'est pas encore disponible."), ProgramTitle());
}

void OpenDictionaryManager(TMainForm *)
{
    Dialogs().message(QStringLiteral("Le gestionnaire de dictionnaire n'est pas encore disponible."), ProgramTitle());
}
