#pragma once

#include <QColor>
#include <QSize>
#include <QString>

namespace dryfriction {

// Line style of a picture box: solid, or the dashed style the markers use
// (dashes are only drawn at width 1).
enum class LineStyle { Solid = 0, Dashed = 1 };

// The drawing surface of one picture box, in its user coordinates: the top-left
// corner is (x1, y1) and the bottom-right corner (x2, y2), mapped linearly to
// pixels, so y grows upward when y1 > y2. The operations keep the names of the
// picture box. This base keeps the state every surface shares (scale, line
// width and style, current point); a concrete surface draws.
//
// Nothing here reports an error: drawing outside the scale is clipped and
// non-finite coordinates are skipped.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Sets the user coordinate system; nothing is cleared or redrawn.
    virtual void Scale(double x1, double y1, double x2, double y2);
    // Clears the image to the back colour.
    virtual void Cls() = 0;
    // Line width in pixels (1 or 3) and style for what follows.
    virtual void DrawWidth(int px);
    virtual void DrawStyle(LineStyle style);
    // Line (x1, y1)-(x2, y2), colour: the current point becomes (x2, y2).
    virtual void Line(double x1, double y1, double x2, double y2, const QColor& color) = 0;
    // Line -(x2, y2), colour: from the current point, which becomes (x2, y2).
    virtual void LineTo(double x2, double y2, const QColor& color) = 0;
    // Line (x1, y1)-(x2, y2), colour, BF: the rectangle with these corners, filled.
    virtual void FilledBox(double x1, double y1, double x2, double y2, const QColor& color) = 0;
    // A dot of the line width in the foreground colour, or in `color`; the
    // current point becomes (x, y).
    virtual void PSet(double x, double y) = 0;
    virtual void PSet(double x, double y, const QColor& color) = 0;
    // The current point, where the next Print puts its top-left corner.
    virtual void CurrentX(double x);
    virtual void CurrentY(double y);
    // Draws the text in the canvas's font and foreground colour with its
    // top-left corner at the current point. The current point stays.
    virtual void Print(const QString& text) = 0;

    // The size on the screen in logical pixels.
    virtual QSize logicalSize() const = 0;

    double scaleLeft() const { return m_x1; }
    double scaleTop() const { return m_y1; }
    double scaleRight() const { return m_x2; }
    double scaleBottom() const { return m_y2; }
    int drawWidth() const { return m_drawWidth; }
    LineStyle drawStyle() const { return m_drawStyle; }
    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }

    // Lengths of `px` logical pixels in user units, always >= 0 (0 when the
    // canvas has no size).
    double userWidth(double px) const;
    double userHeight(double px) const;

protected:
    void setCurrentPoint(double x, double y)
    {
        m_currentX = x;
        m_currentY = y;
    }

private:
    double m_x1 = 0, m_y1 = 0, m_x2 = 1, m_y2 = 1;
    int m_drawWidth = 1;
    LineStyle m_drawStyle = LineStyle::Solid;
    double m_currentX = 0, m_currentY = 0;
};

}  // namespace dryfriction
