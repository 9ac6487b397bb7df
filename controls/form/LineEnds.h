#pragma once

#include <string>

namespace controls {

// Texts keep the CR LF line ends of the old platform; a toolkit that breaks
// lines at a bare line feed shows them without the carriage returns.
std::string withBareLineFeeds(std::string text);

} // namespace controls
