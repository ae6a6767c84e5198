#pragma once

#include <QLabel>

namespace dryfriction {

// A label that reports a click: the left button pressed and released over it,
// or Enter or Space while it has the keyboard focus. Tab reaches it, and a
// dotted rectangle inside its border shows that it has the focus; a mouse
// click does not take the focus.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

}  // namespace dryfriction
