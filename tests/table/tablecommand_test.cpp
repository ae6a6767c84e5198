#include "table/tablecommand.h"

#include "model/characteristics.h"
#include "model/motion.h"

#include "releaseinfo.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
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
        RejectedCase{"negative_coordinate", {"--x0", "-2"}, "--x0: Задача симметричная. x0>=0"},
        RejectedCase{"rest_in_zone",
                     {"--x0", "0.5", "--v0", "0"},
                     "--x0: Если Хо<=1 и Vo=0, то тело будет стоять на месте!"},
        RejectedCase{"zero_time", {"--t", "0"}, "--t: Время должно быть положительным!"},
        RejectedCase{"infinite_velocity", {"--v0", "1e999"}, "--v0: Начальная скорость"},
        RejectedCase{"tiny_mass", {"--m", "1e-300", "--k", "1e300"}, "--m: Масса должна быть от"},
        // A value is one whole number: what the input fields would read in
        // part is an error here.
        RejectedCase{"comma", {"--x0", "9,5"}, "значение --x0 не число: \"9,5\""},
        // The fields read a comma as the point and wait while a number is
        // being typed; the companion takes neither.
        RejectedCase{"leading_comma", {"--m", ",5"}, "значение --m не число: \",5\""},
        RejectedCase{"comma_with_exponent", {"--k", "1,5e3"}, "значение --k не число"},
        RejectedCase{"lone_sign", {"--v0", "-"}, "значение --v0 не число: \"-\""},
        RejectedCase{"lone_point", {"--t", "."}, "значение --t не число: \".\""},
        RejectedCase{"exponent_sign_without_digits", {"--m", "1e-"}, "значение --m не число"},
        RejectedCase{"letter_o_for_zero", {"--k", "4O"}, "значение --k не число: \"4O\""},
        RejectedCase{"unit_after_value", {"--m", "0.5kg"}, "значение --m не число: \"0.5kg\""},
        RejectedCase{"no_number", {"--x0", "abc"}, "значение --x0 не число: \"abc\""},
        RejectedCase{"blank_inside", {"--k", "1 5"}, "значение --k не число"},
        RejectedCase{"exponent_without_digits", {"--x0", "1e"}, "значение --x0 не число"},
        RejectedCase{"empty_value", {"--t="}, "значение --t не число: \"\""},
        RejectedCase{"unknown_option", {"--mass", "1"}, "неизвестный ключ --mass"},
        RejectedCase{"positional", {"5"}, "неизвестный ключ 5"},
        RejectedCase{"missing_value", {"--v0"}, "нет значения после --v0"},
        RejectedCase{"option_for_a_value", {"--x0", "--v0", "3"}, "нет значения после --x0"},
        RejectedCase{"missing_value_after_samples", {"--samples", "--t"}, "Использование:"}),
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

// The companion speaks one language, Russian, in its help as in its errors:
// no line of either is Latin text alone (names of options, numbers and
// formats aside).
TEST(Table, HelpAndErrorsInRussianOnly)
{
    const std::regex latinWords("[A-Za-z]{4,}");
    const std::regex allowed("dryfriction|samples|help|version|path|Coulomb");
    const auto latinOnly = [&](const std::string& line) {
        std::string rest = std::regex_replace(line, allowed, "");
        return std::regex_search(rest, latinWords) && line.find_first_of("абвгдеёжзийклмнопрстуфхцчшщъыьэюя") == std::string::npos;
    };
    std::vector<std::string> texts{run({"--help"}).out};
    for (const auto& args : {std::vector<std::string_view>{"--mass", "1"}, {"--v0"}, {"--x0", "9,5"}, {"--m", "0"}})
        texts.push_back(run(args).err);
    for (const std::string& text : texts) {
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            EXPECT_FALSE(latinOnly(line)) << line;
    }
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, kTableOk);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out.find("Usage"), std::string::npos);
    EXPECT_NE(help.out.find("Использование: dryfriction-table"), std::string::npos);
}

// The help's limits, read from the help itself, are what the checks accept:
// each bound is accepted and the next number beyond it rejected. The time is
// held in single precision, so its neighbours are those of a float.
struct Limit {
    std::string option;
    double low;
    bool lowIncluded;
    double high;
};

std::string text(double v)
{
    char buffer[64];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, res.ptr);
}

std::vector<Limit> helpLimits()
{
    const std::string help = run({"--help"}).out;
    std::vector<Limit> limits;
    const std::regex range("^  ((?:--[a-z0-9]+, )*--[a-z0-9]+) +от (\\S+) до ([^ ,;(]+)");
    const std::regex above("^  (--[a-z0-9]+) +больше (\\S+) и не больше ([^ ,;(]+)");
    std::istringstream in(help);
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        const bool closed = std::regex_search(line, m, range);
        if (!closed && !std::regex_search(line, m, above))
            continue;
        std::istringstream names(m[1].str());
        for (std::string name; std::getline(names >> std::ws, name, ',');)
            limits.push_back({name, parsed(m[2].str()), closed, parsed(m[3].str())});
    }
    return limits;
}

TEST(Table, HelpStatesTheLimitsThatHold)
{
    const std::vector<Limit> limits = helpLimits();
    std::vector<std::string> options;
    for (const Limit& l : limits)
        options.push_back(l.option);
    ASSERT_EQ(options, (std::vector<std::string>{"--m", "--k", "--mu", "--x0", "--v0", "--t"}));

    for (const Limit& l : limits) {
        const bool single = l.option == "--t";
        const auto next = [single](double v, double toward) {
            return single ? static_cast<double>(std::nextafter(static_cast<float>(v), static_cast<float>(toward)))
                          : std::nextafter(v, toward);
        };
        const struct {
            double value;
            bool accepted;
        } edges[] = {
            {l.low, l.lowIncluded},
            {l.lowIncluded ? next(l.low, -1e300) : next(l.low, 1e300), !l.lowIncluded},
            {l.high, true},
            {next(l.high, 1e300), false},
        };
        for (const auto& e : edges) {
            const Outcome o = run({l.option, text(e.value)});
            EXPECT_EQ(o.status, e.accepted ? kTableOk : kTableUsage) << l.option << " " << text(e.value) << ": " << o.err;
        }
    }
}

// The one rule across two values, as the help states it: x0 at most 1 with
// v0 = 0 is an error, just beyond 1 it is not.
TEST(Table, HelpStatesTheStagnationRule)
{
    EXPECT_NE(run({"--help"}).out.find("При x0 не больше 1 скорость v0 не может быть 0"), std::string::npos);
    EXPECT_EQ(run({"--x0", "1", "--v0", "0"}).status, kTableUsage);
    EXPECT_EQ(run({"--x0", text(std::nextafter(1.0, 2.0)), "--v0", "0"}).status, kTableOk);
    EXPECT_EQ(run({"--x0", "0", "--v0", "-0.5"}).status, kTableOk);
}

TEST(Table, VersionAndReleaseDate)
{
    for (const auto& args : {std::vector<std::string_view>{"--version"}, std::vector<std::string_view>{"--x0", "3", "--version"}}) {
        const Outcome o = run(args);
        EXPECT_EQ(o.status, kTableOk);
        EXPECT_EQ(o.err, "");
        EXPECT_EQ(o.out, "dryfriction-table " + std::string(kRelease.version) + "\nДата выпуска: "
                             + releaseDateText(kRelease) + "\n");
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
