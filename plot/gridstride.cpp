#include "plot/gridstride.h"

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

}  // namespace dryfriction
