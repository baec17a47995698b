// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFPhilo: the window of a Philosophe game, a Mastermind played with words
// on a 3D board. The rules and the flow are PhiloGame's; the window draws
// the board, shows the panels the game asks for, and turns keys, clicks and
// timer ticks into calls on the game.
#include <functional>
#include <memory>

#include "wordgames/common/word_game_window.h"
#include "wordgames/philosophe/philo_game.h"

class QAction;
class TFconfig;

namespace philo {
class PhiloBoard;
}
namespace philo_ui {
class HistoryPanel;
class MarkPanel;
class ProposalsPanel;
class WordPanel;
} // namespace philo_ui

class TFPhilo : public TFWordGame {
    Q_OBJECT
public:
    // dictionaryFile: the dictionary the window opens read only; empty for
    // the main window's.
    explicit TFPhilo(QWidget *parent = nullptr, const QString &dictionaryFile = QString());
    ~TFPhilo() override;

    static constexpr GameKindCode kGameKind = GameKindCode::Philosophe;
    // The caret blink period of the desktop.
    static int TickPeriod();

    philo::PhiloGame &Game() { return *game_; }

    // --- What the window shows.
    philo_ui::WordPanel *JvChoix_mot = nullptr;
    philo_ui::MarkPanel *JvReponse = nullptr;
    philo_ui::ProposalsPanel *JvProp = nullptr;
    philo_ui::HistoryPanel *Jvhisto = nullptr;
    QAction *MnouvellePartie = nullptr;
    QAction *Mhisto = nullptr;
    QAction *mprop = nullptr;

    // --- Commands.
    void NouvellePartie();
    void ToggleHistory(bool shown);
    void ProposerUnCoup();
    void Btn_motClick();
    void Btn_repClick();
    // One tick of the timer.
    void TempoTimer();
    QImage ScenePicture() override;

    // --- The seven operations of a game window.
    bool LoadGame(savefile::TypedReader &reader, const QString &fileName) override;
    void SaveGame(savefile::TypedWriter &writer) override;
    void ExportText(QTextStream &out) override;
    void ShowHelp() override;
    void PrintPage(int target, PageCanvas &canvas) override;
    void SetBusy(int state) override;
    void FormClose() override;

protected:
    void Tick() override { TempoTimer(); }
    void keyPressEvent(QKeyEvent *event) override;
    void HiddenWordsOpened() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void BuildPanels();
    void BuildMenu();
    void ConnectGame();
    void Redraw();
    void RefillHistory();
    void ShowPanelsOfState();
    void ViewPicked(const QString &name);
    void EnableProposals();
    // The window plays on after a key or a click: the clock advances and
    // the window takes the focus.
    void Input();
    bool HumanAtKeyboard() const;

    std::unique_ptr<philo::PhiloGame> game_;
    std::unique_ptr<philo::PhiloBoard> board_;
    bool glChecked_ = false;
};
