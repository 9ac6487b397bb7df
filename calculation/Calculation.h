#pragma once

class Window;

// "Изчисли": takes the three listed points, writes the whole report into
// the report box and draws the two sides to the examined point and the
// segment. Points too large for the arithmetic give one line and change
// nothing else.
void Calculate(Window& window);

// The determinant of the three points with its rows, and the area.
void ReportOrientedArea(Window& window);

// Whether the examined point lies on the segment or its extension, otherwise
// its distance from the segment's line and where its projection falls.
void ReportSegmentRelation(Window& window);
