// The window program's answers on the command line: --help and --version are
// answered (and end the program) before any window exists; anything else is
// left to Qt and the window.

#include "ui/commandline.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace dryfriction::test {
namespace {

struct CommandLineCase {
    const char* name;
    std::vector<const char*> args;  // after the program name
    bool answered;
    const char* pattern;  // the whole output, as a regular expression
};

const CommandLineCase kCases[] = {
    {"version", {"--version"}, true, "dryfriction [0-9]+\\.[0-9]+\\.[0-9]+\n"},
    {"version after a Qt option", {"-style", "fusion", "--version"}, true, "dryfriction [0-9]+\\.[0-9]+\\.[0-9]+\n"},
    {"help", {"--help"}, true, "Использование: dryfriction \\[--help\\] \\[--version\\][\\s\\S]*--version[\\s\\S]*\n"},
    {"short help", {"-h"}, true, "Использование: dryfriction [\\s\\S]*dryfriction-table[\\s\\S]*\n"},
    {"nothing", {}, false, ""},
    {"Qt's own options", {"-platform", "offscreen", "-style", "fusion"}, false, ""},
    {"a word that only looks like help", {"help", "--helpme", "-version"}, false, ""},
};

TEST(CommandLine, AnswersHelpAndVersionOnly)
{
    for (const CommandLineCase& c : kCases) {
        std::vector<const char*> argv{"dryfriction"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        std::ostringstream out;
        const std::optional<int> status = answerCommandLine(static_cast<int>(argv.size()), argv.data(), out);
        EXPECT_EQ(status.has_value(), c.answered) << c.name;
        EXPECT_EQ(status.value_or(0), 0) << c.name;
        EXPECT_TRUE(std::regex_match(out.str(), std::regex(c.pattern))) << c.name << ": " << out.str();
    }
}

}  // namespace
}  // namespace dryfriction::test
