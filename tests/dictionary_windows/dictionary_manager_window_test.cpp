// SPDX-License-Identifier: GPL-3.0-or-later
// TTFDico driven through its pages with scripted answers.
#include "dico_window_fixture.h"
#include "dictionary/windows/dico_export_page.h"
#include "dictionary/windows/dico_import_page.h"
#include "dictionary/windows/dico_info_page.h"
#include "dictionary/windows/dico_maintenance_page.h"
#include "dictionary/windows/dico_session.h"
#include "dictionary/windows/dico_update_page.h"
#include "dictionary/windows/dictionary_manager_window.h"

#include <csignal>
#include <sys/resource.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using Words = std::vector<std::string>;

namespace {
const QString kCannotWrite = QStringLiteral("Impossible d'ouvrir le dictionnaire en écriture !");

class DictionaryManager : public DicoWindowTest {
protected:
    void SetUp() override
    {
        DicoWindowTest::SetUp();
        window = std::make_unique<TTFDico>(dicoPath);
        window->show();
    }

    DicoUpdatePage &Update() const { return *window->UpdatePage; }
    DicoExportPage &Export() const { return *window->ExportPage; }
    DicoImportPage &Import() const { return *window->ImportPage; }

    void Type(const QString &text)
    {
        Update().Edit1->clear();
        TypeText(Update().Edit1, text);
    }
    void AddByHand(const QString &word, Answer answer)
    {
        Update().RB_add->click();
        Type(word);
        dialogs->answers.push_back(answer);
        QTest::mouseClick(Update().Btn_add, Qt::LeftButton);
    }
    void RemoveByHand(const QString &word, Answer answer)
    {
        Update().RB_remove->click();
        Type(word);
        dialogs->answers.push_back(answer);
        Update().RemoveWord(); // also when the button is off, to meet the refusal
    }

    // The rows under one branch of the "Info" tree after showing the page.
    QStringList InfoRows(const QString &branch, int column = 0)
    {
        window->PageControl->setCurrentWidget(window->InfoPage);
        QStringList rows;
        QTreeWidget *tree = window->InfoPage->Tree;
        for (int top = 0; top < tree->topLevelItemCount(); ++top)
            if (tree->topLevelItem(top)->text(0) == branch)
                for (int child = 0; child < tree->topLevelItem(top)->childCount(); ++child)
                    rows << tree->topLevelItem(top)->child(child)->text(column);
        window->PageControl->setCurrentWidget(window->UpdatePage);
        return rows;
    }

    // Sets the import file and prepares the list.
    void Prepare(const QString &path)
    {
        Import().Ed_fich_imp->setText(path);
        ASSERT_TRUE(Import().Btn_prepare->isEnabled());
        QTest::mouseClick(Import().Btn_prepare, Qt::LeftButton);
    }

    std::unique_ptr<TTFDico> window;
};
} // namespace

TEST_F(DictionaryManager, PagesAndTheHiddenMaintenancePage)
{
    QTabWidget *pages = window->PageControl;
    EXPECT_EQ(pages->currentWidget(), window->UpdatePage);
    QStringList visible;
    for (int i = 0; i < pages->count(); ++i)
        if (pages->isTabVisible(i))
            visible << pages->tabText(i);
    EXPECT_EQ(visible, (QStringList{"Mise à jour", "Exports", "Import", "Info"}));
    EXPECT_FALSE(pages->isTabVisible(pages->indexOf(window->MaintenancePage)));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Dictionnaire"));
}

TEST_F(DictionaryManager, WordFieldFoldsAccentsAndButtonsFollowTheMode)
{
    Type(QStringLiteral("Élève"));
    EXPECT_EQ(Update().Edit1->text(), QStringLiteral("ELEVE"));
    Type(QStringLiteral("Côte"));
    EXPECT_EQ(Update().Edit1->text(), QStringLiteral("CTE"));
    Type(QStringLiteral("l'été 2"));
    EXPECT_EQ(Update().Edit1->text(), QStringLiteral("LETE"));

    Type(QStringLiteral("z"));
    EXPECT_TRUE(Update().Btn_add->isVisible());
    EXPECT_FALSE(Update().Btn_remove->isVisible());
    EXPECT_FALSE(Update().Btn_add->isEnabled());
    Type(QStringLiteral("zu"));
    EXPECT_TRUE(Update().Btn_add->isEnabled());

    Update().RB_remove->click();
    EXPECT_FALSE(Update().Btn_add->isVisible());
    EXPECT_TRUE(Update().Btn_remove->isVisible());
    EXPECT_FALSE(Update().Btn_remove->isEnabled()); // ZU is no word
    Type(QStringLiteral("chat"));
    EXPECT_TRUE(Update().Btn_remove->isEnabled());
}

TEST_F(DictionaryManager, AddingAsksFirstAndMarksTheWordAsTheUsers)
{
    // A reader opened before the change, as a game window's would be.
    const auto gameReader = Open('R');
    AddByHand(QStringLiteral("zou"), Answer::No);
    EXPECT_FALSE(Contains("ZOU"));
    AddByHand(QStringLiteral("zou"), Answer::Yes);
    EXPECT_TRUE(gameReader->Contains("ZOU"));
    EXPECT_EQ(UserWords(), Words{"ZOU"});
    ASSERT_EQ(dialogs->asked.size(), 2u);
    EXPECT_EQ(dialogs->asked[0].text, QStringLiteral("Confirmez-vous l'ajout de « ZOU » ?"));
    EXPECT_EQ(dialogs->asked[0].title, QStringLiteral("Dictionnaire"));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(DictionaryManager, AddingRefusesBadLengthsAndKnownWords)
{
    AddByHand(QStringLiteral("chat"), Answer::Yes);
    Update().Edit1->setText(QString(31, QLatin1Char('Z')));
    QTest::mouseClick(Update().Btn_add, Qt::LeftButton);
    Update().Edit1->setText(QStringLiteral("Z"));
    EXPECT_FALSE(Update().Btn_add->isEnabled());
    Update().AddWord(); // Enter cannot reach it either; the command refuses on its own
    EXPECT_EQ(Messages(), (QStringList{"Le mot CHAT existe déjà !", "Longueur du mot incorrecte !",
                                       "Longueur du mot incorrecte !"}));
    EXPECT_TRUE(Questions().isEmpty());
    EXPECT_TRUE(UserWords().empty());

    // Thirty letters is the longest word accepted.
    AddByHand(QString(30, QLatin1Char('Z')), Answer::Yes);
    EXPECT_TRUE(Contains(std::string(30, 'Z')));
}

TEST_F(DictionaryManager, DeletingAsksFirstAndRefusesUnknownWords)
{
    RemoveByHand(QStringLiteral("chat"), Answer::No);
    EXPECT_TRUE(Contains("CHAT"));
    RemoveByHand(QStringLiteral("chat"), Answer::Yes);
    EXPECT_FALSE(Contains("CHAT"));
    EXPECT_TRUE(Contains("CHATS"));
    EXPECT_EQ(Questions(), (QStringList{"Confirmez-vous la suppression de « CHAT » ?",
                                        "Confirmez-vous la suppression de « CHAT » ?"}));
    // The field is looked at again: CHAT is gone, so "Supprimer" is off.
    EXPECT_FALSE(Update().Btn_remove->isEnabled());

    dialogs->answers.clear();
    Update().RemoveWord();
    EXPECT_EQ(Messages(), QStringList{"Le mot CHAT n'existe pas !"});
}

TEST_F(DictionaryManager, ADictionaryThatCannotBeWrittenChangesNothing)
{
    // The file has gone since the window opened: it must not be re-created empty.
    ASSERT_TRUE(QFile::remove(dicoPath));
    AddByHand(QStringLiteral("zou"), Answer::Yes);
    RemoveByHand(QStringLiteral("chat"), Answer::Yes);
    EXPECT_EQ(Messages(), (QStringList{kCannotWrite, kCannotWrite}));
    EXPECT_FALSE(QFile::exists(dicoPath));

    const QString words = Write(QStringLiteral("mots.txt"), "zou");
    Import().Ed_fich_imp->setText(words);
    Import().lb_imp->addItem(QStringLiteral("ZOU")); // as if prepared before the file went
    Import().lb_imp->item(0)->setCheckState(Qt::Checked);
    Import().Import();
    window->MaintenancePage->ValidateUserWords();
    EXPECT_EQ(Messages(), (QStringList{kCannotWrite, kCannotWrite, kCannotWrite, kCannotWrite}));
    EXPECT_TRUE(Questions().isEmpty());
    EXPECT_FALSE(QFile::exists(dicoPath));
}

TEST_F(DictionaryManager, ExportNeedsANameAndABoxThenWritesTheChosenWords)
{
    AddByHand(QStringLiteral("zou"), Answer::Yes);
    AddByHand(QStringLiteral("bidule"), Answer::Yes);
    window->PageControl->setCurrentWidget(window->ExportPage);
    EXPECT_FALSE(Export().CB_origin->isChecked());
    EXPECT_TRUE(Export().CB_user->isChecked());
    EXPECT_FALSE(Export().Btn_run->isEnabled()); // no file name
    Export().Ed_fich->setText(QStringLiteral("a"));
    EXPECT_FALSE(Export().Btn_run->isEnabled());
    const QString target = Path(QStringLiteral("ajouts.txt"));
    Export().Ed_fich->setText(target);
    EXPECT_TRUE(Export().Btn_run->isEnabled());
    Export().CB_user->setChecked(false);
    EXPECT_FALSE(Export().Btn_run->isEnabled());
    Export().CB_user->setChecked(true);

    QTest::mouseClick(Export().Btn_run, Qt::LeftButton);
    EXPECT_EQ(Read(target), QByteArray("ZOU\r\nBIDULE\r\n")); // in the order of the file
    EXPECT_EQ(Messages().last(), QStringLiteral("2 mots exportés dans le fichier %1.").arg(target));

    // An existing file is replaced only after a Yes.
    Export().CB_origin->setChecked(true);
    dialogs->answers.push_back(Answer::No);
    Export().Btn_run->click();
    EXPECT_EQ(Read(target), QByteArray("ZOU\r\nBIDULE\r\n"));
    dialogs->answers.push_back(Answer::Yes);
    Export().Btn_run->click();
    EXPECT_EQ(Read(target).count('\n'), 18);
    EXPECT_EQ(Questions().mid(2),
              (QStringList{"Ecraser le fichier existant ?", "Ecraser le fichier existant ?"}));
}

TEST_F(DictionaryManager, ExportFailuresAreReportedAndNeverTouchTheDictionary)
{
    window->PageControl->setCurrentWidget(window->ExportPage);
    const QString nowhere = Path(QStringLiteral("no/such/folder/mots.txt"));
    Export().Ed_fich->setText(nowhere);
    Export().Btn_run->click();
    EXPECT_EQ(
        Messages(),
        QStringList{
            QStringLiteral("Impossible d'écrire sur le ficher %1. Procédure abandonnée.").arg(nowhere)});

    // The dictionary itself as the target: refused before any question.
    const QByteArray before = Read(dicoPath);
    Export().Ed_fich->setText(dicoPath);
    Export().Btn_run->click();
    EXPECT_EQ(Messages().size(), 2);
    EXPECT_TRUE(Questions().isEmpty());
    EXPECT_EQ(Read(dicoPath), before);
}

TEST_F(DictionaryManager, BrowsingGivesFullPathsWithTheTextExtension)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    dialogs->fileNames = {Path(QStringLiteral("liste")), Path(QStringLiteral("mots.lst"))};
    Export().Btn_browse->click();
    EXPECT_EQ(Export().Ed_fich->text(), Path(QStringLiteral("liste.txt")));
    Import().Btn_browse->click();
    EXPECT_EQ(Import().Ed_fich_imp->text(), Path(QStringLiteral("mots.lst")));
    EXPECT_EQ(dialogs->asked[0].text,
              QStringLiteral("Fichiers texte (*.txt)|*.TXT|Tous les fichiers (*.*)|*.*"));

    // Leaving a field turns a name typed alone into a full path.
    window->PageControl->setCurrentWidget(window->ExportPage);
    Export().Ed_fich->setFocus();
    Export().Ed_fich->setText(QStringLiteral("court.txt"));
    emit Export().Ed_fich->editingFinished();
    EXPECT_EQ(Export().Ed_fich->text(), Path(QStringLiteral("court.txt")));
    QDir::setCurrent(previous);
}

TEST_F(DictionaryManager, ImportPreparesNewWordsOnceAndAddsTheTickedOnes)
{
    EXPECT_FALSE(Import().Btn_prepare->isEnabled());
    Import().Ed_fich_imp->setText(Path(QStringLiteral("absent.txt")));
    EXPECT_FALSE(Import().Btn_prepare->isEnabled());

    Prepare(Write(QStringLiteral("mots.txt"), "chat, chien; chat\r\nzou bidule, truc"));
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(Import().ListedWords(), (QStringList{"ZOU", "BIDULE", "TRUC"})); // CHAT and CHIEN are known
    EXPECT_TRUE(Import().Btn_import->isEnabled());

    EXPECT_EQ(Import().Lbl_count->text(), QStringLiteral("3 mots, 3 cochés"));
    Import().lb_imp->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(Import().Lbl_count->text(), QStringLiteral("3 mots, 2 cochés"));
    dialogs->answers = {Answer::No, Answer::Yes};
    Import().Btn_import->click();
    EXPECT_FALSE(Contains("ZOU"));
    Import().Btn_import->click();
    EXPECT_EQ(Questions(),
              (QStringList{"Confirmez-vous l'ajout de 2 mots ?", "Confirmez-vous l'ajout de 2 mots ?"}));
    EXPECT_EQ(dialogs->asked.back().title, QStringLiteral("Dictionnaire"));
    EXPECT_EQ(UserWords(), (Words{"TRUC", "ZOU"}));
    // The added words leave the list; the unticked one stays for later.
    EXPECT_EQ(Import().ListedWords(), QStringList{"BIDULE"});

    // Changing the file name empties the list.
    Import().Ed_fich_imp->setText(Path(QStringLiteral("mots.txt ")));
    EXPECT_EQ(Import().lb_imp->count(), 0);
    EXPECT_FALSE(Import().Btn_import->isEnabled());
}

TEST_F(DictionaryManager, ImportOfWordsTheDictionaryLacksAddsEachOnce)
{
    // A dictionary that never held them (a word deleted and added again
    // keeps the marks of its nodes).
    dicoPath = Path(QStringLiteral("autre.ox"));
    Open('W')->AddWord("ZOO", false);
    window = std::make_unique<TTFDico>(dicoPath);
    window->show();
    Prepare(Write(QStringLiteral("mots.txt"), "chat, chien; chat"));
    EXPECT_EQ(Import().ListedWords(), (QStringList{"CHAT", "CHIEN"}));
    dialogs->answers.push_back(Answer::Yes);
    Import().Btn_import->click();
    EXPECT_EQ(UserWords(), (Words{"CHAT", "CHIEN"}));
    const QString all = Path(QStringLiteral("tout.txt"));
    ASSERT_TRUE(Open('R')->ExportWords(QFile::encodeName(all).toStdString(), true, true));
    EXPECT_EQ(Read(all), QByteArray("ZOO\r\nCHAT\r\nCHIEN\r\n"));
}

TEST_F(DictionaryManager, ImportCanBeStoppedBetweenTwoWords)
{
    QByteArray text;
    for (int i = 0; i < 200; ++i)
        text += "zq" +
                QByteArray::number(i)
                    .replace('0', 'a')
                    .replace('1', 'b')
                    .replace('2', 'c')
                    .replace('3', 'd')
                    .replace('4', 'e')
                    .replace('5', 'f')
                    .replace('6', 'g')
                    .replace('7', 'h')
                    .replace('8', 'i')
                    .replace('9', 'j') +
                "\n";
    Prepare(Write(QStringLiteral("mots.txt"), text));
    ASSERT_EQ(Import().lb_imp->count(), 200);
    dialogs->answers.push_back(Answer::Yes);
    // "Arrêter" is pressed as soon as the progress dialog handles events.
    QTimer::singleShot(0, window.get(), [this] {
        if (auto *progress = window->findChild<QProgressDialog *>())
            progress->cancel();
    });
    Import().Btn_import->click();
    const std::size_t added = UserWords().size();
    EXPECT_GE(added, 1u);
    EXPECT_LT(added, 200u);
    EXPECT_EQ(Import().lb_imp->count(), int(200 - added));
    EXPECT_EQ(Messages().last(), QStringLiteral("%1 mots ajoutés sur 200.").arg(added));
}

TEST_F(DictionaryManager, ImportOfFilesThatAreNotWordListsNeverFails)
{
    // Binary bytes, a very long line, an empty file: only words of 2-30 letters.
    QByteArray binary;
    for (int i = 0; i < 100000; ++i)
        binary += char((i * 7919 + i / 13) & 0xFF);
    Prepare(Write(QStringLiteral("binaire.bin"), binary));
    for (const QString &word : Import().ListedWords())
        EXPECT_TRUE(word.size() >= 2 && word.size() <= 30 && word == word.toUpper()) << word.toStdString();

    Prepare(Write(QStringLiteral("long.txt"), QByteArray(3 << 20, 'x') + " zou"));
    EXPECT_EQ(Import().ListedWords(), QStringList{"ZOU"});

    Prepare(Write(QStringLiteral("vide.txt"), QByteArray()));
    EXPECT_EQ(Import().lb_imp->count(), 0);
    EXPECT_FALSE(Import().Btn_import->isEnabled());
    EXPECT_TRUE(Messages().last().contains(QStringLiteral("aucun mot nouveau")));

    // A file that goes away before the preparation.
    const QString gone = Write(QStringLiteral("parti.txt"), "zou");
    Import().Ed_fich_imp->setText(gone);
    QFile::remove(gone);
    Import().Prepare();
    EXPECT_EQ(Messages().last(), QStringLiteral("Impossible de lire le fichier %1.").arg(gone));
}

TEST_F(DictionaryManager, AnImportThatCannotBeWrittenLeavesTheDictionaryAndSaysWhy)
{
    QByteArray text;
    for (int i = 0; i < 100; ++i)
        text += "zq" + QByteArray(1, char('a' + i % 26)) + QByteArray(1, char('a' + i / 26)) + "\n";
    Prepare(Write(QStringLiteral("mots.txt"), text));
    ASSERT_EQ(Import().lb_imp->count(), 100);
    const QByteArray before = Read(dicoPath);
    dialogs->answers.push_back(Answer::Yes);
    {
        // No file of this process may grow past the dictionary's size, as on
        // a full disk; the write fails (EFBIG) instead of the signal killing us.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto previous = signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(before.size()), saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        Import().Btn_import->click();
        setrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, previous);
    }
    EXPECT_EQ(Read(dicoPath), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), (QStringList{"mots.txt", "test.ox"}));
    ASSERT_FALSE(Messages().isEmpty());
    EXPECT_EQ(Messages().last(),
              QStringLiteral("Le dictionnaire n'a pas pu être modifié : le fichier dépasserait "
                             "la taille permise.\nIl est resté tel qu'il était."));
    // Nothing was added: every word is still there to try again.
    EXPECT_EQ(Import().lb_imp->count(), 100);
    EXPECT_TRUE(UserWords().empty());
    dialogs->answers.push_back(Answer::Yes);
    Import().Btn_import->click();
    EXPECT_EQ(UserWords().size(), 100u);
    EXPECT_EQ(Import().lb_imp->count(), 0);
}

TEST_F(DictionaryManager, ADamagedDictionaryIsRefusedAndAnotherOneChosen)
{
    const QString damaged = Write(QStringLiteral("abime.ox"), Read(dicoPath).left(7));
    dialogs->fileNames = {dicoPath};
    window = std::make_unique<TTFDico>(damaged);
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_TRUE(Messages()[0].contains(QStringLiteral("n'est pas un dictionnaire utilisable")));
    EXPECT_TRUE(Messages()[0].contains(QStringLiteral("tronqué")));
    EXPECT_TRUE(window->Usable());
    EXPECT_EQ(window->DictionaryFile(), dicoPath);
    EXPECT_TRUE(window->Session().Contains(QStringLiteral("CHAT")));

    // Giving up leaves a window that does nothing and closes at once.
    dialogs->fileNames = {QString()};
    window = std::make_unique<TTFDico>(damaged);
    EXPECT_FALSE(window->Usable());
    EXPECT_FALSE(window->PageControl->isEnabled());
    EXPECT_EQ(window->exec(), int(QDialog::Rejected));
}

TEST_F(DictionaryManager, InfoFollowsAdditionsAndDeletionsAtTheNextVisit)
{
    EXPECT_EQ(InfoRows(QStringLiteral("Général")), (QStringList{"Fichier : ", "Nombre de mots"}));
    EXPECT_EQ(InfoRows(QStringLiteral("Général"), 1), (QStringList{dicoPath, "16"}));
    EXPECT_EQ(InfoRows(QStringLiteral("Répartition des lettres")).size(), 26);
    EXPECT_EQ(InfoRows(QStringLiteral("Répartition des lettres"), 1).at(1), QStringLiteral("0   (0%)")); // B
    EXPECT_EQ(InfoRows(QStringLiteral("Longueurs des mots")), (QStringList{"2", "3", "4", "5"}));
    EXPECT_TRUE(InfoRows(QStringLiteral("Perso")).isEmpty());

    AddByHand(QStringLiteral("zou"), Answer::Yes);
    EXPECT_EQ(InfoRows(QStringLiteral("Perso")), QStringList{"ZOU"});
    EXPECT_EQ(InfoRows(QStringLiteral("Général"), 1).last(), QStringLiteral("17"));

    RemoveByHand(QStringLiteral("zou"), Answer::Yes);
    RemoveByHand(QStringLiteral("chat"), Answer::Yes);
    EXPECT_TRUE(InfoRows(QStringLiteral("Perso")).isEmpty());
    EXPECT_EQ(InfoRows(QStringLiteral("Général"), 1).last(), QStringLiteral("15"));

    // The maintenance command makes the additions words of the dictionary.
    AddByHand(QStringLiteral("zou"), Answer::Yes);
    EXPECT_EQ(InfoRows(QStringLiteral("Perso")), QStringList{"ZOU"});
    window->MaintenancePage->Btn_validate->click();
    EXPECT_TRUE(InfoRows(QStringLiteral("Perso")).isEmpty());
    EXPECT_TRUE(Contains("ZOU"));
}

TEST_F(DictionaryManager, Screenshots)
{
    AddByHand(QStringLiteral("zou"), Answer::Yes);
    Type(QStringLiteral("Élève"));
    SaveScreenshot(*window, QStringLiteral("dictionary_update"));
    window->PageControl->setCurrentWidget(window->ExportPage);
    Export().Ed_fich->setText(Path(QStringLiteral("ajouts.txt")));
    SaveScreenshot(*window, QStringLiteral("dictionary_export"));
    window->PageControl->setCurrentWidget(window->ImportPage);
    Prepare(Write(QStringLiteral("mots.txt"), "Le zèbre et le zébu broutent près du marigot ; zou !"));
    SaveScreenshot(*window, QStringLiteral("dictionary_import"));
    window->PageControl->setCurrentWidget(window->InfoPage);
    window->InfoPage->Tree->expandAll();
    SaveScreenshot(*window, QStringLiteral("dictionary_info"));
}
