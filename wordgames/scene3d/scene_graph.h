// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scene behind a scene view: the graph of named objects, the viewer
// that draws it into the widget's OpenGL context and the movements under
// way. Internal to the scene layer.
#include "wordgames/scene3d/scene_nodes.h"
#include "wordgames/scene3d/scene_view.h"

#include <bitset>
#include <map>
#include <osg/Fog>
#include <osg/LightSource>
#include <osg/MatrixTransform>
#include <osgViewer/Viewer>

namespace scene3d {

namespace graph {
// Node masks: everything shown is drawn (the cull mask takes every bit);
// picking visits only what has the pick bit, which the overlay camera and
// the objects made not pickable lack.
inline constexpr osg::Node::NodeMask kPickMask = 0x4;
inline constexpr osg::Node::NodeMask kOverlayMask = 0x2;
inline constexpr osg::Node::NodeMask kShown = ~0u;
inline constexpr osg::Node::NodeMask kShownNotPicked = ~kPickMask;
// Light 0 is the light at the eye; the scene's own lights take the others.
inline constexpr int kMaxLights = 8;

enum class Kind { Group, Plane, Box, Sphere, Cone, Sprite, Text, Cylinder, Lines, Light, Overlay };

// A named texture and whether its picture has transparent pixels.
struct Texture {
    osg::ref_ptr<osg::Texture2D> texture;
    bool translucent = false;
};

struct Object {
    Kind kind = Kind::Group;
    QString parent;
    // What is shown or hidden: the transform, or the text of an overlay.
    osg::ref_ptr<osg::Node> node;
    osg::ref_ptr<osg::MatrixTransform> transform;
    osg::ref_ptr<osgText::Text> text;
    osg::ref_ptr<osg::Material> material;
    // The shape's own state (shapes, sprites, lines).
    osg::ref_ptr<osg::StateSet> state;
    // The geometry whose one colour is the object's (lines, sprites).
    osg::ref_ptr<osg::Geometry> coloured;
    osg::ref_ptr<osg::Light> light;
    // The texture's name when it is a named one.
    QString textureName;
    Vec3 position, rotation;
    float scale = 1;
    nodes::Look look;
    bool visible = true, pickable = true;
    // Seen from the front only, so that picking passes through its back.
    bool oneSided = false;
    QPoint pixel;
    int pixelHeight = 0;
};

struct Movement {
    std::vector<Waypoint> path;
    double start = 0;
};
} // namespace graph

struct SceneView::Impl {
    // The root holds the scene (the objects placed at the scene root), the
    // light at the eye and the overlay camera.
    Impl();

    osg::ref_ptr<osgViewer::Viewer> viewer;
    osg::ref_ptr<osgViewer::GraphicsWindowEmbedded> window;
    osg::ref_ptr<osg::Group> root, scene;
    osg::ref_ptr<osg::Camera> overlay;
    osg::ref_ptr<osg::LightSource> eyeLight;
    std::map<QString, graph::Object> objects;
    std::map<QString, graph::Texture> textures;
    // The fog of additive objects: black, so that they add none of the
    // fog's colour to what is behind them.
    osg::ref_ptr<osg::Fog> additiveFog;
    std::map<QString, graph::Movement> movements;
    std::bitset<graph::kMaxLights> lightsUsed = 1; // light 0 is the eye's
    double fieldOfView = 45;
    QSize deviceSize;
    double pixelScale = 1;
    bool initialized = false;
    QMetaObject::Connection contextEnds;

    osg::Camera *Camera() const { return viewer->getCamera(); }
    graph::Object *Find(const QString &name);
    const graph::Object *Find(const QString &name) const;

    // Makes the named transform of a new object in its parent's frame (an
    // existing object of that name goes first).
    graph::Object &AddObject(const QString &name, const QString &parent, graph::Kind kind, Vec3 position,
                             Vec3 rotation, float scale = 1);
    void Place(graph::Object &object);
    // The object's look (colour, emission, blending) applied to its nodes.
    void ApplyLook(graph::Object &object);
    // Shows, hides and makes pickable by the node mask.
    void ApplyMask(graph::Object &object);
    // The named texture, made empty (a blank picture) when not added yet.
    graph::Texture &NamedTexture(const QString &textureName);
    // Puts a shape's geometry under a new object, textured with the named
    // texture and in the colour.
    graph::Object &AddShape(const QString &name, const QString &parent, graph::Kind kind, Vec3 centre,
                            Vec3 rotation, osg::ref_ptr<osg::Geometry> shape, const QString &textureName,
                            const QColor &colour);
    void SetTexture(graph::Object &object, const QString &textureName);
    // Lines through the points (`mode` as for nodes::Lines).
    void AddLines(const QString &name, const QString &parent, const std::vector<Vec3> &points, GLenum mode,
                  const QColor &colour, float widthPixels);
    void SetFog(const QColor &colour, float start, float end);
    void ClearFog();
    void PlaceOverlay(graph::Object &object);
    // Takes out the object and what hangs in its frame.
    void Remove(const QString &name);
    // The names of the object and of every object in its frame, the object
    // first.
    std::vector<QString> WithFrameNames(const QString &name) const;

    // A light's mode is the scene's: switched off, a light left out (hidden,
    // removed) keeps nothing of what OpenGL last knew of it.
    void SwitchLight(int number, bool on);
    // The light at the eye shines while the scene has no light of its own.
    void UpdateEyeLight();

    // The size drawn at in device pixels, and how many of them make one
    // pixel of an overlay text's position and height.
    void ApplySize(QSize size, double scale);
    void ApplyProjection();
    // The viewer's window onto the widget's OpenGL context.
    void AttachWindow(QSize size, double scale);
    // Deletes what the viewer made in the context, which must be current,
    // and closes its window onto it.
    void DetachWindow();

    // Plays the movements up to the scene time (to their ends when
    // `finish`) and returns the names of those that ended.
    std::vector<QString> PlayMovements(double now, bool finish);

private:
    osg::Group *ParentNode(const QString &parent);
};

} // namespace scene3d
