// Window abuse: every client size from 1x1 to 3840x2160, fifty windows closed during a
// run, and a click on every control while a run proceeds.

#include "abuseharness.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace dryfriction::test {
namespace {

constexpr int kDefaultSamples = 796;

// Every control has a non-negative size and every caption a sound number.
void expectSoundLayout(const Form1& form, QSize requested)
{
    SCOPED_TRACE(QStringLiteral("%1x%2").arg(requested.width()).arg(requested.height()).toStdString());
    for (const QWidget* w : form.clientArea()->findChildren<QWidget*>()) {
        EXPECT_GE(w->width(), 0) << w->objectName().toStdString();
        EXPECT_GE(w->height(), 0) << w->objectName().toStdString();
    }
    const QString garbage = firstGarbage(form);
    EXPECT_TRUE(garbage.isEmpty()) << garbage.toStdString();
}

TEST(WindowAbuse, EveryClientSizeFromOnePixelTo4K)
{
    AbuseHarness h;
    QList<QSize> sizes = {{1, 1}, {1, 2160}, {3840, 1}, {2, 2}, {7, 5}};
    for (int step = 1; step <= 24; ++step)
        sizes << QSize(3840 * step / 24, 2160 * step / 24);
    sizes << QSize(640, 537) << QSize(1920, 1080) << QSize(3840, 2160) << QSize(1, 1);
    for (const QSize& s : sizes) {
        // Straight on the client area, so that the size is exact whatever the minimum
        // size of the menu bar; each resize runs the whole refresh.
        h.form->clientArea()->resize(s);
        EXPECT_EQ(h.form->clientArea()->size(), s);
        expectSoundLayout(*h.form, s);
        // And through the window, the way a user drags its border.
        h.form->resize(s);
        QCoreApplication::processEvents();
        expectSoundLayout(*h.form, s);
    }
}

TEST(WindowAbuse, FiftyWindowsClosedDuringARunExitCleanly)
{
    for (int i = 0; i < 50; ++i) {
        SCOPED_TRACE(i);
        AbuseHarness h;
        h.messages.answerYes = true;
        QTest::mouseClick(h.child<QPushButton>("CmdOK"), Qt::LeftButton);
        ASSERT_TRUE(h.form->isRunning());
        h.clock.fireAll(1 + i * 7 % 40);  // a different point of the run each time
        ASSERT_TRUE(h.form->isRunning());

        EXPECT_TRUE(h.form->close());
        ASSERT_EQ(h.messages.shown.size(), 1u);
        EXPECT_TRUE(h.messages.shown[0].question);
        EXPECT_EQ(h.messages.shown[0].title, QStringLiteral("На Выход"));
        EXPECT_FALSE(h.form->isVisible());
        EXPECT_FALSE(h.form->isRunning());
        EXPECT_FALSE(h.clock.isActive());  // no tick left to run on a closed window
        EXPECT_EQ(h.clock.fire(), false);
        EXPECT_TRUE(h.tone.durations.empty());  // no end-of-run beep: the run was stopped
    }
}

struct Snapshot {
    ProblemParameters params;
    QStringList fields;
    bool anyInputEnabled = false;
    QSize size;
};

Snapshot snapshot(const AbuseHarness& h)
{
    Snapshot s{h.form->parameters(), {}, false, h.form->size()};
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}) {
        const QLineEdit* e = h.child<QLineEdit>(name);
        s.fields << e->text();
        s.anyInputEnabled = s.anyInputEnabled || e->isEnabled();
    }
    s.anyInputEnabled = s.anyInputEnabled || h.child<QPushButton>("CmdOK")->isEnabled();
    return s;
}

TEST(WindowAbuse, ClicksOnEveryControlDuringARunChangeNothingForbidden)
{
    AbuseHarness h;
    QTest::mouseClick(h.child<QPushButton>("CmdOK"), Qt::LeftButton);
    h.clock.fireAll(100);
    ASSERT_TRUE(h.form->isRunning());
    const Snapshot before = snapshot(h);
    EXPECT_FALSE(before.anyInputEnabled);

    // Everything a user can reach: fields (click and type), the start button, the
    // result labels, the view choice, the scroll bar, every menu command, a resize.
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}) {
        QLineEdit* e = h.child<QLineEdit>(name);
        QTest::mouseClick(e, Qt::LeftButton);
        QTest::keyClicks(e, QStringLiteral("-0"));
        QTest::keyClick(e, Qt::Key_Backspace);
    }
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(h.child<QPushButton>("CmdOK"), Qt::LeftButton);
    QTest::mouseClick(h.child<QWidget>("Label19"), Qt::LeftButton);
    QTest::mouseClick(h.child<QWidget>("Label7"), Qt::LeftButton);
    for (const char* name : {"Option2", "Option3", "Option4", "Option5", "Option1"})
        QTest::mouseClick(h.child<QRadioButton>(name), Qt::LeftButton);
    h.child<QScrollBar>("HScroll1")->setValue(9);
    for (QAction* a : h.form->findChildren<QAction*>()) {
        if (!a->menu() && !a->isSeparator())
            a->trigger();
    }
    h.form->resize(h.form->width() + 200, h.form->height() + 100);
    QCoreApplication::processEvents();
    h.messages.answerYes = false;
    h.form->close();  // declined: the run goes on

    const Snapshot during = snapshot(h);
    EXPECT_EQ(during.params, before.params);
    EXPECT_EQ(during.fields, before.fields);
    EXPECT_FALSE(during.anyInputEnabled);
    EXPECT_EQ(during.size, before.size);
    EXPECT_TRUE(h.form->isRunning());
    EXPECT_EQ(h.form->slowdown(), 9);  // allowed: the scroll bar works during a run

    // The run was neither restarted nor doubled: one pause per sample, then the end.
    h.clock.fireAll();
    EXPECT_FALSE(h.form->isRunning());
    EXPECT_EQ(h.clock.pauses.size(), static_cast<std::size_t>(kDefaultSamples));
    EXPECT_EQ(h.tone.durations, std::vector<int>{600});
    const Snapshot after = snapshot(h);
    EXPECT_TRUE(after.anyInputEnabled);
    EXPECT_EQ(after.params, before.params);
}

}  // namespace
}  // namespace dryfriction::test
