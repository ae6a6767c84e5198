#include "plot/runreplay.h"

#include "plot/graphdescription.h"
#include "plot/rundrawing.h"

#include <algorithm>

namespace dryfriction {

MotionSample replayRun(std::span<Canvas* const> graphs, const PlotRanges& r,
                       const ProblemParameters& p, const MotionCharacteristics& c,
                       const ViewTexts& texts, std::size_t sampleCount)
{
    const std::span<const GraphDescription> descriptions = timeGraphs();
    const std::size_t count = std::min(graphs.size(), descriptions.size());
    for (std::size_t i = 0; i < count; ++i)
        drawRunPreamble(*graphs[i], descriptions[i], r, p, c, texts.legendStops, texts.legendExtremes);

    // The samples come from the closed form, exactly as the run took them; each
    // extends every trace from where the last one ended.
    MotionSample last = initialSample(p);
    MotionRun run(p, c);
    for (std::size_t n = 0; n < sampleCount && run.next(); ++n) {
        last = run.sample();
        for (std::size_t i = 0; i < count; ++i)
            graphs[i]->lineTo(last.t, descriptions[i].value(last), descriptions[i].traceColor);
    }
    return last;
}

}  // namespace dryfriction
