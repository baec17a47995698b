// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFPendu: the window of a Hangman game on a 3D card table. The rules, the
// actions and the table model are PenduGame's; the window draws the table,
// shows the panels the game asks for, and turns keys, clicks and its 50 ms
// tick into calls on the game.
#include <functional>
#include <memory>

#include "wordgames/common/word_game_window.h"
#include "wordgames/hangman/pendu_game.h"

class QAction;
class QElapsedTimer;
class TFconfig;
namespace pendu {
class PenduScene;
}
namespace pendu_ui {
class AnswerPanel;
class HistoryPanel;
class WordPanel;
} // namespace pendu_ui

class TFPendu : public TFWordGame {
    Q_OBJECT
public:
    explicit TFPendu(QWidget *parent = nullptr, const QString &dictionaryFile = QString());
    ~TFPendu() override;

    static constexpr GameKindCode kGameKind = GameKindCode::Pendu;
    static constexpr int kTickMs = 50;

    pendu::PenduGame &Game() { return *game_; }
    pendu::PenduScene &Scene() { return *scene_; }
    // Milliseconds since the window was created (tests give their own).
    std::function<qint64()> clock;

    pendu_ui::WordPanel *P_masque = nullptr;
    pendu_ui::AnswerPanel *P_rep = nullptr;
    pendu_ui::HistoryPanel *JvHisto = nullptr;
    QAction *essai2 = nullptr;
    QAction *MHisto = nullptr;
    QAction *etat1 = nullptr;

    void NouvellePartie();
    void ProposerUnCoup();
    void B_validerClick();
    void b_reponseClick();
    void Tempo();
    QImage ScenePicture() override;
    // Window activation and deactivation: a deactivated window pauses and
    // its tick stops. Tests that share a display with others turn the
    // following of the activation off and call Activated themselves.
    void Activated(bool active);
    bool followActivation = true;

    bool LoadGame(savefile::TypedReader &reader, const QString &fileName) override;
    void SaveGame(savefile::TypedWriter &writer) override;
    void ExportText(QTextStream &out) override;
    void ShowHelp() override;
    void PrintPage(int target, PageCanvas &canvas) override;
    void FormClose() override;

protected:
    void Tick() override { Tempo(); }
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void HiddenWordsOpened() override;

private:
    void BuildPanels();
    void BuildMenu();
    void ConnectGame();
    void Redraw();
    void RefillHistory();
    void ShowScores(bool shown);
    void ShowPanelsOfActions();
    void ViewPicked(const QString &name);
    void SetPaused(bool paused);
    void EnableProposals();
    bool PanelShown() const;

    std::unique_ptr<pendu::PenduGame> game_;
    std::unique_ptr<pendu::PenduScene> scene_;
    std::unique_ptr<QElapsedTimer> elapsed_;
    bool subWindowWatched_ = false;
};
