#include "accessibility.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
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
    // Fields and the labels in front of them: Text1 is captioned by Label1 and so on.
    static constexpr const char* kFields[][2] = {
        {"Text1", "Label1"}, {"Text2", "Label2"}, {"Text3", "Label3"},
        {"Text4", "Label4"}, {"Text5", "Label5"}, {"Text6", "Label6"},
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
    if (QScrollBar* slowdown = control<QScrollBar>(window, "HScroll1")) {
        slowdown->setAccessibleName(QStringLiteral("Замедление времени"));
        slowdown->setAccessibleDescription(
            QStringLiteral("От 1 (быстрее всего) до 9 (медленнее всего)"));
    }

    // The five pictures are named by what they show.
    for (const char* name : {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5"}) {
        if (QWidget* picture = control<QWidget>(window, name))
            picture->setAccessibleName(picture->toolTip());
    }
}

}  // namespace dryfriction
