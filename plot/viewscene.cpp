#include "plot/viewscene.h"

#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/imagecanvas.h"
#include "plot/paintercanvas.h"
#include "plot/runreplay.h"

#include <QPainter>

#include <vector>

namespace dryfriction {

namespace {

// Takes the drawing meant for the views that are not being drawn.
class NoCanvas final : public Canvas {
public:
    void clear() override {}
    void drawSegment(double, double, double, double, const QColor&) override {}
    void fillBox(double, double, double x2, double y2, const QColor&) override { setCurrentPoint(x2, y2); }
    void dot(double x, double y) override { setCurrentPoint(x, y); }
    void dot(double x, double y, const QColor&) override { setCurrentPoint(x, y); }
    void drawText(const QString&) override {}
    QSize logicalSize() const override { return {}; }
    QSizeF textSize(const QString&) const override { return {}; }
};

}  // namespace

void drawScene(Canvas& canvas, const ViewScene& scene)
{
    canvas.clear();
    NoCanvas none;
    if (scene.view == 0) {
        drawFrames(canvas, {}, scene.ranges, scene.x0, scene.texts);
        return;
    }

    // The graph takes its place in the table of graphs; the others draw nowhere.
    const std::size_t graph = scene.view - 1;
    std::vector<Canvas*> graphs(std::min(graph + 1, timeGraphs().size()), &none);
    if (graph >= graphs.size())
        return;
    graphs[graph] = &canvas;
    drawFrames(none, graphs, scene.ranges, scene.x0, scene.texts);
    for (int pass = 1; pass < scene.graphFramePasses; ++pass)
        drawGraphFrames(graphs, scene.ranges, scene.texts);
    if (scene.run)
        replayRun(graphs, scene.ranges, scene.run->parameters, scene.run->characteristics, scene.texts,
                  scene.run->samplesDrawn);
}

QImage renderScene(const ViewScene& scene, QSize logical, qreal devicePixelRatio)
{
    ImageCanvas canvas;
    canvas.setFont(scene.style.font);
    canvas.setBackColor(scene.style.background);
    canvas.setForeColor(scene.style.foreground);
    canvas.setSize(logical, devicePixelRatio);
    drawScene(canvas, scene);

    // The canvas gives its image up, so that neither the painter nor the
    // device pixel ratio makes a copy of it.
    QImage image = canvas.takeImage();
    if (scene.setup) {
        QPainter painter(&image);
        painter.scale(canvas.devicePixelRatio(), canvas.devicePixelRatio());
        paintSetup(painter, canvas, *scene.setup);
    }
    image.setDevicePixelRatio(canvas.devicePixelRatio());
    return image;
}

void paintScene(QPainter& painter, const ViewScene& scene, QSize logical)
{
    painter.save();
    PainterCanvas canvas(painter, logical);
    canvas.setFont(scene.style.font);
    canvas.setBackColor(scene.style.background);
    canvas.setForeColor(scene.style.foreground);
    drawScene(canvas, scene);
    canvas.finish();
    if (scene.setup)
        paintSetup(painter, canvas, *scene.setup);
    painter.restore();
}

}  // namespace dryfriction
