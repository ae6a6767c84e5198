// Whether the numbers and captions on every view can be read: the boxes the
// printed texts fill, measured in the canvas's own font where they were
// printed, must not overlap one another, the axes or the line each labels;
// the labels keep a regular stride with 0 among them. And the curves of a run
// are smoothed while the grid stays sharp.

#include "liverun.h"

#include "plot/axislabels.h"
#include "plot/frames.h"
#include "plot/graphdescription.h"
#include "plot/imagecanvas.h"
#include "plot/offscreenviews.h"
#include "plot/plotcolors.h"
#include "plot/rundrawing.h"
#include "plot/viewstyle.h"

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/parameters.h"
#include "model/plotranges.h"

#include <QFontMetricsF>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

using namespace dryfriction;

namespace {

// A real canvas that also remembers each text it prints, where, and the last
// grid line drawn before it (the line a label belongs to).
class TextLoggingCanvas : public ImageCanvas {
public:
    struct Printed {
        QString text;
        QRectF box;                      // logical pixels, as drawn
        std::optional<QRectF> ownLine;   // the pixels of its grid line
    };

    using ImageCanvas::ImageCanvas;

    void line(double x1, double y1, double x2, double y2, const QColor& color) override
    {
        if (color == kGridColor)
            m_lastGridLine = pixelBand(x1, y1, x2, y2);
        ImageCanvas::line(x1, y1, x2, y2, color);
    }

    void drawText(const QString& text) override
    {
        // drawText puts the corner on the logical pixel the current point
        // falls in.
        const QPointF d = toPixel(currentX(), currentY());
        const QPointF corner(std::floor(d.x() + 1e-6), std::floor(d.y() + 1e-6));
        printed.push_back({text, QRectF(corner, textSize(text)), m_lastGridLine});
        ImageCanvas::drawText(text);
    }

    // The pixels a line of width `px` covers, upright or level, as a band.
    QRectF pixelBand(double x1, double y1, double x2, double y2, int px = 1) const
    {
        const QPointF a = toPixel(x1, y1), b = toPixel(x2, y2);
        const double half = (px - 1) / 2.0;
        if (a.x() == b.x()) {
            const double c = std::floor(a.x() + 1e-6);
            return QRectF(c - half, std::min(a.y(), b.y()), px, std::abs(b.y() - a.y()));
        }
        const double r = std::floor(a.y() + 1e-6);
        return QRectF(std::min(a.x(), b.x()), r - half, std::abs(b.x() - a.x()), px);
    }

    std::vector<Printed> printed;

private:
    std::optional<QRectF> m_lastGridLine;
};

ProblemParameters problem(double mu, double x0, double v0, float duration)
{
    ProblemParameters p;
    p.friction = mu;
    p.x0 = x0;
    p.v0 = v0;
    p.duration = duration;
    return p;
}

ViewTexts texts()
{
    ViewTexts t;
    t.decimalPoint = QStringLiteral(".");
    t.stripCaption = QStringLiteral("X");
    t.graphCaptions = {QStringLiteral("X"), QStringLiteral("Vx"), QStringLiteral("W/Wo"), QStringLiteral("П")};
    t.timeCaption = QStringLiteral("2*pi*t/T");
    return t;
}

// The five views of a problem drawn at one size, in their own fonts.
struct LoggedViews {
    TextLoggingCanvas strip;
    std::vector<std::unique_ptr<TextLoggingCanvas>> graphs;
    PlotRanges ranges;

    LoggedViews(const ProblemParameters& p, QSize size, qreal dpr = 1)
    {
        strip.setFont(stripStyle().font);
        strip.setSize(size, dpr);
        std::vector<Canvas*> canvases;
        for (const GraphDescription& g : viewGraphs()) {
            graphs.push_back(std::make_unique<TextLoggingCanvas>());
            graphs.back()->setFont(graphStyle(g).font);
            graphs.back()->setSize(size, dpr);
            canvases.push_back(graphs.back().get());
        }
        ranges = computePlotRanges(p, characteristicsOf(p));
        drawFrames(strip, canvases, ranges, p.x0, texts());
    }

    TextLoggingCanvas& view(int i) { return i == 0 ? strip : *graphs[static_cast<std::size_t>(i - 1)]; }
};

const char* const kViewNames[] = {"animation", "coordinate", "velocity", "energy", "path", "phase portrait"};

struct Problem {
    const char* name;
    ProblemParameters p;
};

const Problem kProblems[] = {
    {"start-up", kStartupParameters},
    {"start-up, time 40", problem(0.2, 9.5, 6, 40)},
    {"mu 0.05, Xo 3, Vo 0, time 40", problem(0.05, 3, 0, 40)},
    {"mu 0.05, Xo 3, Vo 0, time 20", problem(0.05, 3, 0, 20)},
    {"large Xo", problem(0.2, 1000, 0, 20)},
    {"large Xo and Vo, long time", problem(0.2, 1000, 1000, 10000)},
    {"smallest ranges", problem(0.2, 0.5, 0.5, 20)},
    {"Xo 1.1, Vo 0", problem(0.2, 1.1, 0, 20)},
    {"time 1", problem(0.2, 9.5, 6, 1)},
    {"time 7.5", problem(0.2, 9.5, 6, 7.5f)},
    {"time 200", problem(0.2, 9.5, 6, 200)},
};

// The views of windows of 640 x 537 (the start-up size), 1024 x 768 and
// 1920 x 1080: their size in the canvas's pixels and how many screen pixels
// one of those takes (the window's zoom: 1, 1.25 and 2), and the views of
// 1900 x 755 pixels at one screen pixel each.
struct ViewSize {
    QSize size;
    qreal zoom;
};
const ViewSize kSizes[] = {{QSize(620, 212), 1}, {QSize(803, 354), 1.25}, {QSize(950, 377), 2}, {QSize(1900, 755), 1}};

bool isCaption(int view, const QString& text)
{
    return text == "X" || (view > 0 && (text == "2*pi*t/T" || text == texts().graphCaptions[view - 1]));
}

std::string where(int view, const Problem& problem, ViewSize size)
{
    return std::string(kViewNames[view]) + ", " + problem.name + ", " + std::to_string(size.size.width()) + "x"
        + std::to_string(size.size.height()) + " at " + std::to_string(size.zoom);
}

}  // namespace

TEST(LabelStride, TheSmallestRoundStrideThatLeavesRoomForALabel)
{
    // A label needs its extent plus the clearance from its line and the gap
    // before the next labelled line: 14 + 3 + 2 = 19 pixels here.
    const struct {
        double unitPx, extentPx;
        long long gridStride, stride;
    } rows[] = {
        {19, 14, 1, 1},     {18.9, 14, 1, 2},  {9.5, 14, 1, 2},  {9.4, 14, 1, 5},  {3.8, 14, 1, 5},
        {3.7, 14, 1, 10},   {0.075, 14, 1, 500}, {0.075, 14, 20, 500}, {19, 14, 2, 2}, {9, 14, 2, 10},
        {1, 14, 50, 50},    {0.01, 14, 50, 2000},
    };
    for (const auto& r : rows)
        EXPECT_EQ(labelStride(r.unitPx, r.extentPx, r.gridStride), r.stride) << r.unitPx << " " << r.gridStride;
    // No room at all: only 0 could be labelled.
    for (double unitPx : {0.0, -1.0, std::nan(""), static_cast<double>(INFINITY)})
        EXPECT_GT(labelStride(unitPx, 14), 1'000'000'000'000'000LL) << unitPx;
}

TEST(LabelBoxes, ACaptionMovesPastTheLabelsOrFindsNoRoom)
{
    LabelBoxes boxes(QRectF(0, 0, 100, 50));
    EXPECT_TRUE(boxes.take(QRectF(10, 0, 20, 10)));
    EXPECT_FALSE(boxes.take(QRectF(25, 5, 20, 10)));       // overlaps
    EXPECT_FALSE(boxes.take(QRectF(31, 0, 10, 10)));       // closer than the gap
    EXPECT_FALSE(boxes.take(QRectF(95, 0, 10, 10)));       // leaves the view
    EXPECT_TRUE(boxes.take(QRectF(40, 0, 20, 10)));
    const auto right = boxes.takeNear(QRectF(15, 2, 10, 10), QPointF(1, 0));
    ASSERT_TRUE(right.has_value());
    EXPECT_DOUBLE_EQ(right->left(), 60 + kLabelGapPx + 1);  // past both boxes
    const auto down = boxes.takeNear(QRectF(12, 5, 10, 10), QPointF(0, 1));
    ASSERT_TRUE(down.has_value());
    EXPECT_DOUBLE_EQ(down->top(), 10 + kLabelGapPx + 1);
    EXPECT_FALSE(boxes.takeNear(QRectF(12, 5, 10, 10), QPointF(0, -1)).has_value());  // off the top
}

// Every view, size and problem: labels that do not overlap, clear of the
// axes and of their own grid line, captions clear of the labels, all within
// the view; the labelled values a regular round stride apart, 0 among them
// where the grid has a line at 0.
TEST(ReadableLabels, NoTextCoversAnotherTheAxesOrItsOwnLine)
{
    for (const Problem& problem : kProblems) {
        for (ViewSize size : kSizes) {
            LoggedViews views(problem.p, size.size, size.zoom);
            for (int v = 0; v < 5; ++v) {
                SCOPED_TRACE(where(v, problem, size));
                TextLoggingCanvas& canvas = views.view(v);
                const QRectF bounds(QPointF(0, 0), QSizeF(size.size));
                // The axes: three pixels wide through the origin.
                const QRectF verticalAxis =
                    v == 0 ? canvas.pixelBand(0, -1, 0, 1, 3)
                           : canvas.pixelBand(0, canvas.scaleTop(), 0, canvas.scaleBottom(), 3);
                const QRectF horizontalAxis = canvas.pixelBand(canvas.scaleLeft(), 0, canvas.scaleRight(), 0, 3);

                std::vector<TextLoggingCanvas::Printed> labels, captions;
                for (const auto& t : canvas.printed)
                    (isCaption(v, t.text) ? captions : labels).push_back(t);
                ASSERT_EQ(captions.size(), v == 0 ? 1u : 2u);

                for (std::size_t i = 0; i < labels.size(); ++i) {
                    const auto& a = labels[i];
                    const std::string name = a.text.toStdString();
                    EXPECT_TRUE(bounds.contains(a.box)) << name;
                    EXPECT_FALSE(a.box.intersects(verticalAxis)) << name;
                    EXPECT_FALSE(a.box.intersects(horizontalAxis)) << name;
                    ASSERT_TRUE(a.ownLine.has_value()) << name;
                    EXPECT_FALSE(a.box.intersects(*a.ownLine)) << name;
                    for (std::size_t j = i + 1; j < labels.size(); ++j)
                        EXPECT_FALSE(a.box.intersects(labels[j].box)) << name << " and " << labels[j].text.toStdString();
                    for (const auto& c : captions)
                        EXPECT_FALSE(a.box.intersects(c.box)) << name << " under " << c.text.toStdString();
                }
                for (const auto& c : captions)
                    EXPECT_TRUE(bounds.contains(c.box)) << c.text.toStdString();

                // Each axis's labels: upright lines carry the time or the
                // strip's coordinate, level lines the graph's value.
                for (bool upright : {true, false}) {
                    QList<double> values;
                    for (const auto& t : labels) {
                        if ((t.ownLine->width() <= 1) == upright)
                            values << t.text.toDouble();
                    }
                    if (v == 0 && !upright)
                        continue;
                    // At least three values on every axis, whatever the problem.
                    EXPECT_GE(values.size(), 3) << (upright ? "upright" : "level");
                    const bool hasZero = (v == 0 || (!upright && v <= 2));
                    EXPECT_EQ(values.contains(0.0), hasZero) << (upright ? "upright" : "level");
                    if (values.size() < 2)
                        continue;
                    std::sort(values.begin(), values.end());
                    double stride = INFINITY;
                    for (qsizetype i = 1; i < values.size(); ++i)
                        stride = std::min(stride, values[i] - values[i - 1]);
                    // Round values of the axis's unit (a unit of phase on
                    // the time axes): 1, 2 or 5 times a power of ten.
                    const double n = stride;
                    const double decade = std::pow(10.0, std::floor(std::log10(n) + 1e-9));
                    const double mantissa = n / decade;
                    EXPECT_TRUE(std::abs(mantissa - 1) < 1e-6 || std::abs(mantissa - 2) < 1e-6
                                || std::abs(mantissa - 5) < 1e-6)
                        << "stride " << n;
                    for (double value : values)
                        EXPECT_NEAR(std::remainder(value, stride), 0.0, 0.011) << value << " of stride " << stride;
                }
            }
        }
    }
}

// On a scaled screen too, the labels of the start-up problem keep clear of
// one another and of the axes.
TEST(ReadableLabels, AtOneAndAHalfTimesTheLabelsStayApart)
{
    LoggedViews views(kStartupParameters, QSize(620, 212));
    for (int v = 0; v < 5; ++v) {
        TextLoggingCanvas& canvas = views.view(v);
        const QSize size = canvas.logicalSize();
        canvas.printed.clear();
        canvas.setSize(size, 1.5);
    }
    std::vector<Canvas*> graphs;
    for (auto& g : views.graphs)
        graphs.push_back(g.get());
    drawFrames(views.strip, graphs, views.ranges, kStartupParameters.x0, texts());
    for (int v = 0; v < 5; ++v) {
        SCOPED_TRACE(kViewNames[v]);
        TextLoggingCanvas& canvas = views.view(v);
        const QRectF horizontalAxis = canvas.pixelBand(canvas.scaleLeft(), 0, canvas.scaleRight(), 0, 3);
        ASSERT_GE(canvas.printed.size(), 5u);
        for (std::size_t i = 0; i < canvas.printed.size(); ++i) {
            EXPECT_FALSE(canvas.printed[i].box.intersects(horizontalAxis)) << canvas.printed[i].text.toStdString();
            for (std::size_t j = i + 1; j < canvas.printed.size(); ++j)
                EXPECT_FALSE(canvas.printed[i].box.intersects(canvas.printed[j].box))
                    << canvas.printed[i].text.toStdString() << " and " << canvas.printed[j].text.toStdString();
        }
    }
}

// The trace and the envelope are smoothed: their edges blend into what lies
// under them. Grid lines and axes are not: a part of the frame away from any
// text holds only the frame's own colours, at 1x and at 1.5x.
TEST(SmoothCurves, TracesAreAntialiasedGridLinesAreNot)
{
    for (qreal dpr : {1.0, 1.5}) {
        SCOPED_TRACE(dpr);
        OffscreenViews views(QSize(620, 212));
        for (std::size_t i = 0; i < views.graphCount(); ++i)
            views.graph(i).setSize(QSize(620, 212), dpr);
        const ProblemParameters p = kStartupParameters;
        const MotionCharacteristics c = characteristicsOf(p);
        const PlotRanges r = computePlotRanges(p, c);
        const std::vector<Canvas*> graphs = views.graphs();
        applyScales(views.strip(), graphs, r);
        drawGraphFrames(graphs, r, texts());

        ImageCanvas& x = views.graph(0);
        const QImage frame = x.image().copy();
        // The upper right quarter, below the top row of text: no labels
        // there before a run.
        const QRect quarter(frame.width() / 2, qRound(30 * dpr), frame.width() / 2,
                            qRound(x.toPixel(0, 2).y() * dpr) - qRound(30 * dpr));
        const QSet<QRgb> frameColours{QColor(Qt::white).rgb(), kGridColor.rgb(), kBandColor.rgb()};
        int grid = 0;
        for (int py = quarter.top(); py <= quarter.bottom(); ++py) {
            for (int px = quarter.left(); px <= quarter.right(); ++px) {
                const QRgb c0 = frame.pixel(px, py);
                EXPECT_TRUE(frameColours.contains(c0)) << px << "," << py << " " << std::hex << c0;
                grid += c0 == kGridColor.rgb();
                if (!frameColours.contains(c0))
                    return;
            }
        }
        EXPECT_GT(grid, 500);

        for (std::size_t i = 0; i < graphs.size(); ++i)
            drawRunPreamble(*graphs[i], viewGraphs()[i], r, p, c, QString(), QString());
        test::drawSampleBySample(graphs, RunRecord(p, c));
        const QImage after = x.image();
        const QSet<QRgb> pure{QColor(Qt::white).rgb(), kGridColor.rgb(), kBandColor.rgb(), kRed.rgb(),
                              kBlue.rgb(), kMagenta.rgb()};
        int blended = 0, red = 0;
        for (int py = quarter.top(); py <= quarter.bottom(); ++py) {
            for (int px = quarter.left(); px <= quarter.right(); ++px) {
                const QRgb c1 = after.pixel(px, py);
                red += c1 == kRed.rgb();
                blended += !pure.contains(c1);
            }
        }
        // The trace crosses the quarter twice, the envelope once.
        EXPECT_GT(red, 100);
        EXPECT_GT(blended, 100);
    }
}

// After a whole run, every text of every view is as legible as before it: a
// trace, a marker, the envelope or a grid line shows in the box a text was
// printed in only faintly, veiled. Text is black on white or on the grey
// band, and the veil lets a fifth of a line through: every pixel of a text's
// box is a grey or a pale tint, its channels no more than a fifth of 255
// apart (a line at full strength, red 255 0 0 or grid green 128 255 128, is
// far from that). At the start-up size and at the zoom of a 1920 x 1080
// window.
TEST(ReadableLabels, NoLineCrossesATextAfterAWholeRun)
{
    const ViewTexts t = [] {
        ViewTexts with = texts();
        with.legendStops = QStringLiteral("Красный пунктир - время в точках остановки. Vx=0");
        with.legendExtremes = QStringLiteral("Синий пунктир   - время, когда скорость экстремальна");
        return with;
    }();
    const ViewSize sizes[] = {kSizes[0], kSizes[2]};
    for (const Problem& problem : kProblems) {
        for (ViewSize size : sizes) {
            LoggedViews views(problem.p, size.size, size.zoom);
            std::vector<Canvas*> graphs;
            for (auto& g : views.graphs)
                graphs.push_back(g.get());
            // A run draws the frames again, then its preamble and its samples.
            drawGraphFrames(graphs, views.ranges, t);
            const MotionCharacteristics c = characteristicsOf(problem.p);
            for (std::size_t i = 0; i < graphs.size(); ++i)
                drawRunPreamble(*graphs[i], viewGraphs()[i], views.ranges, problem.p, c, t.legendStops,
                                t.legendExtremes);
            test::drawSampleBySample(graphs, RunRecord(problem.p, c));

            for (int v = 0; v < 6; ++v) {
                SCOPED_TRACE(where(v, problem, size));
                TextLoggingCanvas& canvas = views.view(v);
                const QImage image = canvas.image();
                ASSERT_FALSE(canvas.printed.empty());
                int struck = 0;
                for (const auto& text : canvas.printed) {
                    const QRect box = QRectF(text.box.topLeft() * size.zoom, text.box.size() * size.zoom)
                                          .toAlignedRect()
                                          .adjusted(1, 1, -1, -1)
                                          .intersected(image.rect());
                    for (int y = box.top(); y <= box.bottom(); ++y) {
                        for (int x = box.left(); x <= box.right(); ++x) {
                            const QColor pixel = image.pixelColor(x, y);
                            const int least = std::min({pixel.red(), pixel.green(), pixel.blue()});
                            const int most = std::max({pixel.red(), pixel.green(), pixel.blue()});
                            if (most - least > 52) {
                                if (++struck == 1)
                                    ADD_FAILURE() << text.text.toStdString() << " struck at " << x << "," << y;
                            }
                        }
                    }
                }
                EXPECT_EQ(struck, 0);
                // Nor does a text hide another (the frame is printed twice
                // at the same places).
                for (std::size_t i = 0; i < canvas.printed.size(); ++i) {
                    for (std::size_t j = i + 1; j < canvas.printed.size(); ++j) {
                        const auto& a = canvas.printed[i];
                        const auto& b = canvas.printed[j];
                        if (a.text != b.text || a.box != b.box) {
                            EXPECT_FALSE(a.box.intersects(b.box))
                                << a.text.toStdString() << " and " << b.text.toStdString();
                        }
                    }
                }
            }
        }
    }
}
