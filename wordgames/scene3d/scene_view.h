// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SceneView: the one window onto a 3D scene (Philosophe, Hangman, the About
// box). It owns the scene graph, the viewer embedded in an OpenGL widget,
// the scene clock and picking; games build and change the scene through
// named objects and never see the 3D library.
//
// Every object has a unique name; a parent name places it in that object's
// frame ("" is the scene root). Positions are scene units, y up; rotations
// are degrees about x, then y, then z.
#include "wordgames/scene3d/scene_math.h"

#include <memory>
#include <QColor>
#include <QImage>
#include <QOpenGLWidget>
#include <QPoint>
#include <QString>
#include <vector>

namespace scene3d {

// True when the platform gives an OpenGL context (not on the offscreen
// platform, nor on a display without OpenGL).
bool OpenGLAvailable();

// Sets the default surface format the scenes need (compatibility profile,
// depth and stencil buffers). Call before the QApplication is created.
void SetDefaultSurfaceFormat();

class SceneView : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit SceneView(QWidget *parent = nullptr);
    ~SceneView() override;

    // --- Building the scene.
    void AddGroup(const QString &name, const QString &parent, Vec3 position, Vec3 rotation = {});
    // A named texture, shared by every object that shows it and sent to
    // OpenGL once. Adding a name again replaces its picture everywhere it
    // shows. Textures modulate the object's colour (white shows the picture
    // as it is); a picture with transparent pixels is blended.
    void AddTexture(const QString &textureName, const QImage &image);
    bool HasTexture(const QString &textureName) const;

    // A rectangle width x height in its own x/y plane, centred on `centre`,
    // facing +z before `rotation` and seen from that side only (a card is a
    // front plane and, in its frame, a back plane turned 180 degrees a hair
    // behind it). Textured with `texture` (made in code) or in a plain
    // colour when the texture is null.
    void AddPlane(const QString &name, const QString &parent, Vec3 centre, float width, float height,
                  const QImage &texture, QColor colour = Qt::white, Vec3 rotation = {});
    // The same with a named texture ("" for a plain colour; a name not
    // added yet shows the plain colour until it is).
    void AddPlane(const QString &name, const QString &parent, Vec3 centre, float width, float height,
                  const QString &textureName, QColor colour = Qt::white, Vec3 rotation = {});
    // A box of the given size along x, y and z centred on `centre`, the
    // whole texture on each face.
    void AddBox(const QString &name, const QString &parent, Vec3 centre, Vec3 size,
                const QString &textureName, QColor colour = Qt::white, Vec3 rotation = {});
    // A sphere centred on `centre`, the texture wrapped once around y (its
    // middle facing +z) from the bottom pole to the top one; `half` keeps
    // the upper half (y >= 0) closed by a flat disc.
    void AddSphere(const QString &name, const QString &parent, Vec3 centre, float radius,
                   const QString &textureName, QColor colour = Qt::white, bool half = false,
                   Vec3 rotation = {});
    // A cone cut straight, along the y axis and centred on `centre`: radius
    // `bottomRadius` at y = -height/2, `topRadius` at +height/2 (equal for
    // a cylinder, 0 for a point), both ends closed. The texture is wrapped
    // once around the side, bottom to top, and laid flat on the ends.
    void AddCone(const QString &name, const QString &parent, Vec3 centre, float bottomRadius, float topRadius,
                 float height, const QString &textureName, QColor colour = Qt::white, int slices = 24,
                 Vec3 rotation = {});
    // A rectangle that always faces the screen, never lit (a flame, a
    // glow), drawn blended with `opacity`, added to what is behind when
    // `additive`.
    void AddSprite(const QString &name, const QString &parent, Vec3 centre, float width, float height,
                   const QString &textureName, float opacity = 1, bool additive = false);
    // A 3D text in the bold monospaced font (accents allowed), its left end
    // on the base line at `position`: flat letters `height` tall in the
    // object's x/y plane, facing +z, unlit; `scale` scales the whole text.
    void AddText(const QString &name, const QString &parent, Vec3 position, const QString &text, float height,
                 QColor colour, float scale = 1.0f);
    // A cylinder of the given radius and length centred on `centre`, lying
    // along the x axis before `rotation`.
    void AddCylinder(const QString &name, const QString &parent, Vec3 centre, float radius, float length,
                     QColor colour, Vec3 rotation = {});
    // Line segments (pairs of points) in one colour, one pixel wide unless
    // told.
    void AddLines(const QString &name, const QString &parent, const std::vector<Vec3> &ends, QColor colour);
    void AddLines(const QString &name, const QString &parent, const std::vector<Vec3> &ends, QColor colour,
                  float widthPixels);
    // A line through the points in turn.
    void AddLineStrip(const QString &name, const QString &parent, const std::vector<Vec3> &points,
                      QColor colour, float widthPixels);
    // A point light at `position` in the parent's frame (up to seven). Until
    // the first one is added the scene is lit by a light at the eye.
    void AddLight(const QString &name, const QString &parent, Vec3 position, QColor diffuse);
    // A text over the scene at a pixel position from the view's top left;
    // never picked.
    void AddOverlayText(const QString &name, QPoint pixel, const QString &text, QColor colour,
                        int pixelHeight = 24);
    bool Has(const QString &name) const;
    // Takes an object and everything placed in its frame out of the scene.
    void Remove(const QString &name);
    // Empties the scene (the camera, background, fog and named textures
    // stay).
    void Clear();

    // --- Changing objects.
    void SetText(const QString &name, const QString &text);
    void SetColour(const QString &name, QColor colour);
    // Shows a named texture on a plane, box, sphere, cone or sprite ("" for
    // none); cheap enough for every frame.
    void SetTexture(const QString &object, const QString &textureName);
    // The light a shape gives off itself, whatever lights it (black: none).
    void SetEmission(const QString &name, QColor colour);
    // Draws the object and what is in its frame translucent (`opacity` from
    // 0 to 1) or added to what is behind (`additive`), after the opaque
    // objects and without hiding what is drawn after it; opacity 1 and not
    // additive draws them opaque again. Texts take the opacity only.
    void SetBlending(const QString &name, float opacity, bool additive);
    // An object not pickable, and what is in its frame, is passed through
    // by picking: what is behind it is hit.
    void SetPickable(const QString &name, bool pickable);
    void SetVisible(const QString &name, bool visible);
    bool IsVisible(const QString &name) const;
    // The pixel height of an overlay text's letters.
    void SetOverlayHeight(const QString &name, int pixelHeight);
    // Moves an overlay text to another pixel position from the view's top left.
    void MoveOverlay(const QString &name, QPoint pixel);
    void SetPosition(const QString &name, Vec3 position);
    Vec3 Position(const QString &name) const;
    void SetRotation(const QString &name, Vec3 rotation);
    Vec3 Rotation(const QString &name) const;

    // --- View. Each call only changes what the next frame is drawn with.
    void SetCamera(Vec3 eye, Vec3 centre, Vec3 up, double fieldOfViewDegrees = 45);
    void SetBackground(QColor colour);
    // Linear fog over the scene (not the overlay texts): nothing of an
    // object's own colour is left beyond `end` scene units from the eye,
    // all of it before `start`.
    void SetFog(QColor colour, float start, float end);
    void ClearFog();

    // --- Movements along waypoints, played on the scene clock. The object
    // starts at the first waypoint and stops at the last; movementEnded is
    // emitted once, on the clock step that reaches it. A new movement of an
    // object replaces the one it was making (no ending is notified for it).
    void Move(const QString &name, const std::vector<Waypoint> &path);
    bool Moving(const QString &name) const;
    // Puts every moving object at its last waypoint at once (each ending
    // is still notified).
    void FinishMovements();

    // --- Clock: advanced by the game on its ticks and on input.
    SceneClock &Clock() { return clock_; }
    // Advances the clock, plays the movements and asks for a frame.
    void Step();

    // The name of the innermost named object nearest under a point of the
    // view (Qt widget coordinates), "" when none. Overlay texts and objects
    // made not pickable are never hit, nor planes seen from behind.
    QString Pick(QPoint point);

    // Renders the scene once, at the view's size or the one given, into a
    // picture (printing, picture exports, tests); overlay texts grow with
    // the picture's height. A null image when OpenGL is missing or the view
    // is not shown (a hidden view has nothing to draw on).
    QImage Render(QSize size = {});

    // False when the widget could not get an OpenGL context.
    bool Available() const { return available_; }

signals:
    // A mouse press on the view: the object hit (may be "") and the button.
    void picked(const QString &name, Qt::MouseButton button);
    void doubleClicked(const QString &name);
    void movementEnded(const QString &name);
    // The widget found no OpenGL context.
    void openGLMissing();

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
    SceneClock clock_;
    bool available_ = true;
};

} // namespace scene3d
