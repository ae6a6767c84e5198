#pragma once

#include <QString>

#include <vector>

namespace dryfriction {

// The words the views print. The drawing layer holds no text of its own: the
// interface hands it these, in the user's language, with the decimal
// separator of the user's locale for the grid labels.
struct ViewTexts {
    QString decimalPoint = QStringLiteral(".");
    QString stripCaption;                // the coordinate axis of the animation strip
    std::vector<QString> graphCaptions;  // the value axis of each time graph, in table order
    QString timeCaption;                 // the time axis of every graph against time
    // The horizontal axis of each graph, in table order; an empty or missing
    // one is the time axis.
    std::vector<QString> graphAcrossCaptions;
    QString legendStops;                 // what the red dashed markers are
    QString legendExtremes;              // what the blue dashed markers are
    // Where a grid label sits: beside its line, as the window draws it, or
    // for print centred on its line over a white gap in it, so that a value
    // read off the figure is the label's own.
    bool labelsOnLines = false;
};

}  // namespace dryfriction
