#include "ui/window/accessibility.h"

#include "ui/text/viewcatalog.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSlider>
#include <QWidget>

namespace dryfriction {

namespace {

template <typename T>
T* control(QWidget& window, const char* name)
{
    return window.findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

void nameForScreenReaders(QWidget& window)
{
    // Fields and the captions in front of them.
    static constexpr const char* kFields[][2] = {
        {"massEdit", "massCaption"},         {"stiffnessEdit", "stiffnessCaption"},
        {"frictionEdit", "frictionCaption"}, {"coordinateEdit", "coordinateCaption"},
        {"velocityEdit", "velocityCaption"}, {"timeEdit", "timeCaption"},
    };
    for (const auto& [fieldName, labelName] : kFields) {
        QLineEdit* field = control<QLineEdit>(window, fieldName);
        QLabel* caption = control<QLabel>(window, labelName);
        if (field == nullptr || caption == nullptr)
            continue;
        field->setAccessibleName(caption->text().trimmed() + QLatin1Char(' ') + field->toolTip());
        field->setAccessibleDescription(field->toolTip());
        caption->setBuddy(field);
    }

    // Labels: no fixed name, so the name follows the caption (the characteristics and
    // results change with every edit and run); the tooltip says what the value is.
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->toolTip().isEmpty())
            label->setAccessibleDescription(label->toolTip());
    }

    // Buttons speak their captions; the tooltip explains them.
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->toolTip().isEmpty())
            button->setAccessibleDescription(button->toolTip());
    }

    // The slowdown scroll bar has neither caption nor tooltip of its own: it takes the
    // meaning of the value label under it.
    if (QScrollBar* slowdown = control<QScrollBar>(window, "slowdownBar")) {
        slowdown->setAccessibleName(
            QCoreApplication::translate("Accessibility", "Замедление времени"));
        slowdown->setAccessibleDescription(
            QCoreApplication::translate("Accessibility", "От 1 (быстрее всего) до 9 (медленнее всего)"));
    }

    // The time slider is named by what it moves; its tooltip lists its keys.
    if (QAbstractSlider* moment = control<QAbstractSlider>(window, "timeSlider")) {
        moment->setAccessibleName(QCoreApplication::translate("Accessibility", "Момент расчёта"));
        moment->setAccessibleDescription(moment->toolTip());
    }

    // The views are named by what they show.
    for (const ViewEntry& view : viewTable()) {
        if (QWidget* widget = control<QWidget>(window, view.viewName))
            widget->setAccessibleName(widget->toolTip());
    }
}

}  // namespace dryfriction
