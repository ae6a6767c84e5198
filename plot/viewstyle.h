#pragma once

#include "plot/graphdescription.h"

#include <QColor>
#include <QFont>

namespace dryfriction {

// The font and colours a view draws its text and background in.
struct ViewStyle {
    QFont font;
    QColor background;
    QColor foreground;
};

// The animation strip: "MS Sans Serif" 8.25 pt, black on white.
ViewStyle stripStyle();

// A graph: "Times New Roman" at the graph's point size, in the window's text
// colour, on white or on the window's document colour as the graph asks.
ViewStyle graphStyle(const GraphDescription& graph, const QColor& windowBackground = Qt::white,
                     const QColor& windowText = Qt::black);

}  // namespace dryfriction
