#include "table/tablecommand.h"

#include "model/characteristics.h"
#include "model/motion.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace dryfriction {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string_view> args)
{
    std::ostringstream out, err;
    const int status = runTable(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::pair<std::string, std::string>> keyValues(const std::string& text)
{
    std::vector<std::pair<std::string, std::string>> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        lines.emplace_back(line.substr(0, eq), eq == std::string::npos ? "" : line.substr(eq + 1));
    }
    return lines;
}

double parsed(const std::string& text)
{
    double v = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    EXPECT_EQ(res.ptr, text.data() + text.size()) << text;
    return v;
}

TEST(Table, StartupSummary)
{
    const Outcome o = run({});
    ASSERT_EQ(o.status, kTableOk) << o.err;
    EXPECT_EQ(o.err, "");
    // Every figure to its last digit: the shortest text that reads back to
    // the model's value (single precision ones in single precision).
    EXPECT_EQ(o.out,
              "w=20\n"
              "To=0.31415926535\n"
              "a=0.004907000000000001\n"
              "Va=0.09814000000000002\n"
              "Ao=12.093386622447824\n"
              "tau_0=0.5191461142465229\n"
              "n_half=6\n"
              "t_m=19.368702035246525\n"
              "Wo=63.125\n"
              "dt=0.012566371\n"
              "samples=796\n"
              "X_end=-0.9066141061647686\n"
              "P_end=62.71402543125153\n"
              "Xend_an=0.90661335\n"
              "Pend_an=62.714027\n"
              "Xmax=12\n"
              "Vmax=11\n"
              "PathMax=64\n");

    // The printed text is the exact value of the model.
    std::map<std::string, std::string> v;
    for (const auto& [key, value] : keyValues(o.out))
        v[key] = value;
    const MotionCharacteristics c = characteristicsOf(kStartupParameters);
    MotionRun r(kStartupParameters, c);
    while (r.next()) {
    }
    EXPECT_EQ(parsed(v["Ao"]), c.firstAmplitude);
    EXPECT_EQ(parsed(v["tau_0"]), c.firstStop);
    EXPECT_EQ(parsed(v["X_end"]), r.result().finalX);
    EXPECT_EQ(parsed(v["P_end"]), r.result().finalPath);
    EXPECT_EQ(static_cast<float>(parsed(v["dt"])), c.timeStep);
}

TEST(Table, SamplesAsCsv)
{
    const Outcome o = run({"--samples"});
    ASSERT_EQ(o.status, kTableOk) << o.err;
    std::istringstream in(o.out);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "t,x,Vx,W/Wo,path");
    int count = 0;
    std::string last;
    while (std::getline(in, line)) {
        ++count;
        last = line;
    }
    EXPECT_EQ(count, 796);
    EXPECT_EQ(last.substr(0, last.find(',')), "19.993032");
    EXPECT_EQ(last.find(';'), std::string::npos);
}

struct ValidCase {
    const char* name;
    std::vector<std::string_view> args;
    const char* expectedLine;  // one line the summary must hold
};

void PrintTo(const ValidCase& c, std::ostream* os)
{
    *os << c.name;
}

class TableValid : public ::testing::TestWithParam<ValidCase> {};

TEST_P(TableValid, PrintsSummary)
{
    const Outcome o = run(GetParam().args);
    ASSERT_EQ(o.status, kTableOk) << o.err;
    EXPECT_EQ(o.err, "");
    EXPECT_NE(o.out.find(std::string(GetParam().expectedLine) + "\n"), std::string::npos) << o.out;
}

INSTANTIATE_TEST_SUITE_P(
    Values, TableValid,
    ::testing::Values(
        ValidCase{"negative_velocity_is_a_value", {"--v0", "-6"}, "Wo=63.125"},
        ValidCase{"equals_form", {"--v0=-3", "--x0=2"}, "Xmax=3"},
        ValidCase{"at_rest_outside_zone", {"--v0", "0"}, "Xend_an=0.5"},
        ValidCase{"whole_half_amplitude", {"--x0", "3", "--v0", "0"}, "n_half=1"},
        ValidCase{"short_time", {"--t", "0.001"}, "samples=1"},
        ValidCase{"longest_time", {"--t", "10000"}, "Xmax=12"},
        ValidCase{"point_first", {"--mu", ".5"}, "n_half=6"},
        ValidCase{"signed_exponent", {"--x0", "+9.5E+0", "--t", "2e1"}, "samples=796"},
        ValidCase{"last_option_wins", {"--x0", "1", "--x0", "3", "--v0", "0"}, "Ao=4"},
        ValidCase{"limits", {"--m", "1e-6", "--k", "1e6", "--mu", "1e6", "--x0", "1000"},
                  "PathMax=500019"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RejectedCase {
    const char* name;
    std::vector<std::string_view> args;
    const char* errorText;  // what stderr must contain
};

void PrintTo(const RejectedCase& c, std::ostream* os)
{
    *os << c.name;
}

class TableRejected : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(TableRejected, ErrorAndNothingOnStdout)
{
    const Outcome o = run(GetParam().args);
    EXPECT_EQ(o.status, kTableUsage);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find(GetParam().errorText), std::string::npos) << o.err;
}

INSTANTIATE_TEST_SUITE_P(
    Values, TableRejected,
    ::testing::Values(
        RejectedCase{"zero_mass", {"--m", "0"}, "--m: Масса должна быть больше нуля!"},
        RejectedCase{"no_spring", {"--k", "0"}, "Пружины нет?!"},
        RejectedCase{"negative_coordinate", {"--x0", "-2"}, "--x0: Задача симметричная. x0>=0"},
        RejectedCase{"rest_in_zone",
                     {"--x0", "0.5", "--v0", "0"},
                     "--x0: Если Хо<=1 и Vo=0, то тело будет стоять на месте!"},
        RejectedCase{"zero_time", {"--t", "0"}, "--t: Время должно быть положительным!"},
        RejectedCase{"endless_time", {"--t", "262144"}, "не должно превышать 10000"},
        RejectedCase{"infinite_velocity", {"--v0", "1e999"}, "--v0: Начальная скорость"},
        RejectedCase{"tiny_mass", {"--m", "1e-300", "--k", "1e300"}, "--m: Масса должна быть от"},
        // A value is one whole number: what the input fields would read in
        // part is an error here.
        RejectedCase{"comma", {"--x0", "9,5"}, "the value of --x0 is not a number: \"9,5\""},
        // The fields read a comma as the point and wait while a number is
        // being typed; the companion takes neither.
        RejectedCase{"leading_comma", {"--m", ",5"}, "the value of --m is not a number: \",5\""},
        RejectedCase{"comma_with_exponent", {"--k", "1,5e3"}, "the value of --k is not a number"},
        RejectedCase{"lone_sign", {"--v0", "-"}, "the value of --v0 is not a number: \"-\""},
        RejectedCase{"lone_point", {"--t", "."}, "the value of --t is not a number: \".\""},
        RejectedCase{"exponent_sign_without_digits", {"--m", "1e-"}, "the value of --m is not a number"},
        RejectedCase{"letter_o_for_zero", {"--k", "4O"}, "the value of --k is not a number: \"4O\""},
        RejectedCase{"unit_after_value", {"--m", "0.5kg"}, "the value of --m is not a number: \"0.5kg\""},
        RejectedCase{"no_number", {"--x0", "abc"}, "the value of --x0 is not a number: \"abc\""},
        RejectedCase{"blank_inside", {"--k", "1 5"}, "the value of --k is not a number"},
        RejectedCase{"exponent_without_digits", {"--x0", "1e"}, "the value of --x0 is not a number"},
        RejectedCase{"empty_value", {"--t="}, "the value of --t is not a number: \"\""},
        RejectedCase{"unknown_option", {"--mass", "1"}, "unknown option --mass"},
        RejectedCase{"positional", {"5"}, "unknown option 5"},
        RejectedCase{"missing_value", {"--v0"}, "missing value after --v0"},
        RejectedCase{"option_for_a_value", {"--x0", "--v0", "3"}, "missing value after --x0"},
        RejectedCase{"missing_value_after_samples", {"--samples", "--t"}, "Usage:"}),
    [](const auto& info) { return std::string(info.param.name); });

// The whole message of a rejected value, letter for letter.
TEST(Table, RejectedValueMessageInFull)
{
    const Outcome o = run({"--v0", "0", "--x0", "1"});
    EXPECT_EQ(o.status, kTableUsage);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "dryfriction-table: --x0: Если Хо<=1 и Vo=0, то тело будет стоять на месте! Внутри "
                     "зоны застоя!\n");
}

TEST(Table, HelpInEnglishAndRussian)
{
    const Outcome o = run({"--help"});
    EXPECT_EQ(o.status, kTableOk);
    EXPECT_EQ(o.err, "");
    EXPECT_NE(o.out.find("Usage: dryfriction-table"), std::string::npos);
    EXPECT_NE(o.out.find("Использование: dryfriction-table"), std::string::npos);
    EXPECT_NE(o.out.find("--samples"), std::string::npos);
    EXPECT_NE(o.out.find("--version"), std::string::npos);
}

TEST(Table, VersionOnOneLine)
{
    for (const auto& args : {std::vector<std::string_view>{"--version"}, std::vector<std::string_view>{"--x0", "3", "--version"}}) {
        const Outcome o = run(args);
        EXPECT_EQ(o.status, kTableOk);
        EXPECT_EQ(o.err, "");
        EXPECT_TRUE(std::regex_match(o.out, std::regex("dryfriction-table [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << o.out;
    }
}

TEST(Table, SameOutputInRussianLocale)
{
    const Outcome plain = run({"--x0", "2.5", "--v0", "-0.75"});
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "ru_RU.UTF-8") == nullptr)
        GTEST_SKIP() << "ru_RU.UTF-8 is not installed (scripts/bootstrap generates it)";
    std::locale::global(std::locale("ru_RU.UTF-8"));
    const Outcome russian = run({"--x0", "2.5", "--v0", "-0.75"});
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(russian.status, kTableOk);
    EXPECT_EQ(russian.out, plain.out);
    EXPECT_EQ(russian.out.find(','), std::string::npos);
}

}  // namespace
}  // namespace dryfriction
