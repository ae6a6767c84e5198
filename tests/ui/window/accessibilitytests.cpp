// What a screen reader says about each control: the fields by caption and tooltip,
// the labels by the value they show with the tooltip as description, and the buttons,
// option buttons and the scroll bar by name.

#include "windowharness.h"

#include <QAccessible>
#include <QPushButton>

#include <gtest/gtest.h>

namespace dryfriction::test {
namespace {

QString accessibleText(QWidget* w, QAccessible::Text kind)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface != nullptr ? iface->text(kind) : QStringLiteral("<no interface>");
}

TEST(ScreenReader, FieldsAreNamedByCaptionAndTooltip)
{
    WindowHarness h;
    const char* const expected[][2] = {
        {"massEdit", "m(кг)= Масса груза"},
        {"stiffnessEdit", "к(Н/м)= Коэффициент жёсткости пружины"},
        {"frictionEdit", "μ= коэффициент трения скольжения"},
        {"coordinateEdit", "Xo=xo/a= Начальная координата (безразмерная)"},
        {"velocityEdit", "Vo/Va= Начальная скорость (безразмерная)"},
        {"timeEdit", "t расч.= Время расчета (безразмерное)"},
    };
    for (const auto& [name, spoken] : expected) {
        QLineEdit* field = h.field(name);
        EXPECT_EQ(accessibleText(field, QAccessible::Name), QString::fromUtf8(spoken)) << name;
        // The value is the field's text, read as it stands.
        EXPECT_EQ(accessibleText(field, QAccessible::Value), field->text()) << name;
    }
}

TEST(ScreenReader, LabelsSpeakTheirValueAndDescribeItWithTheTooltip)
{
    WindowHarness h;
    QLabel* w = h.label("frequencyLabel");
    EXPECT_EQ(accessibleText(w, QAccessible::Name), w->text());
    EXPECT_EQ(accessibleText(w, QAccessible::Description),
              QStringLiteral("Размерная циклическая частота колебаний"));
    // The name follows the caption when the value changes.
    h.paste("stiffnessEdit", QStringLiteral("160"));
    EXPECT_TRUE(w->text().startsWith(QStringLiteral("w= 4")));
    EXPECT_EQ(accessibleText(w, QAccessible::Name), w->text());

    QLabel* result = h.label("finalCoordinateLabel");
    h.click(result);
    EXPECT_TRUE(accessibleText(result, QAccessible::Name).startsWith(QStringLiteral("|X_end|=")));
    EXPECT_EQ(accessibleText(result, QAccessible::Description), result->toolTip());

    for (QLabel* label : h.window->clientArea()->findChildren<QLabel*>()) {
        if (label->toolTip().isEmpty())
            continue;
        EXPECT_EQ(accessibleText(label, QAccessible::Name), label->text())
            << label->objectName().toStdString();
        EXPECT_EQ(accessibleText(label, QAccessible::Description), label->toolTip())
            << label->objectName().toStdString();
    }
}

TEST(ScreenReader, ButtonsOptionsSlowdownAndViewsAreNamed)
{
    WindowHarness h;
    // The button and the options speak their captions, the views their
    // tooltips (both pinned by the design tests), the bar the name its value shows.
    EXPECT_EQ(accessibleText(h.startButton(), QAccessible::Name), h.startButton()->text());
    for (const char* name : kOptionNames) {
        auto* option = h.child<QRadioButton>(name);
        EXPECT_EQ(accessibleText(option, QAccessible::Name), option->text()) << name;
    }
    for (const char* name : kViewNames) {
        QWidget* view = h.view(name);
        EXPECT_EQ(accessibleText(view, QAccessible::Name), view->toolTip()) << name;
    }
    EXPECT_EQ(accessibleText(h.slowdownBar(), QAccessible::Name), QStringLiteral("Замедление времени"));
    EXPECT_EQ(accessibleText(h.startButton(), QAccessible::Description), QStringLiteral("запуск установки"));
    auto* pause = h.child<QPushButton>("pauseButton");
    EXPECT_EQ(accessibleText(pause, QAccessible::Name), QStringLiteral("ПАУЗА"));
    EXPECT_EQ(accessibleText(pause, QAccessible::Description), QStringLiteral("пауза (P)"));
    // The time slider is named by what it moves; its description tells its keys.
    QWidget* moment = h.child<QWidget>("timeSlider");
    EXPECT_EQ(accessibleText(moment, QAccessible::Name), QStringLiteral("Момент расчёта"));
    EXPECT_EQ(accessibleText(moment, QAccessible::Description), moment->toolTip());
    EXPECT_EQ(accessibleText(h.slowdownBar(), QAccessible::Description),
              QStringLiteral("От 1 (быстрее всего) до 9 (медленнее всего)"));
    // No control of the client area is left without a name (the frame speaks its title).
    for (QWidget* w : h.window->clientArea()->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisibleTo(h.window->clientArea()))
            continue;
        EXPECT_FALSE(accessibleText(w, QAccessible::Name).trimmed().isEmpty())
            << w->objectName().toStdString();
    }
}

}  // namespace
}  // namespace dryfriction::test
