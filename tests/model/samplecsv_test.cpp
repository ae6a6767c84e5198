// The samples as CSV: every number reads back to the run's own value, and the
// bytes do not depend on the locale of the program or of the stream.

#include "model/characteristics.h"
#include "model/motion.h"
#include "model/samplecsv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

using namespace dryfriction;

namespace {

struct CsvCase {
    const char* name;
    ProblemParameters p;
};

std::vector<std::string> split(const std::string& line)
{
    std::vector<std::string> out;
    std::istringstream in(line);
    std::string cell;
    while (std::getline(in, cell, ','))
        out.push_back(cell);
    return out;
}

template <typename T>
T parsed(const std::string& text)
{
    T value{};
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(res.ptr, text.data() + text.size()) << text;
    return value;
}

std::string csvOf(const ProblemParameters& p)
{
    std::ostringstream out;
    writeSamplesCsv(out, p, characteristicsOf(p));
    return out.str();
}

class SampleCsvTest : public testing::TestWithParam<CsvCase> {};

TEST_P(SampleCsvTest, EveryValueReadsBackToTheRunsOwn)
{
    const ProblemParameters& p = GetParam().p;
    const MotionCharacteristics c = characteristicsOf(p);
    std::istringstream in(csvOf(p));
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "t,x,Vx,W/Wo,path");

    MotionRun run(p, c);
    int lines = 0;
    while (std::getline(in, line)) {
        ++lines;
        ASSERT_TRUE(run.next()) << "more lines than samples";
        const MotionSample& s = run.sample();
        const std::vector<std::string> cells = split(line);
        ASSERT_EQ(cells.size(), 5u) << line;
        EXPECT_EQ(parsed<float>(cells[0]), s.t);
        EXPECT_EQ(parsed<double>(cells[1]), s.x);
        EXPECT_EQ(parsed<double>(cells[2]), s.vx);
        EXPECT_EQ(parsed<double>(cells[3]), s.energyRatio);
        EXPECT_EQ(parsed<double>(cells[4]), s.path);
    }
    EXPECT_FALSE(run.next()) << "fewer lines than samples";
    EXPECT_GT(lines, 0);
}

// A Russian locale writes "0,25" with printf and with a stream's own number
// output; the CSV keeps its points.
TEST_P(SampleCsvTest, SameBytesInARussianLocale)
{
    const ProblemParameters& p = GetParam().p;
    const std::string plain = csvOf(p);
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "ru_RU.UTF-8") == nullptr)
        GTEST_SKIP() << "no ru_RU.UTF-8 locale (scripts/bootstrap test generates it)";
    std::ostringstream out;
    out.imbue(std::locale(""));
    writeSamplesCsv(out, p, characteristicsOf(p));
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(out.str(), plain);
    EXPECT_EQ(out.str().find(';'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Problems, SampleCsvTest,
    testing::Values(CsvCase{"startup", ProblemParameters{}},
                    CsvCase{"leftward", ProblemParameters{0.1, 40, 0.2, 3.25, -7, 20}},
                    CsvCase{"resting_in_the_zone", ProblemParameters{0.1, 40, 0.2, 0.5, 0, 5}},
                    CsvCase{"heavy_and_long", ProblemParameters{2.5, 1e3, 0.05, 120, 35, 300}}),
    [](const testing::TestParamInfo<CsvCase>& info) { return std::string(info.param.name); });

// A run stopped after n samples saves those n, the same lines as the whole
// run begins with; a limit beyond the run saves the whole run.
TEST(SampleCsv, AStoppedRunSavesTheSamplesItTook)
{
    const ProblemParameters p{};
    const std::string whole = csvOf(p);
    const auto lines = [](const std::string& text) {
        return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    };
    ASSERT_EQ(lines(whole), 1U + 796U);
    for (const std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{300}, std::size_t{796}, std::size_t{5000}}) {
        std::ostringstream out;
        writeSamplesCsv(out, p, characteristicsOf(p), n);
        const std::string part = out.str();
        EXPECT_EQ(lines(part), 1 + std::min<std::size_t>(n, 796)) << n;
        EXPECT_EQ(whole.compare(0, part.size(), part), 0) << n;
    }
}

TEST(SampleCsv, ShortestTexts)
{
    const struct {
        double value;
        const char* text;
    } rows[] = {{0.1, "0.1"}, {-6, "-6"}, {1e-7, "1e-07"}, {62.71402543125153, "62.71402543125153"}};
    for (const auto& row : rows)
        EXPECT_EQ(shortestText(row.value), row.text);
    EXPECT_EQ(shortestText(19.993032f), "19.993032");
}

}  // namespace
