#pragma once

#include "tests/scenarios/ScenarioSupport.h"

#include <string>

// The report "Изчисли" must write for three points given as grid crossings,
// worked out here on its own: the verdict from exact cross and dot products,
// the area and distance as decimals with a point.
std::string expectedReport(const std::vector<Pixel>& points);
