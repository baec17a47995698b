// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/scene3d/scene_nodes.h"

#include <cstring>
#include <osg/BlendFunc>
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

osg::ref_ptr<osg::Geometry> Rectangle(float width, float height)
{
    return osg::createTexturedQuadGeometry(osg::Vec3(-width / 2, -height / 2, 0), osg::Vec3(width, 0, 0),
                                           osg::Vec3(0, height, 0));
}

osg::ref_ptr<osg::Drawable> Cylinder(float radius, float length)
{
    osg::ref_ptr<osg::Cylinder> shape = new osg::Cylinder(osg::Vec3(), radius, length);
    shape->setRotation(osg::Quat(osg::PI_2, osg::Y_AXIS)); // its axis from z to x
    osg::ref_ptr<osg::TessellationHints> hints = new osg::TessellationHints;
    hints->setDetailRatio(0.6f);
    return new osg::ShapeDrawable(shape, hints);
}

osg::ref_ptr<osg::Geometry> Segments(const std::vector<Vec3> &ends, const QColor &colour)
{
    osg::ref_ptr<osg::Geometry> geometry = new osg::Geometry;
    osg::ref_ptr<osg::Vec3Array> points = new osg::Vec3Array;
    for (size_t i = 0; i + 1 < ends.size(); i += 2) {
        points->push_back(ToOsg(ends[i]));
        points->push_back(ToOsg(ends[i + 1]));
    }
    geometry->setVertexArray(points);
    osg::ref_ptr<osg::Vec4Array> colours = new osg::Vec4Array(1);
    geometry->setColorArray(colours, osg::Array::BIND_OVERALL);
    SetSegmentsColour(*geometry, colour);
    geometry->addPrimitiveSet(new osg::DrawArrays(GL_LINES, 0, GLsizei(points->size())));
    geometry->getOrCreateStateSet()->setMode(GL_LIGHTING, osg::StateAttribute::OFF);
    return geometry;
}

void SetSegmentsColour(osg::Geometry &segments, const QColor &colour)
{
    auto *colours = static_cast<osg::Vec4Array *>(segments.getColorArray());
    (*colours)[0] = ToOsg(colour);
    colours->dirty();
}

void ApplyColour(osg::StateSet &state, osg::Material &material, const QColor &colour, bool translucent)
{
    const osg::Vec4 c = ToOsg(colour);
    material.setColorMode(osg::Material::OFF);
    material.setAmbient(osg::Material::FRONT_AND_BACK,
                        osg::Vec4(c.r() * 0.35f, c.g() * 0.35f, c.b() * 0.35f, c.a()));
    material.setDiffuse(osg::Material::FRONT_AND_BACK, c);
    material.setSpecular(osg::Material::FRONT_AND_BACK, osg::Vec4(0.15f, 0.15f, 0.15f, 1));
    material.setShininess(osg::Material::FRONT_AND_BACK, 24);
    state.setAttributeAndModes(&material, osg::StateAttribute::ON);
    if (translucent || colour.alpha() < 255) {
        state.setAttributeAndModes(new osg::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA),
                                   osg::StateAttribute::ON);
        state.setRenderingHint(osg::StateSet::TRANSPARENT_BIN);
    } else {
        state.removeAttribute(osg::StateAttribute::BLENDFUNC);
        state.removeMode(GL_BLEND);
        state.setRenderingHint(osg::StateSet::OPAQUE_BIN);
    }
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
