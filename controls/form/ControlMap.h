#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace controls {

// A control's name and its index in its control array, -1 outside one.
using ControlKey = std::pair<std::string, int>;

// The control a form keeps under a name and index, whatever holds it there.
// Asking for one the form does not have is a programming error.
template <typename Holder>
auto& findControl(const std::map<ControlKey, Holder>& controls, std::string_view name, int index)
{
    const auto found = controls.find({std::string(name), index});
    if (found == controls.end())
        throw std::out_of_range("no control " + std::string(name) + " at index " + std::to_string(index));
    return *found->second;
}

} // namespace controls
