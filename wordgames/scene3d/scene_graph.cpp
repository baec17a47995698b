// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/scene3d/scene_graph.h"

#include <algorithm>
#include <limits>
#include <osg/GLObjects>
#include <osg/LightModel>

namespace scene3d {

using graph::Kind;
using graph::Object;

namespace {
Vec3 Lerp(Vec3 a, Vec3 b, double f)
{
    auto mix = [f](float u, float v) { return float(u + (v - u) * f); };
    return {mix(a.x, b.x), mix(a.y, b.y), mix(a.z, b.z)};
}
} // namespace

Waypoint PointOnPath(const std::vector<Waypoint> &path, double time)
{
    if (path.empty())
        return {};
    if (time <= path.front().time)
        return path.front();
    const auto after = std::upper_bound(path.begin(), path.end(), time,
                                        [](double t, const Waypoint &w) { return t < w.time; });
    if (after == path.end())
        return path.back();
    const Waypoint &from = *(after - 1), &to = *after;
    const double f = (time - from.time) / (to.time - from.time);
    return {time, Lerp(from.position, to.position, f), Lerp(from.rotation, to.rotation, f)};
}

SceneView::Impl::Impl() : root(new osg::Group), scene(new osg::Group)
{
    root->addChild(scene);
    osg::StateSet *state = root->getOrCreateStateSet();
    osg::ref_ptr<osg::LightModel> lightModel = new osg::LightModel;
    lightModel->setTwoSided(true); // planes are seen from both sides
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

void SceneView::Impl::PlaceOverlay(Object &object)
{
    object.text->setCharacterSize(float(object.pixelHeight * pixelScale));
    object.text->setPosition(osg::Vec3(float(object.pixel.x() * pixelScale),
                                       float(deviceSize.height() - object.pixel.y() * pixelScale), 0));
}

void SceneView::Impl::Remove(const QString &name)
{
    std::vector<QString> gone{name};
    for (size_t i = 0; i < gone.size(); ++i)
        for (const auto &[other, object] : objects)
            if (object.parent == gone[i] && other != gone[i])
                gone.push_back(other);
    for (const QString &n : gone) {
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
