// Window abuse: every client size from 1x1 to 3840x2160, and a click on every
// control while a run proceeds.

#include "runchecks.h"
#include "windowharness.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace dryfriction::test {
namespace {

// Every control has a non-negative size, every view an image of its own size
// and every caption a sound number.
void expectSoundLayout(const MainWindow& window, QSize requested)
{
    SCOPED_TRACE(QStringLiteral("%1x%2").arg(requested.width()).arg(requested.height()).toStdString());
    for (const QWidget* w : window.clientArea()->findChildren<QWidget*>()) {
        EXPECT_GE(w->width(), 0) << w->objectName().toStdString();
        EXPECT_GE(w->height(), 0) << w->objectName().toStdString();
    }
    // The canvas, zoomed, fills its view to within a zoomed pixel.
    for (const CanvasWidget* v : window.clientArea()->findChildren<CanvasWidget*>()) {
        const QSizeF shown = QSizeF(v->canvas().logicalSize()) * v->zoom();
        EXPECT_LE(shown.width(), v->width()) << v->objectName().toStdString();
        EXPECT_LE(shown.height(), v->height()) << v->objectName().toStdString();
        EXPECT_GT(shown.width(), v->width() - v->zoom()) << v->objectName().toStdString();
        EXPECT_GT(shown.height(), v->height() - v->zoom()) << v->objectName().toStdString();
    }
    const QString garbage = firstGarbage(window);
    EXPECT_TRUE(garbage.isEmpty()) << garbage.toStdString();
}

TEST(WindowAbuse, EveryClientSizeFromOnePixelTo4K)
{
    WindowHarness h;
    QList<QSize> sizes = {{1, 1}, {1, 2160}, {3840, 1}, {2, 2}, {7, 5}};
    for (int step = 1; step <= 24; ++step)
        sizes << QSize(3840 * step / 24, 2160 * step / 24);
    sizes << QSize(640, 537) << QSize(1920, 1080) << QSize(3840, 2160) << QSize(1, 1);
    for (const QSize& s : sizes) {
        // Straight on the client area, so that the size is exact whatever the minimum
        // size of the menu bar; each resize runs the whole refresh.
        h.window->clientArea()->resize(s);
        EXPECT_EQ(h.window->clientArea()->size(), s);
        expectSoundLayout(*h.window, s);
        // And through the window, the way a user drags its border.
        h.window->resize(s);
        QCoreApplication::processEvents();
        expectSoundLayout(*h.window, s);
    }
    // And back: the window is whole again.
    h.window->clientArea()->resize(640, 537);
    EXPECT_EQ(h.view("animationView")->geometry(), QRect(10, 10, 620, 212));
    EXPECT_EQ(h.label("frequencyLabel")->text(), QStringLiteral("w= 2.000E+01 рад/с"));
}

struct Snapshot {
    ProblemParameters params;
    QStringList fields;
    bool anyFieldEnabled = false;
    QSize size;
};

Snapshot snapshot(const WindowHarness& h)
{
    Snapshot s{h.parameters(), {}, false, h.window->size()};
    for (const char* name : kFieldNames) {
        const QLineEdit* e = h.field(name);
        s.fields << e->text();
        s.anyFieldEnabled = s.anyFieldEnabled || e->isEnabled();
    }
    return s;
}

TEST(WindowAbuse, ClicksOnEveryControlDuringARunChangeNothingForbidden)
{
    WindowHarness h;
    h.click(h.startButton());
    h.clock.fireAll(100);
    ASSERT_TRUE(h.window->isRunning());
    const Snapshot before = snapshot(h);
    EXPECT_FALSE(before.anyFieldEnabled);

    // Everything a user can reach but the start button, which stops the run: fields
    // (click and type), the result labels, the view choice, the scroll bar, every
    // menu command, a resize.
    for (const char* name : kFieldNames) {
        QLineEdit* e = h.field(name);
        QTest::mouseClick(e, Qt::LeftButton);
        QTest::keyClicks(e, QStringLiteral("-0"));
        QTest::keyClick(e, Qt::Key_Backspace);
    }
    h.click(h.label("finalCoordinateLabel"));
    h.click(h.label("pathLabel"));
    for (const char* name : {"coordinateOption", "velocityOption", "energyOption", "pathOption", "phaseOption",
                             "animationOption"})
        h.choose(name);
    h.slowdownBar()->setValue(9);
    for (QAction* a : h.window->findChildren<QAction*>()) {
        if (!a->menu() && !a->isSeparator())
            a->trigger();
    }
    h.window->resize(h.window->width() + 200, h.window->height() + 100);
    QCoreApplication::processEvents();
    h.messages.answerYes = false;
    h.window->close();  // declined: the run goes on
    EXPECT_EQ(h.exit.exits, 0);

    const Snapshot during = snapshot(h);
    EXPECT_EQ(during.params, before.params);
    EXPECT_EQ(during.fields, before.fields);
    EXPECT_FALSE(during.anyFieldEnabled);
    EXPECT_EQ(h.startButton()->text(), QStringLiteral("СТОП"));
    EXPECT_EQ(during.size, before.size);
    EXPECT_TRUE(h.window->isRunning());
    EXPECT_EQ(h.window->slowdown(), 9);  // allowed: the scroll bar works during a run

    // The run was neither restarted nor doubled: one pause per sample, then the end.
    h.clock.fireAll();
    EXPECT_FALSE(h.window->isRunning());
    EXPECT_EQ(h.clock.pauses.size(), static_cast<std::size_t>(kDefaultSamples));
    EXPECT_EQ(h.tone.durations, std::vector<int>{600});
    const Snapshot after = snapshot(h);
    EXPECT_TRUE(after.anyFieldEnabled);
    EXPECT_EQ(after.params, before.params);
}

}  // namespace
}  // namespace dryfriction::test
