#include "plot/offscreenviews.h"

#include "plot/graphdescription.h"
#include "plot/viewstyle.h"

namespace dryfriction {

namespace {

void applyStyle(ImageCanvas& canvas, const ViewStyle& style, QSize size, qreal devicePixelRatio)
{
    canvas.setFont(style.font);
    canvas.setBackColor(style.background);
    canvas.setForeColor(style.foreground);
    canvas.setSize(size, devicePixelRatio);
}

}  // namespace

OffscreenViews::OffscreenViews(QSize size, qreal devicePixelRatio)
{
    applyStyle(m_strip, stripStyle(), size, devicePixelRatio);
    for (const GraphDescription& graph : viewGraphs()) {
        m_graphs.emplace_back();
        applyStyle(m_graphs.back(), graphStyle(graph), size, devicePixelRatio);
    }
}

std::vector<Canvas*> OffscreenViews::graphs()
{
    std::vector<Canvas*> out;
    for (ImageCanvas& g : m_graphs)
        out.push_back(&g);
    return out;
}

}  // namespace dryfriction
