#pragma once

#include "ui/look/windowlayout.h"

#include "plot/animationstrip.h"
#include "plot/imagecanvas.h"
#include "plot/viewscene.h"
#include "plot/viewtexts.h"

#include "model/plotranges.h"
#include "model/runrecord.h"

#include <QImage>
#include <QObject>

#include <cstddef>
#include <memory>
#include <vector>

class QWidget;

namespace dryfriction {

class Canvas;
class CanvasWidget;
class GraphReadout;

// The views in one place, by their index in the view table: the animation
// strip at 0, then the graphs in the order of viewGraphs(). The view chosen
// is shown, and in a tall client area the strip above the graph chosen;
// hidden views keep their images, so a run draws on every graph whichever is
// shown.
class ViewStack : public QObject {
    Q_OBJECT

public:
    explicit ViewStack(QWidget* client);

    int count() const { return static_cast<int>(m_views.size()); }
    CanvasWidget* view(int index) const { return m_views.at(static_cast<std::size_t>(index)); }
    CanvasWidget* strip() const { return m_views.front(); }
    // What the pointer reads off the graphs.
    GraphReadout* readout() const { return m_readout; }

    // Shows the view chosen: the animation alone in the whole rectangle of
    // the views; a graph in its place, with the strip above it where the
    // layout makes room for both, alone otherwise. Returns whether the strip
    // changed size, which leaves its image blank until it is drawn again.
    bool showChosen(int index);
    // The view chosen last.
    int shownIndex() const { return m_shown; }
    // The graphs in their place, the strip in the place of the view chosen last.
    void place(const WindowLayout& layout);

    // Blank images of the views' sizes.
    void clear();
    // The empty views of a problem: scales, the strip with the set-up at x0,
    // the graphs' frames.
    void drawFrames(const PlotRanges& r, double x0, const ViewTexts& texts);
    // The run the views show, at its moment shown, over the empty views of
    // its problem (drawFrames): the preamble and the traces, at once whatever
    // the run's length; the load at the moment's place. The record is shared,
    // never copied; the views read its moment from it from now on.
    void showRun(std::shared_ptr<const RunRecord> run);
    // The run's moment shown went from `previous` to `shown`. Forward, every
    // graph's traces are extended (by a segment a sample) and what changed of
    // the graph shown is repainted; back, the graphs are drawn afresh at the
    // moment. The load is the caller's to move (see moveLoadTo): during a run
    // it moves between the samples too.
    void showMoment(std::size_t previous, std::size_t shown);
    // Moves the load on the strip to `x` and repaints the strip where it was and where it is.
    void moveLoadTo(double x);
    // The run shown, if any.
    const std::shared_ptr<const RunRecord>& run() const { return m_run; }

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
    bool m_stripAboveGraph = false;
    LayoutRect m_stripAbove;  // above a graph
    LayoutRect m_stripAlone;  // the animation alone

    // What the frames are drawn from since the views were last cleared, and
    // the run on the graphs, so that a view can be drawn again.
    PlotRanges m_ranges;
    ViewTexts m_texts;
    double m_x0 = 0;
    std::shared_ptr<const RunRecord> m_run;
    // The graphs at the run's start (frames, markers, legends, start
    // points), kept from the first step to another moment on: each further
    // step only puts them back and draws the traces.
    std::vector<ImageCanvas> m_runStart;
};

}  // namespace dryfriction
