#include "FilterUI.h"

#include "ControlImage.h"
#include "ImageManager.h"

#include <cmath>

CFilterUI::CFilterUI(int id)
    : catalogue(CFiltersEnum::instance())
    , filterId(id)
    , info(catalogue->FindById(quint16(id)))
{
}

void CFilterUI::ReadSampleImageInfo()
{
    sample = SSampleInfo();
    if (samplePhoto.pathName.isEmpty())
        return;
    CImageManager manager;
    if (!manager.Ping(samplePhoto.pathName))
        return;
    const SImageProperties properties = manager.GetImageProperties();
    sample.width = properties.Width;
    sample.height = properties.Height;
    sample.aspect
        = properties.Height > 0 ? double(properties.Width) / double(properties.Height) : 1.0;
    sample.xDpi = int(properties.XResolution);
    sample.yDpi = int(properties.YResolution);
    if (properties.ResolutionUnit == 2) {
        // The whole number per centimetre, then per inch, rounded half up: 28.35 gives 71.
        sample.xDpi = int(std::floor(sample.xDpi * 2.54 + 0.5));
        sample.yDpi = int(std::floor(sample.yDpi * 2.54 + 0.5));
    }
    // A photo that states no resolution is taken at the usual 72, as for an unreadable one:
    // a resolution of 0 has no document size.
    if (sample.xDpi <= 0)
        sample.xDpi = SSampleInfo().xDpi;
    if (sample.yDpi <= 0)
        sample.yDpi = SSampleInfo().yDpi;
}

void CFilterUI::PushPreview(SFilterRecord settings)
{
    if (!filteredPreview)
        return;
    HandToPreview(settings);
    filteredPreview->StartPreview(samplePhoto.pathName);
}

void CFilterUI::HandToPreview(SFilterRecord settings)
{
    if (!filteredPreview)
        return;
    settings.id = filterId;
    settings.name = info.name;
    settings.active = true;
    // The filter alone, not the steps before it in the chain.
    filteredPreview->ClearFilters();
    filteredPreview->AddFilters({ settings });
}
