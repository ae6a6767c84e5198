#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>

class QLineEdit;
class QWidget;

namespace dryfriction {

struct LayoutRect;

// The look the window's controls share: a light-grey panel, cyan value
// labels with a sunken border, yellow input fields, and two font families
// ("Times New Roman" for values, "MS Sans Serif" for commands).
inline const QColor kPanelColor{224, 224, 224};
inline const QColor kValueColor{192, 255, 255};
inline const QColor kFieldColor{255, 255, 192};

QFont serifFont(qreal points, bool bold = false);
QFont sansFont(qreal points, bool bold = false);

// The text colour of the window's own colours (the grey panel, the cyan
// values, the yellow fields, the white graphs): black, also under a dark
// desktop colour scheme, whose light text would vanish on them.
QColor windowTextColor();
// A field's text while a run locks it: grey, legible on the yellow.
inline const QColor kLockedTextColor{128, 128, 128};

// The background and text colours of a graph drawn on the desktop's document
// colour: the desktop's own under a light scheme; under a dark one white and
// black, since the grid, the axes and the traces are drawn in fixed colours
// made for a light ground.
QColor documentColor();
QColor documentTextColor();

// Fills the widget's background with `back` and draws its text in `fore`.
void setColors(QWidget* widget, const QColor& back, const QColor& fore);

enum class Border { None, Sunken };

// A label with its object name, tooltip, font and colours, its text at the
// top left; a sunken one shows a value.
QLabel* makeLabel(QLabel* label, const char* name, const QString& tip, const QFont& font,
                  const QColor& back, const QColor& fore, Border border = Border::None);

// A yellow input field in the serif font.
QLineEdit* makeField(QWidget* parent, const char* name, const QString& tip);

// Puts a control at its place in the client area; a size the arithmetic makes
// negative in a tiny window is 0, which hides the control without harm.
void place(QWidget* widget, const LayoutRect& r);

}  // namespace dryfriction
