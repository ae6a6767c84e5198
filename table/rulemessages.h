#pragma once

#include "model/inputrules.h"

#include <string_view>

namespace dryfriction {

// The companion's word for each rejected value, the same as the window says
// it. The companion has no translation system: its texts live here.
std::string_view ruleMessage(InputRule rule);

}  // namespace dryfriction
