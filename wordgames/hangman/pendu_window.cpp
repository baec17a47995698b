// SPDX-License-Identifier: GPL-3.0-or-later
// TFPendu: creation, the table view, the panels, the menu, input and the tick.
#include "wordgames/hangman/pendu_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>

#include "framework/code_page_text.h"
#include "framework/config_dialog.h"
#include "framework/dialog_service.h"
#include "framework/main_window_link.h"
#include "framework/tick_driver.h"
#include "wordgames/hangman/pendu_panels.h"
#include "wordgames/hangman/pendu_scene.h"
#include "wordgames/hangman/pendu_texts.h"
#include "wordgames/scene3d/scene_view.h"

TFPendu::TFPendu(QWidget *parent, const QString &dictionaryFile)
    : TFWordGame(parent, kGameKind, QStringLiteral("Pendu"), dictionaryFile),
      elapsed_(std::make_unique<QElapsedTimer>())
{
    elapsed_->start();
    clock = [this] { return elapsed_->elapsed() + 1; };
    game_ = std::make_unique<pendu::PenduGame>(*config_, Dictionary(), HiddenWords(), RandomSeed());
    BuildPanels();
    BuildMenu();
    ConnectGame();
    resize(820, 620);
    if (ClosedWithoutView(QStringLiteral("La table du Pendu")))
        return;
    StartTicks(kTickMs);
}

TFPendu::~TFPendu() = default;

void TFPendu::HiddenWordsOpened()
{
    game_->SetHiddenWords(HiddenWords());
}

void TFPendu::BuildPanels()
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    QWidget *host = this;
    if (scene3d::OpenGLAvailable()) {
        View = new scene3d::SceneView(this);
        View->setObjectName(QStringLiteral("GLSceneViewer1"));
        View->setMinimumSize(480, 400);
        layout->addWidget(View, 1);
        scene_ = std::make_unique<pendu::PenduScene>(*View);
        connect(View, &scene3d::SceneView::picked, this, [this](const QString &name) { ViewPicked(name); });
        connect(View, &scene3d::SceneView::openGLMissing, this, [this] {
            Dialogs().message(
                QStringLiteral("OpenGL n'est pas disponible : la table du Pendu ne peut pas s'afficher."),
                Title, MessageIcon::Warning);
            CloseLater();
        });
        host = View;
    }
    JvHisto = new pendu_ui::HistoryPanel(this);
    layout->addWidget(JvHisto);
    P_masque = new pendu_ui::WordPanel(host);
    P_rep = new pendu_ui::AnswerPanel(host);
    connect(P_masque->B_valider, &QPushButton::clicked, this, &TFPendu::B_validerClick);
    connect(P_masque->B_propo, &QPushButton::clicked, this, [this] {
        game_->OtherProposal();
        Redraw();
    });
    connect(P_rep->b_reponse, &QPushButton::clicked, this, &TFPendu::b_reponseClick);
    for (int i = 0; i < 12; ++i)
        connect(P_rep->CKB[std::size_t(i)], &QCheckBox::toggled, this, [this, i](bool checked) {
            game_->MarkPosition(i + 1, checked);
            P_rep->SetBox(i + 1, QChar::fromLatin1(game_->Masque[std::size_t(i)]), checked);
        });
    connect(JvHisto, &wordgame_ui::FloatingPanel::closed, this, [this] { MHisto->setChecked(false); });
}

void TFPendu::BuildMenu()
{
    const MenuActions actions =
        MakeMenu(QStringLiteral("&Nouvelle Partie"),
                 {QStringLiteral("essai2"), QStringLiteral("MHisto"), QStringLiteral("etat1")});
    essai2 = actions.newGame;
    MHisto = actions.history;
    etat1 = actions.propose;
    connect(essai2, &QAction::triggered, this, &TFPendu::NouvellePartie);
    connect(MHisto, &QAction::toggled, JvHisto, &QWidget::setVisible);
    connect(etat1, &QAction::triggered, this, &TFPendu::ProposerUnCoup);
}

void TFPendu::ConnectGame()
{
    pendu::PenduHooks &h = game_->hooks;
    h.status = [this](const QString &text) { ShowStatus(text); };
    h.title = [this](const QString &text) {
        if (View)
            View->SetText(QStringLiteral("HUDText1"), text);
    };
    h.scores = [this](bool shown) { ShowScores(shown); };
    h.runConfiguration = [this] {
        const bool ok = runConfiguration(*config_);
        if (ok)
            OpenHiddenWords();
        return ok;
    };
    h.closeWindow = [this] { CloseLater(); };
    h.showWordPanel = [this](const std::string &mask, const std::string &word) {
        if (View)
            View->SetText(QStringLiteral("HUDText1"), QStringLiteral("Proposez un mot."));
        P_masque->Ask(FromCodePage(mask), FromCodePage(word), game_->AllComputers());
    };
    h.hideWordPanel = [this] {
        P_masque->hide();
        setFocus();
    };
    h.showMarkPanel = [this] {
        P_rep->AskMarks(QChar::fromLatin1(game_->LettreJouee), FromCodePage(game_->Masque));
    };
    h.showMissingPanel = [this] {
        const bool known = game_->AllComputers() || game_->MotATrouver.find('*') == std::string::npos;
        P_rep->AskMissing(FromCodePage(game_->Masque), known ? FromCodePage(game_->MotATrouver) : QString());
    };
    h.hideAnswerPanel = [this] {
        P_rep->hide();
        setFocus();
    };
    h.confirm = [this](const QString &question) {
        return Dialogs().question(question, Title) == Answer::Yes;
    };
    h.confirmOrCancel = [this](const QString &question) {
        const Answer answer = Dialogs().question(question, Title, QuestionButtons::YesNoCancel);
        return answer == Answer::Yes ? 1 : answer == Answer::No ? 0 : -1;
    };
    h.message = [this](const QString &text) { Dialogs().message(text, Title); };
    h.playerChanged = [this] { EnableProposals(); };
    h.historyChanged = [this] {
        RefillHistory();
        Modified = true;
    };
}

void TFPendu::EnableProposals()
{
    etat1->setEnabled(!config_->Players[std::size_t(config_->CurrentPlayer)].IsComputer && !GameOver);
}

void TFPendu::ShowScores(bool shown)
{
    if (!View)
        return;
    for (int player = 1; player <= 4; ++player) {
        const QString name = QStringLiteral("ScoreJ%1").arg(player);
        const bool present = shown && player <= config_->PlayerCount;
        View->SetVisible(name, present);
        if (present)
            View->SetText(name, QStringLiteral("%1 : %2")
                                    .arg(config_->Players[std::size_t(player)].Name)
                                    .arg(config_->Players[std::size_t(player)].Score));
    }
}

void TFPendu::RefillHistory()
{
    JvHisto->LbHisto->clear();
    for (const pendu::thisto &round : game_->Historique)
        JvHisto->LbHisto->addItem(pendu::HistoryLine(round, *config_));
}

void TFPendu::Redraw()
{
    if (scene_)
        scene_->Show(*game_);
}

bool TFPendu::PanelShown() const
{
    return P_masque->isVisible() || P_rep->isVisible();
}

void TFPendu::SetPaused(bool paused)
{
    if (paused)
        game_->FinishTop();
    Paused = paused;
    game_->Paused = paused;
    if (View) {
        View->SetVisible(QStringLiteral("HUDPause"), paused);
        if (paused)
            View->Clock().Stop();
        else
            View->Clock().Start();
        View->update();
    }
    ShowStatus(game_->StatusText());
}

void TFPendu::ProposerUnCoup()
{
    if (config_->Players[std::size_t(config_->CurrentPlayer)].IsComputer || GameOver)
        return;
    Dialogs().message(game_->ProposedMove(), Title);
}

void TFPendu::B_validerClick()
{
    const std::string shown = game_->SetterWord(ToCodePage(P_masque->Edit_masque->text()));
    if (P_masque->isVisible())
        P_masque->Edit_masque->setText(FromCodePage(shown));
    Modified = true;
}

void TFPendu::b_reponseClick()
{
    pendu::Taction *top = game_->Top();
    if (top && top->kind == 'R') {
        game_->MarksDone();
    } else if (top && top->kind == 'W') {
        std::vector<std::string> boxes;
        for (QLineEdit *box : P_rep->Edit_L)
            boxes.push_back(ToCodePage(box->text()));
        game_->MissingLetters(boxes);
        if (game_->missingFocus > 0) {
            QLineEdit *box = P_rep->Edit_L[std::size_t(game_->missingFocus - 1)];
            box->setText(QStringLiteral("*"));
            box->setFocus();
            box->selectAll();
        }
    }
    Modified = true;
}

void TFPendu::keyPressEvent(QKeyEvent *event)
{
    if (Closing || GameOver || !View) {
        TFLudorine::keyPressEvent(event);
        return;
    }
    View->Step();
    const int key = event->key();
    if (key == Qt::Key_Pause || Paused) {
        SetPaused(!Paused);
    } else if (key == Qt::Key_Escape) {
        game_->FinishTop();
    } else if (key == Qt::Key_Left) {
        scene_->TurnTable(1);
    } else if (key == Qt::Key_Right) {
        scene_->TurnTable(-1);
    } else if (key == Qt::Key_Up) {
        scene_->RaiseCamera(0.2f);
    } else if (key == Qt::Key_Down) {
        scene_->RaiseCamera(-0.2f);
    } else if (key == Qt::Key_Home) {
        scene_->ResetView();
    } else if (!PanelShown() && !event->text().isEmpty()) {
        const QChar c = event->text().at(0);
        if (game_->CharacterKey(c.toLatin1()))
            Modified = true;
    }
    if (!Paused)
        ShowStatus(game_->StatusText());
    Redraw();
    event->accept();
}

void TFPendu::ViewPicked(const QString &name)
{
    if (Closing || GameOver || P_masque->isVisible())
        return;
    View->Step();
    setFocus();
    if (Paused)
        SetPaused(false);
    const bool human = game_->HumanTurn();
    game_->Click(ToCodePage(name));
    if (human && name.startsWith(QStringLiteral("Lettre")) && !game_->HumanTurn()) {
        View->SetEmission(name, QColor(255, 0, 0));
        Modified = true;
    }
    if (pendu::Taction *top = game_->Top(); top && top->kind == 'R')
        for (int i = 0; i < int(game_->Masque.size()); ++i)
            P_rep->SetBox(i + 1, QChar::fromLatin1(game_->Masque[std::size_t(i)]),
                          game_->Masque[std::size_t(i)] != '*');
    Redraw();
}

void TFPendu::resizeEvent(QResizeEvent *event)
{
    TFLudorine::resizeEvent(event);
    if (P_masque && P_masque->isVisible())
        P_masque->ShowCentred();
    if (P_rep && P_rep->isVisible())
        P_rep->Place();
}

void TFPendu::Activated(bool active)
{
    if (Closing || !View)
        return;
    if (active) {
        StartTicks(kTickMs);
        if (config_->AllComputers && Paused)
            SetPaused(false);
    } else if (!GameOver) {
        SetPaused(true);
        StopTicks();
    }
}

void TFPendu::changeEvent(QEvent *event)
{
    TFLudorine::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !subWindowWatched_ && followActivation)
        Activated(isActiveWindow());
}

void TFPendu::showEvent(QShowEvent *event)
{
    TFLudorine::showEvent(event);
    // Inside the main window, the game follows its own frame's activation.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()); frame && !subWindowWatched_) {
        subWindowWatched_ = true;
        connect(frame, &QMdiSubWindow::windowStateChanged, this,
                [this](Qt::WindowStates before, Qt::WindowStates now) {
                    if ((before & Qt::WindowActive) != (now & Qt::WindowActive) && followActivation)
                        Activated(now & Qt::WindowActive);
                });
    }
}

void TFPendu::NouvellePartie()
{
    if (!ReplaceByUnnamedGame())
        return;
    P_masque->hide();
    P_rep->hide();
    Closing = false;
    GameOver = false;
    game_->NewGame();
    SetPaused(false);
    RefillHistory();
    Redraw();
    StartTicks(kTickMs);
}

void TFPendu::FormClose()
{
    game_->Close();
    StopTicks();
    P_masque->hide();
    P_rep->hide();
    if (View)
        View->Clock().Stop();
    Paused = true;
    TFLudorine::FormClose();
}

QImage TFPendu::ScenePicture()
{
    Redraw();
    return TFWordGame::ScenePicture();
}

void TFPendu::Tempo()
{
    if (Closing || Paused || !View)
        return;
    View->Step();
    game_->Tick(clock(), View->Clock().Now());
    GameOver = game_->GameOver;
    EnableProposals();
    Redraw();
}
