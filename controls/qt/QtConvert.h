#pragma once

#include "controls/Rgb.h"

#include <QColor>
#include <QString>

#include <string>

namespace controls {

inline QColor toQColor(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

// Texts keep the CR LF line ends of the old platform; Qt breaks lines at a
// bare line feed.
inline QString toDisplayText(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace controls
