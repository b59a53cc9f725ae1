// Colours of the plain window objects as Qt colours.
#pragma once

#include <QColor>

#include "cube/colour.h"

namespace rq51 {

inline QColor ToQColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }
inline QColor ToQColor(Colour colour) { return ToQColor(RgbOf(colour)); }

}  // namespace rq51
