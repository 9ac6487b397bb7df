#pragma once

#include "controls/FormDescription.h"

#include <windows.h>

#include <string>

namespace controls {

// The designed family, or the fallback where the designed one is not installed.
std::wstring installedFamily(const FontDescription& font);

// The family in its point size at a resolution, with Cyrillic letters.
HFONT createFont(const std::wstring& family, int pointSize, UINT dpi);

} // namespace controls
