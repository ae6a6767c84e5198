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

    // Makes the canvas image match the widget's size and pixel ratio; a new
    // image is blank. Returns whether it was re-made.
    bool fitCanvas();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ImageCanvas m_canvas;
    std::optional<SetupPlacement> m_setup;
};

}  // namespace dryfriction
