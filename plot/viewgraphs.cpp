#include "plot/graphdescription.h"

#include "plot/plotcolors.h"

#include <array>

namespace dryfriction {

namespace {

double coordinate(const MotionSample& s)
{
    return s.x;
}

double velocity(const MotionSample& s)
{
    return s.vx;
}

double energyRatio(const MotionSample& s)
{
    return s.energyRatio;
}

double path(const MotionSample& s)
{
    return s.path;
}

}  // namespace

std::span<const GraphDescription> viewGraphs()
{
    // In the order of GraphView.
    static const std::array<GraphDescription, 5> graphs{{
        // GraphView::Coordinate: the coordinate x, with the stagnation zone as a
        // grey band and the envelope of the swings.
        {
            .traces = {{.across = nullptr, .up = coordinate, .color = kRed}},
            .top = [](const PlotRanges& r) { return r.xTop; },
            .bottom = [](const PlotRanges& r) { return r.xBottom; },
            .fixedDivisions = 0,
            .symmetricLines = true,
            .stagnationBand = true,
            .verticalsEndAtZero = false,
            .timeLabelLevel = -0.04,
            .timeCaptionLevel = -0.15,
            .legendLevel = 0.9,
            .envelope = true,
            .fontPoints = 9.75,
            .windowBackground = false,
        },
        // GraphView::Velocity: the velocity projection Vx.
        {
            .traces = {{.across = nullptr, .up = velocity, .color = kBlue}},
            .top = [](const PlotRanges& r) { return static_cast<double>(r.vTop); },
            .bottom = [](const PlotRanges& r) { return static_cast<double>(r.vBottom); },
            .fixedDivisions = 0,
            .symmetricLines = true,
            .stagnationBand = false,
            .verticalsEndAtZero = false,
            .timeLabelLevel = -0.04,
            .timeCaptionLevel = -0.15,
            .legendLevel = 0.9,
            .envelope = false,
            .fontPoints = 9,
            .windowBackground = false,
        },
        // GraphView::Energy: the energy over its initial value, lines every tenth
        // from 0.1 to 1.1 (the last one lies above the top edge).
        {
            .traces = {{.across = nullptr, .up = energyRatio, .color = kRed}},
            .top = [](const PlotRanges& r) { return static_cast<double>(r.wTop); },
            .bottom = [](const PlotRanges& r) { return r.wBottom; },
            .fixedDivisions = 12,
            .symmetricLines = false,
            .stagnationBand = false,
            .verticalsEndAtZero = true,
            .timeLabelLevel = -0.04,
            .timeCaptionLevel = -0.11,
            .legendLevel = 0.94,
            .envelope = false,
            .fontPoints = 9,
            .windowBackground = true,
        },
        // GraphView::Path: the path travelled.
        {
            .traces = {{.across = nullptr, .up = path, .color = kRed}},
            .top = [](const PlotRanges& r) { return r.pathTop; },
            .bottom = [](const PlotRanges& r) { return static_cast<double>(r.pathBottom); },
            .fixedDivisions = 0,
            .symmetricLines = false,
            .stagnationBand = false,
            .verticalsEndAtZero = true,
            .timeLabelLevel = 0.06,
            .timeCaptionLevel = 0.09,
            .legendLevel = 0.94,
            .envelope = false,
            .fontPoints = 9,
            .windowBackground = true,
        },
        // GraphView::Phase: the phase portrait, the velocity projection against
        // the coordinate, both over their symmetric ranges. The half-swings are
        // semicircles about the centres -1 and 1, and the load comes to rest on
        // the stagnation segment between them.
        {
            .traces = {{.across = coordinate, .up = velocity, .color = kRed}},
            .top = [](const PlotRanges& r) { return static_cast<double>(r.vTop); },
            .bottom = [](const PlotRanges& r) { return static_cast<double>(r.vBottom); },
            .fixedDivisions = 0,
            .symmetricLines = true,
            .stagnationBand = false,
            .verticalsEndAtZero = false,
            .timeLabelLevel = -0.04,
            .timeCaptionLevel = -0.15,
            .legendLevel = 0,
            .envelope = false,
            .fontPoints = 9,
            .windowBackground = false,
            .left = [](const PlotRanges& r) { return r.xBottom; },
            .right = [](const PlotRanges& r) { return r.xTop; },
            .stagnationSegment = true,
        },
    }};
    return graphs;
}

const GraphDescription& graphOf(GraphView view)
{
    return viewGraphs()[static_cast<std::size_t>(view)];
}

}  // namespace dryfriction
