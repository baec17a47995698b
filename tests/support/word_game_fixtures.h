// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window tests of the word-guessing games share: a saved game read
// into a new window, and the main window on the generated dictionary for the
// saved games of the fixtures (skipped on a display without OpenGL).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <QFile>
#include <sstream>

#include "framework/game_file.h"
#include "framework/savefile/typed_stream.h"
#include "support/main_form_fixture.h"
#include "wordgames/scene3d/scene_view.h"

namespace word_game_test {

// The window's saved game read into a window `make` gives.
template <typename Window>
std::unique_ptr<Window> Reopened(Window &window, const std::function<std::unique_ptr<Window>()> &make)
{
    const QByteArray bytes = SavedGameBytes(window, QDateTime(QDate(2026, 12, 11), QTime(9, 0, 0)));
    std::unique_ptr<Window> back = make();
    back->StopTicks();
    std::istringstream in(bytes.toStdString());
    savefile::TypedReader reader(in);
    EXPECT_EQ(ReadSavedGameKind(reader), window.GameKind);
    EXPECT_TRUE(back->LoadGame(reader, QStringLiteral("/tmp/reopened.Ldr")));
    back->StopTicks();
    return back;
}

// The main window with `dictionary` beside it, for the saved games of the
// fixtures; its tests skip without OpenGL.
class WordGameFixturesTest : public MainFormTest {
protected:
    explicit WordGameFixturesTest(QString dictionary) : dictionary_(std::move(dictionary)) {}

    void SetUp() override
    {
        if (!scene3d::OpenGLAvailable())
            GTEST_SKIP() << "no OpenGL on this display";
        MainFormTest::SetUp();
    }

    void PrepareDictionary(const QString &path) override { ASSERT_TRUE(QFile::copy(dictionary_, path)); }

    // The saved game opened through the main window, its ticks stopped.
    template <typename Window> Window *Open(const QString &file)
    {
        EXPECT_TRUE(form->OpenGameFile(file)) << file.toStdString();
        auto *window = qobject_cast<Window *>(form->ActiveGameWindow());
        if (window)
            window->StopTicks();
        return window;
    }

private:
    QString dictionary_;
};

} // namespace word_game_test
