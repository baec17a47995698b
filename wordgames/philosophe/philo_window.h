// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFPhilo: the window of a Philosophe game, a Mastermind played with words
// on a 3D board. The rules and the flow are PhiloGame's; the window draws
// the board, shows the panels the game asks for, and turns keys, clicks and
// timer ticks into calls on the game.
#include <functional>
#include <memory>

#include "framework/game_window.h"
#include "wordgames/philosophe/philo_game.h"

class QAction;
class QMenu;
class TDictionnaire;
class TFconfig;
namespace scene3d {
class SceneView;
}

namespace philo {
class PhiloBoard;
}
namespace philo_ui {
class HistoryPanel;
class MarkPanel;
class ProposalsPanel;
class WordPanel;
} // namespace philo_ui

class TFPhilo : public TFLudorine {
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
    TFconfig &Config() const { return *config_; }
    // The settings dialog, modal; true for OK (tests answer it).
    std::function<bool(TFconfig &)> runConfiguration;

    // --- What the window shows.
    scene3d::SceneView *View = nullptr;
    philo_ui::WordPanel *JvChoix_mot = nullptr;
    philo_ui::MarkPanel *JvReponse = nullptr;
    philo_ui::ProposalsPanel *JvProp = nullptr;
    philo_ui::HistoryPanel *Jvhisto = nullptr;
    QMenu *Menu = nullptr;
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
    // A picture of the board as it stands (printing, exports, tests).
    QImage BoardPicture();

    // --- The seven operations of a game window.
    bool LoadGame(savefile::TypedReader &reader, const QString &fileName) override;
    void SaveGame(savefile::TypedWriter &writer) override;
    void ExportText(QTextStream &out) override;
    void ExportPicture(QIODevice &out, int kind) override;
    void ShowHelp() override;
    void PrintPage(int target, PageCanvas &canvas) override;
    void SetBusy(int state) override;
    QMenu *GameMenu() override { return Menu; }
    void FormClose() override;

protected:
    void Tick() override { TempoTimer(); }
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void BuildPanels();
    void BuildMenu();
    void ConnectGame();
    void OpenHiddenWords();
    void Redraw();
    void RefillHistory();
    void ShowPanelsOfState();
    void ViewPicked(const QString &name);
    void EnableProposals();
    // The window plays on after a key or a click: the clock advances and
    // the window takes the focus.
    void Input();
    bool HumanAtKeyboard() const;

    TFconfig *config_ = nullptr;
    std::unique_ptr<TDictionnaire> dictionary_;
    std::unique_ptr<TDictionnaire> hiddenWords_;
    QString dictionaryFile_;
    std::unique_ptr<philo::PhiloGame> game_;
    std::unique_ptr<philo::PhiloBoard> board_;
    bool glChecked_ = false;
};
