#include "model/numberformat.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace dryfriction {
namespace {

struct FormatCase {
    double value;
    int digits;
    const char* separator;
    const char* expected;
};

TEST(FormatScientific, Patterns)
{
    const FormatCase cases[] = {
        {20, 3, ".", "2.000E+01"},
        {0.31415926535, 3, ".", "3.142E-01"},
        {-0.9066141, 3, ".", "-9.066E-01"},
        {62.714025, 3, ".", "6.271E+01"},
        {12.093387, 4, ".", "1.2093E+01"},
        {12.093387, 4, ",", "1,2093E+01"},
        {0, 3, ".", "0.000E+00"},
        {-0.0, 3, ".", "0.000E+00"},
        {1e-300, 3, ".", "1.000E-300"},
        {1.5e100, 3, ",", "1,500E+100"},
        {9.9999, 3, ".", "1.000E+01"},  // carry into the exponent
        {7, 3, ".", "7.000E+00"},
        // Half-way mantissas (exact in binary) round to the even digit.
        {1.0625, 3, ".", "1.062E+00"},
        {1.1875, 3, ".", "1.188E+00"},
        {2.5, 0, ".", "2E+00"},
        {-1.0625, 3, ",", "-1,062E+00"},
        {std::numeric_limits<double>::infinity(), 3, ".", "inf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatScientific(c.value, c.digits, c.separator), c.expected) << c.expected;
}

TEST(FormatGridLabel, Patterns)
{
    const std::pair<double, const char*> cases[] = {
        {1, "1.00"},    {19, "19.00"},   {-11, "-11.00"}, {1.025, "1.02"},
        {19.475, "19.48"}, {0.004, "0.00"}, {-0.004, "0.00"}, {0.5, "0.50"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(formatGridLabel(value, "."), expected) << value;
    EXPECT_EQ(formatGridLabel(2.05, ","), "2,05");
}

// The conversions are written into fixed buffers: the widest values and the
// most digits asked for still fit, and never come out as a failed conversion.
TEST(NumberFormat, WidestTextsFitTheirBuffers)
{
    const double largest = std::numeric_limits<double>::max();
    const std::string grid = formatGridLabel(-largest, ",");
    EXPECT_EQ(grid.size(), 1u + 309u + 3u);  // "-", 309 digits, ",00"
    EXPECT_EQ(grid.substr(0, 5), "-1797");
    EXPECT_EQ(grid.substr(grid.size() - 3), ",00");

    EXPECT_EQ(formatScientific(-largest, 3, "."), "-1.798E+308");
    EXPECT_EQ(formatScientific(std::numeric_limits<double>::denorm_min(), 3, "."), "4.941E-324");
    // More digits than a double holds are padded with zeros up to 60.
    const std::string many = formatScientific(-largest, 1000, ".");
    EXPECT_EQ(many.size(), 1u + 2u + 60u + 5u);  // "-1." 60 digits "E+308"
    EXPECT_EQ(many.substr(many.size() - 5), "E+308");
    EXPECT_EQ(formatScientific(1, -5, "."), "1E+00");
}

}  // namespace
}  // namespace dryfriction
