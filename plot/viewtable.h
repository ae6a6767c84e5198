#pragma once

#include "plot/graphdescription.h"

#include <optional>
#include <span>

namespace dryfriction {

// One view the window offers: the names of its widget and of its option
// button, its texts, and for a graph what it draws. The texts are kept
// untranslated, marked for the translation context "Views"; the interface
// translates them when it shows them.
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
    std::optional<GraphDescription> graph;
};

// The views in the order the window offers them: the animation strip, then
// the coordinate, the velocity projection, the energy relative to the
// initial energy and the path against time, then the phase portrait,
// velocity against coordinate. A new view is a new entry here.
std::span<const ViewEntry> viewTable();

}  // namespace dryfriction
