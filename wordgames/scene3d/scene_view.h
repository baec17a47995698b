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
#include <functional>
#include <memory>
#include <QColor>
#include <QImage>
#include <QOpenGLWidget>
#include <QPoint>
#include <QString>
#include <vector>

namespace scene3d {

struct Vec3 {
    float x = 0, y = 0, z = 0;
    bool operator==(const Vec3 &) const = default;
};

// One point of a movement: where the object is, how it is turned, and when
// it gets there, in seconds of scene time after the movement starts.
struct Waypoint {
    double time = 0;
    Vec3 position;
    Vec3 rotation;
};

// Where a path puts an object `time` seconds after the movement starts:
// positions and rotations (degrees, so that a path can turn more than once)
// interpolated linearly between the waypoints around that time; the first
// waypoint before the path, the last after it.
Waypoint PointOnPath(const std::vector<Waypoint> &path, double time);

// The scene clock: seconds of scene time, advanced from a steady clock only
// while it runs, so that nothing jumps ahead after a pause. The first
// advance only starts the count (scene time 0).
class SceneClock {
public:
    SceneClock();
    // Takes the time elapsed since the last advance (none while stopped)
    // and returns the scene time.
    double Advance();
    double Now() const { return now_; }
    // The scene time elapsed at the last advance.
    double LastStep() const { return lastStep_; }
    void Stop();
    void Start();
    bool Running() const { return running_; }
    // Where real time comes from, in seconds (tests give their own).
    std::function<double()> realTime;

private:
    double now_ = 0, lastStep_ = 0, lastReal_ = 0;
    bool running_ = true;
};

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
    // A rectangle width x height in its own x/y plane, centred on `centre`,
    // facing +z before `rotation`; textured with `texture` (made in code) or
    // in a plain colour when the texture is null.
    void AddPlane(const QString &name, const QString &parent, Vec3 centre, float width, float height,
                  const QImage &texture, QColor colour = Qt::white, Vec3 rotation = {});
    // A 3D text in the bold monospaced font (accents allowed), its left end
    // on the base line at `position`: flat letters `height` tall in the
    // object's x/y plane, facing +z, unlit; `scale` scales the whole text.
    void AddText(const QString &name, const QString &parent, Vec3 position, const QString &text, float height,
                 QColor colour, float scale = 1.0f);
    // A cylinder of the given radius and length centred on `centre`, lying
    // along the x axis before `rotation`.
    void AddCylinder(const QString &name, const QString &parent, Vec3 centre, float radius, float length,
                     QColor colour, Vec3 rotation = {});
    // Line segments (pairs of points) in one colour.
    void AddLines(const QString &name, const QString &parent, const std::vector<Vec3> &ends, QColor colour);
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
    // Empties the scene (the camera and background stay).
    void Clear();

    // --- Changing objects.
    void SetText(const QString &name, const QString &text);
    void SetColour(const QString &name, QColor colour);
    void SetVisible(const QString &name, bool visible);
    bool IsVisible(const QString &name) const;
    void SetPosition(const QString &name, Vec3 position);
    Vec3 Position(const QString &name) const;
    void SetRotation(const QString &name, Vec3 rotation);
    Vec3 Rotation(const QString &name) const;

    // --- View.
    void SetCamera(Vec3 eye, Vec3 centre, Vec3 up, double fieldOfViewDegrees = 45);
    void SetBackground(QColor colour);

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

    // The name of the nearest named object under a point of the view (Qt
    // widget coordinates), "" when none. Overlay texts are never hit.
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
