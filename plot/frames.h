#pragma once

#include "plot/animationstrip.h"
#include "plot/canvas.h"
#include "plot/viewtexts.h"

#include "model/plotranges.h"

#include <cstddef>
#include <span>

namespace dryfriction {

// Sets the scale of the strip and of every graph from the ranges (nothing is
// drawn). `graphs[i]` shows viewGraphs()[i].
void applyScales(Canvas& strip, std::span<Canvas* const> graphs, const PlotRanges& r);

// The frame of graph `graph` of viewGraphs(), with its captions from `texts`,
// on a canvas whose scale is set.
void drawGraphFrame(Canvas& canvas, std::size_t graph, const PlotRanges& r, const ViewTexts& texts);

// The frame of every graph, on canvases whose scales are set.
void drawGraphFrames(std::span<Canvas* const> graphs, const PlotRanges& r, const ViewTexts& texts);

// Everything the empty views show, on freshly cleared canvases: the scales,
// the animation strip with the set-up at its start x0, and every graph's
// frame. Returns where the set-up stands.
SetupPlacement drawFrames(Canvas& strip, std::span<Canvas* const> graphs, const PlotRanges& r,
                          double x0, const ViewTexts& texts);

}  // namespace dryfriction
