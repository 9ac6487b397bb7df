#include "controls/win32/Win32Toolkit.h"

#include "controls/win32/MessageLoop.h"
#include "controls/win32/WideText.h"
#include "controls/win32/Win32Form.h"

#include <windows.h>

namespace controls {

std::unique_ptr<Form> Win32Toolkit::createForm(const FormDescription& description)
{
    return std::make_unique<Win32Form>(description);
}

// LOCALE_SDECIMAL is there from Windows XP on.
std::string Win32Toolkit::decimalSeparator() const
{
    wchar_t separator[8] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8);
    return length > 1 ? toUtf8(std::wstring_view(separator, std::size_t(length - 1))) : ".";
}

int Win32Toolkit::exec()
{
    return MessageLoop::run();
}

std::unique_ptr<Toolkit> makeToolkit(int&, char**, const std::string&, const std::string&)
{
    return std::make_unique<Win32Toolkit>();
}

} // namespace controls
