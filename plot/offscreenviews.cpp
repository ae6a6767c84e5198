#include "plot/offscreenviews.h"

#include "plot/graphdescription.h"
#include "plot/viewstyle.h"

namespace dryfriction {

namespace {

void applyStyle(ImageCanvas& canvas, const ViewStyle& style, QSize size)
{
    canvas.setFont(style.font);
    canvas.setBackColor(style.background);
    canvas.setForeColor(style.foreground);
    canvas.setSize(size);
}

}  // namespace

OffscreenViews::OffscreenViews(QSize size, const QColor& windowBackground, const QColor& windowText)
{
    applyStyle(m_strip, stripStyle(), size);
    for (const GraphDescription& graph : timeGraphs()) {
        m_graphs.emplace_back();
        applyStyle(m_graphs.back(), graphStyle(graph, windowBackground, windowText), size);
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
