#include "ui/canvaswidget.h"

#include <QPainter>

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

bool CanvasWidget::fitCanvas()
{
    const QSize logical = size().expandedTo(QSize(0, 0));
    const qreal dpr = devicePixelRatioF();
    if (m_canvas.logicalSize() == logical && m_canvas.devicePixelRatio() == dpr
        && !m_canvas.image().isNull())
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
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(logical)), m_canvas.image());
    if (m_setup)
        paintSetup(painter, m_canvas, *m_setup);
}

void CanvasWidget::resizeEvent(QResizeEvent* event)
{
    // The window redraws every canvas after a relayout; a resize from
    // anywhere else at least gets a blank image of the right size.
    fitCanvas();
    QWidget::resizeEvent(event);
}

}  // namespace dryfriction
