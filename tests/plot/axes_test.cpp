// The graph frames: how many grid lines each graph gets, in which order the
// frame is drawn, and the label texts.

#include "recordingcanvas.h"

#include "axes.h"
#include "gridstride.h"
#include "plotcolors.h"
#include "plotscales.h"

#include "characteristics.h"
#include "parameters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace dryfriction;
using dryfriction::test::Op;
using dryfriction::test::RecordingCanvas;

namespace {

struct Frames {
    std::vector<Op> log;
    RecordingCanvas p1{"Picture1", log}, p2{"Picture2", log}, p3{"Picture3", log}, p4{"Picture4", log},
        p5{"Picture5", log};
    Views views{p1, p2, p3, p4, p5};
    PlotRanges ranges;
    TimeGrid grid;

    explicit Frames(const ProblemParameters& p, const QString& point = QStringLiteral("."))
    {
        ranges = minmax(p, parametr(p), views);
        log.clear();
        grid = axes_2(p2, ranges, point);
        axes_3(p3, ranges, grid, point);
        axes_4(p4, ranges, grid, point);
        axes_5(p5, ranges, grid, point);
    }

    // Grid lines of one canvas: vertical ones have x1 == x2.
    std::vector<Op> gridLines(const QString& canvas, bool vertical) const
    {
        std::vector<Op> lines;
        for (const Op& op : log)
            if (op.canvas == canvas && op.name == "Line" && op.color == kGridColor && (op.x1 == op.x2) == vertical)
                lines.push_back(op);
        return lines;
    }
};

ProblemParameters params(double Xo, double Vo, float tCalc)
{
    ProblemParameters p;
    p.Xo = Xo;
    p.Vo = Vo;
    p.tCalc = tCalc;
    return p;
}

}  // namespace

TEST(GridStride, OnePerUnitUpTo200ThenTheSmallestStrideOf1_2_5)
{
    struct Row {
        long long first, last, stride;
    } rows[] = {
        {1, 199, 1},          {1, 200, 1},        {1, 201, 2},    {-99, 99, 1},   {-100, 100, 2},
        {-1414, 1414, 20},    {1, 9999, 50},      {1, 1000000, 5000}, {0, 0, 1},  {1, 0, 1},
    };
    for (const Row& r : rows) {
        const long long stride = gridStride(r.first, r.last);
        EXPECT_EQ(stride, r.stride) << r.first << ".." << r.last;
        EXPECT_LE(multiplesIn(r.first, r.last, stride), kMaxGridLines);
    }
}

TEST(GraphAxes, GridLineCountsOfTheEdgeCases)
{
    struct Row {
        const char* name;
        ProblemParameters p;
        size_t vertical, p2Horizontal, p3Horizontal, p5Horizontal;
    } rows[] = {
        {"defaults", params(9.5, 6, 20), 19, 23, 21, 63},
        {"tCalc 20.5", params(9.5, 6, 20.5f), 19, 23, 21, 63},
        {"tCalc 1.5", params(9.5, 6, 1.5f), 0, 23, 21, 63},
        {"tCalc 0.5", params(9.5, 6, 0.5f), 0, 23, 21, 63},
        {"Xmax 1", params(0.5, 0.5, 20), 19, 1, 1, 0},  // PathMax = Int(0.25) + 1 = 1
    };
    for (const Row& r : rows) {
        Frames f(r.p);
        SCOPED_TRACE(r.name);
        for (const char* graph : {"Picture2", "Picture3", "Picture4", "Picture5"})
            EXPECT_EQ(f.gridLines(graph, true).size(), r.vertical) << graph;
        EXPECT_EQ(f.gridLines("Picture2", false).size(), r.p2Horizontal);
        EXPECT_EQ(f.gridLines("Picture3", false).size(), r.p3Horizontal);
        EXPECT_EQ(f.gridLines("Picture4", false).size(), 11u);
        EXPECT_EQ(f.gridLines("Picture5", false).size(), r.p5Horizontal);
    }
}

TEST(GraphAxes, FractionalCalculationTimeSpacesTheDivisionsEvenly)
{
    Frames f(params(9.5, 6, 20.5f));
    EXPECT_EQ(f.grid.tDivisions, 20.0f);
    EXPECT_DOUBLE_EQ(f.grid.tStep, 1.025);
    const auto lines = f.gridLines("Picture2", true);
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_DOUBLE_EQ(lines.front().x1, 1.025);
    EXPECT_NEAR(lines.back().x1, 19.475, 1e-12);
    // Each runs over the whole height.
    EXPECT_EQ(lines.front().y1, 12);
    EXPECT_EQ(lines.front().y2, -12);
}

TEST(GraphAxes, BelowOneTimeUnitThereIsNoStepAndNoVerticalGrid)
{
    Frames f(params(9.5, 6, 0.5f));
    EXPECT_EQ(f.grid.tDivisions, 0.0f);
    EXPECT_EQ(f.grid.tStep, 0.0);
    for (const Op& op : f.log)
        for (double v : {op.x1, op.y1, op.x2, op.y2})
            EXPECT_TRUE(std::isfinite(v)) << op.canvas.toStdString() << " " << op.name.toStdString();
}

TEST(GraphAxes, WideRangesAreThinnedToAtMost200LinesAtRoundValues)
{
    // Xo = Vo = 1000: Xmax = 1414, Vmax = 1413, PathMax = 1000001; tCalc = 10000.
    Frames f(params(1000, 1000, 10000));
    ASSERT_EQ(f.ranges.PathMax, 1000001);
    const auto p2h = f.gridLines("Picture2", false);
    EXPECT_EQ(p2h.size(), 141u);  // every 20th of -1414..1414
    for (const Op& op : p2h)
        EXPECT_EQ(std::fmod(op.y1, 20.0), 0.0) << op.y1;
    EXPECT_EQ(f.gridLines("Picture5", false).size(), 200u);  // every 5000th of 1..1000000
    EXPECT_EQ(f.gridLines("Picture5", false).back().y1, 1000000);
    const auto p2v = f.gridLines("Picture2", true);
    EXPECT_EQ(p2v.size(), 199u);  // every 50th of 1..9999
    EXPECT_EQ(p2v.front().x1, 50);
    // Every line keeps its label.
    size_t labels = 0;
    for (const Op& op : f.log)
        labels += op.canvas == "Picture2" && op.name == "Print";
    EXPECT_EQ(labels, 141u + 199u + 2u);
}

TEST(GraphAxes, CoordinateFrameIsDrawnInOrderBandGridAxesCaptions)
{
    Frames f(params(9.5, 6, 20));
    std::vector<Op> ops;
    for (const Op& op : f.log)
        if (op.canvas == "Picture2")
            ops.push_back(op);
    ASSERT_GE(ops.size(), 10u);
    EXPECT_EQ(ops[0].name, "DrawWidth");
    EXPECT_EQ(ops[0].width, 1);
    EXPECT_EQ(ops[1].name, "FilledBox");
    EXPECT_EQ(ops[1].color, kBandColor);
    EXPECT_EQ((std::vector<double>{ops[1].x1, ops[1].y1, ops[1].x2, ops[1].y2}),
              (std::vector<double>{0, -1, 20, 1}));
    // First vertical grid line, its label point just below the time axis, its label.
    EXPECT_EQ(ops[2].name, "Line");
    EXPECT_EQ(ops[3].name, "PSet");
    EXPECT_DOUBLE_EQ(ops[3].y1, -0.04 * 12);
    EXPECT_EQ(ops[4].name, "Print");
    EXPECT_EQ(ops[4].text, "1.00");
    // The tail: width 3, two black axes, the captions at their places.
    const size_t n = ops.size();
    EXPECT_EQ(ops[n - 5].name, "DrawWidth");
    EXPECT_EQ(ops[n - 4].color, kAxisColor);
    EXPECT_EQ(ops[n - 4].width, 3);
    EXPECT_EQ((std::vector<double>{ops[n - 4].x1, ops[n - 4].y1, ops[n - 4].x2, ops[n - 4].y2}),
              (std::vector<double>{0, 12, 0, -12}));
    EXPECT_EQ((std::vector<double>{ops[n - 3].x1, ops[n - 3].y1, ops[n - 3].x2, ops[n - 3].y2}),
              (std::vector<double>{0, 0, 20, 0}));
    EXPECT_EQ(ops[n - 2].text, "X");
    EXPECT_DOUBLE_EQ(ops[n - 2].x1, 0.6);
    EXPECT_DOUBLE_EQ(ops[n - 2].y1, 12);
    EXPECT_EQ(ops[n - 1].text, "2*pi*t/T");
    EXPECT_DOUBLE_EQ(ops[n - 1].x1, 18.4);
    EXPECT_DOUBLE_EQ(ops[n - 1].y1, -1.8);
    EXPECT_EQ(f.p2.drawWidth(), 3);
}

TEST(GraphAxes, CaptionsAndTheDifferencesBetweenTheGraphs)
{
    Frames f(params(9.5, 6, 20));
    struct Row {
        const char* canvas;
        const char* caption;
        double gridBottom, timeLabelY, axisBottom, timeCaptionY;
        bool band;
    } rows[] = {
        {"Picture3", "Vx", -11, -0.44, -11, -1.65, false},
        {"Picture4", "W/Wo", 0, -0.04, -0.2, -0.11, false},
        {"Picture5", "П", 0, 0.06 * 64, 0, 0.09 * 64, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.canvas);
        std::vector<Op> ops;
        for (const Op& op : f.log)
            if (op.canvas == r.canvas)
                ops.push_back(op);
        const size_t n = ops.size();
        bool band = false;
        for (const Op& op : ops)
            band = band || op.name == "FilledBox";
        EXPECT_EQ(band, r.band);
        EXPECT_EQ(ops[n - 2].text, QString::fromUtf8(r.caption));
        EXPECT_EQ(ops[n - 1].text, "2*pi*t/T");
        EXPECT_NEAR(ops[n - 1].y1, r.timeCaptionY, 1e-9);
        EXPECT_NEAR(ops[n - 4].y2, r.axisBottom, 1e-9);
        const auto vertical = f.gridLines(r.canvas, true);
        EXPECT_NEAR(vertical.front().y2, r.gridBottom, 1e-9);
        const auto it = std::find_if(ops.begin(), ops.end(), [](const Op& op) { return op.name == "PSet"; });
        EXPECT_NEAR(it->y1, r.timeLabelY, 1e-6);
    }
    // Energy lines at 0.1 .. 1.1 labelled 0.10 .. 1.10.
    const auto energy = f.gridLines("Picture4", false);
    EXPECT_NEAR(energy.front().y1, 0.1, 1e-12);
    EXPECT_NEAR(energy.back().y1, 1.1, 1e-12);
    QStringList labels;
    for (const Op& op : f.log)
        if (op.canvas == "Picture4" && op.name == "Print" && op.x1 == 0)
            labels << op.text;
    EXPECT_EQ(labels.first(), "0.10");
    EXPECT_TRUE(labels.contains("1.10"));
}

TEST(GraphAxes, LabelsUseTheGivenDecimalSeparator)
{
    Frames f(params(9.5, 6, 20), QStringLiteral(","));
    QStringList labels;
    for (const Op& op : f.log)
        if (op.canvas == "Picture2" && op.name == "Print")
            labels << op.text;
    EXPECT_TRUE(labels.contains("19,00"));
    EXPECT_TRUE(labels.contains("-11,00"));
    EXPECT_TRUE(labels.contains("0,00"));
    for (const QString& label : labels)
        EXPECT_FALSE(label.contains('.')) << label.toStdString();
}

TEST(PlotScales, MinmaxSetsTheFiveScales)
{
    std::vector<Op> log;
    RecordingCanvas p1{"1", log}, p2{"2", log}, p3{"3", log}, p4{"4", log}, p5{"5", log};
    Views views{p1, p2, p3, p4, p5};
    const ProblemParameters p = kStartupParameters;
    minmax(p, parametr(p), views);
    auto corners = [](const Canvas& c) {
        return std::vector<double>{c.scaleLeft(), c.scaleTop(), c.scaleRight(), c.scaleBottom()};
    };
    EXPECT_EQ(corners(p1), (std::vector<double>{-12, -1, 12, 1}));
    EXPECT_EQ(corners(p2), (std::vector<double>{0, 12, 20, -12}));
    EXPECT_EQ(corners(p3), (std::vector<double>{0, 11, 20, -11}));
    EXPECT_EQ(corners(p4), (std::vector<double>{0, 1, 20, -0.2}));
    EXPECT_EQ(corners(p5), (std::vector<double>{0, 64, 20, 0}));
    for (const Op& op : log)
        EXPECT_EQ(op.name, "Scale");  // nothing is cleared or drawn
}
