#pragma once

// A run drawn as the window draws it while the run goes: its traces
// extended one sample at a time.

#include "plot/canvas.h"
#include "plot/rundrawing.h"

#include "model/runrecord.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <span>

namespace dryfriction::test {

// Samples from + 1 .. to (at most the run's), each extending every graph's
// traces by one segment; `graphs[i]` shows viewGraphs()[i].
inline void drawSampleBySample(std::span<Canvas* const> graphs, const RunRecord& run, std::size_t from = 0,
                               std::size_t to = std::numeric_limits<std::size_t>::max())
{
    to = std::min(to, run.sampleCount());
    for (std::size_t k = from + 1; k <= to; ++k)
        drawTraces(graphs, run, k - 1, k);
}

}  // namespace dryfriction::test
