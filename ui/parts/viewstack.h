#pragma once

#include "plot/animationstrip.h"
#include "plot/viewscene.h"
#include "plot/viewtexts.h"

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"
#include "model/plotranges.h"

#include <QImage>
#include <QObject>

#include <cstddef>
#include <optional>

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
    // The view shown last by showOnly.
    int shownIndex() const { return m_shown; }
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

    // What the view shows, to be drawn afresh at another resolution.
    ViewScene scene(int index) const;
    // What the view shows, pixel for pixel, at the screen's resolution.
    QImage picture(int index) const;

private:
    void updateShownGraphs();

    std::vector<CanvasWidget*> m_views;
    // The graphs' canvases, in table order, for the drawing functions.
    std::vector<Canvas*> m_graphCanvases;
    GraphReadout* m_readout = nullptr;
    int m_shown = 0;

    // What has been drawn since the views were last cleared, so that a view
    // can be drawn again: the frames, how often the graphs' frames were
    // drawn, and the run on the graphs as far as it has come.
    PlotRanges m_ranges;
    ViewTexts m_texts;
    double m_x0 = 0;
    int m_graphFramePasses = 0;
    std::optional<ViewScene::Run> m_run;
};

}  // namespace dryfriction
