#pragma once

#include "controls/Rgb.h"

#include <QColor>

namespace controls {

inline QColor toQColor(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace controls
