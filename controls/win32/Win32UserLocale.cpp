#include "controls/UserLocale.h"

#include "controls/win32/WideText.h"

#include <windows.h>

namespace controls {

// Asked every time, so that a change in the Control Panel shows in the next
// report; LOCALE_SDECIMAL is there from Windows XP on.
std::string userDecimalSeparator()
{
    wchar_t separator[8] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return length > 1 ? toUtf8(std::wstring_view(separator, std::size_t(length - 1))) : ".";
}

} // namespace controls
