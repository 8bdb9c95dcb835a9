#pragma once
// Placing a window in the middle of the screen.

namespace morvane {

// The origin (left or top) that centres a window of windowSize on a screen of screenSize,
// both in the same units: the difference is rounded to the nearest whole number (an exact
// half to the even one), then halved with the remainder dropped (towards zero).
int CentredOrigin(double screenSize, double windowSize);

}  // namespace morvane
