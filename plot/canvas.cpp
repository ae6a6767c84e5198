#include "canvas.h"

#include <cmath>

namespace dryfriction {

void Canvas::Scale(double x1, double y1, double x2, double y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
}

void Canvas::DrawWidth(int px)
{
    m_drawWidth = px < 1 ? 1 : px;
}

void Canvas::DrawStyle(LineStyle style)
{
    m_drawStyle = style;
}

void Canvas::CurrentX(double x)
{
    m_currentX = x;
}

void Canvas::CurrentY(double y)
{
    m_currentY = y;
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

}  // namespace dryfriction
