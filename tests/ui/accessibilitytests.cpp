// What a screen reader says about each control: the fields by caption and tooltip,
// the labels by the value they show with the tooltip as description, and the buttons,
// option buttons and the scroll bar by name.

#include "abuseharness.h"

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
    AbuseHarness h;
    const char* const expected[][2] = {
        {"Text1", "m(кг)= Масса груза"},
        {"Text2", "к(Н/м)= Коэффициент жёсткости пружины"},
        {"Text3", "μ= коэффициент трения скольжения"},
        {"Text4", "Xo=xo/a= Начальная координата (безразмерная)"},
        {"Text5", "Vo/Va= Начальная скорость (безразмерная)"},
        {"Text6", "t расч.= Время расчета (безразмерное)"},
    };
    for (const auto& [name, spoken] : expected) {
        QLineEdit* field = h.child<QLineEdit>(name);
        ASSERT_NE(field, nullptr) << name;
        EXPECT_EQ(accessibleText(field, QAccessible::Name), QString::fromUtf8(spoken)) << name;
        // The value is the field's text, read as it stands.
        EXPECT_EQ(accessibleText(field, QAccessible::Value), field->text()) << name;
    }
}

TEST(ScreenReader, LabelsSpeakTheirValueAndDescribeItWithTheTooltip)
{
    AbuseHarness h;
    QLabel* w = h.child<QLabel>("Label12");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(accessibleText(w, QAccessible::Name), w->text());
    EXPECT_EQ(accessibleText(w, QAccessible::Description),
              QStringLiteral("Размерная циклическая частота колебаний"));
    // The name follows the caption when the value changes.
    h.child<QLineEdit>("Text2")->setText(QStringLiteral("160"));
    EXPECT_TRUE(w->text().startsWith(QStringLiteral("w= 4")));
    EXPECT_EQ(accessibleText(w, QAccessible::Name), w->text());

    QLabel* result = h.child<QLabel>("Label19");
    QTest::mouseClick(result, Qt::LeftButton);
    EXPECT_TRUE(accessibleText(result, QAccessible::Name).startsWith(QStringLiteral("|X_end|=")));
    EXPECT_EQ(accessibleText(result, QAccessible::Description), result->toolTip());

    for (QLabel* label : h.form->clientArea()->findChildren<QLabel*>()) {
        if (label->toolTip().isEmpty())
            continue;
        EXPECT_EQ(accessibleText(label, QAccessible::Name), label->text())
            << label->objectName().toStdString();
        EXPECT_EQ(accessibleText(label, QAccessible::Description), label->toolTip())
            << label->objectName().toStdString();
    }
}

TEST(ScreenReader, ButtonsOptionsScrollBarAndPicturesAreNamed)
{
    AbuseHarness h;
    const char* const expected[][2] = {
        {"CmdOK", "ПУСК"},
        {"Option1", "движение"},
        {"Option2", "координата"},
        {"Option3", "проекция Vx"},
        {"Option4", "энергия"},
        {"Option5", "Путь"},
        {"HScroll1", "Замедление времени"},
        {"Picture1", "Анимация движения"},
        {"Picture2", "Зависимость координаты от времени"},
    };
    for (const auto& [name, spoken] : expected) {
        QWidget* w = h.child<QWidget>(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(accessibleText(w, QAccessible::Name), QString::fromUtf8(spoken)) << name;
    }
    EXPECT_EQ(accessibleText(h.child<QWidget>("CmdOK"), QAccessible::Description),
              QStringLiteral("запуск установки"));
    // No control of the client area is left without a name (the frame speaks its title).
    for (QWidget* w : h.form->clientArea()->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisibleTo(h.form->clientArea()))
            continue;
        EXPECT_FALSE(accessibleText(w, QAccessible::Name).trimmed().isEmpty())
            << w->objectName().toStdString();
    }
}

}  // namespace
}  // namespace dryfriction::test
