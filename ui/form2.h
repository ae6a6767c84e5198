#pragma once

#include <QWidget>

class QLabel;

namespace dryfriction {

// The Authors window: a picture and a few lines about the program. It has no
// commands of its own and is closed by its close box.
class Form2 : public QWidget {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);

    static constexpr int kClientWidth = 222;
    static constexpr int kClientHeight = 297;

    // Label1's text.
    void setCaption(const QString& text);
    QString caption() const;

private:
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
};

}  // namespace dryfriction
