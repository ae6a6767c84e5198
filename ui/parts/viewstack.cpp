#include "ui/parts/viewstack.h"

#include "ui/parts/canvaswidget.h"
#include "ui/parts/graphreadout.h"
#include "ui/text/viewcatalog.h"
#include "ui/look/controlstyle.h"
#include "ui/look/windowlayout.h"

#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/rundrawing.h"
#include "plot/viewstyle.h"

#include <QPainter>

#include <utility>

namespace dryfriction {

ViewStack::ViewStack(QWidget* client) : QObject(client)
{
    for (const ViewEntry& entry : viewTable()) {
        auto* widget = new CanvasWidget(client);
        widget->setObjectName(QString::fromLatin1(entry.viewName));
        widget->setToolTip(descriptionText(entry));
        const GraphDescription* graph = graphOf(entry);
        widget->setStyle(graph ? graphStyle(*graph, documentColor(), documentTextColor()) : stripStyle());
        m_views.push_back(widget);
        if (entry.graph)
            m_graphCanvases.push_back(&widget->canvas());
    }
    m_readout = new GraphReadout(client, std::vector<QWidget*>(m_views.begin() + 1, m_views.end()),
                                 std::vector<const Canvas*>(m_graphCanvases.begin(), m_graphCanvases.end()));
}

bool ViewStack::showChosen(int index)
{
    m_shown = index;
    CanvasWidget* s = strip();
    const QSize before = s->size();
    const bool above = m_stripAboveGraph && index != 0;
    dryfriction::place(s, above ? m_stripAbove : m_stripAlone);
    const bool stripShown = index == 0 || above;
    for (int i = 0; i < count(); ++i)
        view(i)->setVisible(i == 0 ? stripShown : i == index);
    return s->size() != before;
}

void ViewStack::place(const WindowLayout& layout)
{
    m_stripAboveGraph = layout.stripAboveGraph;
    m_stripAbove = layout.strip;
    m_stripAlone = layout.views;
    for (CanvasWidget* v : m_views) {
        v->setZoom(layout.viewZoom);
        if (v != strip())
            dryfriction::place(v, layout.graph);
    }
    dryfriction::place(strip(), m_stripAboveGraph && m_shown != 0 ? m_stripAbove : m_stripAlone);
}

void ViewStack::clear()
{
    m_readout->forgetRun();
    for (CanvasWidget* v : m_views) {
        v->fitCanvas();
        v->canvas().clear();
        v->update();
    }
    m_run.reset();
    m_runStart.clear();
}

void ViewStack::drawFrames(const PlotRanges& r, double x0, const ViewTexts& texts)
{
    strip()->showSetup(dryfriction::drawFrames(strip()->canvas(), m_graphCanvases, r, x0, texts));
    m_ranges = r;
    m_texts = texts;
    m_x0 = x0;
    m_run.reset();
    m_runStart.clear();
    m_readout->forgetRun();
    for (CanvasWidget* v : m_views)
        v->update();
}

void ViewStack::showRun(std::shared_ptr<const RunRecord> run)
{
    m_run = std::move(run);
    m_runStart.clear();
    if (!m_run)
        return;
    drawRunAt(m_graphCanvases, m_ranges, m_texts, *m_run, m_run->shown());
    m_readout->showRun(m_run);
    moveLoadTo(m_run->shownSample().x);
    updateShownGraphs();
}

void ViewStack::showMoment(std::size_t previous, std::size_t shown)
{
    if (!m_run)
        return;
    if (shown < previous) {
        // Drawn afresh: the graphs at the run's start, then the traces to the
        // moment. The start is drawn once and kept for the steps that follow
        // (a scrubber's): putting it back costs a copy of the images.
        if (m_runStart.empty()) {
            for (Canvas* graph : m_graphCanvases)
                graph->clear();
            drawGraphFrames(m_graphCanvases, m_ranges, m_texts);
            drawRunAt(m_graphCanvases, m_ranges, m_texts, *m_run, 0);
            // Kept finished (lines drawn, texts printed), so that what is
            // put back need not be drawn again.
            for (std::size_t i = 1; i < m_views.size(); ++i) {
                (void)m_views[i]->canvas().image();
                m_runStart.push_back(m_views[i]->canvas());
            }
        } else {
            for (std::size_t i = 0; i < m_runStart.size(); ++i)
                m_views[i + 1]->canvas() = m_runStart[i];
        }
        drawTraces(m_graphCanvases, *m_run, 0, shown);
        updateShownGraphs();
        return;
    }
    const std::vector<QRectF> changed = drawTraces(m_graphCanvases, *m_run, previous, shown);
    // A sample changes a few pixels of each graph: only those of the graph
    // shown are repainted, which costs far less than blitting its image.
    for (std::size_t i = 0; i < changed.size(); ++i) {
        CanvasWidget* graph = m_views[i + 1];
        if (graph->isVisible() && !changed[i].isEmpty())
            graph->updateCanvasArea(changed[i]);
    }
}

void ViewStack::moveLoadTo(double x)
{
    CanvasWidget* v = strip();
    if (!v->setup())
        return;
    const SetupPlacement before = *v->setup();
    const SetupPlacement placement = placedAt(before, x);
    if (placement == before)
        return;
    v->showSetup(placement);
    if (v->isVisible())
        v->updateCanvasArea(setupArea(v->canvas(), before).united(setupArea(v->canvas(), placement)));
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
    if (index > 0 && m_run)
        scene.run = ViewScene::Run{m_run, m_run->shown()};
    else if (index == 0)
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
