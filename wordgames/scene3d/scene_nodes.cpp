// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/scene3d/scene_nodes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <osg/BlendFunc>
#include <osg/Depth>
#include <osg/LineWidth>
#include <osg/ShapeDrawable>
#include <osgDB/ReadFile>

namespace scene3d::nodes {

namespace {
const double kDegrees = osg::PI / 180.0;

osg::ref_ptr<osgText::Font> LoadFont(const char *file)
{
    const std::string path = std::string("/usr/share/fonts/truetype/dejavu/") + file;
    return osgText::readRefFontFile(path);
}
} // namespace

osg::Vec3 ToOsg(Vec3 v)
{
    return {v.x, v.y, v.z};
}

osg::Vec4 ToOsg(const QColor &colour)
{
    return {float(colour.redF()), float(colour.greenF()), float(colour.blueF()), float(colour.alphaF())};
}

osg::Matrix Placement(Vec3 position, Vec3 rotation, float scale)
{
    // Row vectors: the leftmost factor applies first.
    return osg::Matrix::scale(scale, scale, scale) * osg::Matrix::rotate(rotation.x * kDegrees, osg::X_AXIS) *
           osg::Matrix::rotate(rotation.y * kDegrees, osg::Y_AXIS) *
           osg::Matrix::rotate(rotation.z * kDegrees, osg::Z_AXIS) * osg::Matrix::translate(ToOsg(position));
}

osg::ref_ptr<osg::Image> ImageFromQImage(const QImage &picture)
{
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    osg::ref_ptr<osg::Image> image = new osg::Image;
    image->allocateImage(rgba.width(), rgba.height(), 1, GL_RGBA, GL_UNSIGNED_BYTE);
    image->setInternalTextureFormat(GL_RGBA8);
    const size_t rowBytes = size_t(rgba.width()) * 4;
    for (int y = 0; y < rgba.height(); ++y)
        std::memcpy(image->data(0, rgba.height() - 1 - y), rgba.constScanLine(y), rowBytes);
    return image;
}

osg::ref_ptr<osg::Texture2D> TextureFromQImage(const QImage &picture)
{
    osg::ref_ptr<osg::Texture2D> texture = new osg::Texture2D(ImageFromQImage(picture));
    texture->setResizeNonPowerOfTwoHint(false);
    texture->setFilter(osg::Texture::MIN_FILTER, osg::Texture::LINEAR_MIPMAP_LINEAR);
    texture->setFilter(osg::Texture::MAG_FILTER, osg::Texture::LINEAR);
    texture->setWrap(osg::Texture::WRAP_S, osg::Texture::CLAMP_TO_EDGE);
    texture->setWrap(osg::Texture::WRAP_T, osg::Texture::CLAMP_TO_EDGE);
    return texture;
}

bool HasTransparency(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return false;
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) < 255)
                return true;
    }
    return false;
}

osg::ref_ptr<osg::Texture2D> BlankTexture()
{
    QImage white(1, 1, QImage::Format_RGB32);
    white.fill(Qt::white);
    return TextureFromQImage(white);
}

namespace {
// Geometry drawn from vertex buffers, built a vertex and a triangle at a
// time.
class Mesh {
public:
    Mesh() : points_(new osg::Vec3Array), normals_(new osg::Vec3Array), coords_(new osg::Vec2Array)
    {
        triangles_ = new osg::DrawElementsUInt(GL_TRIANGLES);
    }
    unsigned Vertex(const osg::Vec3 &point, const osg::Vec3 &normal, const osg::Vec2 &coord)
    {
        points_->push_back(point);
        normals_->push_back(normal);
        coords_->push_back(coord);
        return unsigned(points_->size() - 1);
    }
    // Counter-clockwise as seen from the side it faces.
    void Triangle(unsigned a, unsigned b, unsigned c)
    {
        triangles_->push_back(a);
        triangles_->push_back(b);
        triangles_->push_back(c);
    }
    void Quad(unsigned a, unsigned b, unsigned c, unsigned d)
    {
        Triangle(a, b, c);
        Triangle(a, c, d);
    }
    osg::ref_ptr<osg::Geometry> Geometry()
    {
        osg::ref_ptr<osg::Geometry> geometry = new osg::Geometry;
        geometry->setVertexArray(points_);
        geometry->setNormalArray(normals_, osg::Array::BIND_PER_VERTEX);
        geometry->setTexCoordArray(0, coords_, osg::Array::BIND_PER_VERTEX);
        geometry->addPrimitiveSet(triangles_);
        geometry->setUseDisplayList(false);
        geometry->setUseVertexBufferObjects(true);
        return geometry;
    }

private:
    osg::ref_ptr<osg::Vec3Array> points_, normals_;
    osg::ref_ptr<osg::Vec2Array> coords_;
    osg::ref_ptr<osg::DrawElementsUInt> triangles_;
};

// A point at `angle` radians around the y axis, 0 on +z, a quarter turn on
// +x.
osg::Vec3 Around(double angle, float radius, float y)
{
    return {float(std::sin(angle)) * radius, y, float(std::cos(angle)) * radius};
}

// A flat end of a round shape at height y, facing up or down, the picture
// laid on it with its top towards -z.
void Disc(Mesh &mesh, float radius, float y, bool up, int slices)
{
    const osg::Vec3 normal(0, up ? 1.0f : -1.0f, 0);
    const unsigned centre = mesh.Vertex({0, y, 0}, normal, {0.5f, 0.5f});
    std::vector<unsigned> ring;
    for (int i = 0; i <= slices; ++i) {
        const osg::Vec3 p = Around(2 * osg::PI * i / slices, radius, y);
        ring.push_back(mesh.Vertex(p, normal, {0.5f + p.x() / (2 * radius), 0.5f - p.z() / (2 * radius)}));
    }
    for (int i = 0; i < slices; ++i)
        up ? mesh.Triangle(centre, ring[i], ring[i + 1]) : mesh.Triangle(centre, ring[i + 1], ring[i]);
}
} // namespace

osg::ref_ptr<osg::Geometry> Rectangle(float width, float height)
{
    osg::ref_ptr<osg::Geometry> rectangle = osg::createTexturedQuadGeometry(
        osg::Vec3(-width / 2, -height / 2, 0), osg::Vec3(width, 0, 0), osg::Vec3(0, height, 0));
    rectangle->setUseDisplayList(false);
    rectangle->setUseVertexBufferObjects(true);
    return rectangle;
}

osg::ref_ptr<osg::Geometry> Box(Vec3 size)
{
    // Each face: its normal and the directions of the picture's width and
    // height on it, width x height giving the normal.
    struct Face {
        osg::Vec3 normal, across, up;
    };
    const Face faces[] = {
        {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}},  {{0, 0, -1}, {-1, 0, 0}, {0, 1, 0}},
        {{1, 0, 0}, {0, 0, -1}, {0, 1, 0}}, {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
        {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}}, {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}},
    };
    const osg::Vec3 half = ToOsg(size) / 2;
    // The half extent of the box along a direction of the axes.
    auto extent = [&half](const osg::Vec3 &d) {
        return osg::Vec3(d.x() * half.x(), d.y() * half.y(), d.z() * half.z());
    };
    Mesh mesh;
    for (const Face &f : faces) {
        const osg::Vec3 centre = extent(f.normal), across = extent(f.across), up = extent(f.up);
        mesh.Quad(mesh.Vertex(centre - across - up, f.normal, {0, 0}),
                  mesh.Vertex(centre + across - up, f.normal, {1, 0}),
                  mesh.Vertex(centre + across + up, f.normal, {1, 1}),
                  mesh.Vertex(centre - across + up, f.normal, {0, 1}));
    }
    return mesh.Geometry();
}

osg::ref_ptr<osg::Geometry> Sphere(float radius, bool half)
{
    const int slices = 32, stacks = half ? 8 : 16;
    const double lowest = half ? 0 : -osg::PI_2;
    Mesh mesh;
    std::vector<unsigned> rows;
    for (int i = 0; i <= stacks; ++i) {
        const double latitude = lowest + (osg::PI_2 - lowest) * i / stacks;
        for (int j = 0; j <= slices; ++j) {
            // The seam at the back: the picture's middle faces +z.
            const double longitude = -osg::PI + 2 * osg::PI * j / slices;
            osg::Vec3 normal = Around(longitude, float(std::cos(latitude)), float(std::sin(latitude)));
            rows.push_back(mesh.Vertex(normal * radius, normal, {float(j) / slices, float(i) / stacks}));
        }
    }
    const int row = slices + 1;
    for (int i = 0; i < stacks; ++i)
        for (int j = 0; j < slices; ++j)
            mesh.Quad(rows[i * row + j], rows[i * row + j + 1], rows[(i + 1) * row + j + 1],
                      rows[(i + 1) * row + j]);
    if (half)
        Disc(mesh, radius, 0, false, slices);
    return mesh.Geometry();
}

osg::ref_ptr<osg::Geometry> Cone(float bottomRadius, float topRadius, float height, int slices)
{
    slices = std::max(3, slices);
    const float bottom = -height / 2, top = height / 2;
    Mesh mesh;
    std::vector<unsigned> lower, upper;
    for (int i = 0; i <= slices; ++i) {
        const double angle = 2 * osg::PI * i / slices;
        // Across the slanted side: out by the height, up by how much the
        // radius shrinks.
        osg::Vec3 normal = Around(angle, height, bottomRadius - topRadius);
        normal.normalize();
        const float u = float(i) / slices;
        lower.push_back(mesh.Vertex(Around(angle, bottomRadius, bottom), normal, {u, 0}));
        upper.push_back(mesh.Vertex(Around(angle, topRadius, top), normal, {u, 1}));
    }
    for (int i = 0; i < slices; ++i)
        mesh.Quad(lower[i], lower[i + 1], upper[i + 1], upper[i]);
    if (bottomRadius > 0)
        Disc(mesh, bottomRadius, bottom, false, slices);
    if (topRadius > 0)
        Disc(mesh, topRadius, top, true, slices);
    return mesh.Geometry();
}

osg::ref_ptr<osg::Drawable> Cylinder(float radius, float length)
{
    osg::ref_ptr<osg::Cylinder> shape = new osg::Cylinder(osg::Vec3(), radius, length);
    shape->setRotation(osg::Quat(osg::PI_2, osg::Y_AXIS)); // its axis from z to x
    osg::ref_ptr<osg::TessellationHints> hints = new osg::TessellationHints;
    hints->setDetailRatio(0.6f);
    return new osg::ShapeDrawable(shape, hints);
}

osg::ref_ptr<osg::Geometry> Lines(const std::vector<Vec3> &points, GLenum mode, float widthPixels)
{
    osg::ref_ptr<osg::Geometry> geometry = new osg::Geometry;
    osg::ref_ptr<osg::Vec3Array> vertices = new osg::Vec3Array;
    const size_t count = mode == GL_LINES ? points.size() / 2 * 2 : points.size();
    for (size_t i = 0; i < count; ++i)
        vertices->push_back(ToOsg(points[i]));
    geometry->setVertexArray(vertices);
    geometry->setColorArray(new osg::Vec4Array(1), osg::Array::BIND_OVERALL);
    geometry->addPrimitiveSet(new osg::DrawArrays(mode, 0, GLsizei(vertices->size())));
    osg::StateSet *state = geometry->getOrCreateStateSet();
    state->setMode(GL_LIGHTING, osg::StateAttribute::OFF);
    if (widthPixels != 1)
        state->setAttributeAndModes(new osg::LineWidth(widthPixels), osg::StateAttribute::ON);
    return geometry;
}

void SetGeometryColour(osg::Geometry &geometry, const osg::Vec4 &colour)
{
    auto *colours = static_cast<osg::Vec4Array *>(geometry.getColorArray());
    (*colours)[0] = colour;
    colours->dirty();
}

osg::Vec4 Look::Colour() const
{
    return {float(colour.redF()), float(colour.greenF()), float(colour.blueF()),
            float(colour.alphaF()) * std::clamp(opacity, 0.0f, 1.0f)};
}

void ApplyMaterial(osg::Material &material, const Look &look)
{
    const osg::Vec4 c = look.Colour();
    material.setColorMode(osg::Material::OFF);
    material.setAmbient(osg::Material::FRONT_AND_BACK,
                        osg::Vec4(c.r() * 0.35f, c.g() * 0.35f, c.b() * 0.35f, c.a()));
    material.setDiffuse(osg::Material::FRONT_AND_BACK, c);
    material.setSpecular(osg::Material::FRONT_AND_BACK, osg::Vec4(0.15f, 0.15f, 0.15f, 1));
    material.setShininess(osg::Material::FRONT_AND_BACK, 24);
    material.setEmission(osg::Material::FRONT_AND_BACK, ToOsg(look.emission));
}

void ApplyBlending(osg::StateSet &state, const Look &look, osg::Fog *additiveFog)
{
    static const osg::ref_ptr<osg::BlendFunc> over = new osg::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA),
                                              added = new osg::BlendFunc(GL_SRC_ALPHA, GL_ONE);
    static const osg::ref_ptr<osg::Depth> noDepthWrites = new osg::Depth(osg::Depth::LESS, 0, 1, false);
    if (look.additive)
        state.setAttribute(additiveFog);
    else
        state.removeAttribute(osg::StateAttribute::FOG);
    if (!look.Blended()) {
        state.removeAttribute(osg::StateAttribute::BLENDFUNC);
        state.removeMode(GL_BLEND);
        state.removeAttribute(osg::StateAttribute::DEPTH);
        state.setRenderingHint(osg::StateSet::OPAQUE_BIN);
        return;
    }
    state.setAttributeAndModes(look.additive ? added : over, osg::StateAttribute::ON);
    if (look.additive || look.opacity < 1 || !look.blendedWritesDepth)
        state.setAttribute(noDepthWrites);
    else
        state.removeAttribute(osg::StateAttribute::DEPTH);
    state.setRenderingHint(osg::StateSet::TRANSPARENT_BIN);
}

osg::ref_ptr<osgText::Font> MonospacedBoldFont()
{
    static osg::ref_ptr<osgText::Font> font = LoadFont("DejaVuSansMono-Bold.ttf");
    return font;
}

osg::ref_ptr<osgText::Font> OverlayFont()
{
    static osg::ref_ptr<osgText::Font> font = LoadFont("DejaVuSans-Bold.ttf");
    return font;
}

osgText::String TextString(const QString &text)
{
    return osgText::String(text.toStdString(), osgText::String::ENCODING_UTF8);
}

} // namespace scene3d::nodes
