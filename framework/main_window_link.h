// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What game windows and tools need from the main window, without depending on
// the application's main window class. The main window registers itself at
// creation; MainForm() is null before that (and in tests that run windows alone).
#include <QString>

struct LetterTables;
class TFLudorine;

class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;

    virtual void ShowStatus(const QString &text) = 0;
    // The save command applied to one game window; true when it was saved.
    virtual bool SaveGameWindow(TFLudorine *window) = 0;
    // Enables or disables "Enregistrer", "Enregistrer sous" and "Imprimer".
    virtual void UpdateFileCommands() = 0;
    virtual const LetterTables &Letters() const = 0;
    virtual QString DictionaryFile() const = 0;
};

MainWindowLink *MainForm();
void SetMainForm(MainWindowLink *mainForm);
