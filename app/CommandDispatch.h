#pragma once

#include <cstdint>

class Window;

// The three command buttons: 0 "Изчисли", 1 "Изчисти", 2 "Изтрий".
void Command1_Click(Window& window, std::int16_t Index);
