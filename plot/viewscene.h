#pragma once

#include "plot/animationstrip.h"
#include "plot/canvas.h"
#include "plot/viewstyle.h"
#include "plot/viewtexts.h"

#include "model/plotranges.h"
#include "model/runrecord.h"

#include <QImage>
#include <QSize>

#include <cstddef>
#include <memory>
#include <optional>

class QPainter;

namespace dryfriction {

// Everything one view shows, kept as what was drawn rather than as pixels, so
// the view can be drawn afresh at any resolution: the frames of the problem,
// and for a graph the run at the moment shown.
struct ViewScene {
    // The run on the graphs: its record, shared rather than copied (a long
    // run holds megabytes of samples), and the moment the graph shows, kept
    // here so that the scene stays what it was when the run moves on.
    struct Run {
        std::shared_ptr<const RunRecord> record;
        std::size_t shown = 0;
    };

    // 0 for the animation strip, i + 1 for viewGraphs()[i].
    std::size_t view = 0;
    ViewStyle style;
    PlotRanges ranges;
    ViewTexts texts;
    double x0 = 0;
    std::optional<Run> run;
    // Where the strip shows the spring and the load.
    std::optional<SetupPlacement> setup;
};

// Draws the scene on a canvas of the view's size, cleared first: the frame,
// then, on a graph with a run, the run at its moment (see drawRunAt).
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
