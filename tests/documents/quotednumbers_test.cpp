#include "documentsource.h"
#include "quotednumbers.h"

#include <gtest/gtest.h>

#include <ostream>

namespace dryfriction::test {
namespace {

std::string joined(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines)
        out += l + "\n";
    return out;
}

// Every number a handout quotes from the companion is what the companion
// prints today for the same command. `least` keeps the check from passing
// because the quotes were no longer found.
struct Handout {
    const char* name;
    int least;
};

// Names the handout in the test's name and in its messages.
void PrintTo(const Handout& handout, std::ostream* out)
{
    *out << handout.name;
}

class QuotedNumbers : public testing::TestWithParam<Handout> {};

TEST_P(QuotedNumbers, AreWhatTheCompanionPrints)
{
    const std::string source = documentSource(GetParam().name);
    ASSERT_FALSE(source.empty()) << GetParam().name;
    const QuoteCheck check = checkQuotedNumbers(source);
    EXPECT_TRUE(check.problems.empty()) << joined(check.problems);
    EXPECT_GE(check.quotes, GetParam().least);
}

INSTANTIATE_TEST_SUITE_P(Handouts, QuotedNumbers,
                         testing::Values(Handout{"spravka2", 40}, Handout{"laboratornaya", 20}),
                         [](const testing::TestParamInfo<Handout>& info) { return std::string(info.param.name); });

// The check itself: a drifted number, a rounding that is off by one in the
// last digit, a caption that differs, a quote with no command, a sample row
// that is not there and a rejected command the text does not explain are all
// reported; a number rounded correctly is not.
TEST(QuotedNumbersCheck, ReportsEveryKindOfDrift)
{
    struct Case {
        const char* markdown;
        bool reported;
    };
    const Case cases[] = {
        {"```\ndryfriction-table --x0 9.5 --v0 0\n```\n`t_m=15.7079632675`", false},
        {"```\ndryfriction-table --x0 9.5 --v0 0\n```\n`t_m=15.708`", false},
        {"```\ndryfriction-table --x0 9.5 --v0 0\n```\n`t_m=15.709`", true},
        {"```\ndryfriction-table --x0 9.5 --v0 0\n```\n`n_half=6`", true},
        {"```\ndryfriction-table\n```\n`X_end=-0.9066`", false},
        {"```\ndryfriction-table\n```\n`X_end=0.9066`", true},
        {"```\ndryfriction-table\n```\n`Pend=62.714`", true},
        {"`dryfriction-table --mu 0.4` prints `Va=0.19628`", false},
        {"`dryfriction-table --mu 0.4` prints `Va=0.09814`", true},
        {"## A\n`dryfriction-table --mu 0.4`\n## B\n`a=0.009814`", true},
        {"1. `dryfriction-table --mu 0.4`\n2. `a=0.009814`", true},
        {"```\ndryfriction-table --samples\n```\n`0.515221,11.0933`", false},
        {"```\ndryfriction-table --samples\n```\n`0.515221,11.0934`", true},
        {"```\ndryfriction-table\n```\n`0.515221,11.0933`", true},
        {"```\ndryfriction-table\n```\nрасчёт даёт X_end=-9.066E-01 и П_end=6.271E+01", false},
        {"```\ndryfriction-table\n```\nрасчёт даёт X_end=-9.067E-01", true},
        {"```\ndryfriction-table\n```\nформула: |X_end|=9.066E-01, в окне Va= 9.814E-02 м/c", false},
        {"```\ndryfriction-table\n```\nв окне Va= 9.815E-02 м/c", true},
        {"1. расчёт даёт X_end=-9.998E-01\n\n   ```\n   dryfriction-table --x0 3 --v0 0\n   ```", false},
        {"1. расчёт даёт X_end=-9.998E-01\n2. `dryfriction-table --x0 3 --v0 0`", true},
        {"`dryfriction-table --t 0` Время должно быть положительным!", false},
        {"`dryfriction-table --t 0`", true},
    };
    for (const Case& c : cases) {
        const QuoteCheck check = checkQuotedNumbers(c.markdown);
        EXPECT_EQ(!check.problems.empty(), c.reported) << c.markdown << "\n" << joined(check.problems);
    }
}

}  // namespace
}  // namespace dryfriction::test
