#pragma once

#include <QtGlobal>

#include <cmath>

// What the preview needs to know of the filters it shows: which ones the user can drag in the
// interactive preview and which ones change the photo's size.
namespace PreviewFilters {

inline constexpr qint32 CommentId = 1000;
inline constexpr qint32 DateId = 1010;
inline constexpr qint32 WatermarkTextId = 1100;
inline constexpr qint32 WatermarkLogoId = 1110;
inline constexpr qint32 CropId = 5020;
inline constexpr qint32 ResizeId = 5040;

inline bool IsTextOrLogo(qint32 id)
{
    return id == CommentId || id == DateId || id == WatermarkTextId || id == WatermarkLogoId;
}

inline bool IsInteractive(qint32 id)
{
    return IsTextOrLogo(id) || id == CropId || id == ResizeId;
}

// Frames, borders, rotation and auto-crop: the output's size differs from the photo's.
inline bool IsGeometry(qint32 id)
{
    return id == 2003 || id == 2004 || id == 2005 || id == 2020 || id == 2030 || id == 3170
        || id == 5070;
}

// Half up: the integer part, plus one from a fraction of 0.5.
inline int RoundHalfUp(double value)
{
    return int(std::floor(value + 0.5));
}

} // namespace PreviewFilters
