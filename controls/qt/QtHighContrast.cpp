#include "controls/qt/QtHighContrast.h"

#include "controls/form/ContrastTheme.h"
#include "controls/qt/QtConvert.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace controls {

namespace {

SystemColours coloursOf(const QPalette& palette)
{
    return SystemColours{
        toRgb(palette.color(QPalette::Active, QPalette::Window)),
        toRgb(palette.color(QPalette::Active, QPalette::WindowText)),
        toRgb(palette.color(QPalette::Active, QPalette::Highlight)),
        toRgb(palette.color(QPalette::Active, QPalette::HighlightedText)),
        toRgb(palette.color(QPalette::Disabled, QPalette::ButtonText)),
        toRgb(palette.color(QPalette::Active, QPalette::Button)),
        toRgb(palette.color(QPalette::Active, QPalette::ButtonText)),
    };
}

bool styleIsForHighContrast(const QStyle& style)
{
    return style.name().contains(QLatin1String("highcontrast"), Qt::CaseInsensitive);
}

} // namespace

std::optional<SystemColours> highContrastColours()
{
    const QPalette palette = QApplication::palette();
    const QStyle& style = *QApplication::style();
    const SystemColours colours = coloursOf(palette);
    const bool paletteOfItsOwn = palette != style.standardPalette();
    if (styleIsForHighContrast(style) || (paletteOfItsOwn && isContrastTheme(colours)))
        return colours;
    return std::nullopt;
}

} // namespace controls
