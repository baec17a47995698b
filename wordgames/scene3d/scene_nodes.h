// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pieces the scene view builds its objects from: pictures made in code
// turned into textures, the plain shapes, the texts and the transforms that
// place them. Internal to the scene layer: only its sources include the 3D
// library.
#include "wordgames/scene3d/scene_view.h"

#include <osg/Fog>
#include <osg/Geometry>
#include <osg/Image>
#include <osg/Material>
#include <osg/Matrix>
#include <osg/Texture2D>
#include <osg/Vec4>
#include <osgText/Font>
#include <osgText/Text>

namespace scene3d::nodes {

osg::Vec3 ToOsg(Vec3 v);
osg::Vec4 ToOsg(const QColor &colour);

// The transform of an object in its parent's frame: a uniform scale, then
// the rotations about x, y and z (degrees), then the move to `position`.
osg::Matrix Placement(Vec3 position, Vec3 rotation, float scale = 1.0f);

// An RGBA copy of the picture, bottom row first as textures expect.
osg::ref_ptr<osg::Image> ImageFromQImage(const QImage &picture);
osg::ref_ptr<osg::Texture2D> TextureFromQImage(const QImage &picture);

// A blank picture, for a named texture shown before it is added.
osg::ref_ptr<osg::Texture2D> BlankTexture();

// The shapes, centred on the origin, with normals and texture coordinates
// running over the whole picture, their faces turned outwards.
// A rectangle in its x/y plane facing +z.
osg::ref_ptr<osg::Geometry> Rectangle(float width, float height);
osg::ref_ptr<osg::Geometry> Box(Vec3 size);
// The upper half (y >= 0) closed by a disc when `half`.
osg::ref_ptr<osg::Geometry> Sphere(float radius, bool half);
// Along y, from -height/2 to +height/2.
osg::ref_ptr<osg::Geometry> Cone(float bottomRadius, float topRadius, float height, int slices);
// A closed cylinder along the x axis.
osg::ref_ptr<osg::Drawable> Cylinder(float radius, float length);
// Whether some pixel of the picture is not opaque.
bool HasTransparency(const QImage &picture);

// Lines through the points, unlit, in one colour (its colour is the
// geometry's one colour): `mode` is GL_LINES for segments between
// successive pairs of points, GL_LINE_STRIP for one line through them all.
osg::ref_ptr<osg::Geometry> Lines(const std::vector<Vec3> &points, GLenum mode, float widthPixels);
void SetGeometryColour(osg::Geometry &geometry, const osg::Vec4 &colour);

// How an object is drawn: its colour (which its texture modulates), the
// light it gives off, and how it is blended with what is behind.
struct Look {
    QColor colour = Qt::white;
    QColor emission = Qt::black;
    float opacity = 1;
    bool additive = false;
    bool translucentTexture = false;
    // Whether blending for the picture's or the colour's transparency
    // alone still hides what is drawn after it (sprites never do).
    bool blendedWritesDepth = true;
    // The colour with the opacity in its alpha.
    osg::Vec4 Colour() const;
    bool Blended() const { return additive || Colour().a() < 1 || translucentTexture; }
};

// A material whose ambient and diffuse parts are the look's colour and
// whose emission is its emission.
void ApplyMaterial(osg::Material &material, const Look &look);
// Blending in `state` as the look wants it: none (opaque); over what is
// behind, writing depth as opaque objects do, for a colour or texture not
// opaque; or over or added to what is behind without writing depth for an
// opacity below 1 or additive (or any blending when `blendedWritesDepth`
// is false). `additiveFog` replaces the scene's fog of
// additive objects.
void ApplyBlending(osg::StateSet &state, const Look &look, osg::Fog *additiveFog);

// The bold monospaced font of 3D texts and the sans-serif font of overlay
// texts (TrueType, so that accented letters show). Null when the font file
// is missing, in which case texts fall back to the built-in font.
osg::ref_ptr<osgText::Font> MonospacedBoldFont();
osg::ref_ptr<osgText::Font> OverlayFont();

osgText::String TextString(const QString &text);

} // namespace scene3d::nodes
