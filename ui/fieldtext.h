#pragma once

#include "numbertext.h"

#include <QString>

namespace dryfriction {

// The canonical number text of an input field, as a QString.
inline QString fieldText(double value)
{
    return QString::fromStdString(canonicalText(value));
}

inline QString fieldText(float value)
{
    return QString::fromStdString(canonicalText(value));
}

}  // namespace dryfriction
