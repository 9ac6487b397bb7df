#pragma once

#include "controls/Board.h"

class Window;

// The board under a finger or a pen, which covers the crossings near it:
// while it touches, the crossing it would enter is marked and follows it;
// where it lifts, the point is entered as a left-button press on the marked
// crossing would enter it. Off the inner area it marks nothing; a cancelled
// contact enters nothing.
void Picture1_Contact(Window& window, controls::Contact contact, float X, float Y);
