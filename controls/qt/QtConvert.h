#pragma once

#include "controls/KeyCode.h"
#include "controls/Rgb.h"

#include <QColor>
#include <QString>

#include <cstdint>
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

// The program's key code of a Qt key; 0 for a key it has no use for.
inline std::int16_t toKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Tab: return key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return key::Return;
    case Qt::Key_Space: return key::Space;
    case Qt::Key_End: return key::End;
    case Qt::Key_Home: return key::Home;
    case Qt::Key_Left: return key::Left;
    case Qt::Key_Up: return key::Up;
    case Qt::Key_Right: return key::Right;
    case Qt::Key_Down: return key::Down;
    default: return 0;
    }
}

} // namespace controls
