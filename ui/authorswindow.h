#pragma once

#include <QWidget>

namespace dryfriction {

// A small window about the people behind the program: a picture and a few
// lines. It has no commands of its own and is closed by its close box.
class AuthorsWindow : public QWidget {
    Q_OBJECT

public:
    explicit AuthorsWindow(QWidget* parent = nullptr);

    static constexpr int kClientWidth = 222;
    static constexpr int kClientHeight = 297;
};

}  // namespace dryfriction
