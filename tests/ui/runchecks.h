#pragma once

// What the run tests share: the length of the start-up run, its samples as the
// model computes them, the colour under a point of a view, and the window at
// rest after a run.

#include "windowharness.h"

#include "model/motion.h"

#include <QColor>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace dryfriction::test {

// Samples of a run with the start-up values.
inline constexpr int kDefaultSamples = 796;
// Its pauses: one after each sample up to the 771st, the last before the
// final stop at 19.37, which comes with the flat rest of the run at once.
inline constexpr int kDefaultPacedSamples = 771;

// The samples of a run with the parameters in force, computed by the model alone.
inline std::vector<MotionSample> defaultSamples(const WindowHarness& h)
{
    std::vector<MotionSample> samples;
    MotionRun run(h.parameters(), h.window->problem().characteristics());
    while (run.next())
        samples.push_back(run.sample());
    return samples;
}

// The colour of the canvas pixel under the user point (t, y).
inline QColor pixelAt(CanvasWidget* w, double t, double y)
{
    const ImageCanvas& c = w->canvas();
    const QPointF p = c.toPixel(t, y) * c.devicePixelRatio();
    return c.image().pixelColor(static_cast<int>(p.x()), static_cast<int>(p.y()));
}

// Whether the point lies under a text, which stays on top of the trace.
inline bool underText(CanvasWidget* w, double t, double y)
{
    const std::vector<QRectF> boxes = w->canvas().textBoxes();
    const QPointF p = w->canvas().toPixel(t, y);
    return std::any_of(boxes.begin(), boxes.end(), [&](const QRectF& box) { return box.contains(p); });
}

// Samples 1 .. count (1-based) whose trace pixel does not show the trace's
// colour, on the coordinate and the velocity graph, where no text lies over
// it; every fifth sample is looked at.
inline int tracedSamples(const WindowHarness& h, const std::vector<MotionSample>& samples, std::size_t count)
{
    CanvasWidget* coordinate = h.view("coordinateView");
    CanvasWidget* velocity = h.view("velocityView");
    int missing = 0;
    for (std::size_t n = 0; n < count; n += 5) {
        const MotionSample& s = samples[n];
        missing += !underText(coordinate, s.t, s.x) && pixelAt(coordinate, s.t, s.x) != QColor(255, 0, 0);
        missing += !underText(velocity, s.t, s.vx) && pixelAt(velocity, s.t, s.vx) != QColor(0, 0, 255);
    }
    return missing;
}

// No run: the fields and the start button free, the button ready to start,
// the caption of a window at rest, the border sizable, no pause pending.
inline void expectIdle(const WindowHarness& h)
{
    EXPECT_FALSE(h.window->isRunning());
    EXPECT_FALSE(h.clock.isActive());
    for (const char* name : kFieldNames)
        EXPECT_TRUE(h.field(name)->isEnabled()) << name;
    EXPECT_TRUE(h.startButton()->isEnabled());
    EXPECT_EQ(h.startButton()->text(), QStringLiteral("ПУСК"));
    EXPECT_EQ(h.startButton()->toolTip(), QStringLiteral("запуск установки"));
    EXPECT_EQ(h.window->windowTitle(), QStringLiteral("Моделирование колебаний при сухом трении"));
    EXPECT_TRUE(h.isSizable());
}

}  // namespace dryfriction::test
