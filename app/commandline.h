#pragma once

#include "releaseinfo.h"

#include <optional>
#include <ostream>

namespace dryfriction {

// Answers --help (-h) and --version on `out` before any window or display
// exists, and returns the exit status: 0, or 1 with a message on `err` when
// the answer could not be written (a full disk, a closed output). Returns
// nothing when the command line asks for neither, and the program goes on
// (other arguments are Qt's own, such as -platform or -style).
std::optional<int> answerCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                                     const ReleaseInfo& release = kRelease);

}  // namespace dryfriction
