#pragma once

#include "imagecanvas.h"
#include "views.h"
#include "viewstyle.h"

#include <QSize>

#include <array>

namespace dryfriction {

// The five views drawn into images of one size, each in the font and colours
// of its picture box, with no window at all: for rendering the views to files
// and for measuring the drawing.
struct ImageViews {
    std::array<ImageCanvas, 5> pictures;
    Views views{pictures[0], pictures[1], pictures[2], pictures[3], pictures[4]};

    explicit ImageViews(QSize size)
    {
        for (int i = 0; i < 5; ++i) {
            applyViewStyle(pictures[i], i + 1);
            pictures[i].setSize(size);
        }
    }

    // `views` refers to this object's own canvases.
    ImageViews(const ImageViews&) = delete;
    ImageViews& operator=(const ImageViews&) = delete;
};

}  // namespace dryfriction
