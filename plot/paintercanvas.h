#pragma once

#include "plot/canvas.h"

#include <QColor>
#include <QFont>
#include <QRectF>

#include <vector>

class QPainter;

namespace dryfriction {

// A canvas that draws with a painter the caller holds, in logical pixels with
// (0, 0) at the top-left corner: onto a vector device (an SVG or PDF page)
// the view comes out as lines, boxes and text that scale without steps.
//
// The geometry is that of an ImageCanvas at one device pixel per logical
// pixel: lines join pixel centres, a width-1 line is dashed 4 on, 2 off, a
// box covers the pixels of both its corners, a dot is a square of the line
// width, text stands with its top-left corner at the pixel of the current
// point. Nothing is drawn outside the canvas.
//
// Texts go on top of everything else, each on a backing of the colour it
// stands on that veils what lies beneath, as on the screen: they are kept
// until finish() (or the end of the canvas) and printed then.
class PainterCanvas : public Canvas {
public:
    PainterCanvas(QPainter& painter, QSize logical);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    // Prints the texts kept so far over what is drawn.
    void finish();

    QSize logicalSize() const override { return m_logicalSize; }
    // A vector page is looked at enlarged: its curves keep four points per
    // logical pixel where they are reduced.
    qreal resolution() const override { return 4.0; }

    void setBackColor(const QColor& color) { m_backColor = color; }
    void setForeColor(const QColor& color) { m_foreColor = color; }
    void setFont(const QFont& font) { m_font = font; }

    void clear() override;
    void fillBox(double x1, double y1, double x2, double y2, const QColor& color) override;
    void dot(double x, double y) override;
    void dot(double x, double y, const QColor& color) override;
    void drawText(const QString& text) override;
    QSizeF textSize(const QString& text) const override;

private:
    struct FilledBox {
        QRectF box;
        QColor color;
    };
    struct KeptText {
        std::vector<FilledBox> backing;
        QPointF corner;
        QString text;
        QFont font;
        QColor foreground;
    };

    void drawSegment(double x1, double y1, double x2, double y2, const QColor& color) override;

    QPainter& m_painter;
    QSize m_logicalSize;
    QColor m_backColor = Qt::white;
    QColor m_foreColor = Qt::black;
    QFont m_font;
    std::vector<KeptText> m_texts;
    std::vector<FilledBox> m_filled;
};

}  // namespace dryfriction
