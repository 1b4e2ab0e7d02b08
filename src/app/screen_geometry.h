#pragma once
// Points and rectangles on the screen, in pixels, as the window-free decisions take them.

struct ScreenPoint {
    long x;
    long y;
};

struct ScreenRect {
    long left;
    long top;
    long right;
    long bottom;
};
