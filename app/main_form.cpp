// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_form.h"

#include "app/about_box.h"
#include "app/dictionary_location.h"
#include "app/file_type_registration.h"
#include "app/game_kinds.h"
#include "app/logo_area.h"
#include "app/program_pictures.h"
#include "app/splash_form.h"
#include "app/tool_windows.h"
#include "app/version.h"
#include "framework/game_window.h"
#include "framework/help_window.h"
#include "framework/recent_documents.h"
#include "framework/tick_driver.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

TMainForm::Environment TMainForm::DefaultEnvironment(const QStringList &arguments)
{
    Environment environment;
    environment.programPath = QCoreApplication::applicationFilePath();
    // Next to the program (the build folder), then the data folder of the
    // installation the program runs from, then the configured one.
    const QString programDir = QCoreApplication::applicationDirPath();
    environment.dictionaryFolders = {
        programDir, QDir::cleanPath(programDir + QStringLiteral("/../" LUDORINE_RELATIVE_DATA_DIR)),
        QStringLiteral(LUDORINE_DATA_DIR)};
    environment.dataHome = file_type::UserDataHome();
    environment.arguments = arguments;
    return environment;
}

TMainForm::TMainForm(Environment environment, QWidget *parent)
    : QMainWindow(parent), environment_(std::move(environment)), mdi_(new LogoArea(this))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(ProgramTitle);
    setWindowIcon(ProgramIcon());
    setCentralWidget(mdi_);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &TMainForm::OnSubWindowActivated);
    BuildActions();
    BuildMenus();
    BuildToolBar();
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    SetMainForm(this);
    resize(1024, 768);

    CreateGameWindow = [](GameKindCode kind) -> TFLudorine * {
        const GameWindowFactory create = GameWindowFactoryOf(kind);
        return create ? create(nullptr) : nullptr;
    };
    // A game marks itself modified as it is played: "Enregistrer" follows
    // without every game having to tell the main window.
    auto *commandsTimer = new QTimer(this);
    connect(commandsTimer, &QTimer::timeout, this, &TMainForm::UpdateFileCommands);
    commandsTimer->start(250);
}

TMainForm::~TMainForm()
{
    // The game windows close with the frame: no more activation news.
    disconnect(mdi_, nullptr, this, nullptr);
    if (!DictionaryFileName.isEmpty())
        DictionaryLocation::SaveToPrimaryStore(DictionaryFileName);
    if (MainForm() == this)
        SetMainForm(nullptr);
}

bool TMainForm::Initialize()
{
    Action(QStringLiteral("FileSaveItem"))->setEnabled(false);
    Action(QStringLiteral("Imprimer1"))->setEnabled(false);
    ReadVersion();
    Tables = LetterTables::Build();
    DictionaryLocation location(environment_.dictionaryFolders);
    DictionaryFileName = location.LocateAtStartup();
    if (DictionaryFileName.isEmpty())
        return false;
    hide();
    if (!environment_.dataHome.isEmpty())
        file_type::RegisterFileType(environment_.programPath, environment_.dataHome);
    return true;
}

void TMainForm::ReadVersion()
{
    const QString version = QStringLiteral(LUDORINE_VERSION).trimmed();
    if (version.size() > 1)
        Version = version;
    LegalText = QStringLiteral(LUDORINE_LEGAL_TEXT);
}

// --- Actions and menus ---------------------------------------------------

QAction *TMainForm::MakeAction(const char *objectName, const QString &caption, const QString &hint,
                               const QKeySequence &shortcut)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(objectName));
    if (!hint.isEmpty()) {
        // "short|long": the short part is the tooltip, the long one goes to
        // the status bar.
        const int bar = hint.indexOf(QLatin1Char('|'));
        action->setToolTip(bar < 0 ? hint : hint.left(bar));
        action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
    }
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    actions_[action->objectName()] = action;
    return action;
}

QAction *TMainForm::Action(const QString &objectName) const
{
    const auto found = actions_.find(objectName);
    return found == actions_.end() ? nullptr : found->second;
}

void TMainForm::BuildActions()
{
    for (const GameKindRow &kind : GameKindRows()) {
        QAction *action = MakeAction(kind.MenuName, kind.MenuCaption, kind.Hint);
        const GameKindCode code = kind.Code;
        action->setEnabled(bool(GameWindowFactoryOf(code)));
        connect(action, &QAction::triggered, this, [this, code] { NewGame(code); });
    }
    connect(MakeAction("FileOpenItem", QStringLiteral("&Ouvrir"),
                       QStringLiteral("Ouvrir|Ouvrir une partie enregistrée"),
                       QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] { FileOpen(); });
    connect(MakeAction("FileCloseItem", QStringLiteral("&Fermer"),
                       QStringLiteral("Fermer|Fermer la fenêtre active")),
            &QAction::triggered, mdi_, &QMdiArea::closeActiveSubWindow);
    connect(MakeAction("FileSaveItem", QStringLiteral("&Enregistrer"),
                       QStringLiteral("Enregistrer|Enregistrer la partie active"),
                       QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] { SaveCommand(ActiveGameWindow()); });
    connect(MakeAction("FileSaveAsItem", QStringLiteral("Enregistrer &sous..."),
                       QStringLiteral("Enregistrer sous|Enregistrer la partie active sous un autre nom")),
            &QAction::triggered, this, [this] { FileSaveAs(ActiveGameWindow()); });
    connect(MakeAction("Imprimer1", QStringLiteral("&Imprimer..."),
                       QStringLiteral("Imprimer|Imprimer la partie active"),
                       QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, [this] { FilePrint(ActiveGameWindow()); });
    connect(MakeAction("FileExitItem", QStringLiteral("&Quitter"), QStringLiteral("Quitter|Quitter Ludorine"),
                       QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &TMainForm::Quit);

    // The tool windows are modal above the main window (tool_windows.cpp).
    connect(MakeAction("Recherche", QStringLiteral("Recherche de mots..."),
                       QStringLiteral("Recherche|Rechercher des mots dans le dictionnaire")),
            &QAction::triggered, this, [this] { OpenWordSearch(this); });
    connect(MakeAction("ProblemesScrabble", QStringLiteral("Problèmes de Scrabble..."),
                       QStringLiteral("Problèmes|Résoudre des problèmes de Scrabble")),
            &QAction::triggered, this, [this] { OpenScrabbleProblems(this); });
    connect(MakeAction("Dictionnaire1", QStringLiteral("Dictionnaire..."),
                       QStringLiteral("Dictionnaire|Gérer le dictionnaire")),
            &QAction::triggered, this, [this] { OpenDictionaryManager(this); });

    connect(MakeAction("WindowCascadeItem", QStringLiteral("&Cascade"),
                       QStringLiteral("Cascade|Disposer les fenêtres en cascade")),
            &QAction::triggered, mdi_, &QMdiArea::cascadeSubWindows);
    connect(MakeAction(
                "WindowTileItem", QStringLiteral("Mosaïque &horizontale"),
                QStringLiteral("Mosaïque horizontale|Disposer les fenêtres les unes au-dessus des autres")),
            &QAction::triggered, this, &TMainForm::TileHorizontally);
    connect(MakeAction("WindowTileItem2", QStringLiteral("Mosaïque &verticale"),
                       QStringLiteral("Mosaïque verticale|Disposer les fenêtres côte à côte")),
            &QAction::triggered, this, &TMainForm::TileVertically);
    connect(MakeAction("WindowMinimizeItem", QStringLiteral("&Tout réduire"),
                       QStringLiteral("Tout réduire|Réduire toutes les fenêtres")),
            &QAction::triggered, this, [this] {
                for (QMdiSubWindow *window : mdi_->subWindowList())
                    window->showMinimized();
            });
    connect(MakeAction("WindowArrangeItem", QStringLiteral("Tout ré&organiser"),
                       QStringLiteral("Tout réorganiser|Ranger les fenêtres réduites")),
            &QAction::triggered, this, &TMainForm::ArrangeIcons);

    connect(MakeAction("Aide1", QStringLiteral("Aide sur Ludorine"), QStringLiteral("Aide|Aide sur Ludorine"),
                       QKeySequence(Qt::Key_F1)),
            &QAction::triggered, this, &TMainForm::ShowHelp);
    connect(MakeAction("LudorinesurleWeb1", QStringLiteral("Ludorine sur le &Web..."),
                       QStringLiteral("Web|Ouvrir la page de Ludorine sur le Web")),
            &QAction::triggered, this, [] { QDesktopServices::openUrl(QUrl(TAboutBox::WebPage())); });
    connect(MakeAction("HelpAboutItem", QStringLiteral("&A propos..."),
                       QStringLiteral("A propos|A propos de Ludorine")),
            &QAction::triggered, this, &TMainForm::ShowAbout);

    // The standard edit actions act on the focused text field.
    const std::pair<const char *, const char *> edits[] = {
        {"EditCut", "cut"}, {"EditCopy", "copy"}, {"EditPaste", "paste"}};
    const QString captions[] = {QStringLiteral("Cou&per"), QStringLiteral("&Copier"),
                                QStringLiteral("Co&ller")};
    const QKeySequence keys[] = {QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste};
    for (int i = 0; i < 3; ++i) {
        QAction *action = MakeAction(edits[i].first, captions[i], QString(), keys[i]);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        const char *slot = edits[i].second;
        connect(action, &QAction::triggered, this, [this, slot] { EditAction(slot); });
        addAction(action);
    }

    const std::pair<const char *, ToolPicture> icons[] = {{"FileOpenItem", ToolPicture::Open},
                                                          {"FileSaveItem", ToolPicture::Save},
                                                          {"Imprimer1", ToolPicture::Print},
                                                          {"WindowCascadeItem", ToolPicture::Cascade},
                                                          {"WindowTileItem", ToolPicture::TileHorizontal},
                                                          {"WindowTileItem2", ToolPicture::TileVertical},
                                                          {"Aide1", ToolPicture::Help}};
    for (const auto &[name, picture] : icons)
        Action(QString::fromLatin1(name))->setIcon(ToolIcon(picture));
}

void TMainForm::EditAction(const char *slot)
{
    if (QWidget *focus = QApplication::focusWidget())
        QMetaObject::invokeMethod(focus, slot);
}

void TMainForm::BuildMenus()
{
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&Fichier"));
    fileMenu_->setObjectName(QStringLiteral("FileMenu"));
    QMenu *newGame = fileMenu_->addMenu(QStringLiteral("&Nouveau jeu"));
    newGame->setObjectName(QStringLiteral("NouveauJeu"));
    QMenu *scrabble = nullptr;
    for (const GameKindRow &kind : GameKindRows()) {
        QAction *action = Action(QString::fromLatin1(kind.MenuName));
        if (!kind.InScrabbleMenu) {
            newGame->addAction(action);
            continue;
        }
        if (!scrabble) {
            scrabble = newGame->addMenu(QStringLiteral("Scrabble"));
            scrabble->setObjectName(QStringLiteral("Scrabble"));
        }
        scrabble->addAction(action);
    }
    for (const char *name : {"FileOpenItem", "FileCloseItem", "FileSaveItem", "FileSaveAsItem"})
        fileMenu_->addAction(Action(QString::fromLatin1(name)));
    recentFilesEnd_ = fileMenu_->addSeparator();
    connect(fileMenu_, &QMenu::aboutToShow, this, &TMainForm::FillRecentFiles);
    fileMenu_->addAction(Action(QStringLiteral("Imprimer1")));
    fileMenu_->addSeparator();
    fileMenu_->addAction(Action(QStringLiteral("FileExitItem")));

    QMenu *tools = menuBar()->addMenu(QStringLiteral("Outils"));
    tools->setObjectName(QStringLiteral("Outils"));
    for (const char *name : {"Recherche", "ProblemesScrabble", "Dictionnaire1"})
        tools->addAction(Action(QString::fromLatin1(name)));

    gameMenuPlaceholder_ = menuBar()->addMenu(QStringLiteral("Jeu"));
    gameMenuPlaceholder_->setObjectName(QStringLiteral("Jeu"));
    gameMenuPlaceholder_->setEnabled(false);

    windowMenu_ = menuBar()->addMenu(QStringLiteral("Fe&nêtre"));
    windowMenu_->setObjectName(QStringLiteral("Fenetre"));
    for (const char *name : {"WindowCascadeItem", "WindowTileItem", "WindowTileItem2", "WindowMinimizeItem",
                             "WindowArrangeItem"})
        windowMenu_->addAction(Action(QString::fromLatin1(name)));
    connect(windowMenu_, &QMenu::aboutToShow, this, &TMainForm::FillWindowMenu);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Aide"));
    help->setObjectName(QStringLiteral("Aide"));
    for (const char *name : {"Aide1", "LudorinesurleWeb1", "HelpAboutItem"})
        help->addAction(Action(QString::fromLatin1(name)));
}

void TMainForm::BuildToolBar()
{
    toolBar_ = addToolBar(QStringLiteral("Barre d'outils"));
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setMovable(false);
    const char *const entries[] = {
        "FileOpenItem",   "FileSaveItem",    "Imprimer1", nullptr, "WindowCascadeItem",
        "WindowTileItem", "WindowTileItem2", nullptr,     "Aide1"};
    for (const char *name : entries) {
        if (name)
            toolBar_->addAction(Action(QString::fromLatin1(name)));
        else
            toolBar_->addSeparator();
    }
}

void TMainForm::FillWindowMenu()
{
    for (QAction *action : windowListActions_) {
        windowMenu_->removeAction(action);
        action->deleteLater();
    }
    windowListActions_.clear();
    const QList<QMdiSubWindow *> windows = mdi_->subWindowList();
    if (windows.isEmpty())
        return;
    windowListActions_ << windowMenu_->addSeparator();
    int number = 1;
    for (QMdiSubWindow *window : windows) {
        QString caption = window->windowTitle();
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (number < 10)
            caption = QStringLiteral("&%1 %2").arg(number).arg(caption);
        QAction *action = windowMenu_->addAction(caption);
        action->setCheckable(true);
        action->setChecked(window == mdi_->activeSubWindow());
        QPointer<QMdiSubWindow> target(window);
        connect(action, &QAction::triggered, this, [this, target] {
            if (target)
                mdi_->setActiveSubWindow(target);
        });
        windowListActions_ << action;
        ++number;
    }
}

void TMainForm::FillRecentFiles()
{
    for (QAction *action : recentFileActions_) {
        fileMenu_->removeAction(action);
        action->deleteLater();
    }
    recentFileActions_.clear();
    const QStringList files = recent::ProgramList();
    if (files.isEmpty())
        return;
    recentFileActions_ << fileMenu_->insertSeparator(recentFilesEnd_);
    int number = 1;
    for (const QString &file : files) {
        QString caption = QFileInfo(file).fileName();
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto *action = new QAction(QStringLiteral("&%1 %2").arg(number++).arg(caption), fileMenu_);
        action->setStatusTip(file);
        connect(action, &QAction::triggered, this, [this, file] { OpenRecentFile(file); });
        fileMenu_->insertAction(recentFilesEnd_, action);
        recentFileActions_ << action;
    }
}

// --- Status and commands --------------------------------------------------

void TMainForm::ShowStatus(const QString &text)
{
    statusBar()->showMessage(text);
}

void TMainForm::UpdateFileCommands()
{
    TFLudorine *active = ActiveGameWindow();
    const bool hasGame = active != nullptr;
    // A game never saved can always be saved (under a name asked for); a
    // game with a file, when it has changed since.
    Action(QStringLiteral("FileSaveItem"))
        ->setEnabled(hasGame && (active->FileName == TFLudorine::UnnamedFile() || active->Modified));
    Action(QStringLiteral("FileSaveAsItem"))->setEnabled(hasGame);
    Action(QStringLiteral("Imprimer1"))->setEnabled(hasGame);
}

// --- Start-up ---------------------------------------------------------------

void TMainForm::SetSplash(TSplashForm *splash)
{
    splash_ = splash;
}

void TMainForm::ShowAfterSplash()
{
    mdi_->SetLogoVisible(true);
    setEnabled(true);
    show();
    OpenCommandLineFile();
}

bool TMainForm::LogoVisible() const
{
    return mdi_->LogoVisible();
}

bool TMainForm::event(QEvent *event)
{
    // The splash window is freed once the main window is active and the
    // splash has done its work.
    if (event->type() == QEvent::WindowActivate && splash_ && splash_->isHidden() &&
        !splash_->TimerActive()) {
        splash_->deleteLater();
        splash_ = nullptr;
    }
    return QMainWindow::event(event);
}

void TMainForm::OpenCommandLineFile()
{
    if (!environment_.arguments.isEmpty()) {
        const QFileInfo file(environment_.arguments.first());
        // A file that is missing or does not read is passed over in silence.
        if (file.isFile())
            OpenGameFile(file.absoluteFilePath());
    }
    UpdateFileCommands();
}

// --- Game windows -----------------------------------------------------------

TFLudorine *TMainForm::AddGameWindow(TFLudorine *window)
{
    QMdiSubWindow *sub = mdi_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(ProgramIcon());
    window->show();
    UpdateFileCommands();
    return window;
}

void TMainForm::ActivateGameWindow(TFLudorine *window)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget())) {
        if (sub->isMinimized())
            sub->showNormal();
        mdi_->setActiveSubWindow(sub);
    }
    window->setFocus();
    UpdateFileCommands();
}

TFLudorine *TMainForm::NewGame(GameKindCode kind)
{
    TFLudorine *window = CreateGameWindow(kind);
    return window ? AddGameWindow(window) : nullptr;
}

TFLudorine *TMainForm::ActiveGameWindow() const
{
    QMdiSubWindow *sub = mdi_->activeSubWindow();
    return sub ? qobject_cast<TFLudorine *>(sub->widget()) : nullptr;
}

QList<TFLudorine *> TMainForm::GameWindows() const
{
    // The active window first, then the others from the top of the stack down.
    QList<TFLudorine *> result;
    const QList<QMdiSubWindow *> stack = mdi_->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stack.crbegin(); it != stack.crend(); ++it)
        if (auto *game = qobject_cast<TFLudorine *>((*it)->widget()))
            result << game;
    return result;
}

void TMainForm::OnSubWindowActivated(QMdiSubWindow *window)
{
    ShowGameMenuOf(window ? qobject_cast<TFLudorine *>(window->widget()) : nullptr);
    UpdateFileCommands();
}

void TMainForm::ShowGameMenuOf(TFLudorine *window)
{
    QMenu *menu = window ? window->GameMenu() : nullptr;
    if (menu == shownGameMenu_ && (menu != nullptr) == bool(gameMenuSlot_))
        return;
    if (gameMenuSlot_) {
        menuBar()->removeAction(gameMenuSlot_);
        gameMenuSlot_ = nullptr;
    }
    shownGameMenu_ = menu;
    if (menu) {
        gameMenuSlot_ = menu->menuAction();
        menuBar()->insertAction(gameMenuPlaceholder_->menuAction(), gameMenuSlot_);
    }
    gameMenuPlaceholder_->menuAction()->setVisible(menu == nullptr);
}

// --- Closing ------------------------------------------------------------------

bool TMainForm::CloseQuery()
{
    const QList<TFLudorine *> windows = GameWindows();
    QList<QPointer<TFLudorine>> agreed;
    for (TFLudorine *window : windows) {
        bool canClose = true;
        window->FormCloseQuery(canClose);
        if (!canClose) {
            // The quit is off: the windows that had agreed play on.
            for (const QPointer<TFLudorine> &earlier : agreed)
                if (earlier)
                    earlier->CloseRefusedElsewhere();
            UpdateFileCommands();
            return false;
        }
        agreed << window;
    }
    for (TFLudorine *window : windows)
        window->Paused = true;
    return true;
}

void TMainForm::Quit()
{
    if (!CloseQuery())
        return;
    closeAllowed_ = true;
    mdi_->closeAllSubWindows();
    close();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (!closeAllowed_ && !CloseQuery()) {
        event->ignore();
        return;
    }
    closeAllowed_ = true;
    mdi_->closeAllSubWindows();
    event->accept();
}

// --- Window arrangements --------------------------------------------------------

void TMainForm::TileHorizontally()
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : mdi_->subWindowList())
        if (!window->isMinimized())
            windows << window;
    if (windows.isEmpty())
        return;
    const QRect area = mdi_->viewport()->rect();
    const int height = area.height() / int(windows.size());
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(0, i * height, area.width(), height);
    }
}

void TMainForm::TileVertically()
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : mdi_->subWindowList())
        if (!window->isMinimized())
            windows << window;
    if (windows.isEmpty())
        return;
    const QRect area = mdi_->viewport()->rect();
    const int width = area.width() / int(windows.size());
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(i * width, 0, width, area.height());
    }
}

void TMainForm::ArrangeIcons()
{
    // Minimised windows are lined up along the bottom edge, left to right.
    const QRect area = mdi_->viewport()->rect();
    int x = 0, y = area.bottom();
    for (QMdiSubWindow *window : mdi_->subWindowList()) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        window->move(x, y - size.height() + 1);
        x += size.width();
    }
}

// --- Help and About ---------------------------------------------------------------

void TMainForm::ShowHelp()
{
    if (TFLudorine *active = ActiveGameWindow())
        active->ShowHelp();
    else
        ShowHelpTopic(QStringLiteral("Ludorine.chm::/Ludorine.htm"));
}

void TMainForm::ShowAbout()
{
    TFLudorine *active = ActiveGameWindow();
    if (active) {
        active->BeginDialogPause();
        active->setEnabled(false);
    }
    {
        ModalScope modal;
        TAboutBox about(Version, LegalText, this);
        about.exec();
    }
    if (active) {
        active->EndDialogPause();
        active->Paused = false;
        active->setFocus();
        active->setEnabled(true);
    }
}
