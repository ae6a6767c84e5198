#pragma once

#include <QColor>
#include <QPointF>
#include <QSize>
#include <QSizeF>
#include <QString>

namespace dryfriction {

// Line style of a canvas: solid, or the dashed style the markers use (dashes
// are only drawn at width 1).
enum class LineStyle { Solid = 0, Dashed = 1 };

// The drawing surface of one view, in its user coordinates: the top-left
// corner is (x1, y1) and the bottom-right corner (x2, y2), mapped linearly to
// pixels, so y grows upward when y1 > y2. This base keeps the state every
// surface shares (scale, line width and style, current point); a concrete
// surface draws.
//
// Nothing here reports an error: drawing outside the scale is clipped and
// non-finite coordinates are skipped.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Sets the user coordinate system; nothing is cleared or redrawn.
    virtual void setScale(double x1, double y1, double x2, double y2);
    // Clears the image to the back colour.
    virtual void clear() = 0;
    // Line width in pixels (1 or 3) and style for what follows.
    virtual void setLineWidth(int px);
    virtual void setLineStyle(LineStyle style);
    // Whether the lines that follow are smoothed (antialiased). Curves are,
    // so that they do not look stepped on a scaled screen; grid lines, axes
    // and markers are not, so that they stay one sharp pixel wide.
    virtual void setSmoothLines(bool smooth);
    // A line from (x1, y1) to (x2, y2); the current point becomes (x2, y2).
    virtual void line(double x1, double y1, double x2, double y2, const QColor& color);
    // A line from the current point to (x2, y2), which becomes the current point.
    virtual void lineTo(double x2, double y2, const QColor& color);
    // The rectangle with the corners (x1, y1) and (x2, y2), filled; the
    // current point becomes (x2, y2).
    virtual void fillBox(double x1, double y1, double x2, double y2, const QColor& color) = 0;
    // A dot of the line width in the foreground colour, or in `color`; the
    // current point becomes (x, y).
    virtual void dot(double x, double y) = 0;
    virtual void dot(double x, double y, const QColor& color) = 0;
    // The current point, where the next text puts its top-left corner.
    virtual void setCurrentX(double x);
    virtual void setCurrentY(double y);
    // Draws the text in the canvas's font and foreground colour with its
    // top-left corner at the current point, over whatever is drawn before or
    // after it, on a backing of the colour it stands on. The current point
    // stays.
    virtual void drawText(const QString& text) = 0;

    // The size on the screen in logical pixels.
    virtual QSize logicalSize() const = 0;
    // Device pixels per logical pixel that the drawing resolves: a curve of
    // more points than the canvas has device-pixel columns is drawn from
    // fewer of them, which show the same to within a device pixel.
    virtual qreal resolution() const { return 1.0; }
    // The box, in logical pixels, that drawText fills with this text: its
    // advance across and the font's height (ascent plus descent) down.
    virtual QSizeF textSize(const QString& text) const = 0;

    // User coordinates to logical pixels (fractional; non-finite when the
    // point or the scale is). Pixel column c covers [c, c + 1).
    QPointF toPixel(double x, double y) const;
    // Logical pixels to user coordinates, the inverse of toPixel.
    QPointF toUser(QPointF pixel) const;

    double scaleLeft() const { return m_x1; }
    double scaleTop() const { return m_y1; }
    double scaleRight() const { return m_x2; }
    double scaleBottom() const { return m_y2; }
    int lineWidth() const { return m_lineWidth; }
    LineStyle lineStyle() const { return m_lineStyle; }
    bool smoothLines() const { return m_smoothLines; }
    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }

    // Lengths of `px` logical pixels in user units, always >= 0 (0 when the
    // canvas has no size).
    double userWidth(double px) const;
    double userHeight(double px) const;

protected:
    // Draws the segment between two points in user coordinates, in the
    // line width, style and smoothing set; line and lineTo move the current
    // point.
    virtual void drawSegment(double x1, double y1, double x2, double y2, const QColor& color) = 0;
    void setCurrentPoint(double x, double y)
    {
        m_currentX = x;
        m_currentY = y;
    }

private:
    double m_x1 = 0, m_y1 = 0, m_x2 = 1, m_y2 = 1;
    int m_lineWidth = 1;
    LineStyle m_lineStyle = LineStyle::Solid;
    bool m_smoothLines = false;
    double m_currentX = 0, m_currentY = 0;
};

}  // namespace dryfriction
