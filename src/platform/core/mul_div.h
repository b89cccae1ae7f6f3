#pragma once
// MulDiv: a * b / c with a 64-bit intermediate, rounded to the nearest integer (halves away
// from zero). Division by zero, or a result that does not fit in an int, gives -1.
#include <climits>
#include <cstdint>

inline int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t absProduct = product < 0 ? -product : product;
    const std::int64_t absDivisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
    const std::int64_t magnitude = (absProduct + absDivisor / 2) / absDivisor;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t result = negative ? -magnitude : magnitude;
    if (result > INT_MAX || result < INT_MIN) return -1;
    return static_cast<int>(result);
}
