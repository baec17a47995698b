// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window on a temporary settings store with a dictionary file next
// to "the program", as after a normal start; shared by the main window tests.
#include "app/main_form.h"
#include "support/scripted_dialogs.h"
#include "support/temp_settings.h"
#include "support/test_game_window.h"

#include <gtest/gtest.h>
#include <memory>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PrepareDictionary(settings.Path(QStringLiteral("LDico.ox")));
        TMainForm::Environment environment;
        environment.dictionaryFolders = {settings.Path(QString())};
        environment.programPath = settings.Path(QStringLiteral("ludorine"));
        form = std::make_unique<TMainForm>(environment);
        ASSERT_TRUE(form->Initialize());
        form->ShowAfterSplash();
    }

    // The dictionary file "next to the program": the one word AB (the
    // smallest file the start-up check accepts) unless a test needs others.
    virtual void PrepareDictionary(const QString &path)
    {
        QFile dico(path);
        dico.open(QIODevice::WriteOnly);
        dico.write(QByteArray("\x41\x01\0\0\0\xC2\0\0\0\0", 10));
    }

    TestGameWindow *Open(const QString &title, bool withMenu = false)
    {
        auto *window = new TestGameWindow(title, withMenu);
        form->AddGameWindow(window);
        return window;
    }

    // Closes a game window through its frame, as the user does, and lets the
    // deferred deletion happen.
    void CloseWindow(TFLudorine *window)
    {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
            sub->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QMdiArea *Area() const { return qobject_cast<QMdiArea *>(form->centralWidget()); }

    QStringList MenuTitles() const
    {
        QStringList titles;
        for (QAction *action : form->menuBar()->actions())
            if (action->isVisible())
                titles << action->text();
        return titles;
    }

    TempSettings settings;
    ScriptedDialogsScope dialogs;
    std::unique_ptr<TMainForm> form;
};
