// SPDX-License-Identifier: GPL-3.0-or-later
// The Configuration dialog: the player table edited with the keyboard, the
// player count, the option pages and their rules, OK and Cancel.
#include "framework/config_dialog.h"
#include "framework/player_table.h"
#include "support/temp_settings.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {
QWidget *Editor(PlayerTable *table)
{
    QApplication::processEvents();
    return table->indexWidget(table->currentIndex());
}

// A key on an editor, then the moves it asked for.
void Key(QWidget *editor, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(editor, key, modifiers);
    QApplication::processEvents();
}

void StartEdit(PlayerTable *table, int row, int column)
{
    table->setFocus();
    table->setCurrentCell(row, column);
    QTest::keyClick(table->viewport(), Qt::Key_F2);
    QApplication::processEvents();
}

QString StoredCount(const TFconfig &config)
{
    auto store = GameSettings::OpenStore();
    return store->value(config.StoreGroup() + QStringLiteral("/nombro")).toString();
}

void Screenshot(QWidget &widget, const QString &name)
{
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    widget.grab().save(QStringLiteral(SCREENSHOT_DIR "/") + name + QStringLiteral(".png"));
}
} // namespace

TEST(ConfigDialog, PlayerTableIsEditedInPlaceWithEnterUpAndDown)
{
    TempSettings temp;
    TFconfig config;
    config.SetupForGame(GameKindCode::Scrabble, nullptr);
    config.show();
    config.PlayerCountList->setCurrentIndex(2);
    ASSERT_EQ(config.Table->rowCount(), 3);

    StartEdit(config.Table, 0, 0);
    auto *name = qobject_cast<QLineEdit *>(Editor(config.Table));
    ASSERT_TRUE(name);
    EXPECT_EQ(name->text(), QStringLiteral("Albane"));
    QTest::keyClicks(name, QStringLiteral("Zora"));
    Key(name, Qt::Key_Return);
    EXPECT_EQ(config.Players[1].Name, QStringLiteral("Zora"));
    // Enter went on to the next row's name.
    name = qobject_cast<QLineEdit *>(Editor(config.Table));
    ASSERT_TRUE(name);
    EXPECT_EQ(config.Table->currentRow(), 1);
    QTest::keyClicks(name, QStringLiteral("Yann"));
    Key(name, Qt::Key_Down);
    EXPECT_EQ(config.Players[2].Name, QStringLiteral("Yann"));
    name = qobject_cast<QLineEdit *>(Editor(config.Table));
    ASSERT_TRUE(name);
    Key(name, Qt::Key_Up);
    EXPECT_EQ(config.Table->currentRow(), 1);
    EXPECT_EQ(config.Players[3].Name, QStringLiteral("Cyrielle")); // unchanged
    // Escape leaves the edit without taking the text.
    name = qobject_cast<QLineEdit *>(Editor(config.Table));
    ASSERT_TRUE(name);
    name->setText(QStringLiteral("Personne"));
    Key(name, Qt::Key_Escape);
    EXPECT_EQ(config.Players[2].Name, QStringLiteral("Yann"));

    // The kind column: a list of the kinds preselecting the level.
    StartEdit(config.Table, 1, 1);
    auto *kind = qobject_cast<QComboBox *>(Editor(config.Table));
    ASSERT_TRUE(kind);
    EXPECT_EQ(kind->count(), 6);
    EXPECT_EQ(kind->currentIndex(), 5); // Bertin, level 5
    kind->setCurrentIndex(2);
    Key(kind, Qt::Key_Up);
    EXPECT_EQ(config.Players[2].Level, 2);
    EXPECT_EQ(config.Table->item(1, 1)->text(), QStringLiteral("Ordinateur niveau 2"));
    EXPECT_EQ(config.Table->currentRow(), 0);
    kind = qobject_cast<QComboBox *>(Editor(config.Table));
    ASSERT_TRUE(kind);
    EXPECT_EQ(kind->currentIndex(), 0);
    kind->setCurrentIndex(1);
    // OK with the list still open takes its value.
    QTest::mouseClick(config.OkButton, Qt::LeftButton);
    EXPECT_EQ(config.Players[1].Level, 1);
    EXPECT_TRUE(config.AllComputers == false);
    EXPECT_EQ(config.PlayerCount, 3);
    EXPECT_EQ(StoredCount(config), QStringLiteral("03"));
}

TEST(ConfigDialog, CancelAppliesTheEditedPlayersButDoesNotStore)
{
    TempSettings temp;
    TFconfig config;
    config.SetupForGame(GameKindCode::Duplicate, nullptr);
    config.Players[1].Score = 40;
    config.show();
    EXPECT_EQ(config.Players[1].Score, 0); // showing clears the scores
    config.PlayerCountList->setCurrentIndex(3);
    EXPECT_EQ(config.Table->rowCount(), 4);
    EXPECT_EQ(config.Table->item(3, 0)->text(), QStringLiteral("Dorian"));
    config.Players[4].Name = QStringLiteral("Denise");
    config.ddlb_vari_duplic->setCurrentIndex(1);
    config.CurrentPlayer = 3;
    QTest::mouseClick(config.CancelButton, Qt::LeftButton);
    EXPECT_EQ(config.result(), QDialog::Rejected);
    EXPECT_EQ(config.PlayerCount, 4);
    EXPECT_EQ(config.CurrentPlayer, 1);
    EXPECT_EQ(config.Options.ddlb_vari_duplic, 1);
    EXPECT_EQ(StoredCount(config), QString());

    TFconfig again;
    again.SetupForGame(GameKindCode::Duplicate, nullptr);
    EXPECT_EQ(again.PlayerCount, 2);
}

TEST(ConfigDialog, EndOfGameButtonsAndNumberFields)
{
    TempSettings temp;
    TFconfig config;
    config.SetupForGame(GameKindCode::Pendu, nullptr);
    config.show();
    EXPECT_TRUE(config.ed_pendu_par1->isEnabled());
    EXPECT_FALSE(config.ed_pendu_par2->isEnabled());
    config.Rbtn_pendu_fin2->click();
    EXPECT_FALSE(config.ed_pendu_par1->isEnabled());
    EXPECT_TRUE(config.ed_pendu_par2->isEnabled());

    for (const QString &text : {QStringLiteral("abc"), QStringLiteral("0"), QStringLiteral("-4")}) {
        config.ed_pendu_par2->setText(text);
        emit config.ed_pendu_par2->editingFinished();
        EXPECT_EQ(config.ed_pendu_par2->text(), QStringLiteral("10")) << text.toStdString();
    }
    config.ed_pendu_par2->setText(QStringLiteral("75"));
    emit config.ed_pendu_par2->editingFinished();
    EXPECT_EQ(config.ed_pendu_par2->text(), QStringLiteral("75"));
    config.CB_pendu_essai->setCurrentIndex(0);
    QTest::mouseClick(config.OkButton, Qt::LeftButton);
    EXPECT_FALSE(config.Options.Rbtn_pendu_fin1);
    EXPECT_EQ(config.Options.ed_pendu_par2, QStringLiteral("75"));
    EXPECT_EQ(config.Options.PenduTries(), 7);

    TFconfig again;
    again.SetupForGame(GameKindCode::Pendu, nullptr);
    again.show();
    EXPECT_TRUE(again.Rbtn_pendu_fin2->isChecked());
    EXPECT_TRUE(again.ed_pendu_par2->isEnabled());
    EXPECT_EQ(again.ed_pendu_par2->text(), QStringLiteral("75"));
    EXPECT_EQ(again.CB_pendu_essai->currentText(), QStringLiteral("7"));
}

TEST(ConfigDialog, EachGameShowsThePlayersPageAndItsOwnPage)
{
    TempSettings temp;
    struct Expected {
        GameKindCode kind;
        const char *caption;
        const char *page;
    } const games[] = {
        {GameKindCode::Pendu, "Pendu", "PagePendu"},
        {GameKindCode::Avaleur, "Avaleur", "PageAvaleur"},
        {GameKindCode::Scrabble, "Scrabble libre", "PageScrabble"},
        {GameKindCode::Duplicate, "Scrabble duplicate", "PageDuplicate"},
        {GameKindCode::Cle, "KeyWord", "PageScrabble"},
        {GameKindCode::Wordy, "Wordy", "PageScrabble"},
        {GameKindCode::TopWord, "TopWord", "PageTopWord"},
        {GameKindCode::Philosophe, "Philosophe", "PagePhilo"},
    };
    for (const Expected &game : games) {
        const int kind = ToInt(game.kind);
        SCOPED_TRACE(game.caption);
        TFconfig config;
        config.SetupForGame(game.kind, nullptr);
        ASSERT_EQ(config.Pages->count(), 2);
        EXPECT_EQ(config.Pages->tabText(0), QStringLiteral("Joueurs"));
        EXPECT_EQ(config.Pages->tabText(1), QString::fromUtf8(game.caption));
        EXPECT_EQ(config.Pages->widget(1)->objectName(), QString::fromLatin1(game.page));
        EXPECT_EQ(config.PlayerCountList->count(), config.MostPlayers);
        EXPECT_EQ(config.PlayerCountList->isEnabled(), game.kind != GameKindCode::Avaleur);
        config.show();
        Screenshot(config, QStringLiteral("config_%1_joueurs").arg(kind));
        config.Pages->setCurrentIndex(1);
        Screenshot(config, QStringLiteral("config_%1_options").arg(kind));
        config.reject();
    }
}

TEST(ConfigDialog, SpeedBarCaptionFollowsItsValue)
{
    TempSettings temp;
    TFconfig config;
    config.SetupForGame(GameKindCode::Avaleur, nullptr);
    config.show();
    EXPECT_EQ(config.VitesseBox->title(), QStringLiteral("Vitesse : 50 %"));
    config.Vitesse_bar->setFocus();
    QTest::keyClick(config.Vitesse_bar, Qt::Key_PageUp);
    EXPECT_EQ(config.VitesseBox->title(), QStringLiteral("Vitesse : 55 %"));
    config.reject();
    EXPECT_EQ(config.Options.Vitesse_bar, 55);
    EXPECT_EQ(config.PlayerCount, 1);
}

TEST(ConfigDialog, EveryOptionPageIsOwnedByTheDialogAndOnlyTheGamesPageShows)
{
    TempSettings settings;
    QList<QPointer<QWidget>> pages;
    {
        TFconfig config;
        config.SetupForGame(GameKindCode::Scrabble, nullptr);
        pages = {config.PagePendu,     config.PageAvaleur, config.PageScrabble,
                 config.PageDuplicate, config.PageTopWord, config.PagePhilo};
        config.show();
        config.Pages->setCurrentIndex(1);
        QApplication::processEvents();
        for (const QPointer<QWidget> &page : pages) {
            ASSERT_FALSE(page.isNull());
            EXPECT_TRUE(config.isAncestorOf(page)) << page->objectName().toStdString();
            EXPECT_EQ(page->isVisible(), page == config.PageScrabble) << page->objectName().toStdString();
        }
        // Another game's page comes and goes without leaving the dialog.
        config.SetupForGame(GameKindCode::Pendu, nullptr);
        EXPECT_TRUE(config.isAncestorOf(config.PageScrabble));
        EXPECT_EQ(config.Pages->count(), 2);
    }
    for (const QPointer<QWidget> &page : pages)
        EXPECT_TRUE(page.isNull()) << "a page outlived its dialog";
}

TEST(ConfigDialog, TheCommonWordsBoxOfHangmanIsPhilosophesToo)
{
    TempSettings temp;
    TFconfig pendu;
    pendu.SetupForGame(GameKindCode::Pendu, nullptr);
    pendu.show();
    ASSERT_NE(pendu.CB_pendu_courants, nullptr);
    EXPECT_EQ(pendu.CB_pendu_courants->text(), QString::fromUtf8("Mots à trouver : mots courants"));
    EXPECT_TRUE(pendu.CB_pendu_courants->isChecked());
    pendu.CB_pendu_courants->setChecked(false);
    QTest::mouseClick(pendu.OkButton, Qt::LeftButton);
    EXPECT_FALSE(pendu.Options.commonWords);

    TFconfig philo;
    philo.SetupForGame(GameKindCode::Philosophe, nullptr);
    philo.show();
    EXPECT_FALSE(philo.CB_philo_courants->isChecked());
    philo.CB_philo_courants->setChecked(true);
    auto *tabs = philo.findChild<QTabWidget *>();
    ASSERT_NE(tabs, nullptr);
    tabs->setCurrentIndex(tabs->count() - 1);
    EXPECT_TRUE(philo.CB_philo_courants->isVisibleTo(&philo));
    Screenshot(philo, QStringLiteral("config_philo_common_words"));
    QTest::mouseClick(philo.OkButton, Qt::LeftButton);
    EXPECT_TRUE(philo.Options.commonWords);

    TFconfig back;
    back.SetupForGame(GameKindCode::Pendu, nullptr);
    EXPECT_TRUE(back.Options.commonWords);
}
