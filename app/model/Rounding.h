#pragma once

// The roundings of stored settings, view geometry and the engine's sizes. The two rules give
// the same whole number for every value from 0 up and part only below 0.

#include <algorithm>
#include <cmath>
#include <limits>

// Half up: the nearest whole number, a half going up (2.5 gives 3, -2.5 gives -2). NaN stays
// NaN.
inline double RoundedHalfUp(double value)
{
    return std::floor(value + 0.5);
}

// A whole number as an int: values beyond an int (a damaged record) are held at its ends, and
// NaN gives 0.
inline int ClampedToInt(double whole)
{
    if (!std::isfinite(whole))
        return 0;
    return int(std::clamp(
        whole, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
}

// RoundedHalfUp as an int.
inline int RoundHalfUp(double value)
{
    return ClampedToInt(RoundedHalfUp(value));
}

// Cut toward zero, as an int.
inline int Truncated(double value)
{
    return ClampedToInt(std::trunc(value));
}

// The integer part, plus one when the fraction is at least one half: half up from 0 on, and
// cut toward zero below it (-2.7 gives -2), as the engine has always rounded its sizes.
inline double RoundIntegerPartHalfUp(double value)
{
    const double whole = std::trunc(value);
    return value - whole >= 0.5 ? whole + 1.0 : whole;
}
