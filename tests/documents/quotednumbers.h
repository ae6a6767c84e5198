#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dryfriction::test {

// What a document quotes from dryfriction-table, checked against what the
// companion prints for the same command.
//
// A command is a line "dryfriction-table ..." in a fenced code block or a
// code span `dryfriction-table ...`. Its output is quoted by code spans,
// `key=value` for one of its key=value lines and `t,x,...` (numbers with
// commas) for the leading fields of one of its --samples rows, and in prose
// by the window's captions with a number ("X_end=-9.066E-01", "a= 4.907E-03",
// "|X_end|=", "П_end=" for the run's or the formula's path). A quote belongs
// to the last command before it in its block (a section's paragraphs, a list
// item, a table row), or to the block's first command when it comes before
// it. A quoted number matches when it is the printed one rounded to the
// digits quoted. A command the companion rejects must have its message in
// the document.
struct QuoteCheck {
    int quotes = 0;                      // quotes compared
    std::vector<std::string> problems;   // one line each, with the line number
};

QuoteCheck checkQuotedNumbers(std::string_view markdown);

}  // namespace dryfriction::test
