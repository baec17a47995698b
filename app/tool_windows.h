// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool windows of the "Outils" menu. Each opens modal above the main
// window with its own dictionary objects on the main window's dictionary file.
class TMainForm;

// "Recherche de mots...": the word search window.
void OpenWordSearch(TMainForm *mainForm);
// "Dictionnaire...": the dictionary manager.
void OpenDictionaryManager(TMainForm *mainForm);
// "Problèmes de Scrabble...": the problems solver.
void OpenScrabbleProblems(TMainForm *mainForm);
