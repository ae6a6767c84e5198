#pragma once

#include "animationview.h"
#include "imagecanvas.h"

#include <QWidget>

namespace dryfriction {

// A picture box: shows the persistent image of its canvas and nothing else.
// The animation view also shows the set-up (the spring and the load) over its
// image, at the placement the window keeps for it.
class CanvasWidget : public QWidget {
    Q_OBJECT

public:
    explicit CanvasWidget(QWidget* parent = nullptr);

    ImageCanvas& canvas() { return m_canvas; }
    const ImageCanvas& canvas() const { return m_canvas; }

    // Back colour, foreground colour and font of the canvas (and the widget).
    void setColors(const QColor& back, const QColor& fore);
    void setCanvasFont(const QFont& font);

    // Draw the set-up at *placement over the image (nullptr: none). The
    // placement must outlive the widget or be reset first.
    void setSetup(const SetupPlacement* placement) { m_setup = placement; }

    // Makes the canvas image match the widget's size and pixel ratio; a new
    // image is blank. Returns whether it was re-made.
    bool fitCanvas();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ImageCanvas m_canvas;
    const SetupPlacement* m_setup = nullptr;
};

}  // namespace dryfriction
