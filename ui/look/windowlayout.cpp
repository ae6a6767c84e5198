#include "ui/look/windowlayout.h"

#include <algorithm>
#include <cmath>

namespace dryfriction {

namespace {

constexpr float kGapX = 10;     // horizontal margin and gap
constexpr float kGapY = 10;     // vertical margin and gap
constexpr float kCell = 70;     // unit width of a cell
constexpr float kRow = 25;      // row height
// The client area the window opens with, where the views' drawing has one
// screen pixel per pixel.
constexpr double kStartupWidth = 640;
constexpr double kStartupHeight = 537;
// From this client height on there is room for the strip above the graph.
constexpr float kStripAboveGraphHeight = 700;
// The strip's height above the graphs, in pixels of the views' drawing (so
// that it grows with the zoom, as its text and load do). The strip puts its
// axis half-way down: above it the load, 25 high; below it the labels of the
// axis and the caption under them, some 35 together. 100 leaves a clear
// margin over the load and under the caption at every zoom, and gives the
// graph most of the height: 545 of 755 pixels at 1920 x 1080 (zoom 2), 308
// of 443 at 1024 x 768 (zoom 1.25), 265 of 375 at 640 x 700.
constexpr float kStripDrawingHeight = 100;

// A size as a control takes it: a control cannot be narrower than nothing,
// and what later rows read back is the size it took.
float takenSize(float value)
{
    return value > 0 ? value : 0;
}

}  // namespace

WindowLayout computeLayout(float width, float height, int viewChoices)
{
    WindowLayout f;
    // The band's seven rows and the bottom margin fill 8 rows and 8 gaps.
    f.parametersTitle = {kGapX, height - 8 * kRow - 8 * kGapY, 2.2f * kCell, kRow};

    // The input column: caption and field side by side, one pair per row.
    const LayoutRect firstCaption = {kGapX, f.parametersTitle.top + kRow + kGapY, kCell, kRow};
    const float fieldLeft = firstCaption.left + firstCaption.width;
    for (std::size_t row = 0; row < f.fields.size(); ++row) {
        const float top = firstCaption.top + static_cast<float>(row) * (kRow + kGapY);
        f.fieldCaptions[row] = {firstCaption.left, top, kCell, kRow};
        f.fields[row] = {fieldLeft, top, kCell, kRow};
    }

    // The characteristics column; its row 3 stays empty.
    f.characteristicsTitle = {f.parametersTitle.width + 2 * kGapX, f.parametersTitle.top, 2 * kCell, kRow};
    const float valueLeft = 2 * kCell + 3 * kGapX;
    const float valueWidth = 1.9f * kCell;
    auto valueRow = [&](int row) {
        return LayoutRect{valueLeft, f.characteristicsTitle.top + static_cast<float>(row) * (kRow + kGapY),
                          valueWidth, kRow};
    };
    f.frequency = valueRow(1);
    f.period = valueRow(2);
    f.zoneHalfWidth = valueRow(4);
    f.velocityScale = valueRow(5);
    f.finalStop = valueRow(6);
    f.firstStop = valueRow(7);

    // The amplitude and the two results of a run.
    f.amplitude = {2 * f.parametersTitle.width + 2 * kGapX, f.characteristicsTitle.top + 4 * (kRow + kGapY),
                   valueWidth, kRow};
    f.finalCoordinate = {f.amplitude.left, f.parametersTitle.top + 5 * (kRow + kGapY), valueWidth, kRow};
    f.path = {f.amplitude.left, f.parametersTitle.top + 6 * (kRow + kGapY), valueWidth, kRow};

    f.startButton = {f.amplitude.left + f.amplitude.width + kGapX, f.fieldCaptions[0].top, 2 * kCell, kRow};
    f.startButtonBesidePause = {f.startButton.left, f.startButton.top, f.startButton.width / 2, kRow};
    f.pauseButton = {f.startButtonBesidePause.left + f.startButtonBesidePause.width, f.startButton.top,
                     f.startButton.width - f.startButtonBesidePause.width, kRow};
    f.viewChooser = {f.startButton.left, f.fieldCaptions[1].top, f.startButton.width,
                     static_cast<float>(viewChoices - 1) * kRow};

    // The views fill everything above the band but the slowdown bar's strip.
    f.views = {kGapX, kGapY, takenSize(width - 2 * kGapX), takenSize(f.parametersTitle.top - 2 * kGapY - kRow)};
    f.timeLabel = {f.amplitude.left, f.parametersTitle.top, f.amplitude.width, kRow};
    f.timeSlider = {f.startButton.left, f.parametersTitle.top,
                    takenSize(f.views.left + f.views.width - f.startButton.left), kRow};
    f.slowdownBar = {f.views.left, f.views.top + f.views.height + kGapY, f.views.width, kRow / 2};
    const float valueLabelWidth = kCell / 4;
    f.slowdownValue = {f.slowdownBar.left + f.slowdownBar.width / 2 - valueLabelWidth / 2,
                       f.slowdownBar.top + f.slowdownBar.height, valueLabelWidth, kRow};
    // In quarter steps, so that the common screen sizes give whole or simple
    // zooms (2 at 1920 x 1080) and lines stay on whole screen pixels.
    const double ratio = std::min(static_cast<double>(width) / kStartupWidth,
                                  static_cast<double>(height) / kStartupHeight);
    f.viewZoom = std::max(1.0, std::floor(ratio * 4) / 4);

    f.strip = f.views;
    f.graph = f.views;
    f.stripAboveGraph = height >= kStripAboveGraphHeight;
    if (f.stripAboveGraph) {
        f.strip.height = kStripDrawingHeight * static_cast<float>(f.viewZoom);
        f.graph.top = f.strip.top + f.strip.height + kGapY;
        f.graph.height = takenSize(f.views.height - f.strip.height - kGapY);
    }
    return f;
}

}  // namespace dryfriction
