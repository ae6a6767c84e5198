#include "plot/runreplay.h"

#include "plot/graphdescription.h"
#include "plot/rundrawing.h"

namespace dryfriction {

MotionSample replayRun(std::span<Canvas* const> graphs, const PlotRanges& r,
                       const ProblemParameters& p, const MotionCharacteristics& c,
                       const ViewTexts& texts, std::size_t sampleCount)
{
    const std::span<const GraphDescription> descriptions = timeGraphs();
    for (std::size_t i = 0; i < graphs.size() && i < descriptions.size(); ++i)
        drawRunPreamble(*graphs[i], descriptions[i], r, p, c, texts.legendStops, texts.legendExtremes);

    // The samples are the run's own, from the same closed form and the same
    // single-precision clock, so the trace passes through the same points.
    MotionSample last = initialSample(p);
    MotionRun run(p, c);
    for (std::size_t n = 0; n < sampleCount && run.next(); ++n) {
        last = run.sample();
        drawSample(graphs, last);
    }
    return last;
}

}  // namespace dryfriction
