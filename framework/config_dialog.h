// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFconfig: the settings of one game window and the modal dialog
// "Configuration" that edits them. The "Joueurs" page sets how many players
// take part, their names and who plays them; the game's own page sets its
// options. OK takes the values and writes the settings store; Cancel takes
// the values too but leaves the store alone.
#include "framework/config.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class PlayerTable;
class TFLudorine;

class TFconfig : public QDialog, public GameSettings {
    Q_OBJECT
public:
    explicit TFconfig(QWidget *parent = nullptr);

    TFLudorine *OwnerWindow = nullptr;

    // Sets up the settings of a game of this kind for its window (whose
    // status bar announces the players' turns) and shows only the
    // "Joueurs" page and that game's page.
    void SetupForGame(GameKindCode kind, TFLudorine *window);
    // Takes the dialog's values into the data (also when the dialog hides).
    void ApplyDialog();
    // Shows the dialog modally, ticks held meanwhile; true for OK.
    bool ExecModal();

    // --- Controls, named as the options they show.
    QTabWidget *Pages = nullptr;
    QComboBox *PlayerCountList = nullptr;
    PlayerTable *Table = nullptr;
    QWidget *PagePendu = nullptr;
    QWidget *PageAvaleur = nullptr;
    QWidget *PageScrabble = nullptr;
    QWidget *PageDuplicate = nullptr;
    QWidget *PageTopWord = nullptr;
    QWidget *PagePhilo = nullptr;
    QComboBox *CB_pendu_essai = nullptr;
    QCheckBox *CB_pendu_lettres = nullptr;
    // "Mots à trouver : mots courants", on the Pendu and Philosophe pages.
    QCheckBox *CB_pendu_courants = nullptr;
    QCheckBox *CB_philo_courants = nullptr;
    QRadioButton *Rbtn_pendu_fin1 = nullptr;
    QRadioButton *Rbtn_pendu_fin2 = nullptr;
    QLineEdit *ed_pendu_par1 = nullptr;
    QLineEdit *ed_pendu_par2 = nullptr;
    QComboBox *ddlb_tirage = nullptr;
    QComboBox *ddlb_tirage_duplic = nullptr;
    QComboBox *ddlb_vari_duplic = nullptr;
    QGroupBox *VitesseBox = nullptr;
    QSlider *Vitesse_bar = nullptr;
    QComboBox *ddlb_tirage_topword = nullptr;
    QComboBox *ddlb_dim_topword = nullptr;
    QComboBox *CB_philo = nullptr;
    QCheckBox *CheckBox_mp = nullptr;
    QRadioButton *Rbtn_philo_fin1 = nullptr;
    QRadioButton *Rbtn_philo_fin2 = nullptr;
    QLineEdit *ed_philo_par1 = nullptr;
    QLineEdit *ed_philo_par2 = nullptr;
    QPushButton *OkButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *HelpButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *MakePlayersPage();
    QWidget *MakePenduPage();
    QWidget *MakeAvaleurPage();
    QWidget *MakeScrabblePage();
    QWidget *MakeDuplicatePage();
    QWidget *MakeTopWordPage();
    QWidget *MakePhiloPage();
    QGroupBox *MakeEndOfGameBox(QRadioButton *&first, QRadioButton *&second, QLineEdit *&turns,
                                QLineEdit *&points);
    void ShowGamePage();
    // The page of the dialog that shows an option set.
    QWidget *PageOf(GameOptionSet options) const;
    void LoadControls();
    void OkClicked();
};
