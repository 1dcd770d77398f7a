#pragma once

#include <QtGlobal>

#include "FilterIds.h"
#include "Rounding.h"

#include <cmath>

// What the preview needs to know of the filters it shows: which of the interactive ones
// (FilterId::IsInteractive) draw a text or logo, and which ones change the photo's size.
namespace PreviewFilters {

inline bool IsTextOrLogo(qint32 id)
{
    return id == FilterId::Comment || id == FilterId::Date || id == FilterId::WatermarkText
        || id == FilterId::WatermarkLogo;
}

// Frames, borders, rotation and auto-crop: the output's size differs from the photo's.
inline bool IsGeometry(qint32 id)
{
    return id == FilterId::PictureFrame || id == FilterId::VintageFrame || id == FilterId::Polaroid
        || id == FilterId::Shadow || id == FilterId::SimpleBorder || id == FilterId::Wave
        || id == FilterId::Rotate;
}

} // namespace PreviewFilters
