#include "plot/imagecanvas.h"

#include "plot/segmentclip.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <utility>

namespace dryfriction {

namespace {

// Device pixels are addressed by their centres: a coordinate c falls in pixel
// floor(c). The small tolerance keeps a grid line computed as 30.999999 in
// pixel 31 where it belongs.
constexpr double kSnapTolerance = 1e-6;

double snap(double c)
{
    return std::floor(c + kSnapTolerance) + 0.5;
}

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Lines waiting at most before they are drawn.
constexpr std::size_t kMaxPendingLines = 256;

// How much of what lies under a text its backing hides: lines under a label
// still show, faintly, so that a trace passing under a label or the legend
// stays whole, but no line competes with the text.
constexpr double kTextVeil = 0.8;

// Dots per metre for 96 logical dots per inch, scaled to device pixels, so
// that a point size gives the same text size as on the screen.
int dotsPerMeter(qreal dpr)
{
    return qRound(96.0 * dpr / 0.0254);
}

}  // namespace

ImageCanvas::ImageCanvas()
    : ImageCanvas(QSize(1, 1))
{
}

ImageCanvas::ImageCanvas(QSize logical, qreal devicePixelRatio)
{
    setSize(logical, devicePixelRatio);
}

void ImageCanvas::setSize(QSize logical, qreal devicePixelRatio)
{
    m_logicalSize = logical.expandedTo(QSize(0, 0));
    m_dpr = (std::isfinite(devicePixelRatio) && devicePixelRatio > 0) ? devicePixelRatio : 1.0;
    const QSize device(qCeil(m_logicalSize.width() * m_dpr), qCeil(m_logicalSize.height() * m_dpr));
    m_image = QImage(device.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.setDotsPerMeterX(dotsPerMeter(m_dpr));
    m_image.setDotsPerMeterY(dotsPerMeter(m_dpr));
    m_metrics.reset();
    clear();
}

QPointF ImageCanvas::toDevice(double x, double y) const
{
    return toPixel(x, y) * m_dpr;
}

QImage ImageCanvas::takeImage()
{
    settle();
    return std::exchange(m_image, QImage());
}

void ImageCanvas::clear()
{
    m_pending.clear();
    m_texts.clear();
    m_textExtents.clear();
    m_filled.clear();
    m_anyCrossed = false;
    m_image.fill(m_backColor);
}

void ImageCanvas::drawSegment(double x1, double y1, double x2, double y2, const QColor& color)
{
    QPointF a = toDevice(x1, y1);
    QPointF b = toDevice(x2, y2);
    if (!finite(a) || !finite(b))
        return;
    const int penWidth = std::max(1, qRound(lineWidth() * m_dpr));
    const double margin = penWidth + 2;
    if (!clipSegment(a, b, -margin, m_image.width() + margin, m_image.height() + margin))
        return;
    const bool smooth = smoothLines();
    if (!smooth) {
        a = QPointF(snap(a.x()), snap(a.y()));
        b = QPointF(snap(b.x()), snap(b.y()));
    }
    const bool dashed = lineStyle() == LineStyle::Dashed && lineWidth() == 1;
    const double reach = penWidth / 2.0 + 1;
    markCrossed(QRectF(a, b).normalized().adjusted(-reach, -reach, reach, reach));
    m_pending.push_back({a, b, color, penWidth, dashed, smooth});
    if (m_pending.size() >= kMaxPendingLines)
        drawPendingLines();
}

// Each line gets its own pen, as when it is drawn alone: a dash pattern
// starts afresh on every line.
void ImageCanvas::paintLine(QPainter& painter, const PendingLine& line)
{
    QPen pen(line.color, line.penWidth);
    pen.setStyle(line.dashed ? Qt::DashLine : Qt::SolidLine);
    // Wide solid lines (the traces) get round ends, so that their segments
    // join without notches. Dashes keep square ends at every width, as at
    // one pixel: a run of many swings draws a thousand dashed markers of some
    // sixty dashes each, and round dash ends would cost half a second.
    if (line.penWidth > 1 && !line.dashed) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else {
        pen.setCapStyle(Qt::SquareCap);
    }
    painter.setPen(pen);
    painter.setRenderHint(QPainter::Antialiasing, line.smooth);
    if (line.a == line.b)
        painter.drawPoint(line.a);
    else
        painter.drawLine(line.a, line.b);
}

QRectF ImageCanvas::reachOf(const PendingLine& line)
{
    const double reach = line.penWidth / 2.0 + 1;
    return QRectF(line.a, line.b).normalized().adjusted(-reach, -reach, reach, reach);
}

void ImageCanvas::drawPendingLines() const
{
    if (m_pending.empty())
        return;
    {
        QPainter painter(&m_image);
        for (const PendingLine& line : m_pending)
            paintLine(painter, line);
    }
    // What passes under a text goes into what the text keeps of its box too.
    for (PrintedText& text : m_texts) {
        if (!text.crossed || text.under.isNull())
            continue;
        QPainter under(&text.under);
        under.translate(-QPointF(text.box.topLeft()));
        for (const PendingLine& line : m_pending) {
            if (reachOf(line).intersects(text.box))
                paintLine(under, line);
        }
    }
    m_pending.clear();
}

void ImageCanvas::fillUnderTexts(const QRect& box, const QColor& color) const
{
    for (PrintedText& text : m_texts) {
        if (text.under.isNull() || !box.intersects(text.box))
            continue;
        QPainter under(&text.under);
        under.fillRect(box.translated(-text.box.topLeft()), color);
    }
}

void ImageCanvas::settle() const
{
    drawPendingLines();
    if (!m_anyCrossed)
        return;
    QPainter painter(&m_image);
    reprintCrossed(painter);
}

std::vector<QRectF> ImageCanvas::textBoxes() const
{
    std::vector<QRectF> boxes;
    boxes.reserve(m_texts.size());
    for (const PrintedText& text : m_texts)
        boxes.push_back(QRectF(QPointF(text.box.topLeft()) / m_dpr, QSizeF(text.box.size()) / m_dpr));
    return boxes;
}

void ImageCanvas::markCrossed(const QRectF& area) const
{
    const double left = area.left(), top = area.top(), right = area.right(), bottom = area.bottom();
    for (std::size_t i = 0; i < m_textExtents.size(); ++i) {
        const Extent& e = m_textExtents[i];
        if (left < e.right && e.left < right && top < e.bottom && e.top < bottom && !m_texts[i].crossed) {
            m_texts[i].crossed = true;
            m_anyCrossed = true;
        }
    }
}

void ImageCanvas::reprintCrossed(QPainter& painter) const
{
    if (!m_anyCrossed)
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (PrintedText& text : m_texts) {
        if (text.crossed) {
            // At its first printing a text keeps what lies in its box.
            if (text.under.isNull()) {
                text.under = m_image.copy(text.box);
                text.veil = QImage(text.box.size(), QImage::Format_RGB32);
                QPainter veil(&text.veil);
                for (const FilledBox& part : text.backing)
                    veil.fillRect(part.box.translated(-text.box.topLeft()), part.color);
            }
            print(painter, text);
            text.crossed = false;
        }
    }
    m_anyCrossed = false;
}

// What lies in the box, veiled in the colours it stands on, then the text.
void ImageCanvas::print(QPainter& painter, const PrintedText& text)
{
    painter.drawImage(text.box.topLeft(), text.under);
    painter.setOpacity(kTextVeil);
    painter.drawImage(text.box.topLeft(), text.veil);
    painter.setOpacity(1);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(text.font);
    painter.setPen(text.foreground);
    constexpr double kFar = 1e6;
    painter.drawText(QRectF(text.corner, QSizeF(kFar, kFar)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     text.text);
}

void ImageCanvas::drawDot(double x, double y, const QColor& color)
{
    const QPointF d = toDevice(x, y);
    if (!finite(d))
        return;
    const int size = std::max(1, qRound(lineWidth() * m_dpr));
    const double half = size / 2.0;
    if (d.x() < -half - 1 || d.y() < -half - 1 || d.x() > m_image.width() + half + 1
        || d.y() > m_image.height() + half + 1)
        return;
    // A square of `size` device pixels centred on the dot's pixel.
    const int left = static_cast<int>(std::floor(d.x() + kSnapTolerance)) - (size - 1) / 2;
    const int top = static_cast<int>(std::floor(d.y() + kSnapTolerance)) - (size - 1) / 2;
    drawPendingLines();
    const QRect box(left, top, size, size);
    markCrossed(box);
    fillUnderTexts(box, color);
    QPainter painter(&m_image);
    painter.fillRect(box, color);
}

void ImageCanvas::fillBox(double x1, double y1, double x2, double y2, const QColor& color)
{
    const QPointF a = toDevice(x1, y1);
    const QPointF b = toDevice(x2, y2);
    if (!finite(a) || !finite(b))
        return;
    // Clamp to just outside the image: the box may be huge in user units.
    const double w = m_image.width(), h = m_image.height();
    const double left = std::clamp(std::min(a.x(), b.x()), -1.0, w + 1);
    const double right = std::clamp(std::max(a.x(), b.x()), -1.0, w + 1);
    const double top = std::clamp(std::min(a.y(), b.y()), -1.0, h + 1);
    const double bottom = std::clamp(std::max(a.y(), b.y()), -1.0, h + 1);
    // Both corners are inside the box: pixels from the first corner's up to and
    // including the second corner's.
    const int l = static_cast<int>(std::floor(left + kSnapTolerance));
    const int t = static_cast<int>(std::floor(top + kSnapTolerance));
    const int r = static_cast<int>(std::floor(right + kSnapTolerance));
    const int bt = static_cast<int>(std::floor(bottom + kSnapTolerance));
    drawPendingLines();
    const QRect box(QPoint(l, t), QPoint(r, bt));
    m_filled.push_back({box, color});
    markCrossed(box);
    fillUnderTexts(box, color);
    QPainter painter(&m_image);
    painter.fillRect(box, color);
    setCurrentPoint(x2, y2);
}

void ImageCanvas::dot(double x, double y)
{
    dot(x, y, m_foreColor);
}

void ImageCanvas::dot(double x, double y, const QColor& color)
{
    drawDot(x, y, color);
    setCurrentPoint(x, y);
}

const ImageCanvas::Metrics& ImageCanvas::metrics() const
{
    if (!m_metrics) {
        static const QImage screenProbe(1, 1, QImage::Format_RGB32);
        m_metrics.emplace(Metrics{QFontMetricsF(m_font, &m_image), QFontMetricsF(m_font, &screenProbe)});
    }
    return *m_metrics;
}

QSizeF ImageCanvas::textSize(const QString& text) const
{
    // Measured on the image, whose resolution is that of the screen times
    // the device pixel ratio, as drawText prints.
    const QFontMetricsF& device = metrics().device;
    return QSizeF(device.horizontalAdvance(text), device.height()) / m_dpr;
}

void ImageCanvas::drawText(const QString& text)
{
    const QPointF p = toPixel(currentX(), currentY());
    if (!finite(p))
        return;
    // Text starting far outside can never reach the image.
    constexpr double kFar = 1e6;
    if (std::abs(p.x()) > kFar || std::abs(p.y()) > kFar)
        return;
    // The corner on the logical pixel the current point falls in, at any
    // resolution the same.
    const QPointF corner(std::floor(std::floor(p.x() + kSnapTolerance) * m_dpr + kSnapTolerance),
                         std::floor(std::floor(p.y() + kSnapTolerance) * m_dpr + kSnapTolerance));

    // The backing covers the text's advance and the font's height, and a
    // logical pixel more on either side for the strokes that reach past the
    // advance. The text is measured at this resolution and at one device pixel per
    // logical pixel, the larger taken: the same text then hides the same
    // part of the view at any resolution.
    const QFontMetricsF& device = metrics().device;
    const QFontMetricsF& screen = metrics().screen;
    const int pad = std::max(1, qRound(m_dpr));
    const int width = std::max(qCeil((std::ceil(screen.horizontalAdvance(text)) + 2) * m_dpr),
                               qCeil(device.horizontalAdvance(text)) + 2 * pad);
    const int height = std::max(qCeil(std::ceil(screen.height()) * m_dpr), qCeil(device.height()));
    const QRect box(static_cast<int>(corner.x()) - pad, static_cast<int>(corner.y()), width, height);
    std::vector<FilledBox> backing{{box, m_backColor}};
    for (const FilledBox& filled : m_filled) {
        const QRect part = filled.box.intersected(box);
        if (!part.isEmpty())
            backing.push_back({part, filled.color});
    }
    // Printed when the image is next read, over everything drawn until then.
    PrintedText printed{box, std::move(backing), QImage(), QImage(), corner, text, m_font, m_foreColor, true};
    m_anyCrossed = true;

    // A frame drawn twice prints its texts twice at the same places: what
    // lies under the text stays what it was.
    const Extent extent{static_cast<double>(box.left()), static_cast<double>(box.top()),
                        static_cast<double>(box.left() + box.width()), static_cast<double>(box.top() + box.height())};
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
        PrintedText& other = m_texts[i];
        if (other.corner == corner && other.text == text) {
            if (other.box == box) {
                printed.under = std::move(other.under);
                printed.veil = std::move(other.veil);
            }
            other = std::move(printed);
            m_textExtents[i] = extent;
            return;
        }
    }
    m_texts.push_back(std::move(printed));
    m_textExtents.push_back(extent);
}

}  // namespace dryfriction
