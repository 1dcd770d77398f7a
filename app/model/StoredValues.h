#pragma once

// How the numbers of a filter record are read as list choices and as colours, by the settings
// pages and the engine alike, so that a page shows what the engine draws. Records come from
// saved documents, so a number may be anything: -1 saved by a list that showed no item, a
// fraction, 1e300, NaN.

#include "FilterRecord.h"
#include "FilterSlots.h"

#include <QRgb>

#include <cmath>
#include <cstddef>
#include <type_traits>

// A stored number within a range a page offers; NaN and infinities are outside every range.
inline bool InRange(double value, double low, double high)
{
    return std::isfinite(value) && value >= low && value <= high;
}

// The item a stored list choice names: `stored` cut to a whole number (as the pages cut it)
// when that is from 0 to count - 1, else `fallback`, the item the settings page starts with.
// Anything else is damage (-1 from a list that showed no item, 1e300, NaN) and must never
// reach an array, a table or a branch.
inline int ChoiceOf(double stored, int count, int fallback)
{
    // NaN fails every comparison and so takes the fallback too.
    const double whole = std::trunc(stored);
    if (whole >= 0.0 && whole < double(count))
        return int(whole);
    return fallback;
}

inline int ChoiceOf(const SFilterRecord &record, SChoiceSlot choice)
{
    return ChoiceOf(record.numbers[std::size_t(choice.slot)], choice.count, choice.fallback);
}

// The same item under the name the slot's enum class (FilterSlots.h) gives it.
template<class E> E ChoiceAs(const SFilterRecord &record, SChoiceSlot choice)
{
    static_assert(std::is_enum_v<E>);
    return E(ChoiceOf(record, choice));
}

// A colour as a record stores it: the 32-bit ARGB value (0xAARRGGBB) taken as an unsigned
// number, so every opaque colour lies above 2^31 (opaque white is 4294967295). Every colour
// fits a double exactly.
inline double ColorToParameter(QRgb color)
{
    return static_cast<double>(static_cast<quint32>(color));
}

// The colour of a stored number: the low four bytes of its value truncated towards zero, so a
// colour written as a signed 32-bit number (-16777216) reads as its unsigned twin (0xFF000000,
// opaque black). A number that is not finite gives 0. Every number is some colour: no slot has
// a "no colour" value.
inline QRgb ParameterToColor(double parameter)
{
    if (!std::isfinite(parameter))
        return 0;
    constexpr double ColorRange = 4294967296.0; // 2^32
    // fmod is exact, so this is the low four bytes of the truncated value for any finite
    // number, without the undefined cast of a number beyond the 64-bit range.
    double low = std::fmod(std::trunc(parameter), ColorRange);
    if (low < 0)
        low += ColorRange;
    return static_cast<QRgb>(static_cast<quint32>(low));
}
