// SPDX-License-Identifier: GPL-3.0-or-later
// The scene view: a viewer embedded in the OpenGL widget, drawing into the
// widget's framebuffer on the widget's paint. Every named object is a
// transform node carrying its name, with its shape, text or light below it;
// overlay texts hang under a camera of their own that picking skips.
#include "wordgames/scene3d/scene_view.h"

#include "wordgames/scene3d/scene_graph.h"

#include <algorithm>
#include <osg/AutoTransform>
#include <osgUtil/IntersectionVisitor>
#include <osgUtil/LineSegmentIntersector>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

namespace scene3d {

using graph::Kind;
using graph::Object;

SceneView::SceneView(QWidget *parent) : QOpenGLWidget(parent), d_(std::make_unique<Impl>())
{
    d_->AttachWindow(size() * devicePixelRatioF(), devicePixelRatioF());
    SetCamera({0, 0, 10}, {0, 0, 0}, {0, 1, 0});
}

SceneView::~SceneView()
{
    disconnect(d_->contextEnds);
    if (d_->initialized && available_ && d_->window) {
        makeCurrent();
        d_->DetachWindow();
        doneCurrent();
    }
    // A window never drawn in must not be closed by the viewer: closing
    // makes it current, and the context number it hands on would keep
    // OpenGL functions read from no context.
    d_->Camera()->setGraphicsContext(nullptr);
    d_->viewer = nullptr;
}

void SceneView::AddGroup(const QString &name, const QString &parent, Vec3 position, Vec3 rotation)
{
    d_->AddObject(name, parent, Kind::Group, position, rotation);
    update();
}

void SceneView::AddTexture(const QString &textureName, const QImage &image)
{
    graph::Texture &entry = d_->NamedTexture(textureName);
    entry.texture = image.isNull() ? nodes::BlankTexture() : nodes::TextureFromQImage(image);
    entry.translucent = nodes::HasTransparency(image);
    for (auto &[name, object] : d_->objects)
        if (object.textureName == textureName)
            d_->SetTexture(object, textureName);
    update();
}

bool SceneView::HasTexture(const QString &textureName) const
{
    return d_->textures.count(textureName) > 0;
}

void SceneView::AddPlane(const QString &name, const QString &parent, Vec3 centre, float width, float height,
                         const QImage &texture, QColor colour, Vec3 rotation)
{
    Object &object = d_->AddShape(name, parent, Kind::Plane, centre, rotation,
                                  nodes::Rectangle(width, height), {}, colour);
    if (!texture.isNull()) {
        object.state->setTextureAttributeAndModes(0, nodes::TextureFromQImage(texture),
                                                  osg::StateAttribute::ON);
        object.look.translucentTexture = nodes::HasTransparency(texture);
        d_->ApplyLook(object);
    }
    update();
}

void SceneView::AddPlane(const QString &name, const QString &parent, Vec3 centre, float width, float height,
                         const QString &textureName, QColor colour, Vec3 rotation)
{
    d_->AddShape(name, parent, Kind::Plane, centre, rotation, nodes::Rectangle(width, height), textureName,
                 colour);
    update();
}

void SceneView::AddBox(const QString &name, const QString &parent, Vec3 centre, Vec3 size,
                       const QString &textureName, QColor colour, Vec3 rotation)
{
    d_->AddShape(name, parent, Kind::Box, centre, rotation, nodes::Box(size), textureName, colour);
    update();
}

void SceneView::AddSphere(const QString &name, const QString &parent, Vec3 centre, float radius,
                          const QString &textureName, QColor colour, bool half, Vec3 rotation)
{
    d_->AddShape(name, parent, Kind::Sphere, centre, rotation, nodes::Sphere(radius, half), textureName,
                 colour);
    update();
}

void SceneView::AddCone(const QString &name, const QString &parent, Vec3 centre, float bottomRadius,
                        float topRadius, float height, const QString &textureName, QColor colour, int slices,
                        Vec3 rotation)
{
    d_->AddShape(name, parent, Kind::Cone, centre, rotation,
                 nodes::Cone(bottomRadius, topRadius, height, slices), textureName, colour);
    update();
}

void SceneView::AddSprite(const QString &name, const QString &parent, Vec3 centre, float width, float height,
                          const QString &textureName, float opacity, bool additive)
{
    Object &object = d_->AddObject(name, parent, Kind::Sprite, centre, {});
    // Turned to face the screen whatever turns the frames it is in.
    osg::ref_ptr<osg::AutoTransform> facing = new osg::AutoTransform;
    facing->setAutoRotateMode(osg::AutoTransform::ROTATE_TO_SCREEN);
    object.coloured = nodes::Rectangle(width, height);
    object.state = object.coloured->getOrCreateStateSet();
    object.state->setMode(GL_LIGHTING, osg::StateAttribute::OFF);
    object.look.opacity = opacity;
    object.look.additive = additive;
    object.look.blendedWritesDepth = false;
    d_->SetTexture(object, textureName);
    d_->ApplyLook(object);
    facing->addChild(object.coloured);
    object.transform->addChild(facing);
    update();
}

void SceneView::AddText(const QString &name, const QString &parent, Vec3 position, const QString &text,
                        float height, QColor colour, float scale)
{
    Object &object = d_->AddObject(name, parent, Kind::Text, position, {}, scale);
    object.text = new osgText::Text;
    if (auto font = nodes::MonospacedBoldFont())
        object.text->setFont(font);
    object.text->setFontResolution(64, 64);
    object.text->setCharacterSize(height);
    object.text->setAxisAlignment(osgText::TextBase::XY_PLANE);
    object.text->setAlignment(osgText::TextBase::LEFT_BASE_LINE);
    object.text->setColor(nodes::ToOsg(colour));
    object.text->setText(nodes::TextString(text));
    object.look.colour = colour;
    // The text's own state is shared by every text of its font: the
    // transform's carries the unlit mode.
    object.transform->getOrCreateStateSet()->setMode(GL_LIGHTING, osg::StateAttribute::OFF);
    object.transform->addChild(object.text);
    update();
}

void SceneView::AddCylinder(const QString &name, const QString &parent, Vec3 centre, float radius,
                            float length, QColor colour, Vec3 rotation)
{
    Object &object = d_->AddObject(name, parent, Kind::Cylinder, centre, rotation);
    osg::ref_ptr<osg::Drawable> cylinder = nodes::Cylinder(radius, length);
    object.state = cylinder->getOrCreateStateSet();
    object.material = new osg::Material;
    object.state->setAttributeAndModes(object.material, osg::StateAttribute::ON);
    object.look.colour = colour;
    d_->ApplyLook(object);
    object.transform->addChild(cylinder);
    update();
}

void SceneView::AddLines(const QString &name, const QString &parent, const std::vector<Vec3> &ends,
                         QColor colour)
{
    AddLines(name, parent, ends, colour, 1);
}

void SceneView::AddLines(const QString &name, const QString &parent, const std::vector<Vec3> &ends,
                         QColor colour, float widthPixels)
{
    d_->AddLines(name, parent, ends, GL_LINES, colour, widthPixels);
    update();
}

void SceneView::AddLineStrip(const QString &name, const QString &parent, const std::vector<Vec3> &points,
                             QColor colour, float widthPixels)
{
    d_->AddLines(name, parent, points, GL_LINE_STRIP, colour, widthPixels);
    update();
}

void SceneView::AddLight(const QString &name, const QString &parent, Vec3 position, QColor diffuse)
{
    Object &object = d_->AddObject(name, parent, Kind::Light, position, {});
    object.look.colour = diffuse;
    int number = 1;
    while (number < graph::kMaxLights && d_->lightsUsed.test(size_t(number)))
        ++number;
    if (number == graph::kMaxLights) {
        qWarning("scene3d: light \"%s\" left out, all lights are taken", qPrintable(name));
        return;
    }
    d_->lightsUsed.set(size_t(number));
    object.light = new osg::Light(number);
    object.light->setPosition(osg::Vec4(0, 0, 0, 1));
    object.light->setAmbient(osg::Vec4(0, 0, 0, 1));
    object.light->setDiffuse(nodes::ToOsg(diffuse));
    object.light->setSpecular(osg::Vec4(0.3f, 0.3f, 0.3f, 1));
    osg::ref_ptr<osg::LightSource> source = new osg::LightSource;
    source->setLight(object.light);
    d_->SwitchLight(number, true);
    object.transform->addChild(source);
    d_->UpdateEyeLight();
    update();
}

void SceneView::AddOverlayText(const QString &name, QPoint pixel, const QString &text, QColor colour,
                               int pixelHeight)
{
    if (d_->Find(name))
        d_->Remove(name);
    Object &object = d_->objects[name];
    object.kind = Kind::Overlay;
    object.pixel = pixel;
    object.pixelHeight = pixelHeight;
    object.look.colour = colour;
    object.text = new osgText::Text;
    if (auto font = nodes::OverlayFont())
        object.text->setFont(font);
    object.text->setFontResolution(std::max(16, pixelHeight), std::max(16, pixelHeight));
    object.text->setAlignment(osgText::TextBase::LEFT_TOP);
    object.text->setColor(object.look.Colour());
    object.text->setText(nodes::TextString(text));
    object.text->setName(name.toStdString());
    object.node = object.text;
    d_->PlaceOverlay(object);
    d_->overlay->addChild(object.text);
    update();
}

bool SceneView::Has(const QString &name) const
{
    return d_->Find(name) != nullptr;
}

void SceneView::Remove(const QString &name)
{
    d_->Remove(name);
    update();
}

void SceneView::Clear()
{
    d_->scene->removeChildren(0, d_->scene->getNumChildren());
    d_->overlay->removeChildren(0, d_->overlay->getNumChildren());
    d_->objects.clear();
    d_->movements.clear();
    for (int number = 1; number < graph::kMaxLights; ++number)
        d_->SwitchLight(number, false);
    d_->lightsUsed = 1;
    d_->UpdateEyeLight();
    update();
}

void SceneView::SetText(const QString &name, const QString &text)
{
    if (Object *object = d_->Find(name); object && object->text) {
        object->text->setText(nodes::TextString(text));
        update();
    }
}

void SceneView::SetColour(const QString &name, QColor colour)
{
    if (Object *object = d_->Find(name)) {
        object->look.colour = colour;
        d_->ApplyLook(*object);
        update();
    }
}

void SceneView::SetTexture(const QString &object, const QString &textureName)
{
    Object *found = d_->Find(object);
    if (found && found->textureName != textureName) {
        d_->SetTexture(*found, textureName);
        update();
    }
}

void SceneView::SetEmission(const QString &name, QColor colour)
{
    if (Object *object = d_->Find(name); object && object->material) {
        object->look.emission = colour;
        d_->ApplyLook(*object);
        update();
    }
}

void SceneView::SetBlending(const QString &name, float opacity, bool additive)
{
    if (!d_->Find(name))
        return;
    for (const QString &each : d_->WithFrameNames(name)) {
        Object &object = *d_->Find(each);
        object.look.opacity = opacity;
        object.look.additive = additive;
        d_->ApplyLook(object);
    }
    update();
}

void SceneView::SetPickable(const QString &name, bool pickable)
{
    if (Object *object = d_->Find(name)) {
        object->pickable = pickable;
        d_->ApplyMask(*object);
    }
}

void SceneView::SetVisible(const QString &name, bool visible)
{
    if (Object *object = d_->Find(name)) {
        object->visible = visible;
        d_->ApplyMask(*object);
        if (object->light)
            d_->SwitchLight(object->light->getLightNum(), visible);
        update();
    }
}

bool SceneView::IsVisible(const QString &name) const
{
    const Object *object = d_->Find(name);
    return object && object->visible;
}

void SceneView::MoveOverlay(const QString &name, QPoint pixel)
{
    if (Object *object = d_->Find(name); object && object->kind == Kind::Overlay) {
        object->pixel = pixel;
        d_->PlaceOverlay(*object);
        update();
    }
}

void SceneView::SetOverlayHeight(const QString &name, int pixelHeight)
{
    if (Object *object = d_->Find(name); object && object->kind == Kind::Overlay) {
        object->pixelHeight = pixelHeight;
        object->text->setFontResolution(std::max(16, pixelHeight), std::max(16, pixelHeight));
        d_->PlaceOverlay(*object);
        update();
    }
}

void SceneView::SetPosition(const QString &name, Vec3 position)
{
    if (Object *object = d_->Find(name)) {
        object->position = position;
        d_->Place(*object);
        update();
    }
}

Vec3 SceneView::Position(const QString &name) const
{
    const Object *object = d_->Find(name);
    return object ? object->position : Vec3{};
}

void SceneView::SetRotation(const QString &name, Vec3 rotation)
{
    if (Object *object = d_->Find(name)) {
        object->rotation = rotation;
        d_->Place(*object);
        update();
    }
}

Vec3 SceneView::Rotation(const QString &name) const
{
    const Object *object = d_->Find(name);
    return object ? object->rotation : Vec3{};
}

void SceneView::SetCamera(Vec3 eye, Vec3 centre, Vec3 up, double fieldOfViewDegrees)
{
    d_->Camera()->setViewMatrixAsLookAt(nodes::ToOsg(eye), nodes::ToOsg(centre), nodes::ToOsg(up));
    d_->fieldOfView = fieldOfViewDegrees;
    d_->ApplyProjection();
    update();
}

void SceneView::SetBackground(QColor colour)
{
    d_->Camera()->setClearColor(nodes::ToOsg(colour));
    update();
}

void SceneView::SetFog(QColor colour, float start, float end)
{
    d_->SetFog(colour, start, end);
    update();
}

void SceneView::ClearFog()
{
    d_->ClearFog();
    update();
}

void SceneView::Move(const QString &name, const std::vector<Waypoint> &path)
{
    Object *object = d_->Find(name);
    if (!object)
        return;
    if (path.empty()) {
        d_->movements.erase(name);
        return;
    }
    d_->movements[name] = {path, clock_.Now()};
    object->position = path.front().position;
    object->rotation = path.front().rotation;
    d_->Place(*object);
    update();
}

bool SceneView::Moving(const QString &name) const
{
    return d_->movements.count(name) > 0;
}

void SceneView::FinishMovements()
{
    const std::vector<QString> ended = d_->PlayMovements(clock_.Now(), true);
    update();
    for (const QString &name : ended)
        emit movementEnded(name);
}

void SceneView::Step()
{
    const std::vector<QString> ended = d_->PlayMovements(clock_.Advance(), false);
    for (const QString &name : ended)
        emit movementEnded(name);
    update();
}

QString SceneView::Pick(QPoint point)
{
    const double ratio = devicePixelRatioF();
    if (d_->deviceSize != size() * ratio)
        d_->ApplySize(size() * ratio, ratio);
    // Window coordinates count from the bottom left, in device pixels.
    const double x = (point.x() + 0.5) * ratio, y = d_->deviceSize.height() - (point.y() + 0.5) * ratio;
    osg::ref_ptr<osgUtil::LineSegmentIntersector> intersector =
        new osgUtil::LineSegmentIntersector(osgUtil::Intersector::WINDOW, x, y);
    osgUtil::IntersectionVisitor visitor(intersector);
    visitor.setTraversalMask(graph::kPickMask);
    d_->Camera()->accept(visitor);
    const osg::Vec3d eye = osg::Matrixd::inverse(d_->Camera()->getViewMatrix()).getTrans();
    // Nearest hit first; the innermost of our objects on its path, unless
    // the hit is on the back of a one-sided shape, which is not drawn.
    for (const auto &hit : intersector->getIntersections()) {
        const bool fromBehind = hit.getWorldIntersectNormal() * (hit.getWorldIntersectPoint() - eye) > 0;
        for (auto node = hit.nodePath.rbegin(); node != hit.nodePath.rend(); ++node) {
            const QString name = QString::fromStdString((*node)->getName());
            const Object *object = name.isEmpty() ? nullptr : d_->Find(name);
            if (!object)
                continue;
            if (!(object->oneSided && fromBehind))
                return name;
            break;
        }
    }
    return {};
}

QImage SceneView::Render(QSize size)
{
    if (!available_ || !isVisible())
        return {};
    const double ratio = devicePixelRatioF();
    const QSize viewSize = this->size() * ratio;
    const bool ownSize = size.isEmpty() || size == viewSize;
    // Grabbing draws the view, making its context first if need be.
    if (ownSize || !d_->initialized) {
        QImage picture = grabFramebuffer();
        if (!available_ || !d_->window)
            return {};
        if (ownSize)
            return picture;
    }
    makeCurrent();
    QOpenGLFramebufferObjectFormat format;
    format.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
    QOpenGLFramebufferObject target(size, format);
    QImage picture;
    if (target.isValid() && target.bind()) {
        d_->window->setDefaultFboId(target.handle());
        d_->ApplySize(size, double(size.height()) / std::max(1, height()));
        d_->viewer->frame(clock_.Now());
        picture = target.toImage();
        target.release();
        d_->ApplySize(viewSize, ratio);
    }
    doneCurrent();
    return picture;
}

void SceneView::initializeGL()
{
    QOpenGLContext *gl = context();
    if (!gl || !gl->isValid()) {
        available_ = false;
        QMetaObject::invokeMethod(this, &SceneView::openGLMissing, Qt::QueuedConnection);
        return;
    }
    // A new context (the view moved to another window) gets a window of
    // its own in the viewer: nothing of the old context is taken for it.
    if (!d_->window)
        d_->AttachWindow(size() * devicePixelRatioF(), devicePixelRatioF());
    d_->initialized = true;
    disconnect(d_->contextEnds);
    d_->contextEnds = connect(gl, &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        makeCurrent();
        d_->DetachWindow();
        doneCurrent();
    });
}

void SceneView::resizeGL(int w, int h)
{
    const double ratio = devicePixelRatioF();
    d_->ApplySize(QSize(w, h) * ratio, ratio);
}

void SceneView::paintGL()
{
    if (!available_ || !d_->initialized || !d_->window)
        return;
    d_->window->setDefaultFboId(defaultFramebufferObject());
    d_->viewer->frame(clock_.Now());
}

void SceneView::mousePressEvent(QMouseEvent *event)
{
    emit picked(Pick(event->position().toPoint()), event->button());
    event->accept();
}

void SceneView::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClicked(Pick(event->position().toPoint()));
    event->accept();
}

} // namespace scene3d
