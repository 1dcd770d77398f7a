#pragma once

#include "FilterRecord.h"
#include "ImageProperties.h"
#include "SideImageCache.h"

#include <Magick++.h>

#include <QRect>
#include <QString>

#include <memory>

// Applies one step of the filter chain to one decoded photo. Every CImageManager owns one, so
// each batch worker and each preview has its own; only the side-image cache, which locks
// itself, may be shared. The owner fills target, record, sourcePath, imageIndex and
// properties, then calls Apply.
class CImageFilters
{
public:
    CImageFilters();
    CImageFilters(const CImageFilters &) = default;
    CImageFilters &operator=(const CImageFilters &) = default;
    virtual ~CImageFilters();

    // Applies the record to the target. False for no or an invalid target, an unknown id, an
    // ImageMagick exception (warnings included; traced), any other exception, and a handler
    // that could not do its work, such as a value its settings page never offers: a step that
    // failed is never reported as applied. A list choice the page does not hold is read as the
    // page's default item and every number as some colour (StoredValues.h), so neither fails a
    // step.
    bool Apply();

    // Whether the record can be drawn on the photo scaled down (`drawScale` below) to give the
    // full-size result scaled: its look does not depend on the photo's size, or its sizes in
    // pixels scale by the rule of drawScale.
    static bool DrawsAtAnyScale(const SFilterRecord &record);

    // The preview's crop rectangle in view pixels for a Crop record.
    static QRect UpdateCrop(SFilterRecord record, int viewWidth, int viewHeight, double scale);
    // Scales `target` (a copy of the preview picture `source`) as the Resize record would and
    // returns where it lies in the view. `pixelRatio` is the screen's device pixel ratio. The
    // record is left alone; `adjusted`, when given (it may be the record itself), receives it
    // with the aspect-adjusted width and height in the record's own unit, or unchanged when
    // nothing could be laid out.
    static QRect UpdateResize(const Magick::Image &source, Magick::Image &target,
        const SFilterRecord &record, int viewWidth, int viewHeight, double scale,
        double pixelRatio, SFilterRecord *adjusted = nullptr);

    // Filled by the owner before each call.
    Magick::Image *target = nullptr;
    SFilterRecord record;
    SImageProperties properties;
    int imageIndex = 0; // the photo's sequence number in the run
    QString sourcePath; // "/" separators
    // The target is the photo at this fraction of its size (a preview drawn at the size
    // shown): sizes in pixels are multiplied by it, so the result is the full-size one
    // scaled. Resize's width and height, Simple Border's sides (rounded to whole pixels) and
    // Sharpen's radius and sigma; Watermark-Text's font and margins, as the interactive
    // overlay draws it at the view's scale. Percentages stay as they are.
    double drawScale = 1.0;

    // Worked out from sourcePath by every Apply that has a target; read by the text filters'
    // keywords. "/photos/Trip/beach.jpg": folder "/photos/Trip", fileName "beach.jpg",
    // baseName "beach", extension "jpg", folderName "Trip". A part the path lacks is empty.
    QString folder;
    QString fileName;
    QString baseName;
    QString extension;
    QString folderName;

protected:
    // Border
    bool ApplyRaise();

    // Effects
    bool ApplyBlur();
    bool ApplyCharcoal();
    bool ApplyEdge();
    bool ApplyEmboss();
    bool ApplyGaussianBlur();
    bool ApplyBlackWhite();
    bool ApplyImplode();
    bool ApplyNegate();
    bool ApplyNoise();
    bool ApplyOilPaint();
    bool ApplySepia();
    bool ApplySolarize();
    bool ApplyShade();
    bool ApplySpread();
    bool ApplySwirl();
    bool ApplyWave();

    // Touch-Up
    bool ApplyAutoContrast();
    bool ApplyAutoGamma();
    bool ApplyAutoLevels();
    bool ApplyBrightness();
    bool ApplyContrast();
    bool ApplyColorBalance();
    bool ApplyEqualize();
    bool ApplyHueSaturation();
    bool ApplyLevels();
    bool ApplyReduceNoise();
    bool ApplySharpen();
    bool ApplySharpenAdvanced();

    // Transform
    bool ApplyAutoRotate();
    bool ApplyAutoCrop();
    bool ApplyColorReplace();
    bool ApplyCrop();
    bool ApplyFlip();
    bool ApplyResize();
    bool ApplyResizeAdvanced();
    bool ApplyRoll();
    bool ApplyRotate();
    bool ApplyThumbnail();

    // Annotate (texts, logo and mask)
    bool ApplyComment();
    bool ApplyDate();
    bool ApplyWatermarkText();
    bool ApplyWatermarkLogo();
    bool ApplyWatermarkMask();

    // Frames and borders
    bool ApplyShapeFrame();
    bool ApplyGrungeFrame();
    bool ApplyPictureFrame();
    bool ApplyVintageFrame();
    bool ApplyPolaroid();
    bool ApplyShadow();
    bool ApplySimpleBorder();

public:
    // The logos, masks, frame pictures and textures read so far; never null. A manager hands
    // its own to the filters it builds for each page, so that every photo and page it works on
    // shares one.
    std::shared_ptr<CSideImageCache> sideImages = std::make_shared<CSideImageCache>();

    // Works out the path parts from sourcePath; Apply does it before every handler, previews
    // call it themselves.
    void SplitSourcePath();

private:
    bool Dispatch();
};
