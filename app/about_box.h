// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About box: the program's name, version and legal notice, a contact
// link that starts a mail to the maker, a link to the web page, and a cube
// of letter tiles turning in 3D (a still picture of it without OpenGL).
#include "wordgames/scene3d/scene_view.h"

#include <QDialog>

class QTimer;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(const QString &version, const QString &legalText, QWidget *parent = nullptr);

    static QString ContactAddress() { return QStringLiteral("contact@ludorine.example.org"); }
    static QString WebPage() { return QStringLiteral("https://ludorine.example.org/"); }
    // The mail link: subject "Ludorine " followed by the version.
    static QString ContactUrl(const QString &version);

    // The framed area of the cube: the 3D view "CubeView" when OpenGL is
    // there, else (or once the view finds none) the still picture.
    QWidget *CubeArea() const { return cubeArea_; }
    // The 3D view of the cube, null when the still picture shows.
    scene3d::SceneView *CubeView() const { return cubeView_; }

    // How the cube is turned after `seconds` of scene time: 4, 3 and 2
    // degrees a second about x, y and z, each in [0, 360).
    static scene3d::Vec3 CubeAngles(double seconds);

private:
    void BuildCubeScene();
    void ShowStillCube();

    QWidget *cubeArea_;
    scene3d::SceneView *cubeView_ = nullptr;
    QTimer *cubeTimer_ = nullptr;
};
