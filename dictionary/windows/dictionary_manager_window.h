// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TTFDico, "Dictionnaire": the dictionary manager. Adds and deletes words,
// exports and imports word lists and shows statistics, on four pages; a
// fifth, hidden page holds a maintenance command. Every change goes straight
// to the dictionary file through an object opened for writing for that
// change alone; the tests and statistics use the window's read-only object.
//
// The file is checked first: when it is not a sound dictionary the user is
// told why and chooses another one (DictionaryFile() gives the file used);
// when the user gives up, the window is not usable and exec() returns at once.
#include <memory>
#include <QDialog>

class QPushButton;
class QTabWidget;
struct DicoSession;
class DicoExportPage;
class DicoImportPage;
class DicoInfoPage;
class DicoMaintenancePage;
class DicoUpdatePage;

class TTFDico : public QDialog {
    Q_OBJECT
public:
    explicit TTFDico(const QString &dictionaryFile, QWidget *parent = nullptr);
    ~TTFDico() override;

    static QString HelpTopic() { return QStringLiteral("Ludorine.chm::/Dico.htm"); }

    DicoSession &Session() { return *session_; }
    bool Usable() const { return usable_; }
    QString DictionaryFile() const;
    int exec() override;

    QTabWidget *PageControl;
    DicoUpdatePage *UpdatePage;
    DicoExportPage *ExportPage;
    DicoImportPage *ImportPage;
    DicoInfoPage *InfoPage;
    DicoMaintenancePage *MaintenancePage;
    QPushButton *Btn_help;
    QPushButton *Btn_close;

private:
    void PageShown(int index);

    bool usable_ = false; // set before the session is made
    std::unique_ptr<DicoSession> session_;
};
