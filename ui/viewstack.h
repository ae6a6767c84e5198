#pragma once

#include "plot/animationstrip.h"
#include "plot/viewtexts.h"

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"
#include "model/plotranges.h"

#include <QObject>

#include <cstddef>
#include <vector>

class QWidget;

namespace dryfriction {

class Canvas;
class CanvasWidget;
class GraphReadout;
struct WindowLayout;

// The views in one place, by their index in the view catalog: the animation
// strip at 0, then the graphs in the order of timeGraphs(). One view is
// shown at a time, all of them in the same rectangle; hidden ones keep
// their images, so a run draws on every graph whichever is shown.
class ViewStack : public QObject {
    Q_OBJECT

public:
    explicit ViewStack(QWidget* client);

    int count() const { return static_cast<int>(m_views.size()); }
    CanvasWidget* view(int index) const { return m_views.at(static_cast<std::size_t>(index)); }
    CanvasWidget* strip() const { return m_views.front(); }
    // What the pointer reads off the graphs.
    GraphReadout* readout() const { return m_readout; }

    void showOnly(int index);
    void place(const WindowLayout& layout);

    // Blank images of the views' sizes.
    void clear();
    // The empty views of a problem: scales, the strip with the set-up at x0,
    // the graphs' frames.
    void drawFrames(const PlotRanges& r, double x0, const ViewTexts& texts);
    // The graphs' scales and frames once more, over what they show.
    void redrawGraphFrames(const PlotRanges& r, const ViewTexts& texts);
    // What a run draws on the graphs before its first sample.
    void drawRunPreamble(const PlotRanges& r, const ProblemParameters& p, const MotionCharacteristics& c,
                         const ViewTexts& texts);
    // What a run had drawn after its first `sampleCount` samples, at once, over
    // the empty views of its problem: the graphs' frames once more, as the run
    // drew them, the preamble and the traces; the load where the run left it.
    void replayRun(const PlotRanges& r, const ProblemParameters& p, const MotionCharacteristics& c,
                   const ViewTexts& texts, std::size_t sampleCount);
    // Extends every graph's trace to the sample and repaints what changed of the one shown.
    void drawSample(const MotionSample& s);
    // Moves the set-up on the strip and repaints the strip where it was and where it is.
    void moveSetup(const SetupPlacement& placement);

private:
    void updateShownGraphs();

    std::vector<CanvasWidget*> m_views;
    // The graphs' canvases, in table order, for the drawing functions.
    std::vector<Canvas*> m_graphCanvases;
    GraphReadout* m_readout = nullptr;
};

}  // namespace dryfriction
