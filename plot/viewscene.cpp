#include "plot/viewscene.h"

#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/graphframe.h"
#include "plot/imagecanvas.h"
#include "plot/paintercanvas.h"
#include "plot/rundrawing.h"

#include <QPainter>

namespace dryfriction {

void drawScene(Canvas& canvas, const ViewScene& scene)
{
    canvas.clear();
    if (scene.view == 0) {
        drawFrames(canvas, {}, scene.ranges, scene.x0, scene.texts);
        return;
    }
    const std::size_t graph = scene.view - 1;
    if (graph >= viewGraphs().size())
        return;
    setGraphScale(canvas, viewGraphs()[graph], scene.ranges);
    drawGraphFrame(canvas, graph, scene.ranges, scene.texts);
    if (scene.run && scene.run->record)
        drawRunAt(canvas, graph, scene.ranges, scene.texts, *scene.run->record, scene.run->shown);
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
