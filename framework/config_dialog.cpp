// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/config_dialog.h"
#include "framework/tick_driver.h"

#include "framework/game_window.h"
#include "framework/help_window.h"
#include "framework/player_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QComboBox *List(const QString &name, const QStringList &items, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(items);
    return list;
}

// Leaving a field whose text is not a positive integer puts "10" in it.
void KeepPositive(QLineEdit *field)
{
    QObject::connect(field, &QLineEdit::editingFinished, field,
                     [field] { field->setText(PositiveIntegerOr10(field->text())); });
}

QString SpeedCaption(int value)
{
    return QStringLiteral("Vitesse : %1 %").arg(value);
}

QCheckBox *CommonWordsBox(const QString &name, QWidget *page)
{
    auto *box = new QCheckBox(QStringLiteral("Mots à trouver : mots courants"), page);
    box->setObjectName(name);
    box->setToolTip(QStringLiteral("Les mots à trouver sont des mots courants plutôt que des mots pris dans "
                                   "tout le dictionnaire"));
    return box;
}
} // namespace

TFconfig::TFconfig(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Fconfig"));
    setWindowTitle(QStringLiteral("Configuration"));
    setModal(true);

    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    Pages->addTab(MakePlayersPage(), QStringLiteral("Joueurs"));
    PagePendu = MakePenduPage();
    PageAvaleur = MakeAvaleurPage();
    PageScrabble = MakeScrabblePage();
    PageDuplicate = MakeDuplicatePage();
    PageTopWord = MakeTopWordPage();
    PagePhilo = MakePhiloPage();
    // The game pages are children of the dialog, shown only once one of them
    // is put on the tabs.
    for (QWidget *page : {PagePendu, PageAvaleur, PageScrabble, PageDuplicate, PageTopWord, PagePhilo})
        page->hide();

    auto *buttons = new QDialogButtonBox(this);
    OkButton = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    CancelButton = buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    HelpButton = buttons->addButton(QStringLiteral("Aide"), QDialogButtonBox::HelpRole);
    OkButton->setDefault(false);
    OkButton->setAutoDefault(false);
    CancelButton->setAutoDefault(false);
    HelpButton->setAutoDefault(false);
    connect(OkButton, &QPushButton::clicked, this, &TFconfig::OkClicked);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton, &QPushButton::clicked, this,
            [] { ShowHelpTopic(QStringLiteral("Ludorine.chm::/Ludorine.htm")); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Pages);
    layout->addWidget(buttons);
    resize(480, 380);
}

QWidget *TFconfig::MakePlayersPage()
{
    auto *page = new QWidget(this); // owned by the dialog while off the tabs
    page->setObjectName(QStringLiteral("PageJoueurs"));
    PlayerCountList = new QComboBox(page);
    PlayerCountList->setObjectName(QStringLiteral("NombreJoueurs"));
    Table = new PlayerTable(*this, page);
    connect(PlayerCountList, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            Table->Rebuild(index + 1);
    });
    auto *count = new QHBoxLayout;
    count->addWidget(new QLabel(QStringLiteral("Nombre de joueurs :"), page));
    count->addWidget(PlayerCountList);
    count->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(count);
    layout->addWidget(Table, 1);
    return page;
}

QGroupBox *TFconfig::MakeEndOfGameBox(QRadioButton *&first, QRadioButton *&second, QLineEdit *&turns,
                                      QLineEdit *&points)
{
    auto *box = new QGroupBox(QStringLiteral("Fin de partie"));
    first = new QRadioButton(QStringLiteral("Après "), box);
    second = new QRadioButton(QStringLiteral("Quand un joueur a atteint"), box);
    turns = new QLineEdit(box);
    points = new QLineEdit(box);
    for (QLineEdit *field : {turns, points}) {
        field->setMaximumWidth(60);
        KeepPositive(field);
    }
    // Each button enables its own field and disables the other.
    connect(first, &QRadioButton::toggled, this, [turns, points](bool on) {
        turns->setEnabled(on);
        points->setEnabled(!on);
    });
    auto *grid = new QGridLayout(box);
    grid->addWidget(first, 0, 0);
    grid->addWidget(turns, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("tours"), box), 0, 2);
    grid->addWidget(second, 1, 0);
    grid->addWidget(points, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Pts"), box), 1, 2);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget *TFconfig::MakePenduPage()
{
    auto *page = new QWidget(this); // owned by the dialog while off the tabs
    page->setObjectName(QStringLiteral("PagePendu"));
    CB_pendu_essai = List(QStringLiteral("CB_pendu_essai"), GameOptions::TriesItems(), page);
    CB_pendu_lettres = new QCheckBox(QStringLiteral("Indiquer les premières et dernières lettres"), page);
    CB_pendu_lettres->setObjectName(QStringLiteral("CB_pendu_lettres"));
    CB_pendu_courants = CommonWordsBox(QStringLiteral("CB_pendu_courants"), page);
    QGroupBox *end = MakeEndOfGameBox(Rbtn_pendu_fin1, Rbtn_pendu_fin2, ed_pendu_par1, ed_pendu_par2);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("Nombre d'essais :"), CB_pendu_essai);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(CB_pendu_lettres);
    layout->addWidget(CB_pendu_courants);
    layout->addWidget(end);
    layout->addStretch();
    return page;
}

QWidget *TFconfig::MakeAvaleurPage()
{
    auto *page = new QWidget(this); // owned by the dialog while off the tabs
    page->setObjectName(QStringLiteral("PageAvaleur"));
    VitesseBox = new QGroupBox(SpeedCaption(50), page);
    Vitesse_bar = new QSlider(Qt::Horizontal, VitesseBox);
    Vitesse_bar->setObjectName(QStringLiteral("Vitesse_bar"));
    Vitesse_bar->setRange(1, 100);
    Vitesse_bar->setPageStep(5);
    Vitesse_bar->setValue(50);
    Vitesse_bar->setTickPosition(QSlider::TicksBelow);
    Vitesse_bar->setTickInterval(10);
    connect(Vitesse_bar, &QSlider::valueChanged, this,
            [this](int value) { VitesseBox->setTitle(SpeedCaption(value)); });
    auto *inner = new QVBoxLayout(VitesseBox);
    inner->addWidget(Vitesse_bar);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(VitesseBox);
    layout->addStretch();
    return page;
}

QWidget *TFconfig::MakeScrabblePage()
{
    auto *page = new QWidget(this); // owned by the dialog while off the tabs
    page->setObjectName(QStringLiteral("PageScrabble"));
    ddlb_tirage = List(QStringLiteral("ddlb_tirage"), GameOptions::DrawModeItems(), page);
    auto *form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("Tirage des lettres :"), ddlb_tirage);
    return page;
}

QWidget *TFconfig::MakeDuplicatePage()
{
    auto *page = new QWidget(this); // owned by the dialog while off the tabs
    page->setObjectName(QStringLiteral("PageDuplicate"));
    ddlb_tirage_duplic = List(QStringLiteral("ddlb_tirage_duplic"), GameOptions::DrawModeItems(), page);
    ddlb_vari_duplic = List(QStringLiteral("ddlb_vari_duplic"), GameOptions::VariantItems(), page);
    auto *form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("Tirage des lettres :"), ddlb_tirage_duplic);
    form->addRow(QStringLiteral("Variante :"), ddlb_vari_duplic);
    return page;
}

QWidget *TFconfig::MakeTopWordPage()
{
    auto *page = new QWidget(this); // owned by the dialog while off the tabs
    page->setObjectName(QStringLiteral("PageTopWord"));
    ddlb_tirage_topword = List(QStringLiteral("ddlb_tirage_topword"), GameOptions::DrawModeItems(), page);
    ddlb_dim_topword = List(QStringLiteral("ddlb_dim_topword"), GameOptions::DimensionItems(), page);
    auto *form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("Tirage des lettres :"), ddlb_tirage_topword);
    form->addRow(QStringLiteral("Dimensions de la grille"), ddlb_dim_topword);
    return page;
}

QWidget *TFconfig::MakePhiloPage()
{
    auto *page = new QWidget(this); // owned by the dialog while off the tabs
    page->setObjectName(QStringLiteral("PagePhilo"));
    CB_philo = List(QStringLiteral("CB_philo"), GameOptions::WordLengthItems(), page);
    CheckBox_mp = new QCheckBox(QStringLiteral("Indiquer aussi les lettres mal placées"), page);
    CheckBox_mp->setObjectName(QStringLiteral("CheckBox_mp"));
    CB_philo_courants = CommonWordsBox(QStringLiteral("CB_philo_courants"), page);
    QGroupBox *end = MakeEndOfGameBox(Rbtn_philo_fin1, Rbtn_philo_fin2, ed_philo_par1, ed_philo_par2);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("Longueur des mots :"), CB_philo);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(CheckBox_mp);
    layout->addWidget(CB_philo_courants);
    layout->addWidget(end);
    layout->addStretch();
    return page;
}

void TFconfig::SetupForGame(GameKindCode kind, TFLudorine *window)
{
    OwnerWindow = window;
    if (window)
        ShowStatus = [window](const QString &text) { window->ShowStatus(text); };
    else
        ShowStatus = nullptr;
    GameSettings::SetupForGame(kind);
    ShowGamePage();
    const QSignalBlocker block(PlayerCountList);
    PlayerCountList->clear();
    for (int n = 1; n <= MostPlayers; ++n)
        PlayerCountList->addItem(QString::number(n));
    LoadControls();
}

QWidget *TFconfig::PageOf(GameOptionSet options) const
{
    switch (options) {
    case GameOptionSet::Pendu:
        return PagePendu;
    case GameOptionSet::Avaleur:
        return PageAvaleur;
    case GameOptionSet::FreeScrabble:
        return PageScrabble;
    case GameOptionSet::Duplicate:
        return PageDuplicate;
    case GameOptionSet::TopWord:
        return PageTopWord;
    case GameOptionSet::Philosophe:
        return PagePhilo;
    }
    return PageScrabble;
}

void TFconfig::ShowGamePage()
{
    while (Pages->count() > 1)
        Pages->removeTab(1);
    if (const GameKindRow *row = FindGameKindRow(GameKind))
        Pages->addTab(PageOf(row->Options), row->SettingsCaption);
    PlayerCountList->setEnabled(MostPlayers > 1);
}

void TFconfig::LoadControls()
{
    const GameOptions &o = Options;
    CB_pendu_essai->setCurrentIndex(o.CB_pendu_essai);
    CB_pendu_lettres->setChecked(o.CB_pendu_lettres);
    // Checking one button of a pair leaves the other unchecked.
    (o.Rbtn_pendu_fin1 ? Rbtn_pendu_fin1 : Rbtn_pendu_fin2)->setChecked(true);
    ed_pendu_par1->setEnabled(o.Rbtn_pendu_fin1);
    ed_pendu_par2->setEnabled(!o.Rbtn_pendu_fin1);
    ed_pendu_par1->setText(o.ed_pendu_par1);
    ed_pendu_par2->setText(o.ed_pendu_par2);
    ddlb_tirage->setCurrentIndex(o.ddlb_tirage);
    ddlb_tirage_duplic->setCurrentIndex(o.ddlb_tirage_duplic);
    ddlb_vari_duplic->setCurrentIndex(o.ddlb_vari_duplic);
    Vitesse_bar->setValue(o.Vitesse_bar);
    VitesseBox->setTitle(SpeedCaption(Vitesse_bar->value()));
    ddlb_tirage_topword->setCurrentIndex(o.ddlb_tirage_topword);
    ddlb_dim_topword->setCurrentIndex(o.ddlb_dim_topword);
    CB_philo->setCurrentIndex(o.CB_philo);
    CheckBox_mp->setChecked(o.CheckBox_mp);
    CB_pendu_courants->setChecked(o.commonWords);
    CB_philo_courants->setChecked(o.commonWords);
    (o.Rbtn_philo_fin1 ? Rbtn_philo_fin1 : Rbtn_philo_fin2)->setChecked(true);
    ed_philo_par1->setEnabled(o.Rbtn_philo_fin1);
    ed_philo_par2->setEnabled(!o.Rbtn_philo_fin1);
    ed_philo_par1->setText(o.ed_philo_par1);
    ed_philo_par2->setText(o.ed_philo_par2);
    {
        const QSignalBlocker block(PlayerCountList);
        PlayerCountList->setCurrentIndex(PlayerCount - 1);
    }
    Table->Rebuild(PlayerCount);
}

void TFconfig::ApplyDialog()
{
    Table->CommitOpenEdit();
    GameOptions &o = Options;
    o.CB_pendu_essai = CB_pendu_essai->currentIndex();
    o.CB_pendu_lettres = CB_pendu_lettres->isChecked();
    o.Rbtn_pendu_fin1 = Rbtn_pendu_fin1->isChecked();
    o.ed_pendu_par1 = PositiveIntegerOr10(ed_pendu_par1->text());
    o.ed_pendu_par2 = PositiveIntegerOr10(ed_pendu_par2->text());
    o.ddlb_tirage = ddlb_tirage->currentIndex();
    o.ddlb_tirage_duplic = ddlb_tirage_duplic->currentIndex();
    o.ddlb_vari_duplic = ddlb_vari_duplic->currentIndex();
    o.Vitesse_bar = Vitesse_bar->value();
    o.ddlb_tirage_topword = ddlb_tirage_topword->currentIndex();
    o.ddlb_dim_topword = ddlb_dim_topword->currentIndex();
    o.CB_philo = CB_philo->currentIndex();
    o.CheckBox_mp = CheckBox_mp->isChecked();
    // The box of the page this dialog shows.
    const GameKindRow *row = FindGameKindRow(GameKind);
    const bool philo = row != nullptr && row->Options == GameOptionSet::Philosophe;
    o.commonWords = (philo ? CB_philo_courants : CB_pendu_courants)->isChecked();
    o.Rbtn_philo_fin1 = Rbtn_philo_fin1->isChecked();
    o.ed_philo_par1 = PositiveIntegerOr10(ed_philo_par1->text());
    o.ed_philo_par2 = PositiveIntegerOr10(ed_philo_par2->text());
    GameSettings::ApplyDialog(PlayerCountList->currentIndex() + 1);
}

void TFconfig::showEvent(QShowEvent *event)
{
    ClearScores();
    LoadControls();
    QDialog::showEvent(event);
}

void TFconfig::hideEvent(QHideEvent *event)
{
    ApplyDialog();
    QDialog::hideEvent(event);
}

void TFconfig::OkClicked()
{
    ApplyDialog();
    StoreSettings();
    // The store may have shortened names: show what was kept.
    Table->Rebuild(PlayerCount);
    accept();
}

bool TFconfig::ExecModal()
{
    ModalScope modal;
    return exec() == QDialog::Accepted;
}
