#pragma once

namespace dryfriction {

// The most lines a per-unit grid draws. A grid with more unit lines than this
// draws only the lines at multiples of a stride n, n the smallest of
// 1, 2, 5, 10, 20, 50, 100, ... that brings it to kMaxGridLines or fewer.
inline constexpr long long kMaxGridLines = 200;

// Stride for the grid lines at whole k from `first` to `last` (inclusive):
// the lines drawn are those with k a multiple of the stride.
long long gridStride(long long first, long long last);

// How many multiples of `stride` lie in [first, last].
long long multiplesIn(long long first, long long last, long long stride);

// Round grid steps: 1, 2 or 5 times a power of ten. The next one up from a
// round step (1 -> 2 -> 5 -> 10) and the next one down (1 -> 0.5 -> 0.2 -> 0.1).
double nextRoundStepUp(double step);
double nextRoundStepDown(double step);

// How many whole multiples of `step` lie strictly between `low` and `high`
// (a multiple within a millionth of a step of an edge lies on the edge).
long long linesInside(double low, double high, double step);

// The grid step of an axis from `low` to `high` whose lines come every
// `unit`: the unit itself, or, where that leaves fewer than `least` lines
// inside the axis (a range of a unit or two), the largest of half, a fifth,
// a tenth, ... of it that gives that many.
double stepWithLines(double unit, double low, double high, long long least = 3);

}  // namespace dryfriction
