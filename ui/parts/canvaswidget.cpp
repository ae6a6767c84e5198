#include "ui/parts/canvaswidget.h"

#include <QPainter>

#include <cmath>

namespace dryfriction {

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent)
{
    // The image covers the whole widget: nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::setStyle(const ViewStyle& style)
{
    m_canvas.setBackColor(style.background);
    m_canvas.setForeColor(style.foreground);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, style.background);
    pal.setColor(QPalette::WindowText, style.foreground);
    setPalette(pal);
    m_canvas.setFont(style.font);
    setFont(style.font);
}

void CanvasWidget::showSetup(const SetupPlacement& placement)
{
    m_setup = placement;
}

void CanvasWidget::setZoom(double zoom)
{
    m_zoom = std::isfinite(zoom) && zoom > 1 ? zoom : 1.0;
}

void CanvasWidget::updateCanvasArea(const QRectF& area)
{
    const QRectF shown(area.topLeft() * m_zoom, area.size() * m_zoom);
    update(shown.toAlignedRect().adjusted(-1, -1, 1, 1));
}

bool CanvasWidget::fitCanvas()
{
    // The canvas fits inside the widget: a sliver at its right and bottom,
    // less than a zoomed pixel, is painted in the back colour.
    const QSize logical(static_cast<int>(std::floor(width() / m_zoom + 1e-6)),
                        static_cast<int>(std::floor(height() / m_zoom + 1e-6)));
    const qreal dpr = devicePixelRatioF() * m_zoom;
    if (m_canvas.logicalSize() == logical && m_canvas.devicePixelRatio() == dpr
        && m_canvas.hasImage())
        return false;
    m_canvas.setSize(logical, dpr);
    return true;
}

void CanvasWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QSize logical = m_canvas.logicalSize();
    if (m_canvas.image().isNull() || logical.isEmpty()) {
        painter.fillRect(rect(), m_canvas.backColor());
        return;
    }
    const QImage& image = m_canvas.image();
    const qreal screenDpr = devicePixelRatioF();
    const QSizeF shown(image.width() / screenDpr, image.height() / screenDpr);
    painter.drawImage(QRectF(QPointF(0, 0), shown), image);
    if (shown.width() < width())
        painter.fillRect(QRectF(shown.width(), 0, width() - shown.width(), height()), m_canvas.backColor());
    if (shown.height() < height())
        painter.fillRect(QRectF(0, shown.height(), width(), height() - shown.height()), m_canvas.backColor());
    if (m_setup) {
        painter.scale(m_zoom, m_zoom);
        paintSetup(painter, m_canvas, *m_setup);
    }
}

void CanvasWidget::resizeEvent(QResizeEvent* event)
{
    // The window redraws every canvas after a relayout; a resize from
    // anywhere else at least gets a blank image of the right size.
    fitCanvas();
    QWidget::resizeEvent(event);
}

}  // namespace dryfriction
