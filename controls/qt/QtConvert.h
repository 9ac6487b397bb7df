#pragma once

#include "controls/Board.h"
#include "controls/KeyCode.h"
#include "controls/form/LineEnds.h"
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

inline Rgb toRgb(const QColor& colour)
{
    return Rgb{std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue())};
}

// Qt breaks lines at a bare line feed.
inline QString toDisplayText(const std::string& text)
{
    return QString::fromStdString(withBareLineFeeds(text));
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
    case Qt::Key_PageUp: return key::PageUp;
    case Qt::Key_PageDown: return key::PageDown;
    default: return qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9 ? std::int16_t(qtKey) : std::int16_t(0);
    }
}

// The Shift, Ctrl and Alt keys held, as mouse::ShiftMask etc.
inline std::int16_t toShiftState(Qt::KeyboardModifiers modifiers)
{
    std::int16_t state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= mouse::ShiftMask;
    if (modifiers & Qt::ControlModifier)
        state |= mouse::CtrlMask;
    if (modifiers & Qt::AltModifier)
        state |= mouse::AltMask;
    return state;
}

} // namespace controls
