// SPDX-License-Identifier: GPL-3.0-or-later
// TFPhilo: creation, the board view, the panels, the menu, input and the tick.
#include "wordgames/philosophe/philo_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTreeWidget>

#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "framework/dialog_service.h"
#include "framework/main_window_link.h"
#include "framework/tick_driver.h"
#include "wordgames/philosophe/philo_board.h"
#include "wordgames/philosophe/philo_panels.h"
#include "wordgames/philosophe/philo_texts.h"
#include "wordgames/scene3d/scene_view.h"

int TFPhilo::TickPeriod()
{
    const int flash = QApplication::cursorFlashTime();
    return flash > 0 ? std::clamp(flash / 2, 100, 1000) : 500;
}

TFPhilo::TFPhilo(QWidget *parent, const QString &dictionaryFile)
    : TFWordGame(parent, kGameKind, QStringLiteral("Philosophe"), dictionaryFile)
{
    game_ = std::make_unique<philo::PhiloGame>(*config_, Dictionary(), HiddenWords(), RandomSeed());
    BuildPanels();
    BuildMenu();
    ConnectGame();
    resize(900, 620);
    if (ClosedWithoutView(QStringLiteral("Le plateau de Philosophe")))
        return;
    game_->Etat = -1;
    ShowStatus(QStringLiteral("Initialisation du jeu. Veuillez patienter."));
    StartTicks(TickPeriod());
}

TFPhilo::~TFPhilo() = default;

void TFPhilo::HiddenWordsOpened()
{
    game_->SetHiddenWords(HiddenWords());
}

void TFPhilo::BuildPanels()
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    if (scene3d::OpenGLAvailable()) {
        View = new scene3d::SceneView(this);
        View->setObjectName(QStringLiteral("Vue3D"));
        View->setMinimumSize(480, 400);
        layout->addWidget(View, 1);
        board_ = std::make_unique<philo::PhiloBoard>(*View);
        connect(View, &scene3d::SceneView::picked, this, [this](const QString &name) { ViewPicked(name); });
        connect(View, &scene3d::SceneView::openGLMissing, this, [this] {
            Dialogs().message(
                QStringLiteral("OpenGL n'est pas disponible : le plateau de Philosophe ne peut pas "
                               "s'afficher."),
                Title, MessageIcon::Warning);
            CloseLater();
        });
    }
    JvProp = new philo_ui::ProposalsPanel(this);
    Jvhisto = new philo_ui::HistoryPanel(this);
    auto *side = new QVBoxLayout;
    side->addWidget(JvProp, 1);
    side->addWidget(Jvhisto, 1);
    layout->addLayout(side);
    JvChoix_mot = new philo_ui::WordPanel(View ? static_cast<QWidget *>(View) : this);
    JvReponse = new philo_ui::MarkPanel(View ? static_cast<QWidget *>(View) : this);

    connect(JvChoix_mot->Btn_mot, &QPushButton::clicked, this, &TFPhilo::Btn_motClick);
    connect(JvReponse->Btn_rep, &QPushButton::clicked, this, &TFPhilo::Btn_repClick);
    connect(JvProp->LB_prop, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { game_->TakeListedWord(ToCodePage(item->text())); });
    connect(Jvhisto, &wordgame_ui::FloatingPanel::closed, this, [this] { Mhisto->setChecked(false); });
}

void TFPhilo::BuildMenu()
{
    const MenuActions actions =
        MakeMenu(QStringLiteral("&Nouvelle partie"),
                 {QStringLiteral("MnouvellePartie"), QStringLiteral("Mhisto"), QStringLiteral("mprop")});
    MnouvellePartie = actions.newGame;
    Mhisto = actions.history;
    mprop = actions.propose;
    connect(MnouvellePartie, &QAction::triggered, this, &TFPhilo::NouvellePartie);
    connect(Mhisto, &QAction::toggled, this, &TFPhilo::ToggleHistory);
    connect(mprop, &QAction::triggered, this, &TFPhilo::ProposerUnCoup);
}

void TFPhilo::ConnectGame()
{
    game_->halted = [this] { return Closing || Paused; };
    philo::PhiloHooks &h = game_->hooks;
    h.status = [this](const QString &text) { ShowStatus(text); };
    h.busy = [this](bool on) { SetBusy(on ? 1 : 0); };
    h.runConfiguration = [this] {
        const bool ok = runConfiguration(*config_);
        if (ok) {
            config_->ClearScores();
            game_->Manches.clear();
            RefillHistory();
            OpenHiddenWords();
        }
        return ok;
    };
    h.closeWindow = [this] { CloseLater(); };
    h.showWordPanel = [this](const std::string &text) { JvChoix_mot->Ask(FromCodePage(text)); };
    h.hideWordPanel = [this] { JvChoix_mot->hide(); };
    h.showMarkPanel = [this](int length, bool withMisplaced) { JvReponse->Ask(length, withMisplaced); };
    h.hideMarkPanel = [this] { JvReponse->hide(); };
    h.hideProposals = [this] { JvProp->hide(); };
    h.confirm = [this](const QString &question) {
        return Dialogs().question(question, Title) == Answer::Yes;
    };
    h.message = [this](const QString &text) { Dialogs().message(text, Title); };
    h.beep = [] { QApplication::beep(); };
    h.redraw = [this] { Redraw(); };
    h.validated = [this] {
        if (board_)
            board_->ButtonJump();
    };
    h.animationClock = [this](bool running) {
        if (!View)
            return;
        if (running)
            View->Clock().Start();
        else
            View->Clock().Stop();
    };
    h.playerChanged = [this] {
        EnableProposals();
        Redraw();
    };
    h.roundAdded = [this] {
        RefillHistory();
        Redraw();
    };
}

void TFPhilo::EnableProposals()
{
    const int player = config_->CurrentPlayer;
    mprop->setEnabled(!config_->Players[std::size_t(player)].IsComputer);
}

void TFPhilo::Redraw()
{
    if (board_)
        board_->Show(*game_, *config_);
}

void TFPhilo::RefillHistory()
{
    QTreeWidget *tree = Jvhisto->Tree;
    tree->clear();
    for (const philo::TManche &round : game_->Manches) {
        auto *node = new QTreeWidgetItem(tree, {philo::RoundNodeText(round, *config_)});
        for (const philo::TEssai &essai : round.Essais)
            new QTreeWidgetItem(node, {philo::ProposalNodeText(essai, game_->AvecMalPlacees)});
    }
    tree->expandAll();
}

void TFPhilo::ToggleHistory(bool shown)
{
    Jvhisto->setVisible(shown);
}

void TFPhilo::ProposerUnCoup()
{
    if (!game_->HumanGuesses() || GameOver)
        return;
    JvProp->LB_prop->clear();
    for (const std::string &word : game_->PossibleMoves())
        JvProp->LB_prop->addItem(FromCodePage(word));
    JvProp->show();
}

void TFPhilo::Btn_motClick()
{
    const bool wasPaused = Paused;
    Paused = true;
    const auto answer = game_->SetterWord(ToCodePage(JvChoix_mot->Edit_mot->text()));
    Paused = wasPaused;
    if (game_->Etat == 1 || game_->Etat == 3) {
        if (answer.accepted) {
            JvChoix_mot->hide();
        } else {
            JvChoix_mot->Edit_mot->setText(FromCodePage(answer.text));
            JvChoix_mot->Edit_mot->setFocus();
            JvChoix_mot->Edit_mot->selectAll();
        }
    }
    Modified = true;
    Redraw();
}

void TFPhilo::Btn_repClick()
{
    game_->HumanMarks(JvReponse->CB_bp->currentIndex(), JvReponse->CB_mp->currentIndex());
    Modified = true;
    setFocus();
}

bool TFPhilo::HumanAtKeyboard() const
{
    return !Closing && !Paused && !GameOver;
}

void TFPhilo::Input()
{
    if (View)
        View->Step();
    setFocus();
}

void TFPhilo::keyPressEvent(QKeyEvent *event)
{
    if (!HumanAtKeyboard()) {
        TFLudorine::keyPressEvent(event);
        return;
    }
    Input();
    philo::Key key = philo::Key::Other;
    char letter = 0;
    switch (event->key()) {
    case Qt::Key_Backspace:
        key = philo::Key::Backspace;
        break;
    case Qt::Key_Left:
        key = philo::Key::Left;
        break;
    case Qt::Key_Right:
        key = philo::Key::Right;
        break;
    case Qt::Key_Home:
        key = philo::Key::Home;
        break;
    case Qt::Key_End:
        key = philo::Key::End;
        break;
    case Qt::Key_Delete:
    case Qt::Key_Space:
    case Qt::Key_Clear:
        key = philo::Key::Delete;
        break;
    case Qt::Key_Insert:
        key = philo::Key::Insert;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        key = philo::Key::Enter;
        break;
    default: {
        const QString text = event->text().toUpper();
        if (text.size() == 1 && text[0] >= QLatin1Char('A') && text[0] <= QLatin1Char('Z')) {
            key = philo::Key::Letter;
            letter = char(text[0].unicode());
        }
    }
    }
    const bool played = game_->HumanGuesses();
    game_->KeyDown(key, letter);
    if (played && key != philo::Key::Other)
        Modified = true;
    event->accept();
}

void TFPhilo::ViewPicked(const QString &name)
{
    if (!HumanAtKeyboard())
        return;
    Input();
    const bool guessing = game_->HumanGuesses();
    game_->Click(ToCodePage(name));
    // A click on the board during a proposal plays on at once.
    if (guessing && !name.isEmpty() && Ticks())
        Ticks()->fire();
}

void TFPhilo::resizeEvent(QResizeEvent *event)
{
    TFLudorine::resizeEvent(event);
    for (wordgame_ui::FloatingPanel *panel : {static_cast<wordgame_ui::FloatingPanel *>(JvChoix_mot),
                                              static_cast<wordgame_ui::FloatingPanel *>(JvReponse)})
        if (panel && panel->isVisible())
            panel->ShowCentred();
}

void TFPhilo::ShowPanelsOfState()
{
    JvChoix_mot->hide();
    JvReponse->hide();
    const bool setterWaits = game_->Etat == 1 && game_->Etape == 1 && !config_->AllComputers &&
                             config_->Players[std::size_t(config_->CurrentPlayer)].IsComputer;
    if (setterWaits || (game_->Etat == 3 && game_->Etape == 1))
        JvChoix_mot->Ask(FromCodePage(game_->MotSecret));
    else if (game_->Etat == 2 && game_->Etape == 2)
        JvReponse->Ask(game_->LongueurMot, game_->AvecMalPlacees);
}

void TFPhilo::NouvellePartie()
{
    if (!ReplaceByUnnamedGame())
        return;
    JvChoix_mot->hide();
    JvReponse->hide();
    JvProp->hide();
    Closing = false;
    Paused = false;
    GameOver = false;
    game_->NewGame();
    JvChoix_mot->hide();
    RefillHistory();
    Redraw();
    StartTicks(TickPeriod());
}

void TFPhilo::FormClose()
{
    StopTicks();
    if (View) {
        View->Clock().Stop();
        View->setEnabled(false);
    }
    TFLudorine::FormClose();
}

void TFPhilo::SetBusy(int state)
{
    TFLudorine::SetBusy(state);
    if (View)
        View->setCursor(state == 1 ? Qt::WaitCursor : Qt::ArrowCursor);
}

QImage TFPhilo::ScenePicture()
{
    Redraw();
    return TFWordGame::ScenePicture();
}

void TFPhilo::TempoTimer()
{
    if (Closing || Paused)
        return;
    if (View) {
        View->Step();
        board_->ButtonStep(View->Clock().LastStep());
        board_->Blink(*game_);
    }
    game_->Tick();
    GameOver = game_->GameOver;
    if (GameOver)
        mprop->setEnabled(false);
}
