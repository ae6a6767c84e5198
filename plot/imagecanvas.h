#pragma once

#include "plot/canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPointF>
#include <QRect>

#include <optional>
#include <vector>

namespace dryfriction {

// A canvas that draws into a persistent image. The image is held in device
// pixels (logical size times the device pixel ratio of the widget that shows
// it) so lines stay crisp on HiDPI screens; a widget shows it by drawing
// image() into the rectangle (0, 0, logicalSize()). What is drawn stays until
// clear() or setSize, whether anything shows the image or not.
//
// User coordinates are mapped to pixels here, not by a painter transform, so
// line widths stay in pixels. Lines are drawn without antialiasing unless
// smoothing is asked for: width 1 lines then cover exactly one pixel row or
// column, and the dashed style is the platform's dash line (4 pixels on, 2
// off at width 1). Smoothed lines keep their fractional device coordinates.
//
// Text stays on top: each text is printed on a backing of the colour it
// stands on (the back colour, or that of a filled box under it) that veils
// whatever lies in its box, which then shows only faintly. It is printed
// when the image is next read, over everything drawn until then, and printed
// again at the next read after any later line, dot or box reaches into its
// box, over what lies there (kept by the text, so that the veil is laid once
// whatever the number of reads). A trace drawn sample by sample across a
// label thus never strikes it through, and a text crossed many times between
// two reads is printed again once.
class ImageCanvas : public Canvas {
public:
    ImageCanvas();
    explicit ImageCanvas(QSize logical, qreal devicePixelRatio = 1.0);

    // A fresh image of this size, cleared to the back colour.
    void setSize(QSize logical, qreal devicePixelRatio = 1.0);
    QSize logicalSize() const override { return m_logicalSize; }
    QSizeF textSize(const QString& text) const override;
    qreal devicePixelRatio() const { return m_dpr; }
    qreal resolution() const override { return m_dpr; }
    // The image in device pixels (its own devicePixelRatio is left at 1).
    // Every line drawn so far is in it.
    const QImage& image() const
    {
        settle();
        return m_image;
    }
    // Whether the canvas has an image (it has none after takeImage), without
    // drawing what waits: a canvas about to be cleared need not finish it.
    bool hasImage() const { return !m_image.isNull(); }
    // The image, every line drawn, handed over without a copy; the canvas
    // has none until setSize. For an image drawn once and then kept or
    // changed: a copy of a full-screen image at twice the resolution costs
    // as much as drawing it.
    QImage takeImage();

    // The boxes of the texts printed since the last clear, in logical
    // pixels: their backing hides whatever else is drawn there.
    std::vector<QRectF> textBoxes() const;

    void setBackColor(const QColor& color) { m_backColor = color; }
    QColor backColor() const { return m_backColor; }
    void setForeColor(const QColor& color) { m_foreColor = color; }
    QColor foreColor() const { return m_foreColor; }
    void setFont(const QFont& font)
    {
        m_font = font;
        m_metrics.reset();
    }
    QFont font() const { return m_font; }

    void clear() override;
    void fillBox(double x1, double y1, double x2, double y2, const QColor& color) override;
    void dot(double x, double y) override;
    void dot(double x, double y, const QColor& color) override;
    void drawText(const QString& text) override;

private:
    // A box filled on the image, in device pixels, for the backing of the
    // texts printed over it.
    struct FilledBox {
        QRect box;
        QColor color;
    };

    // A text printed on the image, in device pixels: the box its backing
    // covers, the backing (the back colour and the parts of filled boxes
    // that lie in the box, as they were when it was printed), where it
    // stands, and what it is printed in.
    struct PrintedText {
        QRect box;
        std::vector<FilledBox> backing;
        // What lies in the box beneath the text, kept up to date as lines,
        // dots and boxes are drawn there after it was first printed, and the
        // backing laid over it, made at the first printing.
        QImage under;
        QImage veil;
        QPointF corner;
        QString text;
        QFont font;
        QColor foreground;
        bool crossed = false;  // to be printed (again) at the next read
    };

    // A line waiting to be drawn, in device pixels, with its pen.
    struct PendingLine {
        QPointF a, b;
        QColor color;
        int penWidth = 1;
        bool dashed = false;
        bool smooth = false;
    };

    // Lines are collected and drawn together with one painter, before
    // anything else is drawn and before the image is read: a run adds a line
    // to every graph at every sample, most graphs are not on screen, and a
    // painter per line costs more than the line.
    void drawPendingLines() const;
    // Draws the lines waiting and prints the crossed texts again: what the
    // image must hold when it is read.
    void settle() const;
    QPointF toDevice(double x, double y) const;
    void drawSegment(double x1, double y1, double x2, double y2, const QColor& color) override;
    void drawDot(double x, double y, const QColor& color);
    // Marks the texts whose box meets `area` (device pixels) to be printed again.
    void markCrossed(const QRectF& area) const;
    // Prints the marked texts again with their backing.
    void reprintCrossed(QPainter& painter) const;
    static void print(QPainter& painter, const PrintedText& text);
    static void paintLine(QPainter& painter, const PendingLine& line);
    // The device pixels a line may colour.
    static QRectF reachOf(const PendingLine& line);
    // Fills the part of `box` beneath each printed text in what it keeps.
    void fillUnderTexts(const QRect& box, const QColor& color) const;

    QSize m_logicalSize;
    qreal m_dpr = 1.0;
    mutable QImage m_image;
    mutable std::vector<PendingLine> m_pending;
    mutable std::vector<PrintedText> m_texts;
    // The texts' boxes again, side by side, for the test every segment of a
    // trace makes against all of them.
    struct Extent {
        double left, top, right, bottom;
    };
    std::vector<Extent> m_textExtents;
    mutable bool m_anyCrossed = false;
    std::vector<FilledBox> m_filled;
    QColor m_backColor = Qt::white;
    QColor m_foreColor = Qt::black;
    QFont m_font;
    // The font measured on the image and on a screen of one device pixel per
    // logical pixel, made when first needed.
    struct Metrics {
        QFontMetricsF device;
        QFontMetricsF screen;
    };
    const Metrics& metrics() const;
    mutable std::optional<Metrics> m_metrics;
};

}  // namespace dryfriction
