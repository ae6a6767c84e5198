// The window program's answers on the command line: --help and --version are
// answered (and end the program) before any window exists; anything else is
// left to Qt and the window.

#include "app/commandline.h"

#include <QProcess>
#include <QString>

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
    {"version", {"--version"}, true, "dryfriction [0-9]+\\.[0-9]+\\.[0-9]+\nДата выпуска: [0-9]{2}\\.[0-9]{2}\\.[0-9]{4}\n"},
    {"version after a Qt option", {"-style", "fusion", "--version"}, true, "dryfriction [0-9.]+\n[^\n]+\n"},
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
        std::ostringstream out, err;
        const std::optional<int> status = answerCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
        EXPECT_EQ(status.has_value(), c.answered) << c.name;
        EXPECT_EQ(status.value_or(0), 0) << c.name;
        EXPECT_TRUE(std::regex_match(out.str(), std::regex(c.pattern))) << c.name << ": " << out.str();
        EXPECT_EQ(err.str(), "") << c.name;
    }
}

// Both programs, in a child process: an answer that cannot be written (a
// full disk, a closed output) ends with status 1 and a message, not with 0.
TEST(CommandLine, UnwritableAnswerEndsWithStatusOne)
{
    for (const char* program : {DRYFRICTION_PROGRAM_BINARY, DRYFRICTION_TABLE_BINARY}) {
        for (const char* option : {"--version", "--help"}) {
            for (const bool closed : {false, true}) {
                QProcess child;
                if (closed) {
                    child.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec \"$0\" \"$1\" >&-"),
                                                            QString::fromUtf8(program), QString::fromUtf8(option)});
                } else {
                    child.setStandardOutputFile(QStringLiteral("/dev/full"));
                    child.start(QString::fromUtf8(program), {QString::fromUtf8(option)});
                }
                const std::string what = std::string(program) + " " + option + (closed ? " >&-" : " >/dev/full");
                ASSERT_TRUE(child.waitForFinished(60'000)) << what;
                EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << what;
                EXPECT_EQ(child.exitCode(), 1) << what;
                EXPECT_TRUE(QString::fromUtf8(child.readAllStandardError()).contains(QStringLiteral("не удалось вывести результат")))
                    << what;
            }
        }
    }
}

}  // namespace
}  // namespace dryfriction::test
