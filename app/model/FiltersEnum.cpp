#include "FiltersEnum.h"

#include <QCoreApplication>

#include <iterator>

#include "Trace.h"

namespace {

// Indices into the translated group names, in the order they are translated.
enum EGroup { Annotate, TouchUp, Transform, Effects, Border, GroupCount };

const char *const GroupNames[GroupCount] = {
    QT_TRANSLATE_NOOP("QObject", "Annotate"),
    QT_TRANSLATE_NOOP("QObject", "Touch-Up"),
    QT_TRANSLATE_NOOP("QObject", "Transform"),
    QT_TRANSLATE_NOOP("QObject", "Effects"),
    QT_TRANSLATE_NOOP("QObject", "Border"),
};

struct SFilterRow
{
    quint16 id;
    const char *name;
    EGroup group;
    int order;
    const char *description;
};

// In the order the picker lists them. Two Annotate rows share order 3, and Black & White
// comes before Blur although its order is 5: views that sort by order rely on both.
const SFilterRow FilterRows[] = {
    { 1000, QT_TRANSLATE_NOOP("QObject", "Comment"), Annotate, 0,
        QT_TRANSLATE_NOOP("QObject", "Annotates with a single or multi-line text comment") },
    { 1010, QT_TRANSLATE_NOOP("QObject", "Date"), Annotate, 1,
        QT_TRANSLATE_NOOP("QObject", "Stamps picture with date and time information") },
    { 1100, QT_TRANSLATE_NOOP("QObject", "Watermark-Text"), Annotate, 2,
        QT_TRANSLATE_NOOP("QObject", "Adds a text copyright notice") },
    { 1110, QT_TRANSLATE_NOOP("QObject", "Watermark-Logo"), Annotate, 3,
        QT_TRANSLATE_NOOP("QObject", "Adds a copyright logo") },
    { 1120, QT_TRANSLATE_NOOP("QObject", "Watermark-Mask"), Annotate, 3,
        QT_TRANSLATE_NOOP("QObject", "Adds different masks for portrait and landscape photos") },
    { 5000, QT_TRANSLATE_NOOP("QObject", "Auto Rotate"), Transform, 0,
        QT_TRANSLATE_NOOP("QObject",
            "Automatically rotates photos based on the information embedded by the digital "
            "camera") },
    { 5002, QT_TRANSLATE_NOOP("QObject", "Auto Crop"), Transform, 1,
        QT_TRANSLATE_NOOP(
            "QObject", "Automatically crops the image according to a specified aspect ratio") },
    { 5010, QT_TRANSLATE_NOOP("QObject", "Color Replace"), Transform, 2,
        QT_TRANSLATE_NOOP("QObject", "Replaces a RGB color or the Alpha channel") },
    { 5020, QT_TRANSLATE_NOOP("QObject", "Crop"), Transform, 3,
        QT_TRANSLATE_NOOP("QObject", "Cuts a rectangular subregion from the image") },
    { 5030, QT_TRANSLATE_NOOP("QObject", "Flip"), Transform, 4,
        QT_TRANSLATE_NOOP("QObject", "Flips picture in vertical and/or horizontal direction") },
    { 5040, QT_TRANSLATE_NOOP("QObject", "Resize"), Transform, 5,
        QT_TRANSLATE_NOOP("QObject", "Adjusts image size using pixels or percents") },
    { 5050, QT_TRANSLATE_NOOP("QObject", "Resize Advanced"), Transform, 6,
        QT_TRANSLATE_NOOP("QObject", "Adjusts document size and DPI resolution") },
    { 5060, QT_TRANSLATE_NOOP("QObject", "Roll"), Transform, 7,
        QT_TRANSLATE_NOOP(
            "QObject", "Rolls vertically or horizontally by a specified number of pixels") },
    { 5070, QT_TRANSLATE_NOOP("QObject", "Rotate"), Transform, 8,
        QT_TRANSLATE_NOOP("QObject", "Rotates by a specified number of degrees") },
    { 5080, QT_TRANSLATE_NOOP("QObject", "Thumbnail"), Transform, 9,
        QT_TRANSLATE_NOOP("QObject", "Creates a small thumbnail from the picture") },
    { 4000, QT_TRANSLATE_NOOP("QObject", "Auto Contrast"), TouchUp, 0,
        QT_TRANSLATE_NOOP("QObject", "Automatically adjusts contrast") },
    { 4003, QT_TRANSLATE_NOOP("QObject", "Auto Gamma"), TouchUp, 1,
        QT_TRANSLATE_NOOP("QObject", "Automatically adjusts gamma level") },
    { 4006, QT_TRANSLATE_NOOP("QObject", "Auto Levels"), TouchUp, 2,
        QT_TRANSLATE_NOOP("QObject", "Automatically adjusts color levels") },
    { 4010, QT_TRANSLATE_NOOP("QObject", "Brightness"), TouchUp, 3,
        QT_TRANSLATE_NOOP("QObject", "Adjusts light intensity") },
    { 4020, QT_TRANSLATE_NOOP("QObject", "Contrast"), TouchUp, 4,
        QT_TRANSLATE_NOOP("QObject",
            "Enhances the intensity differences between the lighter and darker pixels") },
    { 4030, QT_TRANSLATE_NOOP("QObject", "Color Balance"), TouchUp, 5,
        QT_TRANSLATE_NOOP("QObject", "Adjusts the Red, Green and Blue color channels") },
    { 4040, QT_TRANSLATE_NOOP("QObject", "Equalize"), TouchUp, 6,
        QT_TRANSLATE_NOOP("QObject", "Applies a histogram equalization") },
    { 4050, QT_TRANSLATE_NOOP("QObject", "Hue/Saturation"), TouchUp, 7,
        QT_TRANSLATE_NOOP("QObject", "Corrects Hue, Saturation and Lightness") },
    { 4060, QT_TRANSLATE_NOOP("QObject", "Levels"), TouchUp, 8,
        QT_TRANSLATE_NOOP("QObject",
            "Adjusts levels by scaling the colors falling between specified white and black points "
            "to the full available quantum range") },
    { 4070, QT_TRANSLATE_NOOP("QObject", "Reduce Noise"), TouchUp, 9,
        QT_TRANSLATE_NOOP("QObject",
            "Reduces noise caused by poor lighting conditions or mobile digital cameras") },
    { 4080, QT_TRANSLATE_NOOP("QObject", "Sharpen"), TouchUp, 10,
        QT_TRANSLATE_NOOP("QObject", "Sharpens picture by enhancing edge contrast") },
    { 4090, QT_TRANSLATE_NOOP("QObject", "Sharpen Advanced"), TouchUp, 11,
        QT_TRANSLATE_NOOP("QObject", "Uses Radius and Threshold options to sharpen picture") },
    { 3060, QT_TRANSLATE_NOOP("QObject", "Black & White"), Effects, 5,
        QT_TRANSLATE_NOOP("QObject", "Transforms from true colors to grayscale colors") },
    { 3000, QT_TRANSLATE_NOOP("QObject", "Blur"), Effects, 0,
        QT_TRANSLATE_NOOP("QObject", "Makes picture hazy in appearance") },
    { 3020, QT_TRANSLATE_NOOP("QObject", "Charcoal"), Effects, 1,
        QT_TRANSLATE_NOOP("QObject", "Transforms picture to a charcoal sketch") },
    { 3030, QT_TRANSLATE_NOOP("QObject", "Edge"), Effects, 2,
        QT_TRANSLATE_NOOP("QObject", "Highlights edges in picture") },
    { 3040, QT_TRANSLATE_NOOP("QObject", "Emboss"), Effects, 3,
        QT_TRANSLATE_NOOP("QObject", "Highlights edges in picture with a 3D effect") },
    { 3050, QT_TRANSLATE_NOOP("QObject", "Gaussian Blur"), Effects, 4,
        QT_TRANSLATE_NOOP(
            "QObject", "Makes picture hazy in appearance using the gaussian blur algorithm") },
    { 3070, QT_TRANSLATE_NOOP("QObject", "Implode"), Effects, 6,
        QT_TRANSLATE_NOOP("QObject", "Creates an implosion effect in the center of the image") },
    { 3080, QT_TRANSLATE_NOOP("QObject", "Negate"), Effects, 7,
        QT_TRANSLATE_NOOP("QObject", "Replaces every pixel with its complementary color") },
    { 3090, QT_TRANSLATE_NOOP("QObject", "Noise"), Effects, 8,
        QT_TRANSLATE_NOOP("QObject", "Adds noise to picture") },
    { 3100, QT_TRANSLATE_NOOP("QObject", "Oil Paint"), Effects, 9,
        QT_TRANSLATE_NOOP("QObject", "Makes picture look like an oil painting") },
    { 3120, QT_TRANSLATE_NOOP("QObject", "Sepia"), Effects, 10,
        QT_TRANSLATE_NOOP("QObject", "Makes picture look older, in warmer colors") },
    { 3130, QT_TRANSLATE_NOOP("QObject", "Solarize"), Effects, 11,
        QT_TRANSLATE_NOOP("QObject",
            "Makes picture look like the photographic film was exposed to light during the "
            "development process") },
    { 3140, QT_TRANSLATE_NOOP("QObject", "Shade"), Effects, 12,
        QT_TRANSLATE_NOOP(
            "QObject", "Makes picture look like a sculpture in grayscale or true colors") },
    { 3150, QT_TRANSLATE_NOOP("QObject", "Spread"), Effects, 13,
        QT_TRANSLATE_NOOP("QObject", "Makes picture blurry by spreading pixels randomly") },
    { 3160, QT_TRANSLATE_NOOP("QObject", "Swirl"), Effects, 14,
        QT_TRANSLATE_NOOP("QObject", "Creates a twisting motion") },
    { 3170, QT_TRANSLATE_NOOP("QObject", "Wave"), Effects, 15,
        QT_TRANSLATE_NOOP("QObject", "Creates a horizontal wave effect") },
    { 2001, QT_TRANSLATE_NOOP("QObject", "Shape Frame"), Border, 0,
        QT_TRANSLATE_NOOP("QObject", "Adds a simple shaped frame") },
    { 2002, QT_TRANSLATE_NOOP("QObject", "Grunge Frame"), Border, 1,
        QT_TRANSLATE_NOOP("QObject", "Adds a grunge frame") },
    { 2003, QT_TRANSLATE_NOOP("QObject", "Picture Frame"), Border, 2,
        QT_TRANSLATE_NOOP("QObject", "Adds a classic picture frame") },
    { 2004, QT_TRANSLATE_NOOP("QObject", "Vintage Frame"), Border, 3,
        QT_TRANSLATE_NOOP("QObject", "Adds a vintage frame") },
    { 2010, QT_TRANSLATE_NOOP("QObject", "Raise"), Border, 4,
        QT_TRANSLATE_NOOP(
            "QObject", "Lightens or darkens image edges to give a 3D raised or lowered effect") },
    { 2020, QT_TRANSLATE_NOOP("QObject", "Shadow"), Border, 5,
        QT_TRANSLATE_NOOP("QObject", "Gives picture a shadow effect around the edges") },
    { 2030, QT_TRANSLATE_NOOP("QObject", "Simple Border"), Border, 6,
        QT_TRANSLATE_NOOP("QObject", "Adds a simple border around the picture") },
};

// Texts of the same table that have no row: the Polaroid frame has a settings page but cannot
// be picked, and the output step offers to keep each photo's format. Listed here so that
// they are translated in the same context as the rows.
[[maybe_unused]] const char *const UnlistedTexts[] = {
    QT_TRANSLATE_NOOP("QObject", "Creates a Polaroid-like picture frame"),
    QT_TRANSLATE_NOOP("QObject", "Keep original image format (if possible)"),
};

QString Translate(const char *sourceText)
{
    return QCoreApplication::translate("QObject", sourceText);
}

} // namespace

CFiltersEnum *CFiltersEnum::singleton = nullptr;

CFiltersEnum *CFiltersEnum::instance()
{
    if (!singleton)
        singleton = new CFiltersEnum();
    return singleton;
}

void CFiltersEnum::DeleteInstance()
{
    if (!singleton)
        return;
    singleton->filters.clear();
    delete singleton;
    singleton = nullptr;
}

void CFiltersEnum::GenerateList()
{
    LogMessage(QStringLiteral("CFiltersEnum::GenerateList"));

    QString groups[GroupCount];
    for (int group = 0; group < GroupCount; ++group)
        groups[group] = Translate(GroupNames[group]);

    filters.clear();
    filters.reserve(std::size(FilterRows));
    for (const SFilterRow &row : FilterRows)
        Add(row.id, Translate(row.name), groups[row.group], QString::fromUtf8(row.description),
            row.order);
}

void CFiltersEnum::Add(quint16 id, const QString &name, const QString &group,
    const QString &descriptionSource, int order)
{
    SFilterInfo info;
    info.id = id;
    info.name = name;
    info.group = group;
    info.description = Translate(descriptionSource.toUtf8().constData());
    info.order = order;
    filters.append(info);
}

SFilterInfo CFiltersEnum::FindById(int id) const
{
    for (const SFilterInfo &info : filters) {
        if (int(info.id) == id)
            return info;
    }
    return SFilterInfo();
}

SFilterInfo CFiltersEnum::FindByName(const QString &name) const
{
    for (const SFilterInfo &info : filters) {
        if (info.name == name)
            return info;
    }
    return SFilterInfo();
}
