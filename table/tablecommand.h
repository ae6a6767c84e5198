#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace dryfriction {

// Exit statuses of dryfriction-table.
inline constexpr int kTableOk = 0;
inline constexpr int kTableWriteFailed = 1;
inline constexpr int kTableUsage = 2;  // unknown option, missing or rejected value

// Runs `dryfriction-table` with its arguments (without the program name):
// [--m M] [--k K] [--mu MU] [--x0 X] [--v0 V] [--t T] [--samples] [--help] [--version].
// Prints key=value lines (or CSV with --samples) on `out`; on an error prints
// the reason on `err`, nothing on `out`, and returns kTableUsage.
int runTable(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace dryfriction
