// Paints the cube's polygons (view3d/cube_geometry.h) with Qt's 2D painting:
// the window's 3D cube and rq51-cli render draw with this same code. The
// header is free of Qt so that rq51-cli, which includes no Qt header, can
// call it.
#pragma once

#include <string>

#include "cube/colour.h"
#include "view3d/cube_geometry.h"

class QPainter;

namespace rq51 {

// Fills every polygon of `frame` in order, anti-aliased, on what the painter
// already holds.
void PaintCubeFrame(QPainter& painter, const view3d::Frame& frame);

// The frame on a `background` of its size, saved as PNG at `path`. Works
// without a display or a Qt application. Returns an empty string on
// success, else what went wrong.
std::string WriteCubePicture(const view3d::Frame& frame, Rgb background, const std::string& path);

}  // namespace rq51
