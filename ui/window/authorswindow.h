#pragma once

#include "releaseinfo.h"

#include <QWidget>

namespace dryfriction {

// A small window about the people behind the program: a picture and a few
// lines, with the version and its date. It has no commands of its own and is
// closed by its close box or Esc.
class AuthorsWindow : public QWidget {
    Q_OBJECT

public:
    explicit AuthorsWindow(QWidget* parent = nullptr, const ReleaseInfo& release = kRelease);

    static constexpr int kClientWidth = 222;
    static constexpr int kClientHeight = 297;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace dryfriction
