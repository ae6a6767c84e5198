#pragma once

#include "plot/animationstrip.h"
#include "plot/imagecanvas.h"
#include "plot/viewstyle.h"

#include <QWidget>

#include <optional>

namespace dryfriction {

// A view: shows the persistent image of its canvas and nothing else. The
// animation strip also shows the set-up (the spring and the load) over its
// image, where it was last told the set-up stands.
class CanvasWidget : public QWidget {
    Q_OBJECT

public:
    explicit CanvasWidget(QWidget* parent = nullptr);

    ImageCanvas& canvas() { return m_canvas; }
    const ImageCanvas& canvas() const { return m_canvas; }

    // The font and colours of the canvas (and of the widget).
    void setStyle(const ViewStyle& style);

    // Draws the set-up at this placement over the image from now on.
    void showSetup(const SetupPlacement& placement);
    const std::optional<SetupPlacement>& setup() const { return m_setup; }

    // How many of the widget's pixels a pixel of the canvas takes (>= 1):
    // the drawing is made for a canvas that much smaller, at that much more
    // resolution, so that its text and lines grow with the view. Takes
    // effect at the next fitCanvas.
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }

    // Makes the canvas image match the widget's size, pixel ratio and zoom;
    // a new image is blank. Returns whether it was re-made.
    bool fitCanvas();

    // Schedules the repaint of an area given in the canvas's logical pixels.
    void updateCanvasArea(const QRectF& area);
    // A point of the widget in the canvas's logical pixels.
    QPointF toCanvas(QPointF widgetPoint) const { return widgetPoint / m_zoom; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ImageCanvas m_canvas;
    std::optional<SetupPlacement> m_setup;
    double m_zoom = 1;
};

}  // namespace dryfriction
