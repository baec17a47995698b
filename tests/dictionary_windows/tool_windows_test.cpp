// SPDX-License-Identifier: GPL-3.0-or-later
// The "Outils" menu entries open the two tools modal above the main window,
// on the main window's dictionary file.
#include "app/main_form.h"
#include "dictionary/dictionnaire.h"
#include "dictionary/windows/dico_session.h"
#include "dictionary/windows/dictionary_manager_window.h"
#include "dictionary/windows/word_search_window.h"
#include "support/main_form_fixture.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QTimer>

namespace {
class ToolWindows : public MainFormTest {
protected:
    void PrepareDictionary(const QString &path) override
    {
        TDictionnaire::Create(QFile::encodeName(path).toStdString(), 'W')->AddWord("CHAT", false);
    }

    // Triggers a menu entry and returns what was open modally, closed at once.
    template <typename Tool> Tool *OpenedBy(const char *action)
    {
        Tool *seen = nullptr;
        QTimer::singleShot(0, form.get(), [&] {
            seen = qobject_cast<Tool *>(QApplication::activeModalWidget());
            EXPECT_NE(seen, nullptr);
            if (seen) {
                EXPECT_EQ(seen->parentWidget(), form.get());
                EXPECT_TRUE(seen->isModal());
                checkOpen(seen);
                seen->reject();
            }
        });
        form->Action(QString::fromLatin1(action))->trigger();
        return seen;
    }

    std::function<void(QWidget *)> checkOpen = [](QWidget *) {};
};
} // namespace

TEST_F(ToolWindows, MenuEntriesOpenTheToolsOnTheProgramsDictionary)
{
    checkOpen = [](QWidget *tool) { EXPECT_EQ(tool->windowTitle(), QStringLiteral("Recherche de mots")); };
    EXPECT_NE(OpenedBy<TFrech>("Recherche"), nullptr);
    checkOpen = [this](QWidget *tool) {
        auto *manager = static_cast<TTFDico *>(tool);
        EXPECT_EQ(manager->Session().FileName, form->DictionaryFile());
        EXPECT_TRUE(manager->Session().Contains(QStringLiteral("CHAT")));
    };
    EXPECT_NE(OpenedBy<TTFDico>("Dictionnaire1"), nullptr);
    EXPECT_TRUE(dialogs->asked.empty());
}

TEST_F(ToolWindows, ADictionaryChosenInTheManagerBecomesTheProgramsDictionary)
{
    // The program's dictionary is damaged after start-up; the manager refuses
    // it and the user picks a sound one, which the next games use.
    const QString chosen = settings.Path(QStringLiteral("autre.ox"));
    TDictionnaire::Create(QFile::encodeName(chosen).toStdString(), 'W')->AddWord("CHIEN", false);
    {
        QFile damaged(form->DictionaryFile());
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("pas un dictionnaire");
    }
    dialogs->fileNames = {chosen};
    checkOpen = [](QWidget *) {};
    EXPECT_NE(OpenedBy<TTFDico>("Dictionnaire1"), nullptr);
    EXPECT_EQ(form->DictionaryFile(), chosen);
    EXPECT_EQ(dialogs->Texts(QStringLiteral("message")).size(), 1);
}
