// SPDX-License-Identifier: GPL-3.0-or-later
// TFAvaleur: creation, the paint box, the panels, the menu, keys and ticks.
#include "wordgames/avaleur/avaleur_window.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPaintEvent>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QSlider>

#include "dictionary/dictionnaire.h"
#include "framework/config_dialog.h"
#include "framework/dialog_service.h"
#include "framework/game_dictionary.h"
#include "framework/tick_driver.h"
#include "wordgames/avaleur/avaleur_pictures.h"

namespace {

// The paint box: copies the window picture and keeps the frame centred.
class AvaleurPaintBox : public QWidget {
public:
    AvaleurPaintBox(avaleur::AvaleurScene &scene, QWidget *parent) : QWidget(parent), scene_(scene)
    {
        setObjectName(QStringLiteral("PaintBox"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(avaleur::kFrameWidth, avaleur::kFrameHeight);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter p(this);
        for (const QRect &rect : event->region())
            p.drawImage(rect.topLeft(), scene_.WindowPicture(), rect);
    }
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        scene_.Resize(size());
        scene_.Paint();
    }

private:
    avaleur::AvaleurScene &scene_;
};

const QString kSpeedKey = QStringLiteral("rapideco");

QString SpeedTitle(int speed)
{
    return QStringLiteral("Vitesse : %1").arg(speed);
}

} // namespace

// The game's section of the settings store.
static QString SpeedGroup()
{
    GameSettings settings;
    settings.Section = QStringLiteral("Avaleur");
    return settings.StoreGroup();
}

int TFAvaleur::StoredSpeed()
{
    auto store = GameSettings::OpenStore();
    store->beginGroup(SpeedGroup());
    bool ok = false;
    const int speed = store->value(kSpeedKey, QStringLiteral("50")).toString().toInt(&ok);
    store->endGroup();
    return ok && speed >= 1 && speed <= 100 ? speed : 50;
}

void TFAvaleur::StoreSpeed(int speed)
{
    auto store = GameSettings::OpenStore();
    store->beginGroup(SpeedGroup());
    store->setValue(kSpeedKey, QString::number(speed));
    store->endGroup();
    store->sync();
}

TFAvaleur::TFAvaleur(QWidget *parent, const QString &dictionaryFile, std::uint32_t seed) : TFLudorine(parent)
{
    GameKind = kGameKind;
    setWindowTitle(QStringLiteral("Avaleur"));
    config_ = new TFconfig(this);
    config_->SetupForGame(kGameKind, this);
    config_->Options.Vitesse_bar = StoredSpeed();
    runConfiguration = [](TFconfig &config) { return config.ExecModal(); };
    isActive = [this] { return isActiveWindow(); };

    dictionary_ = OpenGameDictionary(dictionaryFile);
    if (seed == 0)
        seed = QRandomGenerator::global()->generate() ^ quint32(QDateTime::currentMSecsSinceEpoch());
    SetBusy(1);
    game_ = std::make_unique<avaleur::AvaleurGame>(*dictionary_, seed);
    scene_ = std::make_unique<avaleur::AvaleurScene>(*game_);
    SetBusy(0);
    BuildPanels();
    BuildMenu();
    ConnectGame();
    game_->SetSpeed(config_->Options.Vitesse_bar);
    setFocusPolicy(Qt::StrongFocus);
    resize(avaleur::kFrameWidth + 220, avaleur::kFrameHeight + 10);
    StartTicks(game_->Periode);
}

TFAvaleur::~TFAvaleur()
{
    StopTicks();
    // The scene and the paint box refer to the game: they go before it.
    delete PaintBox;
    PaintBox = nullptr;
    scene_.reset();
    game_.reset();
}

void TFAvaleur::BuildPanels()
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    PaintBox = new AvaleurPaintBox(*scene_, this);
    layout->addWidget(PaintBox, 1);

    auto *side = new QVBoxLayout;
    JvCaptionPanel1 = new QGroupBox(QStringLiteral("Mots trouvés"), this);
    JvCaptionPanel1->setObjectName(QStringLiteral("JvCaptionPanel1"));
    auto *historyLayout = new QVBoxLayout(JvCaptionPanel1);
    LB_mots = new QListWidget(JvCaptionPanel1);
    LB_mots->setObjectName(QStringLiteral("LB_mots"));
    LB_mots->setFocusPolicy(Qt::NoFocus);
    historyLayout->addWidget(LB_mots);
    auto *closeHistory = new QPushButton(QStringLiteral("Fermer"), JvCaptionPanel1);
    closeHistory->setFocusPolicy(Qt::NoFocus);
    historyLayout->addWidget(closeHistory);
    connect(closeHistory, &QPushButton::clicked, this, [this] { Mhisto->setChecked(false); });
    side->addWidget(JvCaptionPanel1, 1);

    JvVitesse = new QGroupBox(SpeedTitle(config_->Options.Vitesse_bar), this);
    JvVitesse->setObjectName(QStringLiteral("JvVitesse"));
    auto *speedLayout = new QVBoxLayout(JvVitesse);
    Vitesse_bar = new QSlider(Qt::Horizontal, JvVitesse);
    Vitesse_bar->setObjectName(QStringLiteral("Vitesse_bar"));
    Vitesse_bar->setRange(1, 100);
    Vitesse_bar->setPageStep(5);
    Vitesse_bar->setValue(config_->Options.Vitesse_bar);
    Vitesse_bar->installEventFilter(this);
    speedLayout->addWidget(Vitesse_bar);
    auto *closeSpeed = new QPushButton(QStringLiteral("Fermer"), JvVitesse);
    closeSpeed->setFocusPolicy(Qt::NoFocus);
    speedLayout->addWidget(closeSpeed);
    connect(closeSpeed, &QPushButton::clicked, this, [this] {
        JvVitesse->hide();
        setFocus();
    });
    connect(Vitesse_bar, &QSlider::valueChanged, this, &TFAvaleur::SpeedChanged);
    side->addWidget(JvVitesse);
    side->addStretch();
    layout->addLayout(side);
    JvCaptionPanel1->hide();
    JvVitesse->hide();
}

void TFAvaleur::BuildMenu()
{
    Essai1 = new QMenu(QStringLiteral("Avaleur"), this);
    Essai1->setObjectName(QStringLiteral("Essai1"));
    MnouvellePartie = Essai1->addAction(QStringLiteral("&Nouvelle partie"), this, &TFAvaleur::NouvellePartie);
    MnouvellePartie->setObjectName(QStringLiteral("MnouvellePartie"));
    MnouvellePartie->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    Mhisto = Essai1->addAction(QStringLiteral("Afficher l'&historique"));
    Mhisto->setObjectName(QStringLiteral("Mhisto"));
    Mhisto->setCheckable(true);
    Mhisto->setShortcut(QKeySequence(QStringLiteral("Ctrl+H")));
    connect(Mhisto, &QAction::toggled, this, &TFAvaleur::ToggleHistory);
    mvitesse = Essai1->addAction(QStringLiteral("Reglage de la &vitesse"), this, &TFAvaleur::ShowSpeedPanel);
    mvitesse->setObjectName(QStringLiteral("mvitesse"));
    for (QAction *action : Essai1->actions())
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addActions(Essai1->actions());
}

void TFAvaleur::ConnectGame()
{
    avaleur::AvaleurHooks &h = game_->hooks;
    h.status = [this](const QString &text) { ShowStatus(text); };
    h.caption = [this](const QString &text) { setWindowTitle(text); };
    h.beep = [] { QApplication::beep(); };
    h.timerPeriod = [this](int period) {
        if (Ticks() && Ticks()->isActive())
            StartTicks(period);
    };
    h.runConfiguration = [this] {
        const bool ok = runConfiguration(*config_);
        if (ok) {
            StoreSpeed(config_->Options.Vitesse_bar);
            const QSignalBlocker quiet(Vitesse_bar);
            Vitesse_bar->setValue(config_->Options.Vitesse_bar);
            JvVitesse->setTitle(SpeedTitle(config_->Options.Vitesse_bar));
            Paused = false;
        }
        return ok;
    };
    h.closeWindow = [this] { CloseLater(); };
    h.historyChanged = [this] { RefillHistory(); };
    h.settingsSpeed = [this] { return config_->Options.Vitesse_bar; };
    h.halted = [this] { return Closing || Paused; };
}

void TFAvaleur::RefillHistory()
{
    LB_mots->clear();
    LB_mots->addItems(game_->LB_mots);
    LB_mots->scrollToBottom();
}

void TFAvaleur::ToggleHistory(bool shown)
{
    JvCaptionPanel1->setVisible(shown);
    setFocus();
}

void TFAvaleur::ShowSpeedPanel()
{
    JvVitesse->show();
    Vitesse_bar->setFocus();
}

void TFAvaleur::SpeedChanged(int speed)
{
    JvVitesse->setTitle(SpeedTitle(speed));
    config_->Options.Vitesse_bar = speed;
    game_->SetSpeed(speed);
    StoreSpeed(speed);
}

bool TFAvaleur::RouteKey(int key)
{
    char direction = 0;
    switch (key) {
    case Qt::Key_Space:
        direction = 'P';
        break;
    case Qt::Key_Left:
        direction = 'G';
        break;
    case Qt::Key_Up:
        direction = 'H';
        break;
    case Qt::Key_Right:
        direction = 'D';
        break;
    case Qt::Key_Down:
        direction = 'B';
        break;
    default:
        return false;
    }
    if (!GameOver && !Closing)
        game_->Demande(direction);
    return true;
}

void TFAvaleur::keyPressEvent(QKeyEvent *event)
{
    if (RouteKey(event->key()))
        event->accept();
    else
        TFLudorine::keyPressEvent(event);
}

bool TFAvaleur::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Vitesse_bar && event->type() == QEvent::KeyPress &&
        RouteKey(static_cast<QKeyEvent *>(event)->key()))
        return true;
    return TFLudorine::eventFilter(watched, event);
}

void TFAvaleur::NouvellePartie()
{
    Modified = true;
    if (!ReplaceByUnnamedGame())
        return;
    GameOver = false;
    game_->AConfigurer = true;
}

void TFAvaleur::FormClose()
{
    StopTicks();
    TFLudorine::FormClose();
}

void TFAvaleur::PaintNow()
{
    const QRegion changed = scene_->Paint();
    if (PaintBox && !changed.isEmpty())
        PaintBox->update(changed);
}

QImage TFAvaleur::WindowPicture()
{
    game_->RepaintAll();
    scene_->Paint();
    return scene_->WindowPicture();
}

void TFAvaleur::TempoTimer()
{
    if (Closing || Paused)
        return;
    game_->Tick(isActive ? isActive() : true);
    if (game_->Modified) {
        Modified = true;
        game_->Modified = false;
    }
    GameOver = game_->GameOver;
    PaintNow();
}
