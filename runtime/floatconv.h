// Float to integer pixel conversion. Every place that turns a part's float
// field into a pixel goes through here, so values from a damaged file (huge,
// infinite, NaN) saturate instead of being undefined.
#pragma once
#include <cstdint>

// Truncation toward zero, saturated to the int32 range; NaN gives 0.
inline int32_t truncToInt(double v) {
    if (!(v == v)) return 0;
    if (v >= 2147483647.0) return INT32_MAX;
    if (v <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(v);
}
