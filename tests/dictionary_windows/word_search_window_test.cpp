// SPDX-License-Identifier: GPL-3.0-or-later
// TFrech driven through its controls on a small dictionary.
#include "dico_window_fixture.h"
#include "dictionary/windows/word_search_window.h"
#include "framework/help_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

namespace {
class WordSearchWindow : public DicoWindowTest {
protected:
    void SetUp() override
    {
        DicoWindowTest::SetUp();
        window = std::make_unique<TFrech>(dicoPath);
        window->show();
    }

    // Types a criterion, picks a mode and clicks "Chercher".
    void SearchFor(const QString &typed, int mode = 0)
    {
        window->CB_mode_rech->setCurrentIndex(mode);
        window->E_critere->clear();
        TypeText(window->E_critere, typed);
        QTest::mouseClick(window->Btn_search, Qt::LeftButton);
    }

    QStringList Rows() const
    {
        QStringList rows;
        for (int row = 0; row < window->Grid->count(); ++row)
            rows << window->Grid->item(row)->text();
        return rows;
    }

    std::unique_ptr<TFrech> window;
};
} // namespace

TEST_F(WordSearchWindow, CriterionIsShownInCapitalsThenNormalised)
{
    TypeText(window->E_critere, QStringLiteral("ch?t"));
    EXPECT_EQ(window->E_critere->text(), QStringLiteral("CH?T"));
    QTest::keyClick(window->E_critere, Qt::Key_Return); // "Chercher" is the default button
    EXPECT_EQ(window->E_critere->text(), QStringLiteral("CH*T"));
    EXPECT_EQ(window->E_critere->selectedText(), QStringLiteral("CH*T"));
    EXPECT_EQ(Rows(), QStringList{"CHATS"});
    EXPECT_EQ(window->Label1->text(), QStringLiteral("1"));

    // A joker at the end lets the words of the criterion's length in; accents are jokers.
    SearchFor(QStringLiteral("ch?"));
    EXPECT_EQ(Rows(), (QStringList{"CHAT", "CHATS", "CHAUD", "CHIEN"}));
    SearchFor(QStringLiteral("été"));
    EXPECT_EQ(window->E_critere->text(), QStringLiteral("*T*"));
    EXPECT_EQ(Rows(), (QStringList{"ETE", "STAR"}));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(WordSearchWindow, TooManyJokersAndNoLetterAreRefusedAndClearTheList)
{
    SearchFor(QStringLiteral("ch"));
    EXPECT_TRUE(window->BitBt_copy->isEnabled());

    SearchFor(QStringLiteral("????"));
    EXPECT_EQ(Messages(), QStringList{"Pas plus de trois jokers SVP !"});
    EXPECT_EQ(window->E_critere->text(), QStringLiteral("****"));
    EXPECT_EQ(window->Grid->count(), 0);
    EXPECT_EQ(window->Label1->text(), QStringLiteral("0"));
    EXPECT_FALSE(window->BitBt_copy->isEnabled());

    SearchFor(QStringLiteral("???"));
    SearchFor(QString());
    EXPECT_EQ(Messages(), (QStringList{"Pas plus de trois jokers SVP !",
                                       "Il faudrait au moins une lettre significative !",
                                       "Il faudrait au moins une lettre significative !"}));
    EXPECT_EQ(dialogs->asked.back().title, QString()); // the program's title
}

TEST_F(WordSearchWindow, AnagramsAndComposedWords)
{
    SearchFor(QStringLiteral("tra"), 1);
    EXPECT_EQ(Rows(), (QStringList{"ART", "RAT", "TAR"}));
    SearchFor(QStringLiteral("sta?"), 2);
    EXPECT_EQ(Rows(), (QStringList{"ArTS", "STAr", "rATS", "ArT", "TAr", "rAT", "AS", "AT", "SA", "TA"}));
    EXPECT_EQ(window->Label1->text(), QStringLiteral("10"));

    // A single letter gives nothing in these two modes.
    for (int mode : {1, 2}) {
        SearchFor(QStringLiteral("a"), mode);
        EXPECT_EQ(window->Grid->count(), 0);
        EXPECT_EQ(window->Label1->text(), QStringLiteral("0"));
        EXPECT_FALSE(window->BitBt_copy->isEnabled());
    }
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(WordSearchWindow, CopyPutsTheWordsOnTheClipboardOnePerLine)
{
    EXPECT_FALSE(window->BitBt_copy->isEnabled());
    SearchFor(QStringLiteral("ch"));
    QTest::mouseClick(window->BitBt_copy, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("CHAT\r\nCHATS\r\nCHAUD\r\nCHIEN"));
}

TEST_F(WordSearchWindow, FirstModeEachTimeShownAndHelpTopic)
{
    window->CB_mode_rech->setCurrentIndex(2);
    window->hide();
    window->show();
    EXPECT_EQ(window->CB_mode_rech->currentIndex(), 0);
    EXPECT_EQ(window->CB_mode_rech->count(), 3);
    EXPECT_EQ(window->CB_mode_rech->itemText(2), QStringLiteral("Mots composés avec les lettres"));
    QTest::mouseClick(window->Btn_help, Qt::LeftButton);
    auto *help = qobject_cast<HelpWindow *>(QApplication::activeWindow());
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *candidate = qobject_cast<HelpWindow *>(top))
            help = candidate;
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->CurrentTopic(), QStringLiteral("Recherche.htm"));
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("Mots composés avec les lettres")));
    help->close();
}

TEST_F(WordSearchWindow, Screenshot)
{
    window->resize(520, 480);
    SearchFor(QStringLiteral("sta?"), 2);
    SaveScreenshot(*window, QStringLiteral("word_search"));
}
