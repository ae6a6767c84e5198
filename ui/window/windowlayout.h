#pragma once

#include <array>

namespace dryfriction {

// A control's place in the client area, in pixels. The arithmetic is done in
// single precision; fractional values (12.5, 17.5) stay fractional until a
// control is put there.
struct LayoutRect {
    float left = 0, top = 0, width = 0, height = 0;

    friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

// Where every control of the main window goes. The views share one rectangle.
struct WindowLayout {
    LayoutRect parametersTitle;
    std::array<LayoutRect, 6> fieldCaptions;  // in the order of InputField
    std::array<LayoutRect, 6> fields;
    LayoutRect characteristicsTitle;
    LayoutRect frequency, period, zoneHalfWidth, velocityScale, finalStop, firstStop;
    LayoutRect amplitude, finalCoordinate, path;
    LayoutRect startButton;
    LayoutRect viewChooser;
    LayoutRect views;
    LayoutRect slowdownBar;
    LayoutRect slowdownValue;
    // How many screen pixels a pixel of the views' drawing takes: 1 up to
    // the start-up client area of 640 x 537, growing beyond it in quarter
    // steps with the smaller of the two ratios (2 at 1920 x 1080), so that
    // text, lines and the load grow with the window (a projector shows the
    // whole window).
    double viewZoom = 1;
};

// The window for a client area of width x height pixels, with a view chooser
// of `viewChoices` options: a band of seven rows
// of height 25 with gaps of 10 at the bottom (the input column, the
// characteristics, the results, the start button and the view chooser), and
// above it the views, the slowdown bar and its value. In a client area too
// small for the band (narrower than 20 or lower than 325 pixels) the views'
// size would be negative: it is 0, and the rows below them are placed from
// that 0. Lefts and tops may be negative; that only moves controls out of sight.
// The view chooser is a row high for every option after the first.
WindowLayout computeLayout(float width, float height, int viewChoices);

}  // namespace dryfriction
