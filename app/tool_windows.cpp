// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tool_windows.h"

#include "app/main_form.h"
#include "dictionary/windows/dictionary_manager_window.h"
#include "dictionary/windows/word_search_window.h"
#include "framework/dialog_pause.h"
#include "framework/game_window.h"
#include "framework/tick_driver.h"
#include "scrabble/windows/problem_window.h"

namespace {

// Shows a tool modal above the main window. The active game is paused and
// its ticks held while the tool is open. The tool blocks the main window
// only, so that the help window it opens stays usable.
void RunTool(TMainForm *mainForm, QDialog &tool)
{
    TFLudorine *active = mainForm->ActiveGameWindow();
    DialogPause paused(active);
    {
        ModalScope modal;
        tool.setWindowModality(Qt::WindowModal);
        tool.exec();
    }
    if (active)
        active->setFocus();
}

} // namespace

void OpenWordSearch(TMainForm *mainForm)
{
    TFrech search(mainForm->DictionaryFile(), mainForm);
    RunTool(mainForm, search);
}

void OpenDictionaryManager(TMainForm *mainForm)
{
    TTFDico manager(mainForm->DictionaryFile(), mainForm);
    RunTool(mainForm, manager);
    // A damaged dictionary refused by the manager was replaced by the one the
    // user chose: the games started from now on use it too.
    if (manager.Usable() && !manager.DictionaryFile().isEmpty())
        mainForm->DictionaryFileName = manager.DictionaryFile();
}

void OpenScrabbleProblems(TMainForm *mainForm)
{
    TFPBScrabble problems(mainForm->DictionaryFile(), mainForm);
    RunTool(mainForm, problems);
}
