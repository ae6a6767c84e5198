#pragma once

#include "model/inputrules.h"

#include <QString>

namespace dryfriction {

// What the user is told when a rule rejects a typed value, in the user's language.
QString ruleMessage(InputRule rule);

}  // namespace dryfriction
