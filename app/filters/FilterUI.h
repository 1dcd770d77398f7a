#pragma once

#include "FilterRecord.h"
#include "FiltersEnum.h"
#include "ListImages.h"

#include <QtGlobal>

class CControlImage;

// What every filter settings page offers its host dialog, beside being a QWidget: show the
// filter's defaults or a stored record, write the controls into a record, and preview the
// filter alone on the sample photo. A page is always deleted through its QWidget.
class CFilterUI
{
public:
    // The sample photo's facts the pages fit their controls to; defaults when it cannot be read.
    struct SSampleInfo
    {
        quint64 width = 0;
        quint64 height = 0;
        double aspect = 1.0; // width / height
        int xDpi = 72;
        int yDpi = 72;
    };

    explicit CFilterUI(int filterId);

    // The defaults into the controls, then a preview.
    virtual void Initialize() = 0;
    // A record into the controls; a preview only with startPreview. The interactive pages take
    // startPreview false as the reload after a drag in the preview and save once, at the end.
    virtual void Load(const SFilterRecord &settings, bool startPreview) = 0;
    // The controls into the record (counts and parameters; nothing else of the record).
    virtual void Save(SFilterRecord &settings) = 0;

    // Pings the sample photo for its size and resolution (dots per inch).
    void ReadSampleImageInfo();
    // Shows the sample photo with this one filter on the filtered preview.
    void PushPreview(SFilterRecord settings);
    // The same record for the preview's overlay, without a new render.
    void HandToPreview(SFilterRecord settings);

    int FilterIdValue() const { return filterId; }
    const SFilterInfo &Info() const { return info; }
    const SSampleInfo &Sample() const { return sample; }

    // Set by the host before ReadSampleImageInfo.
    CControlImage *filteredPreview = nullptr;
    CControlImage *originalPreview = nullptr;
    SImageRecord samplePhoto;

protected:
    ~CFilterUI() = default;

    CFiltersEnum *catalogue;
    int filterId;
    SFilterInfo info;
    SSampleInfo sample;
};
