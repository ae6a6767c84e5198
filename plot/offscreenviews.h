#pragma once

#include "plot/imagecanvas.h"

#include <QColor>
#include <QSize>

#include <vector>

namespace dryfriction {

// The animation strip and every time graph drawn into images of one size,
// each in its own font and colours, with no window at all: for rendering the
// views to files and for measuring the drawing.
class OffscreenViews {
public:
    // Images of `size` logical pixels at `devicePixelRatio` device pixels each.
    explicit OffscreenViews(QSize size, qreal devicePixelRatio = 1.0);

    ImageCanvas& strip() { return m_strip; }
    ImageCanvas& graph(std::size_t i) { return m_graphs.at(i); }
    // The graphs in the order of viewGraphs(), for the drawing functions.
    std::vector<Canvas*> graphs();
    std::size_t graphCount() const { return m_graphs.size(); }

private:
    ImageCanvas m_strip;
    std::vector<ImageCanvas> m_graphs;
};

}  // namespace dryfriction
