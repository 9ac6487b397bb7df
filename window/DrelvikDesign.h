#pragma once

#include "controls/FormDescription.h"

// The window and every control as they stand before any code runs.
controls::FormDescription drelvikDesign();

// What the report box shows at start: the exercise this program solves.
extern const char* const TaskStatement;
