// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: the program's name, version and legal notice, a contact
// link that starts a mail to the maker, a link to the web page, and the place
// of the turning cube scene.
#include <QDialog>

class QLabel;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(const QString &version, const QString &legalText, QWidget *parent = nullptr);

    static QString ContactAddress() { return QStringLiteral("contact@ludorine.example.org"); }
    static QString WebPage() { return QStringLiteral("https://ludorine.example.org/"); }
    // The mail link: subject "Ludorine " followed by the version.
    static QString ContactUrl(const QString &version);

    // Where the 3D cube scene goes: a framed area of fixed size holding, for
    // now, a still picture of the cube.
    QWidget *CubeArea() const { return cubeArea_; }

private:
    QWidget *cubeArea_;
};
