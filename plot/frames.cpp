#include "plot/frames.h"

#include "plot/graphframe.h"

namespace dryfriction {

void applyScales(Canvas& strip, std::span<Canvas* const> graphs, const PlotRanges& r)
{
    strip.setScale(r.animLeft, r.animTop, r.animRight, r.animBottom);
    const std::span<const GraphDescription> descriptions = timeGraphs();
    for (std::size_t i = 0; i < graphs.size() && i < descriptions.size(); ++i)
        setGraphScale(*graphs[i], descriptions[i], r);
}

void drawGraphFrames(std::span<Canvas* const> graphs, const PlotRanges& r, const ViewTexts& texts)
{
    const std::span<const GraphDescription> descriptions = timeGraphs();
    for (std::size_t i = 0; i < graphs.size() && i < descriptions.size(); ++i) {
        const QString caption = i < texts.graphCaptions.size() ? texts.graphCaptions[i] : QString();
        const QString across = i < texts.graphAcrossCaptions.size() && !texts.graphAcrossCaptions[i].isEmpty()
                                   ? texts.graphAcrossCaptions[i]
                                   : texts.timeCaption;
        drawGraphFrame(*graphs[i], descriptions[i], r, caption, across, texts.decimalPoint, texts.labelsOnLines);
    }
}

SetupPlacement drawFrames(Canvas& strip, std::span<Canvas* const> graphs, const PlotRanges& r, double x0,
                          const ViewTexts& texts)
{
    applyScales(strip, graphs, r);
    const SetupPlacement placement = drawAnimationStrip(strip, r, x0, texts.stripCaption, texts.decimalPoint);
    drawGraphFrames(graphs, r, texts);
    return placement;
}

}  // namespace dryfriction
