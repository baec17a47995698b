// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TMainForm: the main window. A frame for the game windows with the menus,
// toolbar and status bar; it reads the settings and finds the dictionary at
// start-up, registers the saved-game file type, holds the shared letter
// tables, and asks every game window before the program closes.
#include "framework/game_kind.h"
#include "framework/letter_tables.h"
#include "framework/main_window_link.h"

#include <functional>
#include <map>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

class QAction;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class LogoArea;
class TFLudorine;
class TSplashForm;

class TMainForm : public QMainWindow, public MainWindowLink {
    Q_OBJECT
public:
    // Where the start-up looks for things; tests point these elsewhere.
    struct Environment {
        QStringList dictionaryFolders; // searched for a dictionary given by name
        QString dataHome;              // XDG data folder for the file type (empty: skip)
        QString programPath;           // full path of the program
        QStringList arguments;         // command-line arguments, without the program
    };
    static Environment DefaultEnvironment(const QStringList &arguments);

    explicit TMainForm(Environment environment, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The create handler's settings steps; false when the program must end
    // because there is no dictionary (the message has been shown).
    bool Initialize();

    // --- Fields other windows read.
    LetterTables Tables;
    QString DictionaryFileName;
    const QString SettingsKey = QStringLiteral("\\Software\\OXA\\Ludorine\\Configuracio");
    const QString Language = QStringLiteral("FR");
    QString Version = QStringLiteral("1.0.1.0");
    QString LegalText;
    const QString ProgramTitle = QStringLiteral("Ludorine");

    // --- MainWindowLink.
    void ShowStatus(const QString &text) override;
    bool SaveGameWindow(TFLudorine *window) override;
    void UpdateFileCommands() override;
    const LetterTables &Letters() const override { return Tables; }
    QString DictionaryFile() const override { return DictionaryFileName; }

    // --- Start-up.
    void ShowAfterSplash();
    void OpenCommandLineFile();
    void SetSplash(TSplashForm *splash);
    bool LogoVisible() const;

    // --- Game windows.
    TFLudorine *AddGameWindow(TFLudorine *window);
    TFLudorine *NewGame(GameKindCode kind);
    // Makes a window of a game kind, not yet shown; null for a kind without
    // a window. Tests replace it to open files of their own test windows.
    std::function<TFLudorine *(GameKindCode kind)> CreateGameWindow;
    TFLudorine *ActiveGameWindow() const;
    QList<TFLudorine *> GameWindows() const;

    // The close query: asks each game window in turn, stops at the first
    // refusal; when all agree, pauses them all and allows closing.
    bool CloseQuery();
    void Quit();

    // --- Saved games, exports and printing.
    void FileOpen();
    // Opens a saved game and shows its window; false when it could not be
    // read (a file with a damaged payload or a wrong kind also gets the
    // format message; a foreign or truncated header is refused silently).
    bool OpenGameFile(const QString &fileName);
    void OpenRecentFile(const QString &fileName);
    bool FileSave(TFLudorine *window);
    // The "Enregistrer" command: saves to the game's file, or asks for a
    // name through "Enregistrer sous" when the game has none.
    bool SaveCommand(TFLudorine *window);
    // The open game window that holds this file; null when none does.
    TFLudorine *WindowOfFile(const QString &fileName) const;
    // True, with a message, when another window holds that file.
    bool HeldByAnotherWindow(const QString &fileName, const TFLudorine *window) const;
    void ActivateGameWindow(TFLudorine *window);
    bool FileSaveAs(TFLudorine *window);
    bool SaveGameFile(TFLudorine *window, const QString &fileName);
    void FilePrint(TFLudorine *window);

    void ShowHelp();
    void ShowAbout();
    void TileHorizontally();
    void TileVertically();
    void ArrangeIcons();

    QAction *Action(const QString &objectName) const;
    QMenu *GameMenuPlaceholder() const { return gameMenuPlaceholder_; }
    QMenuBar *Menus() const { return menuBar(); }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    QAction *MakeAction(const char *objectName, const QString &caption, const QString &hint = QString(),
                        const QKeySequence &shortcut = QKeySequence());
    void ReadVersion();
    void OnSubWindowActivated(QMdiSubWindow *window);
    void ShowGameMenuOf(TFLudorine *window);
    void FillWindowMenu();
    void FillRecentFiles();
    void EditAction(const char *slot);

    Environment environment_;
    LogoArea *mdi_;
    QMenu *fileMenu_ = nullptr;
    QMenu *windowMenu_ = nullptr;
    QMenu *gameMenuPlaceholder_ = nullptr;
    QPointer<QAction> gameMenuSlot_; // the action of the menu shown in the "Jeu" place
    QPointer<QMenu> shownGameMenu_;
    QToolBar *toolBar_ = nullptr;
    std::map<QString, QAction *> actions_;
    QList<QAction *> windowListActions_;
    QList<QAction *> recentFileActions_;
    QAction *recentFilesEnd_ = nullptr; // the separator before "Imprimer"
    QPointer<TSplashForm> splash_;
    bool closeAllowed_ = false;
};
