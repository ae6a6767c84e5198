// The layout: the grid at the initial client size, applied to the widgets,
// tiny client areas, and the choice of the view shown.

#include "formharness.h"

#include "layout.h"

#include <QGroupBox>

#include <gtest/gtest.h>

namespace dryfriction::test {
namespace {

struct Place {
    const char* name;
    LayoutRect FormLayout::*member;
    LayoutRect expected;  // left, top, width, height
};

const Place kPlaces640x537[] = {
    {"Label10", &FormLayout::Label10, {10, 257, 154, 25}},
    {"Label1", &FormLayout::Label1, {10, 292, 70, 25}},
    {"Text1", &FormLayout::Text1, {80, 292, 70, 25}},
    {"Label2", &FormLayout::Label2, {10, 327, 70, 25}},
    {"Text2", &FormLayout::Text2, {80, 327, 70, 25}},
    {"Label3", &FormLayout::Label3, {10, 362, 70, 25}},
    {"Text3", &FormLayout::Text3, {80, 362, 70, 25}},
    {"Label4", &FormLayout::Label4, {10, 397, 70, 25}},
    {"Text4", &FormLayout::Text4, {80, 397, 70, 25}},
    {"Label5", &FormLayout::Label5, {10, 432, 70, 25}},
    {"Text5", &FormLayout::Text5, {80, 432, 70, 25}},
    {"Label6", &FormLayout::Label6, {10, 467, 70, 25}},
    {"Text6", &FormLayout::Text6, {80, 467, 70, 25}},
    {"Label11", &FormLayout::Label11, {174, 257, 140, 25}},
    {"Label12", &FormLayout::Label12, {170, 292, 133, 25}},
    {"Label13", &FormLayout::Label13, {170, 327, 133, 25}},
    {"Label14", &FormLayout::Label14, {170, 397, 133, 25}},
    {"Label18", &FormLayout::Label18, {170, 432, 133, 25}},
    {"Label17", &FormLayout::Label17, {170, 467, 133, 25}},
    {"Label16", &FormLayout::Label16, {170, 502, 133, 25}},
    {"Label15", &FormLayout::Label15, {328, 397, 133, 25}},
    {"Label19", &FormLayout::Label19, {328, 432, 133, 25}},
    {"Label7", &FormLayout::Label7, {328, 467, 133, 25}},
    {"CmdOK", &FormLayout::CmdOK, {471, 292, 140, 25}},
    {"Frame1", &FormLayout::Frame1, {471, 327, 140, 100}},
    {"Picture1", &FormLayout::picture, {10, 10, 620, 212}},
    {"HScroll1", &FormLayout::HScroll1, {10, 232, 620, 12.5f}},
    {"Label21", &FormLayout::Label21, {311.25f, 244.5f, 17.5f, 25}},
};

TEST(Layout, GridAtTheInitialClientSize)
{
    const FormLayout f = computeLayout(640, 537);
    for (const Place& p : kPlaces640x537) {
        const LayoutRect& r = f.*p.member;
        EXPECT_FLOAT_EQ(r.left, p.expected.left) << p.name;
        EXPECT_FLOAT_EQ(r.top, p.expected.top) << p.name;
        EXPECT_FLOAT_EQ(r.width, p.expected.width) << p.name;
        EXPECT_FLOAT_EQ(r.height, p.expected.height) << p.name;
    }
}

TEST(Layout, BandFollowsTheBottomAndViewsTheSize)
{
    const FormLayout f = computeLayout(1000, 800);
    EXPECT_FLOAT_EQ(f.Label10.top, 800 - 280);
    EXPECT_FLOAT_EQ(f.Label16.top + f.Label16.height, 800 - 10);  // row 7 ends 10 above the edge
    EXPECT_FLOAT_EQ(f.picture.width, 980);
    EXPECT_FLOAT_EQ(f.picture.height, 800 - 325);
    EXPECT_FLOAT_EQ(f.Label21.left + f.Label21.width / 2, f.HScroll1.left + f.HScroll1.width / 2);
    // Too small for the grid: the views shrink to nothing and the scroll bar
    // and its value sit right under that nothing.
    const FormLayout tiny = computeLayout(1, 1);
    EXPECT_EQ(tiny.picture, (LayoutRect{10, 10, 0, 0}));
    EXPECT_EQ(tiny.HScroll1, (LayoutRect{10, 20, 0, 12.5f}));
    EXPECT_EQ(tiny.Label21, (LayoutRect{1.25f, 32.5f, 17.5f, 25}));
    EXPECT_FLOAT_EQ(tiny.Label10.top, -279);
    const FormLayout low = computeLayout(640, 300);
    EXPECT_EQ(low.picture, (LayoutRect{10, 10, 620, 0}));
    EXPECT_FLOAT_EQ(low.Label10.top, 20);
}

TEST(Layout, WidgetsLandOnTheGridAtTheInitialClientSize)
{
    FormHarness h;
    ASSERT_EQ(h.form->clientArea()->size(), QSize(640, 537));
    for (const Place& p : kPlaces640x537) {
        if (std::string_view(p.name) == "HScroll1" || std::string_view(p.name) == "Label21")
            continue;  // fractional: checked below
        const QRect expected(static_cast<int>(p.expected.left), static_cast<int>(p.expected.top),
                             static_cast<int>(p.expected.width), static_cast<int>(p.expected.height));
        EXPECT_EQ(h.child<QWidget>(p.name)->geometry(), expected) << p.name;
    }
    for (const char* name : {"Picture2", "Picture3", "Picture4", "Picture5"})
        EXPECT_EQ(h.child<QWidget>(name)->geometry(), QRect(10, 10, 620, 212)) << name;
    // 12.5 and 17.5 round half up; the value label stays centred under the bar
    // and starts where the bar ends.
    EXPECT_EQ(h.child<QWidget>("HScroll1")->geometry(), QRect(10, 232, 620, 13));
    EXPECT_EQ(h.child<QWidget>("Label21")->geometry(), QRect(311, 245, 18, 25));
    // The option buttons stand one under another inside the frame.
    int lastTop = 0;
    for (const char* name : {"Option1", "Option2", "Option3", "Option4", "Option5"}) {
        const QRect r = h.child<QWidget>(name)->geometry();
        EXPECT_GT(r.top(), lastTop) << name;
        EXPECT_LE(r.bottom(), 100) << name;
        lastTop = r.top();
    }
    // Each canvas image is as large as its picture box.
    for (const char* name : {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5"})
        EXPECT_EQ(h.picture(name)->canvas().logicalSize(), QSize(620, 212)) << name;
}

TEST(Layout, TinyClientAreasGiveNoNegativeSizes)
{
    FormHarness h;
    const QSize sizes[] = {{1, 1}, {0, 0}, {19, 324}, {20, 325}, {5, 600}, {900, 30}};
    for (const QSize& size : sizes) {
        h.form->clientArea()->resize(size);
        for (QWidget* w : h.form->clientArea()->findChildren<QWidget*>()) {
            EXPECT_GE(w->width(), 0) << w->objectName().toStdString() << " at " << size.width();
            EXPECT_GE(w->height(), 0) << w->objectName().toStdString() << " at " << size.height();
        }
        const QSize picture = h.picture("Picture1")->size();
        EXPECT_EQ(picture, QSize(std::max(0, size.width() - 20), std::max(0, size.height() - 325)));
        EXPECT_EQ(h.picture("Picture3")->canvas().logicalSize(), picture);
        h.picture("Picture1")->repaint();
    }
    // And back: the window is whole again.
    h.form->clientArea()->resize(640, 537);
    EXPECT_EQ(h.child<QWidget>("Picture1")->geometry(), QRect(10, 10, 620, 212));
    EXPECT_EQ(h.label("Label12")->text(), QStringLiteral("w= 2.000E+01 рад/с"));
}

TEST(Layout, ResizeRefillsTheFieldsAndClearsTheResults)
{
    FormHarness h;
    h.label("Label19")->setText(QStringLiteral("X_end=-9.066E-01"));
    h.form->clientArea()->resize(700, 600);
    EXPECT_EQ(h.label("Label19")->text(), QStringLiteral("X_end="));
    EXPECT_EQ(h.label("Label7")->text(), QStringLiteral("П_end="));
    EXPECT_EQ(h.field("Text6")->text(), QStringLiteral(" 20"));
    EXPECT_EQ(h.child<QWidget>("Label10")->geometry(), QRect(10, 320, 154, 25));
    EXPECT_EQ(h.child<QWidget>("Picture1")->geometry(), QRect(10, 10, 680, 275));
}

// selectGraph: one view, the scroll bar and its value only with the animation.
TEST(GraphSelection, EachOptionShowsItsView)
{
    FormHarness h;
    const char* const controls[] = {"Picture1", "Picture2", "Picture3", "Picture4",
                                    "Picture5", "HScroll1", "Label21"};
    struct Row {
        const char* option;
        bool shown[7];
    };
    const Row rows[] = {
        {"Option2", {false, true, false, false, false, false, false}},
        {"Option3", {false, false, true, false, false, false, false}},
        {"Option4", {false, false, false, true, false, false, false}},
        {"Option5", {false, false, false, false, true, false, false}},
        {"Option1", {true, false, false, false, false, true, true}},
        {"Option1", {true, false, false, false, false, true, true}},  // again: no change
    };
    auto visibility = [&] {
        std::vector<bool> v;
        for (const char* c : controls)
            v.push_back(h.child<QWidget>(c)->isVisible());
        return v;
    };
    EXPECT_EQ(visibility(), std::vector<bool>(std::begin(rows[4].shown), std::end(rows[4].shown)));
    for (const Row& row : rows) {
        QRadioButton* option = h.child<QRadioButton>(row.option);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(20, option->height() / 2));
        EXPECT_TRUE(h.child<QRadioButton>(row.option)->isChecked()) << row.option;
        EXPECT_EQ(visibility(), std::vector<bool>(std::begin(row.shown), std::end(row.shown)))
            << row.option;
    }
}

TEST(GraphSelection, SlowdownSurvivesHidingTheScrollBar)
{
    FormHarness h;
    auto* scroll = h.child<QScrollBar>("HScroll1");
    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(h.label("Label21")->text(), QStringLiteral("7"));
    h.click(h.child<QRadioButton>("Option2"));
    EXPECT_FALSE(scroll->isVisible());
    h.click(h.child<QRadioButton>("Option1"));
    EXPECT_TRUE(scroll->isVisible());
    EXPECT_EQ(h.label("Label21")->text(), QStringLiteral("7"));
    EXPECT_EQ(h.form->slowdown(), 7);
}

TEST(GraphSelection, HiddenGraphKeepsItsImage)
{
    FormHarness h;
    CanvasWidget* graph = h.picture("Picture2");
    const QImage before = graph->canvas().image();
    graph->canvas().Line(0, 0, 20, 0, Qt::red);  // drawn while hidden
    EXPECT_NE(graph->canvas().image(), before);
    h.click(h.child<QRadioButton>("Option2"));
    ASSERT_TRUE(graph->isVisible());
    const QImage shown = graph->grab().toImage();
    const QImage drawn = graph->canvas().image();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), drawn.convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace dryfriction::test
