#include "ui/parts/viewstack.h"

#include "ui/parts/canvaswidget.h"
#include "ui/parts/graphreadout.h"
#include "ui/text/viewcatalog.h"
#include "ui/window/controlstyle.h"
#include "ui/window/windowlayout.h"

#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/loadanimation.h"
#include "plot/rundrawing.h"
#include "plot/runreplay.h"
#include "plot/viewstyle.h"

#include <QPainter>

namespace dryfriction {

ViewStack::ViewStack(QWidget* client) : QObject(client)
{
    const std::span<const ViewEntry> catalog = viewCatalog();
    const std::span<const GraphDescription> graphs = timeGraphs();
    for (std::size_t i = 0; i < catalog.size(); ++i) {
        auto* widget = new CanvasWidget(client);
        widget->setObjectName(QString::fromLatin1(catalog[i].viewName));
        widget->setToolTip(descriptionText(catalog[i]));
        widget->setStyle(i == 0 ? stripStyle() : graphStyle(graphs[i - 1], documentColor(), documentTextColor()));
        m_views.push_back(widget);
        if (i > 0)
            m_graphCanvases.push_back(&widget->canvas());
    }
    m_readout = new GraphReadout(client, std::vector<QWidget*>(m_views.begin() + 1, m_views.end()),
                                 std::vector<const Canvas*>(m_graphCanvases.begin(), m_graphCanvases.end()));
}

void ViewStack::showOnly(int index)
{
    m_shown = index;
    for (int i = 0; i < count(); ++i)
        view(i)->setVisible(i == index);
}

void ViewStack::place(const WindowLayout& layout)
{
    for (CanvasWidget* v : m_views) {
        v->setZoom(layout.viewZoom);
        dryfriction::place(v, layout.views);
    }
}

void ViewStack::clear()
{
    m_readout->forgetRun();
    for (CanvasWidget* v : m_views) {
        v->fitCanvas();
        v->canvas().clear();
        v->update();
    }
    m_graphFramePasses = 0;
    m_run.reset();
}

void ViewStack::drawFrames(const PlotRanges& r, double x0, const ViewTexts& texts)
{
    strip()->showSetup(dryfriction::drawFrames(strip()->canvas(), m_graphCanvases, r, x0, texts));
    m_ranges = r;
    m_texts = texts;
    m_x0 = x0;
    m_graphFramePasses = 1;
    m_run.reset();
    for (CanvasWidget* v : m_views)
        v->update();
}

void ViewStack::redrawGraphFrames(const PlotRanges& r, const ViewTexts& texts)
{
    applyScales(strip()->canvas(), m_graphCanvases, r);
    drawGraphFrames(m_graphCanvases, r, texts);
    m_ranges = r;
    m_texts = texts;
    ++m_graphFramePasses;
}

void ViewStack::drawRunPreamble(const PlotRanges& r, const ProblemParameters& p, const MotionCharacteristics& c,
                                const ViewTexts& texts)
{
    const std::span<const GraphDescription> graphs = timeGraphs();
    for (std::size_t i = 0; i < graphs.size() && i + 1 < m_views.size(); ++i)
        dryfriction::drawRunPreamble(m_views[i + 1]->canvas(), graphs[i], r, p, c, texts.legendStops,
                                     texts.legendExtremes);
    m_readout->startRun(p, c);
    m_run = ViewScene::Run{p, c, 0};
    updateShownGraphs();
}

void ViewStack::replayRun(const PlotRanges& r, const ProblemParameters& p, const MotionCharacteristics& c,
                          const ViewTexts& texts, std::size_t sampleCount)
{
    redrawGraphFrames(r, texts);
    const MotionSample last = dryfriction::replayRun(m_graphCanvases, r, p, c, texts, sampleCount);
    // The run drawn again can be read off and saved like the run itself.
    m_readout->startRun(p, c);
    if (sampleCount > 0)
        m_readout->setDrawnUntil(last.t);
    m_run = ViewScene::Run{p, c, sampleCount};
    if (const std::optional<SetupPlacement>& start = strip()->setup())
        strip()->showSetup(placementAfter(*start, p, c, sampleCount));
    for (CanvasWidget* v : m_views)
        if (v->isVisible())
            v->update();
}

void ViewStack::drawSample(const MotionSample& s)
{
    const std::vector<QRectF> changed = dryfriction::drawSample(m_graphCanvases, s);
    m_readout->setDrawnUntil(s.t);
    if (m_run)
        ++m_run->samplesDrawn;
    // A sample changes a few pixels of each graph: only those of the graph
    // shown are repainted, which costs far less than blitting its image.
    for (std::size_t i = 0; i < changed.size(); ++i) {
        CanvasWidget* graph = m_views[i + 1];
        if (graph->isVisible() && !changed[i].isEmpty())
            graph->updateCanvasArea(changed[i]);
    }
}

void ViewStack::moveSetup(const SetupPlacement& placement)
{
    CanvasWidget* v = strip();
    const QRectF before = v->setup() ? setupArea(v->canvas(), *v->setup())
                                     : QRectF(QPointF(0, 0), QSizeF(v->canvas().logicalSize()));
    v->showSetup(placement);
    if (v->isVisible())
        v->updateCanvasArea(before.united(setupArea(v->canvas(), placement)));
}

ViewScene ViewStack::scene(int index) const
{
    const ImageCanvas& canvas = view(index)->canvas();
    ViewScene scene;
    scene.view = static_cast<std::size_t>(index);
    scene.style = {canvas.font(), canvas.backColor(), canvas.foreColor()};
    scene.ranges = m_ranges;
    scene.texts = m_texts;
    scene.x0 = m_x0;
    scene.graphFramePasses = m_graphFramePasses;
    if (index > 0)
        scene.run = m_run;
    else
        scene.setup = strip()->setup();
    return scene;
}

QImage ViewStack::picture(int index) const
{
    const CanvasWidget* v = view(index);
    QImage image = v->canvas().image();
    if (index == 0 && v->setup()) {
        QPainter painter(&image);
        painter.scale(v->canvas().devicePixelRatio(), v->canvas().devicePixelRatio());
        paintSetup(painter, v->canvas(), *v->setup());
    }
    image.setDevicePixelRatio(v->canvas().devicePixelRatio());
    return image;
}

void ViewStack::updateShownGraphs()
{
    // Hidden views keep their images; only the one shown needs painting.
    for (std::size_t i = 1; i < m_views.size(); ++i)
        if (m_views[i]->isVisible())
            m_views[i]->update();
}

}  // namespace dryfriction
