#include "controls/win32/FormFont.h"

#include "controls/win32/WideText.h"
#include "controls/win32/WindowContext.h"

namespace controls {

namespace {

int CALLBACK noteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool fontFamilyInstalled(const std::wstring& family)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(WindowContext().get(), &wanted, noteFontFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

} // namespace

std::wstring installedFamily(const FontDescription& font)
{
    const std::wstring designed = toWide(font.family);
    return fontFamilyInstalled(designed) ? designed : toWide(font.fallbackFamily);
}

HFONT createFont(const std::wstring& family, int pointSize, UINT dpi)
{
    const int height = -MulDiv(pointSize, int(dpi), 72);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN, family.c_str());
}

} // namespace controls
