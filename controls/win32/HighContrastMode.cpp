#include "controls/win32/HighContrastMode.h"

#include "controls/win32/ColourRef.h"

#include <windows.h>

namespace controls {

namespace {

// The mode as Windows keeps it for the user's next session.
bool keptOn()
{
    wchar_t flags[16] = {};
    DWORD size = sizeof flags;
    if (RegGetValueW(HKEY_CURRENT_USER, KeptHighContrastKey, L"Flags", RRF_RT_REG_SZ, nullptr, flags, &size)
        != ERROR_SUCCESS)
        return false;
    DWORD value = 0;
    for (const wchar_t* digit = flags; *digit >= L'0' && *digit <= L'9'; ++digit)
        value = value * 10 + DWORD(*digit - L'0');
    return value & HCF_HIGHCONTRASTON;
}

// Windows answers whether the mode is on, and keeps the same for the next
// session; Wine always answers that it is off, and has the mode only as
// kept for the next session.
bool modeOn()
{
    HIGHCONTRASTW mode{};
    mode.cbSize = sizeof mode;
    const bool answered = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof mode, &mode, 0);
    return (answered && (mode.dwFlags & HCF_HIGHCONTRASTON)) || keptOn();
}

} // namespace

std::optional<SystemColours> highContrastColours()
{
    if (!modeOn())
        return std::nullopt;
    return SystemColours{systemColour(COLOR_WINDOW),    systemColour(COLOR_WINDOWTEXT),
                         systemColour(COLOR_HIGHLIGHT), systemColour(COLOR_HIGHLIGHTTEXT),
                         systemColour(COLOR_GRAYTEXT),  systemColour(COLOR_BTNFACE),
                         systemColour(COLOR_BTNTEXT)};
}

} // namespace controls
