#include "plot/paintercanvas.h"

#include "plot/segmentclip.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace dryfriction {

namespace {

// As on the image canvas: a coordinate c falls in pixel floor(c), and a line
// runs through the centres of its end pixels.
constexpr double kSnapTolerance = 1e-6;

double pixelOf(double c)
{
    return std::floor(c + kSnapTolerance);
}

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, QSize logical)
    : m_painter(painter), m_logicalSize(logical.expandedTo(QSize(0, 0)))
{
    m_painter.setClipRect(QRect(QPoint(0, 0), m_logicalSize));
}

PainterCanvas::~PainterCanvas()
{
    finish();
}

void PainterCanvas::finish()
{
    for (const KeptText& t : m_texts) {
        // As on the screen: what lies beneath shows faintly through. Each
        // part of the box is veiled once, in the colour it stands on.
        for (std::size_t i = 0; i < t.backing.size(); ++i) {
            QRegion part(t.backing[i].box.toAlignedRect());
            for (std::size_t j = i + 1; j < t.backing.size(); ++j)
                part -= QRegion(t.backing[j].box.toAlignedRect());
            QColor veil = t.backing[i].color;
            veil.setAlphaF(0.8);
            for (const QRect& piece : part)
                m_painter.fillRect(piece, veil);
        }
        m_painter.setFont(t.font);
        m_painter.setPen(t.foreground);
        m_painter.drawText(QRectF(t.corner, QSizeF(1e6, 1e6)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                           t.text);
    }
    m_texts.clear();
}

void PainterCanvas::clear()
{
    m_texts.clear();
    m_filled.clear();
    m_painter.fillRect(QRect(QPoint(0, 0), m_logicalSize), m_backColor);
}

void PainterCanvas::drawSegment(double x1, double y1, double x2, double y2, const QColor& color)
{
    QPointF a = toPixel(x1, y1);
    QPointF b = toPixel(x2, y2);
    if (!finite(a) || !finite(b))
        return;
    const double margin = lineWidth() + 2;
    if (!clipSegment(a, b, -margin, m_logicalSize.width() + margin, m_logicalSize.height() + margin))
        return;
    // Straight lines join pixel centres and stay sharp; smoothed ones (the
    // traces and the envelope) keep their fractional ends, antialiased.
    const bool smooth = smoothLines();
    if (!smooth) {
        a = QPointF(pixelOf(a.x()) + 0.5, pixelOf(a.y()) + 0.5);
        b = QPointF(pixelOf(b.x()) + 0.5, pixelOf(b.y()) + 0.5);
    }

    QPen pen(color, lineWidth());
    const bool dashed = lineStyle() == LineStyle::Dashed && lineWidth() == 1;
    pen.setStyle(dashed ? Qt::DashLine : Qt::SolidLine);
    if (lineWidth() > 1) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else {
        pen.setCapStyle(Qt::SquareCap);
    }
    m_painter.setPen(pen);
    m_painter.setRenderHint(QPainter::Antialiasing, smooth);
    if (a == b)
        m_painter.drawPoint(a);
    else
        m_painter.drawLine(a, b);
}

void PainterCanvas::fillBox(double x1, double y1, double x2, double y2, const QColor& color)
{
    const QPointF a = toPixel(x1, y1);
    const QPointF b = toPixel(x2, y2);
    setCurrentPoint(x2, y2);
    if (!finite(a) || !finite(b))
        return;
    const double w = m_logicalSize.width(), h = m_logicalSize.height();
    const double left = pixelOf(std::clamp(std::min(a.x(), b.x()), -1.0, w + 1));
    const double right = pixelOf(std::clamp(std::max(a.x(), b.x()), -1.0, w + 1)) + 1;
    const double top = pixelOf(std::clamp(std::min(a.y(), b.y()), -1.0, h + 1));
    const double bottom = pixelOf(std::clamp(std::max(a.y(), b.y()), -1.0, h + 1)) + 1;
    const QRectF box(QPointF(left, top), QPointF(right, bottom));
    m_filled.push_back({box, color});
    m_painter.fillRect(box, color);
}

void PainterCanvas::dot(double x, double y)
{
    dot(x, y, m_foreColor);
}

void PainterCanvas::dot(double x, double y, const QColor& color)
{
    setCurrentPoint(x, y);
    const QPointF d = toPixel(x, y);
    if (!finite(d))
        return;
    const int size = std::max(1, lineWidth());
    const double half = size / 2.0;
    if (d.x() < -half - 1 || d.y() < -half - 1 || d.x() > m_logicalSize.width() + half + 1
        || d.y() > m_logicalSize.height() + half + 1)
        return;
    const double left = pixelOf(d.x()) - (size - 1) / 2;
    const double top = pixelOf(d.y()) - (size - 1) / 2;
    m_painter.fillRect(QRectF(left, top, size, size), color);
}

void PainterCanvas::drawText(const QString& text)
{
    const QPointF d = toPixel(currentX(), currentY());
    if (!finite(d))
        return;
    constexpr double kFar = 1e6;
    if (std::abs(d.x()) > kFar || std::abs(d.y()) > kFar)
        return;
    const QPointF corner(pixelOf(d.x()), pixelOf(d.y()));
    const QSizeF size = textSize(text);
    const QRectF box(corner.x() - 1, corner.y(), std::ceil(size.width()) + 2, std::ceil(size.height()));
    std::vector<FilledBox> backing{{box, m_backColor}};
    for (const FilledBox& filled : m_filled) {
        const QRectF part = filled.box.intersected(box);
        if (!part.isEmpty())
            backing.push_back({part, filled.color});
    }
    KeptText kept{std::move(backing), corner, text, m_font, m_foreColor};
    for (KeptText& other : m_texts) {
        if (other.corner == corner && other.text == text) {
            other = std::move(kept);
            return;
        }
    }
    m_texts.push_back(std::move(kept));
}

QSizeF PainterCanvas::textSize(const QString& text) const
{
    // Measured as an image canvas of one device pixel per logical pixel
    // measures it, so that the labels find the same places as on the screen.
    static const QImage probe(1, 1, QImage::Format_RGB32);
    const QFontMetricsF metrics(m_font, &probe);
    return QSizeF(metrics.horizontalAdvance(text), metrics.height());
}

}  // namespace dryfriction
