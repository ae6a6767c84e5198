#pragma once

// What the run tests share: the length of the start-up run, its samples as the
// model computes them, the colour under a point of a view, and the window at
// rest after a run.

#include "windowharness.h"

#include "model/motion.h"

#include <QColor>

#include <gtest/gtest.h>

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
