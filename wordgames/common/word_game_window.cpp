// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/common/word_game_window.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QDateTime>
#include <QMenu>
#include <QRandomGenerator>
#include <QTextStream>

#include "dictionary/dictionnaire.h"
#include "framework/config_dialog.h"
#include "framework/dialog_service.h"
#include "framework/game_dictionary.h"
#include "framework/hidden_words_file.h"
#include "framework/page_canvas.h"
#include "framework/picture_export.h"
#include "framework/printed_game_page.h"
#include "wordgames/scene3d/scene_view.h"

TFWordGame::TFWordGame(QWidget *parent, GameKindCode kind, const QString &title,
                       const QString &dictionaryFile)
    : TFLudorine(parent)
{
    GameKind = kind;
    Title = title;
    setWindowTitle(Title);
    config_ = new TFconfig(this);
    config_->SetupForGame(kind, this);
    runConfiguration = [](TFconfig &config) { return config.ExecModal(); };
    dictionaryFile_ = GameDictionaryFile(dictionaryFile);
    dictionary_ = OpenGameDictionary(dictionaryFile_);
    hiddenWords_ = OpenGameDictionary(HiddenWordsPath());
    setFocusPolicy(Qt::StrongFocus);
}

TFWordGame::~TFWordGame() = default;

QString TFWordGame::HiddenWordsPath() const
{
    return HiddenWordsFile(dictionaryFile_, config_->Options.commonWords,
                           {QCoreApplication::applicationDirPath()});
}

void TFWordGame::OpenHiddenWords()
{
    hiddenWords_ = OpenGameDictionary(HiddenWordsPath());
    HiddenWordsOpened();
}

scene3d::SceneView *TFWordGame::MakeView(QBoxLayout *layout, const QString &objectName)
{
    if (!scene3d::OpenGLAvailable())
        return nullptr;
    View = new scene3d::SceneView(this);
    View->setObjectName(objectName);
    View->setMinimumSize(480, 400);
    layout->addWidget(View, 1);
    connect(View, &scene3d::SceneView::openGLMissing, this, [this] {
        Dialogs().message(
            QStringLiteral("OpenGL n'est pas disponible : la fenêtre « %1 » ne peut pas s'afficher.")
                .arg(Title),
            Title, MessageIcon::Warning);
        CloseLater();
    });
    return View;
}

bool TFWordGame::ClosedWithoutView(const QString &board)
{
    if (View)
        return false;
    Dialogs().message(
        QStringLiteral("%1 est en 3D et ne peut pas s'afficher : OpenGL n'est pas disponible sur cet écran.")
            .arg(board),
        Title, MessageIcon::Warning);
    CloseLater();
    return true;
}

TFWordGame::MenuActions TFWordGame::MakeMenu(const QString &newGameText, const QStringList &objectNames)
{
    Menu = new QMenu(Title, this);
    MenuActions actions;
    actions.newGame = Menu->addAction(newGameText);
    actions.newGame->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    actions.history = Menu->addAction(QStringLiteral("Afficher l'&historique"));
    actions.history->setCheckable(true);
    actions.history->setShortcut(QKeySequence(QStringLiteral("Ctrl+H")));
    actions.propose = Menu->addAction(QStringLiteral("&Proposer un coup"));
    actions.propose->setShortcut(QKeySequence(Qt::Key_F2));
    actions.propose->setEnabled(false);
    const QList<QAction *> all = Menu->actions();
    for (int i = 0; i < all.size(); ++i) {
        all[i]->setObjectName(objectNames.value(i));
        all[i]->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    }
    addActions(all);
    return actions;
}

void TFWordGame::ExportGameLines(QTextStream &out, const QStringList &lines)
{
    TFLudorine::ExportText(out);
    config_->ExportSettingsText(out);
    for (const QString &line : lines)
        out << line << '\n';
}

std::uint32_t TFWordGame::RandomSeed()
{
    return std::uint32_t(QRandomGenerator::global()->generate() ^
                         quint32(QDateTime::currentMSecsSinceEpoch()));
}

QImage TFWordGame::ScenePicture()
{
    return View ? View->Render() : QImage();
}

void TFWordGame::ExportPicture(QIODevice &out, int kind)
{
    WritePicture(ScenePicture(), out, kind);
}

void TFWordGame::PrintScenePage(int target, PageCanvas &canvas, const QStringList &rounds)
{
    TFLudorine::PrintPage(target, canvas);
    PrintPicturePlayersAndLines(target, canvas, ScenePicture(), PrintedPlayerLines(*config_), rounds,
                                {QStringLiteral("Arial"), 10, FontBold});
}
