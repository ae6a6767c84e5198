#pragma once

#include <QScrollBar>

namespace dryfriction {

// The horizontal slowdown scroll bar, which the keyboard reaches too. Its
// value grows from the left end to the right end, and so do the keys: Left
// and Down step towards the left end, Right and Up towards the right end, Home
// and End go to the ends. (A plain scroll bar steps its value the other way
// for Left and Right, as if the bar were a page to scroll.) With the focus,
// a dotted frame around its thumb shows where the keys go.
class SlowdownBar : public QScrollBar {
    Q_OBJECT

public:
    explicit SlowdownBar(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace dryfriction
