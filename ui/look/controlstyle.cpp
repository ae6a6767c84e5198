#include "ui/look/controlstyle.h"

#include "ui/look/windowlayout.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace dryfriction {

namespace {

QFont makeFont(const char* family, qreal points, bool bold)
{
    QFont font{QString::fromLatin1(family)};
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A dark scheme writes light text on a dark document background.
bool darkScheme()
{
    const QPalette pal = QApplication::palette();
    return pal.color(QPalette::Base).lightnessF() < pal.color(QPalette::Text).lightnessF();
}

int toPixels(float value)
{
    return static_cast<int>(std::lround(value));
}

}  // namespace

QFont serifFont(qreal points, bool bold)
{
    return makeFont("Times New Roman", points, bold);
}

QFont sansFont(qreal points, bool bold)
{
    return makeFont("MS Sans Serif", points, bold);
}

QColor windowTextColor()
{
    return Qt::black;
}

QColor documentColor()
{
    return darkScheme() ? QColor(Qt::white) : QApplication::palette().color(QPalette::Base);
}

QColor documentTextColor()
{
    return darkScheme() ? QColor(Qt::black) : QApplication::palette().color(QPalette::Text);
}

void setColors(QWidget* widget, const QColor& back, const QColor& fore)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::WindowText, fore);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

QLabel* makeLabel(QLabel* label, const char* name, const QString& tip, const QFont& font,
                  const QColor& back, const QColor& fore, Border border)
{
    label->setObjectName(QString::fromLatin1(name));
    label->setToolTip(tip);
    label->setFont(font);
    setColors(label, back, fore);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (border == Border::Sunken) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setIndent(2);
    }
    return label;
}

QLineEdit* makeField(QWidget* parent, const char* name, const QString& tip)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setToolTip(tip);
    field->setFont(serifFont(11.25));
    // Yellow in every state, with black text, grey while a run locks the field.
    QPalette pal = field->palette();
    pal.setColor(QPalette::Base, kFieldColor);
    pal.setColor(QPalette::Text, windowTextColor());
    pal.setColor(QPalette::Disabled, QPalette::Text, kLockedTextColor);
    field->setPalette(pal);
    field->setTextMargins(0, 0, 0, 0);
    return field;
}

void place(QWidget* widget, const LayoutRect& r)
{
    widget->setGeometry(toPixels(r.left), toPixels(r.top), std::max(0, toPixels(r.width)),
                        std::max(0, toPixels(r.height)));
}

}  // namespace dryfriction
