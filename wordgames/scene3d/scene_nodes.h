// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pieces the scene view builds its objects from: pictures made in code
// turned into textures, the plain shapes, the texts and the transforms that
// place them. Internal to the scene layer: only its sources include the 3D
// library.
#include "wordgames/scene3d/scene_view.h"

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

// A rectangle in its x/y plane centred on the origin, facing +z, with
// texture coordinates running over the whole picture.
osg::ref_ptr<osg::Geometry> Rectangle(float width, float height);
// A closed cylinder along the x axis centred on the origin.
osg::ref_ptr<osg::Drawable> Cylinder(float radius, float length);
// Whether some pixel of the picture is not opaque.
bool HasTransparency(const QImage &picture);

// Segments between successive pairs of points, unlit, in one colour.
osg::ref_ptr<osg::Geometry> Segments(const std::vector<Vec3> &ends, const QColor &colour);
void SetSegmentsColour(osg::Geometry &segments, const QColor &colour);

// A material whose ambient and diffuse parts are the colour; blending is
// switched on in `state` when the colour is not opaque (or `translucent`).
void ApplyColour(osg::StateSet &state, osg::Material &material, const QColor &colour,
                 bool translucent = false);

// The bold monospaced font of 3D texts and the sans-serif font of overlay
// texts (TrueType, so that accented letters show). Null when the font file
// is missing, in which case texts fall back to the built-in font.
osg::ref_ptr<osgText::Font> MonospacedBoldFont();
osg::ref_ptr<osgText::Font> OverlayFont();

osgText::String TextString(const QString &text);

} // namespace scene3d::nodes
