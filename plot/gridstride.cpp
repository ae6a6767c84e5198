#include "plot/gridstride.h"

#include <cmath>
#include <initializer_list>

namespace dryfriction {

namespace {

long long floorDiv(long long a, long long b)
{
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

}  // namespace

long long multiplesIn(long long first, long long last, long long stride)
{
    if (last < first || stride <= 0)
        return 0;
    return floorDiv(last, stride) - floorDiv(first - 1, stride);
}

long long gridStride(long long first, long long last)
{
    // 1, 2, 5, 10, 20, 50, 100, ...
    long long decade = 1;
    for (;;) {
        for (long long m : {1LL, 2LL, 5LL}) {
            const long long n = m * decade;
            if (multiplesIn(first, last, n) <= kMaxGridLines)
                return n;
        }
        decade *= 10;
    }
}

namespace {

// The power of ten and the mantissa (1, 2 or 5) of a round step.
double decadeOf(double step)
{
    return std::pow(10.0, std::floor(std::log10(step) + 1e-9));
}

int mantissaOf(double step)
{
    return static_cast<int>(std::lround(step / decadeOf(step)));
}

}  // namespace

double nextRoundStepUp(double step)
{
    const double decade = decadeOf(step);
    const int m = mantissaOf(step);
    return m == 1 ? 2 * decade : m == 2 ? 5 * decade : 10 * decade;
}

double nextRoundStepDown(double step)
{
    const double decade = decadeOf(step);
    const int m = mantissaOf(step);
    return m == 1 ? decade / 2 : m == 2 ? decade : 2 * decade;
}

long long linesInside(double low, double high, double step)
{
    if (!(step > 0) || !std::isfinite(low) || !std::isfinite(high) || high <= low)
        return 0;
    constexpr double kEdge = 1e-6;
    const double last = std::ceil(high / step - kEdge) - 1;
    const double first = std::floor(low / step + kEdge) + 1;
    const double count = last - first + 1;
    if (!(count > 0))
        return 0;
    return count > 1e15 ? static_cast<long long>(1e15) : static_cast<long long>(count);
}

double stepWithLines(double unit, double low, double high, long long least)
{
    if (!(unit > 0) || !std::isfinite(unit) || !(high > low))
        return unit;
    double step = unit;
    // A range a millionth of a unit wide needs no finer grid than that.
    for (int i = 0; i < 20 && linesInside(low, high, step) < least; ++i)
        step = unit * nextRoundStepDown(step / unit);
    return step;
}

}  // namespace dryfriction
