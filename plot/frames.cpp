#include "plot/frames.h"

#include "plot/graphframe.h"

namespace dryfriction {

void applyScales(Canvas& strip, std::span<Canvas* const> graphs, const PlotRanges& r)
{
    strip.setScale(r.animLeft, r.animTop, r.animRight, r.animBottom);
    const std::span<const GraphDescription> descriptions = viewGraphs();
    for (std::size_t i = 0; i < graphs.size() && i < descriptions.size(); ++i)
        setGraphScale(*graphs[i], descriptions[i], r);
}

void drawGraphFrame(Canvas& canvas, std::size_t graph, const PlotRanges& r, const ViewTexts& texts)
{
    const std::span<const GraphDescription> descriptions = viewGraphs();
    if (graph >= descriptions.size())
        return;
    const QString caption = graph < texts.graphCaptions.size() ? texts.graphCaptions[graph] : QString();
    const QString across = graph < texts.graphAcrossCaptions.size() && !texts.graphAcrossCaptions[graph].isEmpty()
                               ? texts.graphAcrossCaptions[graph]
                               : texts.timeCaption;
    drawGraphFrame(canvas, descriptions[graph], r, caption, across, texts.decimalPoint, texts.labelsOnLines);
}

void drawGraphFrames(std::span<Canvas* const> graphs, const PlotRanges& r, const ViewTexts& texts)
{
    for (std::size_t i = 0; i < graphs.size(); ++i)
        drawGraphFrame(*graphs[i], i, r, texts);
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
