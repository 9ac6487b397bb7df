#pragma once

#include <string>

namespace controls {

// The decimal separator of the user's locale, as the toolkit reports it.
std::string userDecimalSeparator();

} // namespace controls
