// A desktop with a dark colour scheme: wherever the window sets a background
// of its own (the grey panel, the cyan values, the yellow fields, the white
// graphs) it keeps dark text on it, so nothing is written light on light.
// Checked on every such control the window has, in the colours it will paint
// with and in the pixels it paints.

#include "windowharness.h"

#include <QApplication>
#include <QGroupBox>
#include <QPalette>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace dryfriction::test {
namespace {

// A dark scheme as desktops set it: light text on dark windows and documents.
QPalette darkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), light(230, 230, 230);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, light);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, light);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, light);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, light);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(110, 110, 110));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(110, 110, 110));
    return p;
}

// Relative luminance and contrast ratio as the web's accessibility guidelines
// define them: 1 for equal colours, 21 for black on white.
double luminance(const QColor& c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Painted {
    QWidget* widget;
    QColor background;
    QColor text;
    QColor lockedText;  // a field's text while a run locks it; invalid elsewhere
};

// Every control of the client area that paints a background of its own, with
// the text colour it writes on it.
std::vector<Painted> ownBackgrounds(const MainWindow& window)
{
    std::vector<Painted> found;
    for (QWidget* w : window.clientArea()->findChildren<QWidget*>()) {
        if (auto* view = qobject_cast<CanvasWidget*>(w)) {
            found.push_back({w, view->canvas().backColor(), view->canvas().foreColor(), {}});
        } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
            const QPalette& p = field->palette();
            found.push_back({w, p.color(QPalette::Active, QPalette::Base), p.color(QPalette::Active, QPalette::Text),
                             p.color(QPalette::Disabled, QPalette::Text)});
        } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
            // Its caption on the frame's grey, its circle with the dot.
            const QPalette& p = option->palette();
            found.push_back({w, p.color(QPalette::Window), p.color(QPalette::WindowText), {}});
            found.push_back({w, p.color(QPalette::Base), p.color(QPalette::Text), {}});
        } else if (w->autoFillBackground()) {
            const QPalette& p = w->palette();
            found.push_back({w, p.color(w->backgroundRole()), p.color(w->foregroundRole()), {}});
        }
    }
    return found;
}

// The colour in the widget's picture (its border left out) that stands out
// most from its background: the core of its text.
double paintedContrast(QWidget* w, const QColor& background)
{
    const QImage image = w->grab().toImage();
    double best = 1;
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 3; x < image.width() - 3; ++x)
            best = std::max(best, contrast(image.pixelColor(x, y), background));
    return best;
}

class ColourScheme : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        m_previous = QApplication::palette();
        if (GetParam())
            QApplication::setPalette(darkPalette());
    }
    void TearDown() override { QApplication::setPalette(m_previous); }

private:
    QPalette m_previous;
};

TEST_P(ColourScheme, DarkTextOnEveryBackgroundTheWindowSets)
{
    WindowHarness h;
    const std::vector<Painted> painted = ownBackgrounds(*h.window);
    // The panel's captions, the values, the fields, the views and the options.
    ASSERT_GE(painted.size(), 40U);
    for (const Painted& p : painted) {
        const std::string name = p.widget->objectName().toStdString();
        EXPECT_GE(contrast(p.background, p.text), 7) << name;
        if (p.lockedText.isValid()) {
            EXPECT_GE(contrast(p.background, p.lockedText), 3) << name << " while locked";
        }
    }

    // What the labels and fields really paint: their text, dark on their light.
    int texts = 0;
    for (const Painted& p : painted) {
        const auto* label = qobject_cast<QLabel*>(p.widget);
        const auto* field = qobject_cast<QLineEdit*>(p.widget);
        const bool hasText = (label && !label->text().trimmed().isEmpty()) || (field && !field->text().trimmed().isEmpty());
        if (!hasText || !p.widget->isVisible() || p.widget->height() < 10)
            continue;
        ++texts;
        EXPECT_GE(paintedContrast(p.widget, p.background), 7) << p.widget->objectName().toStdString();
    }
    EXPECT_GE(texts, 20);
}

// The graphs' grid, axes and traces have fixed colours made for a light
// ground: under a dark scheme even the graphs on the document colour stay white.
TEST_P(ColourScheme, GraphsStayLightUnderTheirFixedColours)
{
    WindowHarness h;
    for (const char* name : kViewNames) {
        const QColor back = h.view(name)->canvas().backColor();
        EXPECT_GE(luminance(back), 0.8) << name;
        EXPECT_LE(luminance(h.view(name)->canvas().foreColor()), 0.05) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Window, ColourScheme, ::testing::Values(false, true),
                         [](const auto& info) { return std::string(info.param ? "Dark" : "Light"); });

}  // namespace
}  // namespace dryfriction::test
