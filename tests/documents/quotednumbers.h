#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dryfriction::test {

// What a document quotes from dryfriction-table, checked against what the
// companion prints for the same command.
//
// A command is a line "dryfriction-table ..." in a fenced code block or a
// code span `dryfriction-table ...`. Code spans after it quote its output:
// `key=value` one of its key=value lines, `t,x,...` (numbers with commas)
// the leading fields of one of its --samples rows. A quote holds for the
// command before it in the same section, list item or table row. A quoted
// number matches when it is the printed one rounded to the digits quoted.
// A command the companion rejects must have its message in the document.
struct QuoteCheck {
    int quotes = 0;                      // quotes compared
    std::vector<std::string> problems;   // one line each, with the line number
};

QuoteCheck checkQuotedNumbers(std::string_view markdown);

}  // namespace dryfriction::test
