// Values read off a graph with the pointer: the exact closed-form values at
// the time under the pointer, only where a run has drawn the curve, never on
// the animation strip, with the user's decimal separator; on the phase
// portrait the trajectory point nearest to the pointer.

#include "windowharness.h"

#include "ui/parts/canvaswidget.h"

#include "model/motion.h"

#include <QLocale>
#include <QMouseEvent>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>

namespace dryfriction::test {
namespace {

// A pointer moved over the widget at `pos`, no button held.
void hover(QWidget* w, QPointF pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &move);
}

// The readout shown, or an empty text when none is.
QString readout(const WindowHarness& h)
{
    QLabel* label = h.label("graphReadout");
    return label->isVisible() ? label->text() : QString();
}

// The two numbers of a readout "s1 = n1  s2 = n2", with their symbols.
struct Reading {
    QString first, second;
    double a = NAN, b = NAN;
    QString decimalPoint;
};

Reading parse(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\S+) = (\\S+)  (\\S+) = (\\S+)$"));
    const QRegularExpressionMatch m = pattern.match(text);
    Reading r;
    if (!m.hasMatch())
        return r;
    r.first = m.captured(1);
    r.second = m.captured(3);
    const auto number = [&r](QString s) {
        if (s.contains(QLatin1Char(',')))
            r.decimalPoint = QStringLiteral(",");
        if (s.contains(QLatin1Char('.')))
            r.decimalPoint = QStringLiteral(".");
        s.replace(QChar(0x2212), QLatin1Char('-')).replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double v = s.toDouble(&ok);
        return ok ? v : NAN;
    };
    r.a = number(m.captured(2));
    r.b = number(m.captured(4));
    return r;
}

// The closed-form state of the problem in force at phase t (before the final stop).
MotionState exactState(const WindowHarness& h, double t)
{
    return motionAt(t, h.parameters(), h.window->problem().characteristics());
}

void runToTheEnd(WindowHarness& h)
{
    h.click(h.startButton());
    h.clock.fireAll();
    ASSERT_FALSE(h.window->isRunning());
}

TEST(Readout, NothingBeforeARunNorOnTheStrip)
{
    WindowHarness h;
    h.choose("coordinateOption");
    hover(h.view("coordinateView"), QPointF(200, 100));
    EXPECT_EQ(readout(h), QString());
    h.choose("phaseOption");
    const ImageCanvas& phase = h.view("phaseView")->canvas();
    hover(h.view("phaseView"), phase.toPixel(9.5, 6));
    EXPECT_EQ(readout(h), QString());

    runToTheEnd(h);
    h.choose("animationOption");
    for (const QPointF at : {QPointF(200, 100), QPointF(310, 106), QPointF(600, 20)})
        hover(h.view("animationView"), at);
    EXPECT_EQ(readout(h), QString());
}

// On each graph against time, the readout names the time under the pointer
// and the graph's quantity there, both to two decimals of the exact value.
TEST(Readout, TimeGraphsReadTheClosedFormUnderThePointer)
{
    WindowHarness h;
    runToTheEnd(h);
    const double initialEnergy = h.window->problem().characteristics().initialEnergy;
    struct Graph {
        const char* option;
        const char* view;
        const char* symbol;
        double (*value)(const MotionState&, double initialEnergy);
    };
    const Graph graphs[] = {
        {"coordinateOption", "coordinateView", "x", [](const MotionState& s, double) { return s.x; }},
        {"velocityOption", "velocityView", "Vx", [](const MotionState& s, double) { return s.vx; }},
        {"energyOption", "energyView", "W/Wo",
         [](const MotionState& s, double w0) { return (s.x * s.x + s.vx * s.vx) / 2 / w0; }},
        {"pathOption", "pathView", "П",
         [](const MotionState& s, double w0) { return w0 - (s.x * s.x + s.vx * s.vx) / 2; }},
    };
    for (const Graph& g : graphs) {
        h.choose(g.option);
        CanvasWidget* view = h.view(g.view);
        for (const double column : {0.5, 31.0, 113.77, 250.0, 402.4, 590.0}) {
            SCOPED_TRACE(testing::Message() << g.view << " at " << column);
            for (const double row : {5.0, 106.0, 200.0}) {
                hover(view, QPointF(column, row));
                const double t = view->canvas().toUser(QPointF(column, row)).x();
                const Reading r = parse(readout(h));
                EXPECT_EQ(r.first, QStringLiteral("t"));
                EXPECT_EQ(r.second, QString::fromUtf8(g.symbol));
                EXPECT_NEAR(r.a, t, 0.005 + 1e-9);
                EXPECT_NEAR(r.b, g.value(exactState(h, t), initialEnergy), 0.005 + 1e-9);
            }
        }
    }
    // The label stands near the pointer, inside the view.
    CanvasWidget* path = h.view("pathView");
    hover(path, QPointF(600, 200));
    const QRect label = h.label("graphReadout")->geometry();
    const QPoint pointer = path->mapTo(h.window->clientArea(), QPoint(600, 200));
    EXPECT_TRUE(path->geometry().contains(label));
    EXPECT_LT(std::abs(label.center().x() - pointer.x()), 150);
    EXPECT_LT(std::abs(label.center().y() - pointer.y()), 60);
}

// With the strip above the graph, the label stays on the graph, clear of the
// strip, wherever the pointer is on the graph.
TEST(Readout, StaysOnTheGraphBelowTheStrip)
{
    WindowHarness h;
    h.window->clientArea()->resize(1920, 1080);
    runToTheEnd(h);
    h.choose("coordinateOption");
    CanvasWidget* graph = h.view("coordinateView");
    const QRect strip = h.view("animationView")->geometry();
    ASSERT_TRUE(h.view("animationView")->isVisible());
    ASSERT_LT(strip.bottom(), graph->geometry().top());
    for (const QPointF at : {QPointF(60, 2), QPointF(900, 270), QPointF(1890, 2), QPointF(1890, 540)}) {
        SCOPED_TRACE(testing::Message() << at.x() << "," << at.y());
        hover(graph, at);
        ASSERT_FALSE(readout(h).isEmpty());
        const QRect label = h.label("graphReadout")->geometry();
        EXPECT_TRUE(graph->geometry().contains(label));
        EXPECT_FALSE(label.intersects(strip));
    }
}

// During a run only the part drawn so far can be read; after an edit clears
// the views, nothing.
TEST(Readout, OnlyWhereTheRunHasDrawn)
{
    WindowHarness h;
    h.choose("coordinateOption");
    h.click(h.startButton());
    for (int i = 0; i < 99; ++i)
        ASSERT_TRUE(h.clock.fire());
    ASSERT_TRUE(h.window->isRunning());
    // 100 samples: the last at t = 199 steps of 2*pi/500, about 2.50.
    CanvasWidget* view = h.view("coordinateView");
    const auto columnOf = [&](double t) { return view->canvas().toPixel(t, 0).x(); };
    hover(view, QPointF(columnOf(2.4), 50));
    EXPECT_FALSE(readout(h).isEmpty());
    hover(view, QPointF(columnOf(2.6), 50));
    EXPECT_EQ(readout(h), QString());

    h.choose("phaseOption");
    CanvasWidget* phase = h.view("phaseView");
    const MotionState drawn = exactState(h, 2.0);
    const MotionState ahead = exactState(h, 6.0);
    hover(phase, phase->canvas().toPixel(drawn.x, drawn.vx));
    EXPECT_FALSE(readout(h).isEmpty());
    hover(phase, phase->canvas().toPixel(ahead.x, ahead.vx));
    EXPECT_EQ(readout(h), QString());

    h.clock.fireAll();
    hover(phase, phase->canvas().toPixel(ahead.x, ahead.vx));
    EXPECT_FALSE(readout(h).isEmpty());
    // A new size draws the ended run again, still to be read off.
    h.window->refresh();
    hover(phase, phase->canvas().toPixel(ahead.x, ahead.vx));
    EXPECT_FALSE(readout(h).isEmpty());
    // An edit clears the run, and nothing is left to read.
    h.paste("timeEdit", QStringLiteral("30"));
    EXPECT_EQ(readout(h), QString());
    hover(phase, phase->canvas().toPixel(ahead.x, ahead.vx));
    EXPECT_EQ(readout(h), QString());
}

// On the phase portrait the readout is the trajectory point nearest to the
// pointer, found near points of the trajectory and nowhere far from it.
TEST(Readout, PhasePortraitReadsTheNearestTrajectoryPoint)
{
    WindowHarness h;
    runToTheEnd(h);
    h.choose("phaseOption");
    CanvasWidget* phase = h.view("phaseView");
    const ImageCanvas& canvas = phase->canvas();
    const double unit = canvas.userWidth(1);  // user units per pixel, the same both ways
    ASSERT_NEAR(unit, canvas.userHeight(1), 1e-9);
    for (const double t : {0.0, 0.3, 1.0, 4.0, 9.0, 15.0, 19.0}) {
        for (const QPointF offset : {QPointF(0, 0), QPointF(3, -2), QPointF(-4, 4)}) {
            SCOPED_TRACE(testing::Message() << "t " << t << " offset " << offset.x() << ", " << offset.y());
            const MotionState on = exactState(h, t);
            hover(phase, canvas.toPixel(on.x, on.vx) + offset);
            const Reading r = parse(readout(h));
            EXPECT_EQ(r.first, QStringLiteral("X"));
            EXPECT_EQ(r.second, QStringLiteral("V"));
            // Within the pointer's offset of the point aimed at, and on the trajectory.
            EXPECT_LE(std::hypot(r.a - on.x, r.b - on.vx), std::hypot(offset.x(), offset.y()) * unit * 2 + 0.01);
            double nearest = 1e9;
            for (int k = 0; k <= 20000; ++k) {
                const MotionState s = exactState(h, 19.3 * k / 20000);
                nearest = std::min(nearest, std::hypot(s.x - r.a, s.vx - r.b));
            }
            EXPECT_LE(nearest, 0.01);
        }
    }
    // Far from every arc: the corners of the view, outside the ranges.
    for (const QPointF corner : {QPointF(2, 2), QPointF(canvas.logicalSize().width() - 3, 2),
                                 QPointF(canvas.logicalSize().width() - 3, canvas.logicalSize().height() - 3)}) {
        hover(phase, corner);
        EXPECT_EQ(readout(h), QString()) << corner.x() << ", " << corner.y();
    }
}

TEST(Readout, UsesTheLocaleDecimalSeparator)
{
    WindowHarness h;
    runToTheEnd(h);
    const QLocale before;
    for (const QLocale& locale : {QLocale(QLocale::Russian, QLocale::Russia), QLocale(QLocale::English)}) {
        QLocale::setDefault(locale);
        const QString point = locale.decimalPoint();
        h.choose("velocityOption");
        hover(h.view("velocityView"), QPointF(300, 50));
        EXPECT_EQ(parse(readout(h)).decimalPoint, point);
        h.choose("phaseOption");
        const MotionState on = exactState(h, 5.0);
        hover(h.view("phaseView"), h.view("phaseView")->canvas().toPixel(on.x, on.vx));
        const Reading r = parse(readout(h));
        EXPECT_EQ(r.decimalPoint, point);
        EXPECT_FALSE(std::isnan(r.a));
    }
    QLocale::setDefault(before);
}

}  // namespace
}  // namespace dryfriction::test
