#pragma once

#include <string>
#include <string_view>

namespace controls {

// The program's texts are UTF-8; the W functions of Windows take UTF-16.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

} // namespace controls
