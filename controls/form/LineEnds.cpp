#include "controls/form/LineEnds.h"

namespace controls {

std::string withBareLineFeeds(std::string text)
{
    std::erase(text, '\r');
    return text;
}

} // namespace controls
