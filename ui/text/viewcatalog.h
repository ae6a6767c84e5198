#pragma once

#include "plot/graphdescription.h"

#include <QString>

#include <optional>
#include <span>

namespace dryfriction {

// One view the window offers: the names of its widget and of its option
// button, its texts, and for a graph which one it draws. The texts are kept
// untranslated, marked for the translation context "Views", and translated
// when they are shown (the functions below).
struct ViewEntry {
    const char* viewName;       // object name of the view's widget
    const char* optionName;     // object name of its option button
    const char* option;         // the option button's caption
    const char* description;    // tooltip of the option and of the view
    const char* axisCaption;    // caption of the axis of values (the coordinate axis for the strip)
    const char* acrossCaption;  // caption of the horizontal axis; null for the time axis
    // What the pointer reads off the graph once a run has drawn it, with %1
    // and %2 for the two numbers; null where nothing can be read (the strip).
    const char* readout;
    // The graph, none for the animation strip.
    std::optional<GraphView> graph;
};

// The views in the order the window offers them: the animation strip, then
// the graphs in the order of GraphView. A new view is an entry here and its
// graph's description in plot/viewgraphs.cpp.
std::span<const ViewEntry> viewTable();

// The entry's graph; null for the strip.
const GraphDescription* graphOf(const ViewEntry& entry);

// The texts of an entry in the user's language.
QString optionText(const ViewEntry& entry);
QString descriptionText(const ViewEntry& entry);
QString axisCaptionText(const ViewEntry& entry);
QString acrossCaptionText(const ViewEntry& entry);  // empty for the time axis
QString readoutText(const ViewEntry& entry);        // empty for none

}  // namespace dryfriction
