#pragma once

#include <cstdint>

class Window;

// A row selected in one coordinate list is selected in all three, and its
// point is marked dark red on the board, every other point black.
void List1_Click(Window& window, std::int16_t Index);
