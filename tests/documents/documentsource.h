#pragma once

#include <string>

namespace dryfriction::test {

// The Markdown source of a help document (docs/source/<name>.md); empty when
// it cannot be read.
std::string documentSource(const std::string& name);

}  // namespace dryfriction::test
