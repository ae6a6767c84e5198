#include "plot/canvas.h"

#include <cmath>

namespace dryfriction {

void Canvas::setScale(double x1, double y1, double x2, double y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
}

void Canvas::setLineWidth(int px)
{
    m_lineWidth = px < 1 ? 1 : px;
}

void Canvas::setLineStyle(LineStyle style)
{
    m_lineStyle = style;
}

void Canvas::setSmoothLines(bool smooth)
{
    m_smoothLines = smooth;
}

void Canvas::setCurrentX(double x)
{
    m_currentX = x;
}

void Canvas::setCurrentY(double y)
{
    m_currentY = y;
}

QPointF Canvas::toPixel(double x, double y) const
{
    const QSize size = logicalSize();
    const double px = (x - m_x1) / (m_x2 - m_x1) * size.width();
    const double py = (y - m_y1) / (m_y2 - m_y1) * size.height();
    return {px, py};
}

QPointF Canvas::toUser(QPointF pixel) const
{
    const QSize size = logicalSize();
    const double x = m_x1 + pixel.x() / size.width() * (m_x2 - m_x1);
    const double y = m_y1 + pixel.y() / size.height() * (m_y2 - m_y1);
    return {x, y};
}

double Canvas::userWidth(double px) const
{
    const int w = logicalSize().width();
    if (w <= 0)
        return 0;
    return std::abs(px * (m_x2 - m_x1) / w);
}

double Canvas::userHeight(double px) const
{
    const int h = logicalSize().height();
    if (h <= 0)
        return 0;
    return std::abs(px * (m_y2 - m_y1) / h);
}

void Canvas::line(double x1, double y1, double x2, double y2, const QColor& color)
{
    drawSegment(x1, y1, x2, y2, color);
    setCurrentPoint(x2, y2);
}

void Canvas::lineTo(double x2, double y2, const QColor& color)
{
    drawSegment(currentX(), currentY(), x2, y2, color);
    setCurrentPoint(x2, y2);
}

}  // namespace dryfriction
