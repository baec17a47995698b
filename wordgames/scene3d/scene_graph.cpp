// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/scene3d/scene_graph.h"

#include <algorithm>
#include <limits>
#include <osg/GLObjects>
#include <osg/LightModel>

namespace scene3d {

using graph::Kind;
using graph::Object;

SceneView::Impl::Impl() : root(new osg::Group), scene(new osg::Group), additiveFog(new osg::Fog)
{
    additiveFog->setMode(osg::Fog::LINEAR);
    additiveFog->setColor(osg::Vec4(0, 0, 0, 0));
    root->addChild(scene);
    osg::StateSet *state = root->getOrCreateStateSet();
    osg::ref_ptr<osg::LightModel> lightModel = new osg::LightModel;
    // Only front faces are drawn (planes are one-sided, the solids closed):
    // lighting one side is enough.
    lightModel->setTwoSided(false);
    lightModel->setAmbientIntensity(osg::Vec4(0.25f, 0.25f, 0.25f, 1));
    state->setAttributeAndModes(lightModel, osg::StateAttribute::ON);
    state->setMode(GL_LIGHTING, osg::StateAttribute::ON);
    state->setMode(GL_NORMALIZE, osg::StateAttribute::ON);

    // The light at the eye: a directional light along the line of sight,
    // in eye coordinates.
    osg::ref_ptr<osg::Light> eye = new osg::Light(0);
    eye->setPosition(osg::Vec4(0, 0, 1, 0));
    eye->setAmbient(osg::Vec4(0, 0, 0, 1));
    eye->setDiffuse(osg::Vec4(0.85f, 0.85f, 0.85f, 1));
    eye->setSpecular(osg::Vec4(0.3f, 0.3f, 0.3f, 1));
    eyeLight = new osg::LightSource;
    eyeLight->setLight(eye);
    eyeLight->setReferenceFrame(osg::LightSource::ABSOLUTE_RF);
    root->addChild(eyeLight);
    UpdateEyeLight();

    overlay = new osg::Camera;
    overlay->setReferenceFrame(osg::Transform::ABSOLUTE_RF);
    overlay->setRenderOrder(osg::Camera::POST_RENDER);
    overlay->setClearMask(GL_DEPTH_BUFFER_BIT);
    overlay->setAllowEventFocus(false);
    overlay->setViewMatrix(osg::Matrix::identity());
    overlay->setNodeMask(graph::kOverlayMask);
    overlay->getOrCreateStateSet()->setMode(GL_LIGHTING, osg::StateAttribute::OFF);
    overlay->getOrCreateStateSet()->setMode(GL_DEPTH_TEST, osg::StateAttribute::OFF);
    root->addChild(overlay);

    viewer = new osgViewer::Viewer;
    viewer->setKeyEventSetsDone(0); // Escape belongs to the game
    viewer->setQuitEventSetsDone(false);
    viewer->setLightingMode(osg::View::NO_LIGHT);
    viewer->setSceneData(root);
    Camera()->setClearMask(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    Camera()->setClearColor(osg::Vec4(0, 0, 0, 1));
}

Object *SceneView::Impl::Find(const QString &name)
{
    const auto it = objects.find(name);
    return it == objects.end() ? nullptr : &it->second;
}

const Object *SceneView::Impl::Find(const QString &name) const
{
    const auto it = objects.find(name);
    return it == objects.end() ? nullptr : &it->second;
}

osg::Group *SceneView::Impl::ParentNode(const QString &parent)
{
    if (parent.isEmpty())
        return scene;
    if (Object *object = Find(parent); object && object->transform)
        return object->transform;
    qWarning("scene3d: no parent object \"%s\", placed at the scene root", qPrintable(parent));
    return scene;
}

Object &SceneView::Impl::AddObject(const QString &name, const QString &parent, Kind kind, Vec3 position,
                                   Vec3 rotation, float scale)
{
    if (Find(name))
        Remove(name);
    Object &object = objects[name];
    object.kind = kind;
    object.parent = parent;
    object.position = position;
    object.rotation = rotation;
    object.scale = scale;
    object.transform = new osg::MatrixTransform(nodes::Placement(position, rotation, scale));
    object.transform->setName(name.toStdString());
    object.node = object.transform;
    ParentNode(parent)->addChild(object.transform);
    return object;
}

void SceneView::Impl::Place(Object &object)
{
    if (object.transform)
        object.transform->setMatrix(nodes::Placement(object.position, object.rotation, object.scale));
}

void SceneView::Impl::ApplyLook(Object &object)
{
    if (object.material)
        nodes::ApplyMaterial(*object.material, object.look);
    if (object.coloured)
        nodes::SetGeometryColour(*object.coloured, object.look.Colour());
    if (object.state)
        nodes::ApplyBlending(*object.state, object.look, additiveFog);
    if (object.text)
        object.text->setColor(object.look.Colour());
    if (object.light)
        object.light->setDiffuse(nodes::ToOsg(object.look.colour));
}

void SceneView::Impl::ApplyMask(Object &object)
{
    object.node->setNodeMask(!object.visible ? 0 : object.pickable ? graph::kShown : graph::kShownNotPicked);
}

graph::Texture &SceneView::Impl::NamedTexture(const QString &textureName)
{
    graph::Texture &entry = textures[textureName];
    if (!entry.texture)
        entry.texture = nodes::BlankTexture();
    return entry;
}

void SceneView::Impl::SetTexture(Object &object, const QString &textureName)
{
    if (!object.state || object.kind == Kind::Lines)
        return;
    object.textureName = textureName;
    if (textureName.isEmpty()) {
        object.state->removeTextureAttribute(0, osg::StateAttribute::TEXTURE);
        object.state->removeTextureMode(0, GL_TEXTURE_2D);
        object.look.translucentTexture = false;
    } else {
        const graph::Texture &entry = NamedTexture(textureName);
        object.state->setTextureAttributeAndModes(0, entry.texture, osg::StateAttribute::ON);
        object.look.translucentTexture = entry.translucent;
    }
    nodes::ApplyBlending(*object.state, object.look, additiveFog);
}

Object &SceneView::Impl::AddShape(const QString &name, const QString &parent, Kind kind, Vec3 centre,
                                  Vec3 rotation, osg::ref_ptr<osg::Geometry> shape,
                                  const QString &textureName, const QColor &colour)
{
    Object &object = AddObject(name, parent, kind, centre, rotation);
    object.state = shape->getOrCreateStateSet();
    object.state->setMode(GL_CULL_FACE, osg::StateAttribute::ON);
    object.oneSided = true;
    object.material = new osg::Material;
    object.state->setAttributeAndModes(object.material, osg::StateAttribute::ON);
    object.look.colour = colour;
    object.transform->addChild(shape);
    SetTexture(object, textureName);
    ApplyLook(object);
    return object;
}

void SceneView::Impl::AddLines(const QString &name, const QString &parent, const std::vector<Vec3> &points,
                               GLenum mode, const QColor &colour, float widthPixels)
{
    Object &object = AddObject(name, parent, Kind::Lines, {}, {});
    object.coloured = nodes::Lines(points, mode, widthPixels);
    object.state = object.coloured->getOrCreateStateSet();
    object.look.colour = colour;
    ApplyLook(object);
    object.transform->addChild(object.coloured);
}

void SceneView::Impl::SetFog(const QColor &colour, float start, float end)
{
    osg::ref_ptr<osg::Fog> fog = new osg::Fog;
    fog->setMode(osg::Fog::LINEAR);
    fog->setColor(nodes::ToOsg(colour));
    fog->setStart(start);
    fog->setEnd(end);
    scene->getOrCreateStateSet()->setAttributeAndModes(fog, osg::StateAttribute::ON);
    additiveFog->setStart(start);
    additiveFog->setEnd(end);
}

void SceneView::Impl::ClearFog()
{
    osg::StateSet *state = scene->getOrCreateStateSet();
    state->removeAttribute(osg::StateAttribute::FOG);
    state->removeMode(GL_FOG);
}

void SceneView::Impl::PlaceOverlay(Object &object)
{
    object.text->setCharacterSize(float(object.pixelHeight * pixelScale));
    object.text->setPosition(osg::Vec3(float(object.pixel.x() * pixelScale),
                                       float(deviceSize.height() - object.pixel.y() * pixelScale), 0));
}

std::vector<QString> SceneView::Impl::WithFrameNames(const QString &name) const
{
    std::vector<QString> names{name};
    for (size_t i = 0; i < names.size(); ++i)
        for (const auto &[other, object] : objects)
            if (object.parent == names[i] && other != names[i])
                names.push_back(other);
    return names;
}

void SceneView::Impl::Remove(const QString &name)
{
    for (const QString &n : WithFrameNames(name)) {
        const auto it = objects.find(n);
        if (it == objects.end())
            continue;
        Object &object = it->second;
        if (object.light) {
            SwitchLight(object.light->getLightNum(), false);
            lightsUsed.reset(size_t(object.light->getLightNum()));
        }
        for (osg::Group *parent : object.node->getParents())
            parent->removeChild(object.node);
        objects.erase(it);
        movements.erase(n);
    }
    UpdateEyeLight();
}

void SceneView::Impl::SwitchLight(int number, bool on)
{
    osg::StateSet *state = root->getOrCreateStateSet();
    if (on)
        state->setMode(GLenum(GL_LIGHT0 + number), osg::StateAttribute::ON);
    else
        state->removeMode(GLenum(GL_LIGHT0 + number));
}

void SceneView::Impl::UpdateEyeLight()
{
    const bool own = lightsUsed.count() > 1;
    eyeLight->setNodeMask(own ? 0 : graph::kShown);
    SwitchLight(0, !own);
}

void SceneView::Impl::ApplySize(QSize size, double scale)
{
    size = size.expandedTo(QSize(1, 1));
    deviceSize = size;
    pixelScale = scale;
    if (window) {
        window->resized(0, 0, size.width(), size.height());
        window->getEventQueue()->windowResize(0, 0, size.width(), size.height());
    }
    Camera()->setViewport(0, 0, size.width(), size.height());
    ApplyProjection();
    overlay->setViewport(0, 0, size.width(), size.height());
    overlay->setProjectionMatrixAsOrtho2D(0, size.width(), 0, size.height());
    for (auto &[name, object] : objects)
        if (object.kind == Kind::Overlay)
            PlaceOverlay(object);
}

void SceneView::Impl::ApplyProjection()
{
    const double aspect = double(deviceSize.width()) / std::max(1, deviceSize.height());
    Camera()->setProjectionMatrixAsPerspective(fieldOfView, aspect, 0.1, 1000.0);
}

void SceneView::Impl::AttachWindow(QSize size, double scale)
{
    size = size.expandedTo(QSize(1, 1));
    window = viewer->setUpViewerAsEmbeddedInWindow(0, 0, size.width(), size.height());
    viewer->setThreadingModel(osgViewer::ViewerBase::SingleThreaded);
    ApplySize(size, scale);
}

void SceneView::Impl::DetachWindow()
{
    if (!window)
        return;
    osg::State *state = window->getState();
    root->releaseGLObjects(state);
    // Named textures no object shows any more are out of the graph.
    for (auto &[name, entry] : textures)
        entry.texture->releaseGLObjects(state);
    osg::flushAllDeletedGLObjects(state->getContextID());
    Camera()->setGraphicsContext(nullptr);
    window->close();
    window = nullptr;
}

std::vector<QString> SceneView::Impl::PlayMovements(double now, bool finish)
{
    std::vector<QString> ended;
    for (auto &[name, movement] : movements) {
        const double t = finish ? std::numeric_limits<double>::infinity() : now - movement.start;
        const Waypoint point = PointOnPath(movement.path, t);
        if (Object *object = Find(name)) {
            object->position = point.position;
            object->rotation = point.rotation;
            Place(*object);
        }
        if (t >= movement.path.back().time)
            ended.push_back(name);
    }
    for (const QString &name : ended)
        movements.erase(name);
    return ended;
}

} // namespace scene3d
