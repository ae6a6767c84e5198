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

}  // namespace dryfriction
