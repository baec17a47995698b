// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/letter_tables.h"
#include "framework/main_window_link.h"
#include "framework/page_canvas.h"
#include "framework/tick_driver.h"
#include "support/scripted_dialogs.h"
#include "support/test_game_window.h"

#include <gtest/gtest.h>
#include <QApplication>

namespace {
// Stands in for the main window: records the status texts and the save
// requests, and saves (clears Modified) only when told to.
class FakeMainWindow : public MainWindowLink {
public:
    FakeMainWindow() { SetMainForm(this); }
    ~FakeMainWindow() override { SetMainForm(nullptr); }
    void ShowStatus(const QString &text) override { status << text; }
    bool SaveGameWindow(TFLudorine *window) override
    {
        saved << window;
        if (saveSucceeds)
            window->Modified = false;
        return saveSucceeds;
    }
    void UpdateFileCommands() override { ++updates; }
    const LetterTables &Letters() const override { return tables; }
    QString DictionaryFile() const override { return QString(); }

    LetterTables tables = LetterTables::Build();
    QStringList status;
    QList<TFLudorine *> saved;
    bool saveSucceeds = false;
    int updates = 0;
};

struct Call {
    QString what;
    double a, b;
    QString text;
};

class RecordingCanvas : public PageCanvas {
public:
    void SetBrush(int, const QColor &c, BrushStyle s) override
    {
        calls.push_back({"brush", double(c.rgb()), double(int(s)), {}});
    }
    void SetPen(int, const QColor &c, double w, PenStyle s) override
    {
        calls.push_back({"pen", w, double(int(s)), c.name()});
    }
    void SetFont(int, const QString &f, const QColor &c, double pt, unsigned style) override
    {
        calls.push_back({"font", pt, double(style & FontBold), f + "/" + c.name()});
    }
    void DrawRect(int, double x1, double y1, double x2, double y2) override
    {
        calls.push_back({"rect", x2 - x1, y2 - y1, QString::number(x1) + "," + QString::number(y1)});
    }
    void DrawText(int, const QString &t, double x, double y, double, TextAlign a, double *, double *) override
    {
        calls.push_back({"text" + QString::number(int(a)), x, y, t});
    }
    std::vector<Call> calls;
};
} // namespace

TEST(GameWindow, StartsUnnamedUnmodifiedAndRunning)
{
    TFLudorine window;
    EXPECT_EQ(window.FileName, QStringLiteral("Sans nom"));
    EXPECT_EQ(window.Title, QStringLiteral("Oxa"));
    EXPECT_EQ(window.GameKind, GameKindCode::None);
    EXPECT_FALSE(window.Modified || window.Closing || window.GameOver || window.Paused);
}

TEST(GameWindow, CloseQueryOfAnUnmodifiedWindowAsksNothing)
{
    ScriptedDialogsScope dialogs;
    FakeMainWindow main;
    TestGameWindow window;
    bool canClose = false;
    window.FormCloseQuery(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_TRUE(dialogs->asked.empty());
    EXPECT_TRUE(window.Paused);
    EXPECT_EQ(main.status.last(), QStringLiteral("Fermeture de la fenêtre"));
}

TEST(GameWindow, CloseQuestionAnswers)
{
    ScriptedDialogsScope dialogs;
    FakeMainWindow main;
    TestGameWindow window;
    window.FileName = QStringLiteral("/tmp/partie.ldr");

    // The question is asked with the window paused, and Cancel gives back
    // the previous Paused state, whichever it was.
    bool pausedWhileAsked = false;
    dialogs->onAsk = [&](const ScriptedDialogs::Asked &) { pausedWhileAsked = window.Paused; };
    for (bool wasPaused : {false, true}) {
        window.Modified = true;
        window.Paused = wasPaused;
        dialogs->answers = {Answer::Cancel};
        bool canClose = true;
        window.FormCloseQuery(canClose);
        EXPECT_FALSE(canClose);
        EXPECT_TRUE(pausedWhileAsked);
        EXPECT_EQ(window.Paused, wasPaused);
        EXPECT_TRUE(window.Modified);
    }
    EXPECT_EQ(dialogs->asked.back().text, QStringLiteral("Sauvegarder le contenu de /tmp/partie.ldr ? "));
    EXPECT_EQ(dialogs->asked.back().title, QStringLiteral("Ludorine"));

    // Yes with a save that does not complete keeps the window open.
    window.Paused = false;
    dialogs->answers = {Answer::Yes};
    bool canClose = true;
    window.FormCloseQuery(canClose);
    EXPECT_FALSE(canClose);
    ASSERT_EQ(main.saved.size(), 1);
    EXPECT_EQ(main.saved.front(), &window);
    EXPECT_TRUE(window.Modified);
    EXPECT_FALSE(window.Paused);

    // Yes with a save that works closes.
    main.saveSucceeds = true;
    dialogs->answers = {Answer::Yes};
    window.FormCloseQuery(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_FALSE(window.Modified);

    // No closes without saving.
    window.Modified = true;
    dialogs->answers = {Answer::No};
    window.FormCloseQuery(canClose);
    EXPECT_TRUE(canClose);
    EXPECT_FALSE(window.Modified);
    EXPECT_EQ(main.saved.size(), 2);
    EXPECT_TRUE(dialogs->unexpected.isEmpty());
}

TEST(GameWindow, ClosingARefusingWindowKeepsItOpenAndClosingSetsTheFlags)
{
    ScriptedDialogsScope dialogs;
    FakeMainWindow main;
    TestGameWindow window;
    window.show();
    window.Modified = true;
    dialogs->answers = {Answer::Cancel};
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.Closing);

    dialogs->answers = {Answer::No};
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(window.Closing && window.Paused && window.GameOver);
}

TEST(GameWindow, TicksPassWhilePausedOrClosing)
{
    TestGameWindow window;
    window.StartTicks(50);
    ASSERT_NE(window.Ticks(), nullptr);
    EXPECT_TRUE(window.Ticks()->fire());
    window.Paused = true;
    EXPECT_FALSE(window.Ticks()->fire());
    window.Paused = false;
    window.Closing = true;
    EXPECT_FALSE(window.Ticks()->fire());
    EXPECT_EQ(window.ticks, 1);
}

TEST(GameWindow, PrintPageDrawsTheWhitePageTheTitleAndTheFooter)
{
    TestGameWindow window(QStringLiteral("Scrabble"));
    RecordingCanvas canvas;
    window.PrintPage(0, canvas);
    ASSERT_GE(canvas.calls.size(), 7u);
    const Call &page = canvas.calls[2];
    EXPECT_EQ(page.what, "rect");
    EXPECT_DOUBLE_EQ(page.a, 21.0);
    EXPECT_DOUBLE_EQ(page.b, 29.7);
    EXPECT_EQ(canvas.calls[1].a, 0.1); // pen width
    EXPECT_EQ(canvas.calls[1].b, double(int(PenStyle::Clear)));

    const Call &title = canvas.calls[5];
    EXPECT_EQ(title.what, "text" + QString::number(int(TextAlign::Center)));
    EXPECT_DOUBLE_EQ(title.a, 10.5);
    EXPECT_DOUBLE_EQ(title.b, 1.0);
    EXPECT_EQ(title.text, QStringLiteral("Scrabble"));
    EXPECT_EQ(canvas.calls[4].text, QStringLiteral("Times New Roman/#0000ff"));
    EXPECT_EQ(canvas.calls[4].a, 36);

    const Call &footer = canvas.calls.back();
    EXPECT_EQ(footer.what, "text" + QString::number(int(TextAlign::Left)));
    EXPECT_DOUBLE_EQ(footer.a, 2.0);
    EXPECT_DOUBLE_EQ(footer.b, 27.0);
    EXPECT_TRUE(footer.text.startsWith(QStringLiteral("Ludorine - "))) << footer.text.toStdString();
    EXPECT_EQ(footer.text, footer.text.trimmed());
}

TEST(GameWindow, SetBusyShowsTheBusyCursorAndStatusThenRestores)
{
    FakeMainWindow main;
    TestGameWindow window;
    window.SetBusy(1);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(main.status.last(), QStringLiteral("..."));
    window.SetBusy(1); // twice busy, once restored
    window.SetBusy(7); // neither
    EXPECT_EQ(main.status.size(), 2);
    window.SetBusy(0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(main.status.last(), QString());
}

TEST(GameWindow, ShowingAGameWindowUpdatesTheFileCommands)
{
    FakeMainWindow main;
    TestGameWindow window;
    window.show();
    EXPECT_GE(main.updates, 1);
}

TEST(LetterTables, FrenchTileSetAndLetterClasses)
{
    const LetterTables tables = LetterTables::Build();
    ASSERT_EQ(tables.LetterDistribution.size(), 100u);
    EXPECT_EQ(std::count(tables.LetterDistribution.begin(), tables.LetterDistribution.end(), 'E'), 15);
    EXPECT_EQ(std::count(tables.LetterDistribution.begin(), tables.LetterDistribution.end(), 'A'), 9);
    EXPECT_EQ(std::count(tables.LetterDistribution.begin(), tables.LetterDistribution.end(), 'Z'), 1);
    EXPECT_TRUE(std::is_sorted(tables.LetterDistribution.begin(), tables.LetterDistribution.end()));
    EXPECT_EQ(tables.Alphabet.size(), 26u);
    EXPECT_EQ(tables.Vowels.size() + tables.Consonants.size(), 27u);
    EXPECT_NE(tables.Vowels.find('Y'), std::string::npos);
    EXPECT_NE(tables.Consonants.find('Y'), std::string::npos);
}
