#include "FloatToInt.h"

#include <climits>

int TruncToInt(float v) {
    if (v != v) return 0;
    // 2^31 is exact as a float; every float below it in magnitude truncates into range.
    const float limit = 2147483648.0f;
    if (v >= limit) return INT_MAX;
    if (v <= -limit) return INT_MIN;
    return static_cast<int>(v);
}

int PercentOf(float x) { return TruncToInt(x * 100.0f + 0.5f); }
