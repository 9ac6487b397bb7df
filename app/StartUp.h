#pragma once

class Window;

// The window's load event: runs once, after the controls exist and before
// the window is first shown.
void Form_Load(Window& window);
