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

// Where every control of the main window goes. The views share one rectangle,
// which a client area at least 700 pixels tall splits between the animation
// strip at its top and the graphs below it.
struct WindowLayout {
    LayoutRect parametersTitle;
    std::array<LayoutRect, 6> fieldCaptions;  // in the order of InputField
    std::array<LayoutRect, 6> fields;
    LayoutRect characteristicsTitle;
    LayoutRect frequency, period, zoneHalfWidth, velocityScale, finalStop, firstStop;
    LayoutRect amplitude, finalCoordinate, path;
    // The start button has its whole place at rest; while a run is under
    // way it takes the left half of it and the pause button the right half.
    LayoutRect startButton;
    LayoutRect startButtonBesidePause;
    LayoutRect pauseButton;
    LayoutRect viewChooser;
    // The moment of a run, in the band's top row: its value in the amplitude
    // column, the slider from the start button's left edge to the views' right edge.
    LayoutRect timeLabel;
    LayoutRect timeSlider;
    LayoutRect views;
    // Where the strip goes above a graph and where the graphs go: with the
    // strip above the graphs, the top and the rest of the views' rectangle, a
    // gap apart; otherwise both the whole of it. The animation alone always
    // takes the whole of it.
    bool stripAboveGraph = false;
    LayoutRect strip;
    LayoutRect graph;
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
// above it the views, the slowdown bar and its value. From a client area 700
// pixels tall the strip stands above the graphs. In a client area too
// small for the band (narrower than 20 or lower than 325 pixels) the views'
// size would be negative: it is 0, and the rows below them are placed from
// that 0. Lefts and tops may be negative; that only moves controls out of sight.
// The view chooser is a row high for every option after the first.
WindowLayout computeLayout(float width, float height, int viewChoices);

}  // namespace dryfriction
