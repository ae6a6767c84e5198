#pragma once

#include <QString>

#include <span>

namespace dryfriction {

// The views the window offers, in the chooser's order: the animation strip
// first, then the graphs in the order of timeGraphs(). Each entry names
// the view's widget and option button and holds the texts that belong to it
// (untranslated; see the functions below).
struct ViewEntry {
    const char* viewName;    // object name of the view's widget
    const char* optionName;  // object name of its option button
    const char* option;      // the option button's caption
    const char* description; // tooltip of the option and of the view
    const char* axisCaption; // caption of the axis of values (the coordinate axis for the strip)
    const char* acrossCaption; // caption of the horizontal axis; null for the time axis
    // What the pointer reads off the graph once a run has drawn it, with %1
    // and %2 for the two numbers; null where nothing can be read (the strip).
    const char* readout;
};

std::span<const ViewEntry> viewCatalog();

// The entry's texts in the user's language.
QString optionText(const ViewEntry& entry);
QString descriptionText(const ViewEntry& entry);
QString axisCaptionText(const ViewEntry& entry);
QString acrossCaptionText(const ViewEntry& entry);  // empty for the time axis
QString readoutText(const ViewEntry& entry);        // empty for none

}  // namespace dryfriction
