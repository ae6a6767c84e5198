// The layout: where every control lands at the initial client size and after
// a resize, tiny client areas, and the choice of the view shown.

#include "runchecks.h"
#include "windowharness.h"

#include "ui/look/windowlayout.h"

#include <QGroupBox>

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace dryfriction::test {
namespace {

struct Place {
    const char* name;
    QRect expected;
};

// At 640 x 537: the band of seven rows at the bottom, the views above it.
const Place kPlaces640x537[] = {
    {"parametersTitle", {10, 257, 154, 25}},
    {"massCaption", {10, 292, 70, 25}},
    {"massEdit", {80, 292, 70, 25}},
    {"stiffnessCaption", {10, 327, 70, 25}},
    {"stiffnessEdit", {80, 327, 70, 25}},
    {"frictionCaption", {10, 362, 70, 25}},
    {"frictionEdit", {80, 362, 70, 25}},
    {"coordinateCaption", {10, 397, 70, 25}},
    {"coordinateEdit", {80, 397, 70, 25}},
    {"velocityCaption", {10, 432, 70, 25}},
    {"velocityEdit", {80, 432, 70, 25}},
    {"timeCaption", {10, 467, 70, 25}},
    {"timeEdit", {80, 467, 70, 25}},
    {"characteristicsTitle", {174, 257, 140, 25}},
    {"frequencyLabel", {170, 292, 133, 25}},
    {"periodLabel", {170, 327, 133, 25}},
    {"zoneHalfWidthLabel", {170, 397, 133, 25}},
    {"velocityScaleLabel", {170, 432, 133, 25}},
    {"finalStopLabel", {170, 467, 133, 25}},
    {"firstStopLabel", {170, 502, 133, 25}},
    {"amplitudeLabel", {328, 397, 133, 25}},
    {"finalCoordinateLabel", {328, 432, 133, 25}},
    {"pathLabel", {328, 467, 133, 25}},
    {"startButton", {471, 292, 140, 25}},
    // Hidden at rest, in the right half of the start button's place.
    {"pauseButton", {541, 292, 70, 25}},
    // The moment of a run, in the band's top row right of the characteristics' title.
    {"timeLabel", {328, 257, 133, 25}},
    {"timeSlider", {471, 257, 159, 25}},
    {"viewChooser", {471, 327, 140, 125}},
    {"animationView", {10, 10, 620, 212}},
    {"coordinateView", {10, 10, 620, 212}},
    {"velocityView", {10, 10, 620, 212}},
    {"energyView", {10, 10, 620, 212}},
    {"pathView", {10, 10, 620, 212}},
    // 12.5 and 17.5 round half up; the value stays centred under the bar and
    // starts where the bar ends.
    {"slowdownBar", {10, 232, 620, 13}},
    {"slowdownValue", {311, 245, 18, 25}},
};

TEST(Layout, ControlsAtTheInitialClientSize)
{
    WindowHarness h;
    ASSERT_EQ(h.window->clientArea()->size(), QSize(640, 537));
    for (const Place& p : kPlaces640x537)
        EXPECT_EQ(h.child<QWidget>(p.name)->geometry(), p.expected) << p.name;
    // The option buttons stand one under another inside the frame, all as wide.
    int lastTop = 0;
    for (const char* name : kOptionNames) {
        const QRect r = h.child<QWidget>(name)->geometry();
        EXPECT_GT(r.top(), lastTop) << name;
        EXPECT_LE(r.bottom(), 125) << name;
        EXPECT_EQ(r.width(), 132) << name;
        lastTop = r.top();
    }
    // Each view's image is as large as the view.
    for (const char* name : kViewNames)
        EXPECT_EQ(h.view(name)->canvas().logicalSize(), QSize(620, 212)) << name;
}

// The views take what the band and the slowdown bar leave; a client area too
// small for the band gives views of size 0 and the bar right under them.
TEST(Layout, ViewsAndSlowdownFollowTheClientSize)
{
    struct Case {
        QSize client;
        LayoutRect views, slowdownBar, slowdownValue;
        float bandTop;
    };
    const Case cases[] = {
        {{1000, 800}, {10, 10, 980, 475}, {10, 495, 980, 12.5f}, {491.25f, 507.5f, 17.5f, 25}, 520},
        {{640, 300}, {10, 10, 620, 0}, {10, 20, 620, 12.5f}, {311.25f, 32.5f, 17.5f, 25}, 20},
        {{1, 1}, {10, 10, 0, 0}, {10, 20, 0, 12.5f}, {1.25f, 32.5f, 17.5f, 25}, -279},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.client.width() << "x" << c.client.height());
        const WindowLayout f =
            computeLayout(static_cast<float>(c.client.width()), static_cast<float>(c.client.height()), 6);
        EXPECT_EQ(f.views, c.views);
        EXPECT_EQ(f.slowdownBar, c.slowdownBar);
        EXPECT_EQ(f.slowdownValue, c.slowdownValue);
        EXPECT_FLOAT_EQ(f.parametersTitle.top, c.bandTop);
        // Row 7 of the band ends 10 above the bottom edge.
        EXPECT_FLOAT_EQ(f.firstStop.top + f.firstStop.height, static_cast<float>(c.client.height()) - 10);
    }
}

// From a client area 700 pixels tall the strip stands at the top of the
// views' rectangle, a zoomed 100 pixels high, and the graphs below it; the
// rows of the band keep their formula, the pause button and the stopping
// start button share the start button's place at every size.
TEST(Layout, StripAboveTheGraphFrom700PixelsUp)
{
    struct Case {
        QSize client;
        bool above;
        LayoutRect strip, graph, timeSlider;
    };
    const Case cases[] = {
        {{640, 537}, false, {10, 10, 620, 212}, {10, 10, 620, 212}, {471, 257, 159, 25}},
        {{900, 699}, false, {10, 10, 880, 374}, {10, 10, 880, 374}, {471, 419, 419, 25}},
        {{640, 700}, true, {10, 10, 620, 100}, {10, 120, 620, 265}, {471, 420, 159, 25}},
        {{1024, 768}, true, {10, 10, 1004, 125}, {10, 145, 1004, 308}, {471, 488, 543, 25}},
        {{1920, 1080}, true, {10, 10, 1900, 200}, {10, 220, 1900, 545}, {471, 800, 1439, 25}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.client.width() << "x" << c.client.height());
        const WindowLayout f =
            computeLayout(static_cast<float>(c.client.width()), static_cast<float>(c.client.height()), 6);
        EXPECT_EQ(f.stripAboveGraph, c.above);
        EXPECT_EQ(f.strip, c.strip);
        EXPECT_EQ(f.graph, c.graph);
        EXPECT_EQ(f.timeSlider, c.timeSlider);
        EXPECT_EQ(f.timeLabel, (LayoutRect{328, f.parametersTitle.top, 133, 25}));
        EXPECT_EQ(f.startButtonBesidePause, (LayoutRect{471, f.startButton.top, 70, 25}));
        EXPECT_EQ(f.pauseButton, (LayoutRect{541, f.startButton.top, 70, 25}));
        // The slowdown bar keeps its row under the whole views' rectangle.
        EXPECT_FLOAT_EQ(f.slowdownBar.top, f.views.top + f.views.height + 10);
    }
}

// The chooser's frame, with its six options one under another, stands in the
// band at any client size, under the start button and above the band's last row.
TEST(Layout, ChooserStaysInTheBandAtAnySize)
{
    WindowHarness h;
    for (const QSize size : {QSize(640, 537), QSize(1920, 1080), QSize(800, 600)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        h.window->clientArea()->resize(size);
        const QRect frame = h.child<QWidget>("viewChooser")->geometry();
        EXPECT_EQ(frame.height(), 125);
        EXPECT_EQ(frame.top(), h.field("stiffnessEdit")->geometry().top());
        const QRect path = h.child<QWidget>("pathOption")->geometry();
        const QRect phase = h.child<QWidget>("phaseOption")->geometry();
        EXPECT_GT(phase.top(), path.bottom());
        EXPECT_EQ(phase.left(), path.left());
        EXPECT_LE(phase.bottom(), frame.height());
        EXPECT_LT(frame.bottom(), h.label("firstStopLabel")->geometry().top());
    }
}

TEST(Layout, ResizeRelaysOutRefillsTheFieldsAndClearsTheResults)
{
    WindowHarness h;
    h.click(h.label("finalCoordinateLabel"));
    ASSERT_NE(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end="));
    h.window->clientArea()->resize(700, 600);
    EXPECT_EQ(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end="));
    EXPECT_EQ(h.label("pathLabel")->text(), QStringLiteral("П_end="));
    EXPECT_EQ(h.field("timeEdit")->text(), QStringLiteral(" 20"));
    EXPECT_EQ(h.child<QWidget>("parametersTitle")->geometry(), QRect(10, 320, 154, 25));
    EXPECT_EQ(h.view("animationView")->geometry(), QRect(10, 10, 680, 275));
    EXPECT_EQ(h.view("pathView")->canvas().logicalSize(), QSize(680, 275));
}

// Exactly one view is shown; the slowdown bar and its value only with the strip.
TEST(ViewChoice, EachOptionShowsItsView)
{
    WindowHarness h;
    const char* const controls[] = {"animationView", "coordinateView", "velocityView", "energyView",
                                    "pathView",      "phaseView",      "slowdownBar",  "slowdownValue"};
    struct Row {
        const char* option;
        bool shown[8];
    };
    const Row rows[] = {
        {"coordinateOption", {false, true, false, false, false, false, false, false}},
        {"velocityOption", {false, false, true, false, false, false, false, false}},
        {"energyOption", {false, false, false, true, false, false, false, false}},
        {"pathOption", {false, false, false, false, true, false, false, false}},
        {"phaseOption", {false, false, false, false, false, true, false, false}},
        {"animationOption", {true, false, false, false, false, false, true, true}},
        {"animationOption", {true, false, false, false, false, false, true, true}},  // again: no change
    };
    auto visibility = [&] {
        std::vector<bool> v;
        for (const char* c : controls)
            v.push_back(h.child<QWidget>(c)->isVisible());
        return v;
    };
    EXPECT_EQ(visibility(), std::vector<bool>(std::begin(rows[5].shown), std::end(rows[5].shown)));
    for (const Row& row : rows) {
        h.choose(row.option);
        EXPECT_TRUE(h.child<QRadioButton>(row.option)->isChecked()) << row.option;
        EXPECT_EQ(visibility(), std::vector<bool>(std::begin(row.shown), std::end(row.shown))) << row.option;
    }
    // A refresh keeps the choice.
    h.choose("energyOption");
    h.window->refresh();
    EXPECT_TRUE(h.view("energyView")->isVisible());
    EXPECT_FALSE(h.slowdownBar()->isVisible());
}

// The strip as drawn: its canvas as large as it is (to within a zoomed
// pixel), the axis across it.
void expectStripDrawn(CanvasWidget* strip)
{
    const ImageCanvas& canvas = strip->canvas();
    const QSizeF drawn = QSizeF(canvas.logicalSize()) * strip->zoom();
    EXPECT_LE(drawn.width(), strip->width());
    EXPECT_GT(drawn.width(), strip->width() - strip->zoom());
    EXPECT_LE(drawn.height(), strip->height());
    EXPECT_GT(drawn.height(), strip->height() - strip->zoom());
    const int axisRow = static_cast<int>(canvas.toPixel(0, 0).y() * canvas.devicePixelRatio());
    const QImage& image = canvas.image();
    ASSERT_FALSE(image.isNull());
    for (const int column : {image.width() / 10, image.width() / 2 + 30, image.width() * 9 / 10})
        EXPECT_EQ(image.pixelColor(column, axisRow), QColor(Qt::black)) << column;
}

// In a tall client area the strip shows above every graph, a zoomed 100
// pixels high, and the slowdown bar with it; the animation alone shows the
// strip alone in the whole rectangle. The strip, resized, is drawn afresh.
TEST(ViewChoice, TallWindowShowsTheStripAboveEachGraph)
{
    WindowHarness h;
    h.window->clientArea()->resize(1920, 1080);
    const char* const controls[] = {"animationView", "coordinateView", "velocityView", "energyView",
                                    "pathView",      "phaseView",      "slowdownBar",  "slowdownValue"};
    const QRect above(10, 10, 1900, 200), alone(10, 10, 1900, 755);
    struct Row {
        const char* option;
        bool shown[8];
        QRect strip;
    };
    const Row rows[] = {
        {"coordinateOption", {true, true, false, false, false, false, true, true}, above},
        {"velocityOption", {true, false, true, false, false, false, true, true}, above},
        {"animationOption", {true, false, false, false, false, false, true, true}, alone},
        {"energyOption", {true, false, false, true, false, false, true, true}, above},
        {"pathOption", {true, false, false, false, true, false, true, true}, above},
        {"phaseOption", {true, false, false, false, false, true, true, true}, above},
        {"animationOption", {true, false, false, false, false, false, true, true}, alone},
    };
    CanvasWidget* strip = h.view("animationView");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.option);
        h.choose(row.option);
        for (std::size_t i = 0; i < std::size(controls); ++i)
            EXPECT_EQ(h.child<QWidget>(controls[i])->isVisible(), row.shown[i]) << controls[i];
        EXPECT_EQ(strip->geometry(), row.strip);
        expectStripDrawn(strip);
    }
    for (const char* name : std::span(kViewNames).subspan(1))
        EXPECT_EQ(h.view(name)->geometry(), QRect(10, 220, 1900, 545)) << name;

    // Lower again, one view at a time, in the whole rectangle.
    h.choose("pathOption");
    h.window->clientArea()->resize(1920, 699);
    EXPECT_FALSE(strip->isVisible());
    EXPECT_FALSE(h.slowdownBar()->isVisible());
    EXPECT_EQ(h.view("pathView")->geometry(), strip->geometry());
}

// During a run too the strip takes the place of the view chosen at once,
// drawn afresh at the moment shown, and the graph under it keeps the traces
// drawn so far and goes on growing.
TEST(ViewChoice, TallWindowMovesTheStripAlsoDuringARun)
{
    WindowHarness h;
    h.window->clientArea()->resize(1920, 1080);
    CanvasWidget* strip = h.view("animationView");
    CanvasWidget* coordinate = h.view("coordinateView");
    const std::vector<MotionSample> samples = defaultSamples(h);
    h.click(h.startButton());
    h.clock.fireAll(299);

    h.choose("coordinateOption");
    EXPECT_EQ(strip->geometry(), QRect(10, 10, 1900, 200));
    EXPECT_TRUE(strip->isVisible());
    EXPECT_TRUE(coordinate->isVisible());
    expectStripDrawn(strip);
    EXPECT_EQ(pixelAt(coordinate, samples[100].t, samples[100].x), QColor(255, 0, 0));
    EXPECT_NE(pixelAt(coordinate, samples[500].t, samples[500].x), QColor(255, 0, 0));

    h.choose("animationOption");
    EXPECT_EQ(strip->geometry(), QRect(10, 10, 1900, 755));
    expectStripDrawn(strip);
    h.choose("coordinateOption");
    h.clock.fireAll();
    ASSERT_FALSE(h.window->isRunning());
    EXPECT_EQ(pixelAt(coordinate, samples[500].t, samples[500].x), QColor(255, 0, 0));
    EXPECT_NE(strip->setup(), std::nullopt);
    EXPECT_NE(h.label("finalCoordinateLabel")->text(), QStringLiteral("X_end="));
}

TEST(ViewChoice, SlowdownSurvivesHidingTheBar)
{
    WindowHarness h;
    QScrollBar* bar = h.slowdownBar();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(h.label("slowdownValue")->text(), QStringLiteral("7"));
    h.choose("coordinateOption");
    EXPECT_FALSE(bar->isVisible());
    h.choose("animationOption");
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(h.label("slowdownValue")->text(), QStringLiteral("7"));
    EXPECT_EQ(h.window->slowdown(), 7);
}

TEST(ViewChoice, HiddenGraphKeepsItsImage)
{
    WindowHarness h;
    CanvasWidget* graph = h.view("coordinateView");
    const QImage before = graph->canvas().image();
    graph->canvas().line(0, 0, 20, 0, Qt::red);  // drawn while hidden
    ASSERT_NE(graph->canvas().image(), before);
    h.choose("coordinateOption");
    ASSERT_TRUE(graph->isVisible());
    const QImage shown = graph->grab().toImage();
    const QImage drawn = graph->canvas().image();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), drawn.convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace dryfriction::test
