// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFrech, "Recherche de mots": the word search tool. The user types a
// criterion, picks a kind of search and gets the matching dictionary words,
// which can be copied to the clipboard. The window reads the dictionary
// through its own object.
#include <memory>
#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TDictionnaire;

class TFrech : public QDialog {
    Q_OBJECT
public:
    explicit TFrech(const QString &dictionaryFile, QWidget *parent = nullptr);
    ~TFrech() override;

    static QString HelpTopic() { return QStringLiteral("Ludorine.chm::/Recherche.htm"); }

    // The commands of the buttons.
    void Search();
    void CopyResults();

    const std::vector<std::string> &Results() const { return results_; }

    QComboBox *CB_mode_rech;
    QLineEdit *E_critere;
    QPushButton *Btn_search;
    QListWidget *Grid;
    QLabel *Label1;
    QPushButton *BitBt_copy;
    QPushButton *Btn_help;
    QPushButton *Btn_close;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ShowResults();

    std::unique_ptr<TDictionnaire> dictionary_;
    std::vector<std::string> results_;
};
