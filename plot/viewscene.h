#pragma once

#include "plot/animationstrip.h"
#include "plot/canvas.h"
#include "plot/viewstyle.h"
#include "plot/viewtexts.h"

#include "model/characteristics.h"
#include "model/parameters.h"
#include "model/plotranges.h"

#include <QImage>
#include <QSize>

#include <cstddef>
#include <optional>

class QPainter;

namespace dryfriction {

// Everything one view shows, kept as what was drawn rather than as pixels, so
// the view can be drawn afresh at any resolution: the frames of the problem,
// and for a graph the run as far as it has come.
struct ViewScene {
    // The run on the graphs: its problem and how many of its samples are drawn.
    struct Run {
        ProblemParameters parameters;
        MotionCharacteristics characteristics;
        std::size_t samplesDrawn = 0;
    };

    // 0 for the animation strip, i + 1 for timeGraphs()[i].
    std::size_t view = 0;
    ViewStyle style;
    PlotRanges ranges;
    ViewTexts texts;
    double x0 = 0;
    // A run draws a graph's frame a second time over the first before it starts.
    int graphFramePasses = 1;
    std::optional<Run> run;
    // Where the strip shows the spring and the load.
    std::optional<SetupPlacement> setup;
};

// Draws the scene on a canvas of the view's size, cleared first: the frame,
// then, on a graph, the run's preamble and its trace through the samples drawn.
// The set-up of the strip is not part of it (see paintSetup).
void drawScene(Canvas& canvas, const ViewScene& scene);

// The view as an image of `logical` size at `devicePixelRatio` device pixels
// per logical pixel, the set-up included; the image's own device pixel ratio
// and resolution say so.
QImage renderScene(const ViewScene& scene, QSize logical, qreal devicePixelRatio);

// The view drawn with `painter` in logical pixels, the set-up included: on a
// vector device, lines and text stay lines and text.
void paintScene(QPainter& painter, const ViewScene& scene, QSize logical);

}  // namespace dryfriction
