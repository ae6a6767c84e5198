// The frames of the time graphs, drawn from their descriptions: how many grid
// lines each graph gets and where, their labels, and what the frames show in
// pixels.

#include "recordingcanvas.h"

#include "plot/frames.h"
#include "plot/gridstride.h"
#include "plot/offscreenviews.h"
#include "plot/plotcolors.h"

#include "model/characteristics.h"
#include "model/parameters.h"
#include "model/plotranges.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace dryfriction;
using dryfriction::test::Op;
using dryfriction::test::RecordedViews;

namespace {

ProblemParameters params(double x0, double v0, float duration)
{
    ProblemParameters p;
    p.x0 = x0;
    p.v0 = v0;
    p.duration = duration;
    return p;
}

ViewTexts captions(const QString& point = QStringLiteral("."))
{
    ViewTexts texts;
    texts.decimalPoint = point;
    texts.graphCaptions = {QStringLiteral("X"), QStringLiteral("Vx"), QStringLiteral("W/Wo"),
                           QStringLiteral("П")};
    texts.timeCaption = QStringLiteral("2*pi*t/T");
    return texts;
}

// The graph frames of a problem, recorded.
struct RecordedFrames : RecordedViews {
    PlotRanges ranges;

    explicit RecordedFrames(const ProblemParameters& p, const ViewTexts& texts = captions())
    {
        ranges = computePlotRanges(p, characteristicsOf(p));
        applyScales(strip, graphs(), ranges);
        log.clear();
        drawGraphFrames(graphs(), ranges, texts);
    }

    // Grid lines of one graph: vertical ones have x1 == x2.
    std::vector<Op> gridLines(const QString& canvas, bool vertical) const
    {
        std::vector<Op> lines;
        for (const Op& op : on(canvas)) {
            if (op.name == "line" && op.color == kGridColor && (op.x1 == op.x2) == vertical)
                lines.push_back(op);
        }
        return lines;
    }

    QStringList texts(const QString& canvas) const
    {
        QStringList out;
        for (const Op& op : on(canvas)) {
            if (op.name == "drawText")
                out << op.text;
        }
        return out;
    }
};

// The graphs drawn into images as the window shows them before a run.
struct DrawnFrames : OffscreenViews {
    PlotRanges ranges;

    explicit DrawnFrames(const ProblemParameters& p, const ViewTexts& texts = captions())
        : OffscreenViews(QSize(620, 212))
    {
        ranges = computePlotRanges(p, characteristicsOf(p));
        drawFrames(strip(), graphs(), ranges, p.x0, texts);
    }

    int row(std::size_t i, double y) { return static_cast<int>(std::floor(graph(i).toPixel(0, y).y())); }
    int column(std::size_t i, double t) { return static_cast<int>(std::floor(graph(i).toPixel(t, 0).x())); }
};

int countInRow(const QImage& image, int y, const QColor& color)
{
    int n = 0;
    for (int x = 0; x < image.width(); ++x)
        n += image.pixelColor(x, y) == color;
    return n;
}

int countInColumn(const QImage& image, int x, int fromY, int toY, const QColor& color)
{
    int n = 0;
    for (int y = fromY; y <= toY; ++y)
        n += image.pixelColor(x, y) == color;
    return n;
}

const char* const kGraphNames[] = {"x", "vx", "energy", "path"};

}  // namespace

TEST(GridStride, OnePerUnitUpTo200ThenTheSmallestStrideOf1_2_5)
{
    const struct {
        long long first, last, stride;
    } rows[] = {
        {1, 199, 1},       {1, 200, 1},   {1, 201, 2},          {-99, 99, 1}, {-100, 100, 2},
        {-1414, 1414, 20}, {1, 9999, 50}, {1, 1000000, 5000}, {0, 0, 1},    {1, 0, 1},
    };
    for (const auto& r : rows) {
        const long long stride = gridStride(r.first, r.last);
        EXPECT_EQ(stride, r.stride) << r.first << ".." << r.last;
        EXPECT_LE(multiplesIn(r.first, r.last, stride), kMaxGridLines);
    }
}

TEST(GraphFrame, GridLineCountsOfTheEdgeCases)
{
    const struct {
        const char* name;
        ProblemParameters p;
        std::size_t vertical, x, vx, energy, path;
    } rows[] = {
        {"defaults", params(9.5, 6, 20), 19, 23, 21, 11, 63},
        // A line every unit, the last at 20, short of the edge.
        {"fractional duration", params(9.5, 6, 20.5f), 20, 23, 21, 11, 63},
        // Lines every fifth (0.2 .. 1.4) and every tenth (0.1 .. 0.4) of a unit.
        {"duration 1.5", params(9.5, 6, 1.5f), 7, 23, 21, 11, 63},
        {"duration 0.5", params(9.5, 6, 0.5f), 4, 23, 21, 11, 63},
        // xMax = vMax = pathMax = 1: lines every half unit on the symmetric
        // graphs, every fifth on the path.
        {"smallest ranges", params(0.5, 0.5, 20), 19, 3, 3, 11, 4},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        RecordedFrames f(r.p);
        for (const char* graph : kGraphNames)
            EXPECT_EQ(f.gridLines(graph, true).size(), r.vertical) << graph;
        EXPECT_EQ(f.gridLines("x", false).size(), r.x);
        EXPECT_EQ(f.gridLines("vx", false).size(), r.vx);
        EXPECT_EQ(f.gridLines("energy", false).size(), r.energy);
        EXPECT_EQ(f.gridLines("path", false).size(), r.path);
    }
}

TEST(GraphFrame, TimeLinesFallOnRoundValues)
{
    // The duration's fraction does not spread the lines: they stay on whole
    // units, and for a short duration on round fractions of one.
    const struct {
        float duration;
        double first, last;
        const char* firstLabel;
    } rows[] = {
        {20.5f, 1, 20, "2.00"},
        {7.5f, 1, 7, "1.00"},
        {1, 0.2, 0.8, "0.20"},
        {0.5f, 0.1, 0.4, "0.10"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.duration);
        RecordedFrames f(params(9.5, 6, r.duration));
        const auto lines = f.gridLines("x", true);
        ASSERT_FALSE(lines.empty());
        EXPECT_NEAR(lines.front().x1, r.first, 1e-12);
        EXPECT_NEAR(lines.back().x1, r.last, 1e-12);
        EXPECT_EQ(f.texts("x").front(), r.firstLabel);
        for (const Op& op : f.log) {
            for (double v : {op.x1, op.y1, op.x2, op.y2})
                EXPECT_TRUE(std::isfinite(v)) << op.canvas.toStdString() << " " << op.name.toStdString();
        }
    }
}

// However long the run, the time lines on a 620-pixel graph can be counted:
// 24 pixels or more apart, on round values (1, 2 or 5 times a power of ten),
// and at least three of them.
TEST(GraphFrame, TimeLinesStayCountable)
{
    for (float duration : {1.0f, 2.0f, 7.5f, 20.0f, 40.0f, 200.0f, 1234.0f, 10000.0f}) {
        SCOPED_TRACE(duration);
        RecordedFrames f(params(9.5, 6, duration));
        const auto lines = f.gridLines("energy", true);
        ASSERT_GE(lines.size(), 3u);
        const double step = lines[1].x1 - lines[0].x1;
        EXPECT_GE(step * 620 / duration, 24.0);
        const double decade = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
        const double mantissa = step / decade;
        EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9)
            << step;
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_NEAR(lines[i].x1, static_cast<double>(i + 1) * step, 1e-9 * step);
    }
}

TEST(GraphFrame, WideRangesAreThinnedToAtMost200LinesAtRoundValues)
{
    // x0 = v0 = 1000: xMax = 1414, vMax = 1413, pathMax = 1000001; duration 10000.
    RecordedFrames f(params(1000, 1000, 10000));
    ASSERT_EQ(f.ranges.pathMax, 1000001);
    const auto horizontal = f.gridLines("x", false);
    EXPECT_EQ(horizontal.size(), 141u);  // every 20th of -1414..1414
    for (const Op& op : horizontal)
        EXPECT_EQ(std::fmod(op.y1, 20.0), 0.0) << op.y1;
    EXPECT_EQ(f.gridLines("path", false).size(), 200u);  // every 5000th of 1..1000000
    EXPECT_EQ(f.gridLines("path", false).back().y1, 1000000);
    // 620 pixels for 10000 units: a line every 500, 31 pixels apart.
    const auto vertical = f.gridLines("x", true);
    EXPECT_EQ(vertical.size(), 19u);
    EXPECT_EQ(vertical.front().x1, 500);
    // Labels only where they have room, at round values, 0 among them; the
    // two captions come last.
    EXPECT_EQ(f.texts("x"), QStringList({"1000.00", "2000.00", "3000.00", "4000.00", "5000.00", "6000.00",
                                         "7000.00", "8000.00", "9000.00", "-1000.00", "-500.00", "0.00",
                                         "500.00", "1000.00", "X", "2*pi*t/T"}));
}

TEST(GraphFrame, LabelsAreTheGridValuesWithTheGivenDecimalSeparator)
{
    RecordedFrames f(params(9.5, 6, 20), captions(QStringLiteral(",")));
    const QStringList x = f.texts("x");
    for (const char* label : {"2,00", "18,00", "-10,00", "0,00", "10,00"})
        EXPECT_TRUE(x.contains(QString::fromLatin1(label))) << label;
    for (const QString& label : x)
        EXPECT_FALSE(label.contains('.')) << label.toStdString();
    // Energy lines every tenth from 0.1 to 1.1, the last above the top edge.
    const auto energy = f.gridLines("energy", false);
    EXPECT_NEAR(energy.front().y1, 0.1, 1e-12);
    EXPECT_NEAR(energy.back().y1, 1.1, 1e-12);
    EXPECT_TRUE(f.texts("energy").contains("0,20"));
    EXPECT_TRUE(f.texts("energy").contains("1,00"));
    EXPECT_FALSE(f.texts("energy").contains("1,10"));  // its line lies above the top edge
    EXPECT_TRUE(f.texts("path").contains("60,00"));
}

// For print the labels sit on their lines: a value label's middle on its
// horizontal line (but 0's, which stays below the axis), a label across
// centred on its vertical line, each over a white gap cleared just before
// it. In the window they stay beside their lines.
TEST(GraphFrame, PrintedLabelsSitOnTheirLines)
{
    ViewTexts onLines = captions(QStringLiteral(","));
    onLines.labelsOnLines = true;
    for (const bool print : {true, false}) {
        SCOPED_TRACE(print ? "print" : "window");
        RecordedFrames f(params(9.5, 6, 20), print ? onLines : captions(QStringLiteral(",")));
        for (std::size_t g : {std::size_t{0}, std::size_t{4}}) {
            const dryfriction::test::RecordingCanvas& canvas = f.graph[g];
            const std::vector<Op> ops = f.on(g == 0 ? QStringLiteral("x") : QStringLiteral("phase"));
            const QPointF origin = canvas.toPixel(0, 0);
            int centred = 0;
            for (std::size_t i = 0; i < ops.size(); ++i) {
                bool number = false;
                const double value = QString(ops[i].text).replace(',', '.').toDouble(&number);
                if (ops[i].name != "drawText" || !number || value == 0)
                    continue;
                const QRectF box(canvas.toPixel(ops[i].x1, ops[i].y1), canvas.textSize(ops[i].text));
                // Value labels lie right of the vertical axis, labels across
                // beside the horizontal one.
                const bool valueLabel = box.left() > origin.x() && box.left() < origin.x() + 6;
                const double line = valueLabel ? std::floor(canvas.toPixel(0, value).y())
                                               : std::floor(canvas.toPixel(value, 0).x());
                const double middle = valueLabel ? box.center().y() : box.center().x();
                // The white gap, perhaps grey again where it crosses the band.
                auto whiteBox = [&](std::size_t j) { return ops[j].name == "fillBox" && ops[j].color == Qt::white; };
                const bool gapBefore =
                    (i > 0 && whiteBox(i - 1))
                    || (i > 1 && whiteBox(i - 2) && ops[i - 1].name == "fillBox" && ops[i - 1].color == kBandColor);
                if (print) {
                    EXPECT_NEAR(middle, line + 0.5, 1.0) << ops[i].text.toStdString();
                    EXPECT_TRUE(gapBefore) << ops[i].text.toStdString();
                    ++centred;
                } else {
                    EXPECT_GT(std::abs(middle - line), box.height() / 3) << ops[i].text.toStdString();
                    EXPECT_FALSE(gapBefore) << ops[i].text.toStdString();
                }
            }
            if (print) {
                EXPECT_GE(centred, 6);
            }
        }
    }
}

TEST(GraphFrame, ScalesOfTheStripAndEveryGraph)
{
    RecordedViews v;
    const ProblemParameters p = kStartupParameters;
    applyScales(v.strip, v.graphs(), computePlotRanges(p, characteristicsOf(p)));
    auto corners = [](const Canvas& c) {
        return std::vector<double>{c.scaleLeft(), c.scaleTop(), c.scaleRight(), c.scaleBottom()};
    };
    EXPECT_EQ(corners(v.strip), (std::vector<double>{-12, -1, 12, 1}));
    EXPECT_EQ(corners(v.graph[0]), (std::vector<double>{0, 12, 20, -12}));
    EXPECT_EQ(corners(v.graph[1]), (std::vector<double>{0, 11, 20, -11}));
    EXPECT_EQ(corners(v.graph[2]), (std::vector<double>{0, 1, 20, -0.2}));
    EXPECT_EQ(corners(v.graph[3]), (std::vector<double>{0, 64, 20, 0}));
    for (const Op& op : v.log)
        EXPECT_EQ(op.name, "setScale");  // nothing is cleared or drawn
}

// drawFrames hands each view its own words: the strip its caption, every
// graph its caption and the time caption last, every label the separator.
TEST(GraphFrame, FramesHandEachViewItsOwnCaption)
{
    RecordedViews v;
    ViewTexts texts = captions(QStringLiteral(","));
    texts.stripCaption = QStringLiteral("strip caption");
    const ProblemParameters p = kStartupParameters;
    const SetupPlacement s = drawFrames(v.strip, v.graphs(), computePlotRanges(p, characteristicsOf(p)), p.x0, texts);
    EXPECT_DOUBLE_EQ(s.loadLeft + s.loadWidth / 2, p.x0);
    const auto printed = [&](const char* canvas) {
        QStringList out;
        for (const Op& op : v.on(canvas)) {
            if (op.name == "drawText")
                out << op.text;
        }
        return out;
    };
    EXPECT_EQ(printed("strip").last(), texts.stripCaption);
    EXPECT_TRUE(printed("strip").contains("-10,00"));
    for (std::size_t i = 0; i < 4; ++i) {
        const QStringList graph = printed(kGraphNames[i]);
        EXPECT_EQ(graph.mid(graph.size() - 2), QStringList({texts.graphCaptions[i], texts.timeCaption}));
        EXPECT_TRUE(graph.contains("2,00")) << kGraphNames[i];
    }
}

// What every frame shows: a band only on the coordinate graph, black axes of
// three pixels over everything else, light-green grid lines reaching down to
// the bottom edge or only to the time axis, and the time caption.
TEST(GraphFramePixels, BandAxesGridAndTimeCaptionOfEveryGraph)
{
    // Grid rows that show: the line at 0 lies under the time axis, the
    // energy graph's line at 1.1 above its top edge.
    const struct {
        bool band;
        bool verticalsToBottom;
        int gridRows;
    } rows[] = {{true, true, 22}, {false, true, 20}, {false, false, 10}, {false, false, 63}};
    ViewTexts withoutTime = captions();
    withoutTime.timeCaption.clear();
    DrawnFrames d(kStartupParameters), untimed(kStartupParameters, withoutTime);
    const QColor black(Qt::black);
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(kGraphNames[i]);
        const QImage& img = d.graph(i).image();
        const int last = img.height() - 1;
        EXPECT_EQ(countInRow(img, d.row(i, 0.6), kBandColor) > 540, rows[i].band);
        EXPECT_EQ(countInRow(img, std::max(0, d.row(i, 1.6)), kBandColor), 0);

        const int axis = d.row(i, 0);
        for (int y = axis - 1; y <= std::min(axis + 1, last); ++y)
            EXPECT_EQ(countInRow(img, y, black), img.width()) << y;
        EXPECT_LT(countInRow(img, axis - 2, black), img.width());
        EXPECT_EQ(countInColumn(img, 0, 0, last, black) + countInColumn(img, 1, 0, last, black), 2 * img.height());

        for (int t = 1; t <= 19; ++t) {
            const int col = d.column(i, t);
            EXPECT_GT(countInColumn(img, col, 0, axis - 2, kGridColor), axis / 2) << t;
            const int below = countInColumn(img, col, axis + 2, last, kGridColor);
            EXPECT_EQ(below > (last - axis) / 2, rows[i].verticalsToBottom) << t;
            EXPECT_EQ(below > 0, rows[i].verticalsToBottom) << t;
        }
        int gridRows = 0;
        for (int y = 0; y <= last; ++y)
            gridRows += countInRow(img, y, kGridColor) > 300;
        EXPECT_EQ(gridRows, rows[i].gridRows);

        // The time caption shows, near the end of the time axis.
        int caption = 0;
        for (int y = 0; y <= last; ++y) {
            for (int x = 0; x < img.width(); ++x)
                caption += img.pixel(x, y) != untimed.graph(i).image().pixel(x, y);
        }
        EXPECT_GT(caption, 20);
    }
}
