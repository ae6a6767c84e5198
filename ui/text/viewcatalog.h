#pragma once

#include "plot/viewtable.h"

#include <QString>

namespace dryfriction {

// The texts of an entry of the view table (see plot/viewtable.h) in the
// user's language.
QString optionText(const ViewEntry& entry);
QString descriptionText(const ViewEntry& entry);
QString axisCaptionText(const ViewEntry& entry);
QString acrossCaptionText(const ViewEntry& entry);  // empty for the time axis
QString readoutText(const ViewEntry& entry);        // empty for none

}  // namespace dryfriction
