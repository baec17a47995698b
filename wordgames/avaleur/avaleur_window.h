// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFAvaleur: the window of the maze game. The rules are AvaleurGame's and
// the pictures AvaleurScene's; the window copies the pictures to its paint
// box, turns the arrow keys and the space bar into the eater's requests,
// drives the game with its timer and holds the menu, the word history and
// the speed panel.
#include <functional>
#include <memory>

#include "framework/game_window.h"
#include "wordgames/avaleur/avaleur_game.h"
#include "wordgames/avaleur/avaleur_scene.h"

class QAction;
class QGroupBox;
class QListWidget;
class QMenu;
class QSlider;
class TDictionnaire;
class TFconfig;

class TFAvaleur : public TFLudorine {
    Q_OBJECT
public:
    // dictionaryFile: the dictionary the window opens read only; empty for
    // the main window's.
    explicit TFAvaleur(QWidget *parent = nullptr, const QString &dictionaryFile = QString(),
                       std::uint32_t seed = 0);
    ~TFAvaleur() override;

    static constexpr GameKindCode kGameKind = GameKindCode::Avaleur;

    avaleur::AvaleurGame &Game() { return *game_; }
    avaleur::AvaleurScene &Scene() { return *scene_; }
    TFconfig &Config() const { return *config_; }
    // The settings dialog, modal; true for OK (tests answer it).
    std::function<bool(TFconfig &)> runConfiguration;
    // Whether the window is the active one (the game only plays then).
    std::function<bool()> isActive;

    // --- What the window shows.
    QWidget *PaintBox = nullptr;
    QGroupBox *JvCaptionPanel1 = nullptr; // the word history
    QListWidget *LB_mots = nullptr;
    QGroupBox *JvVitesse = nullptr; // the speed panel
    QSlider *Vitesse_bar = nullptr;
    QMenu *Essai1 = nullptr;
    QAction *MnouvellePartie = nullptr;
    QAction *Mhisto = nullptr;
    QAction *mvitesse = nullptr;

    // --- What the main window asks of every game window: the menu, closing,
    // the saved game, the exports, help and the printed page.
    QMenu *GameMenu() override { return Essai1; }
    void FormClose() override;
    void SaveGame(savefile::TypedWriter &writer) override;
    bool LoadGame(savefile::TypedReader &reader, const QString &fileName) override;
    void ExportText(QTextStream &out) override;
    void ExportPicture(QIODevice &out, int kind) override;
    void ShowHelp() override;
    void PrintPage(int target, PageCanvas &canvas) override;

    // --- Commands: the menu's, one tick of the timer, and the window
    // picture brought up to date (exports, printing, tests).
    void NouvellePartie();
    void ToggleHistory(bool shown);
    void ShowSpeedPanel();
    void TempoTimer();
    QImage WindowPicture();

    // The speed kept in the settings store between runs.
    static int StoredSpeed();
    static void StoreSpeed(int speed);

protected:
    void Tick() override { TempoTimer(); }
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildPanels();
    void BuildMenu();
    void ConnectGame();
    void RefillHistory();
    void SpeedChanged(int speed);
    void PaintNow();
    // Turns a key into the eater's request; false for other keys.
    bool RouteKey(int key);

    TFconfig *config_ = nullptr;
    std::unique_ptr<TDictionnaire> dictionary_;
    std::unique_ptr<avaleur::AvaleurGame> game_;
    std::unique_ptr<avaleur::AvaleurScene> scene_;
};
