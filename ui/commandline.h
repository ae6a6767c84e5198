#pragma once

#include <optional>
#include <ostream>

namespace dryfriction {

// Answers --help (-h) and --version on `out` before any window or display
// exists, and returns the exit status; returns nothing when the command line
// asks for neither, and the program goes on (other arguments are Qt's own,
// such as -platform or -style).
std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out);

}  // namespace dryfriction
