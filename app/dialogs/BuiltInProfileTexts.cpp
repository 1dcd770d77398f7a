#include "BuiltInProfileTexts.h"

#include <QCoreApplication>

namespace {

struct SProfileText
{
    qint32 id;
    const char *text;
};

// Translated in the general context: many of these are also names and descriptions of the
// filter catalogue, and one translation serves both.
// clang-format off
constexpr SProfileText ProfileTexts[] = {
    { 14270, QT_TRANSLATE_NOOP("QObject", "Convert to JPEG with High Quality") },
    { 14271, QT_TRANSLATE_NOOP("QObject", "Convert to JPEG file format with high quality (90%) which will result in larger file sizes.") },
    { 14272, QT_TRANSLATE_NOOP("QObject", "Convert to JPEG with Medium Quality") },
    { 14273, QT_TRANSLATE_NOOP("QObject", "Convert to JPEG file format with medium quality (75%) which will result in medium file sizes.") },
    { 14274, QT_TRANSLATE_NOOP("QObject", "Convert to PDF Album") },
    { 14275, QT_TRANSLATE_NOOP("QObject", "Create a single PDF album from all the photos added") },
    { 14276, QT_TRANSLATE_NOOP("QObject", "Convert to PNG") },
    { 14277, QT_TRANSLATE_NOOP("QObject", "Convert to PNG file format for the best quality.") },
    { 14278, QT_TRANSLATE_NOOP("QObject", "Convert to TIFF") },
    { 14279, QT_TRANSLATE_NOOP("QObject", "Convert to TIFF file format for the best quality.") },
    { 14280, QT_TRANSLATE_NOOP("QObject", "Auto Contrast") },
    { 14281, QT_TRANSLATE_NOOP("QObject", "Automatically adjusts contrast") },
    { 14282, QT_TRANSLATE_NOOP("QObject", "Auto Rotate") },
    { 14283, QT_TRANSLATE_NOOP("QObject", "Automatically rotates photos based on the information embedded by the digital camera") },
    { 14284, QT_TRANSLATE_NOOP("QObject", "Add Date and Time") },
    { 14285, QT_TRANSLATE_NOOP("QObject", "Stamps picture with date and time information") },
    { 14286, QT_TRANSLATE_NOOP("QObject", "Reduce Noise") },
    // The noise-adding filter's text, as the files that carry this id have always shown it.
    { 14287, QT_TRANSLATE_NOOP("QObject", "Adds noise to picture") },
    { 14288, QT_TRANSLATE_NOOP("QObject", "Adjust Sharpness") },
    { 14289, QT_TRANSLATE_NOOP("QObject", "Sharpens picture by enhancing edge contrast") },
    { 14290, QT_TRANSLATE_NOOP("QObject", "Effect Black & White") },
    { 14291, QT_TRANSLATE_NOOP("QObject", "Transforms from true colors to grayscale colors") },
    { 14292, QT_TRANSLATE_NOOP("QObject", "Effect Charcoal") },
    { 14293, QT_TRANSLATE_NOOP("QObject", "Transforms picture to a charcoal sketch") },
    { 14294, QT_TRANSLATE_NOOP("QObject", "Effect Implode") },
    { 14295, QT_TRANSLATE_NOOP("QObject", "Creates an implosion effect in the center of the image") },
    { 14296, QT_TRANSLATE_NOOP("QObject", "Effect Oil Painting") },
    { 14297, QT_TRANSLATE_NOOP("QObject", "Makes picture look like an oil painting") },
    { 14298, QT_TRANSLATE_NOOP("QObject", "Effect Raise") },
    { 14299, QT_TRANSLATE_NOOP("QObject", "Lightens or darkens image edges to give a 3D raised or lowered effect") },
    { 14300, QT_TRANSLATE_NOOP("QObject", "Effect Sepia") },
    { 14301, QT_TRANSLATE_NOOP("QObject", "Makes picture look older, in warmer colors") },
    { 14302, QT_TRANSLATE_NOOP("QObject", "Effect Shade") },
    { 14303, QT_TRANSLATE_NOOP("QObject", "Makes picture look like a sculpture in grayscale or true colors") },
    { 14304, QT_TRANSLATE_NOOP("QObject", "Effect Spread") },
    { 14305, QT_TRANSLATE_NOOP("QObject", "Makes picture blurry by spreading pixels randomly") },
    { 14306, QT_TRANSLATE_NOOP("QObject", "Effect Swirl") },
    { 14307, QT_TRANSLATE_NOOP("QObject", "Creates a twisting motion") },
    { 14308, QT_TRANSLATE_NOOP("QObject", "Effect Wave") },
    { 14309, QT_TRANSLATE_NOOP("QObject", "Creates a horizontal wave effect") },
    { 14310, QT_TRANSLATE_NOOP("QObject", "Rename to Folder's Name") },
    { 14311, QT_TRANSLATE_NOOP("QObject", "If photos are organized into a folder with a meaningful name, this profile will rename all contained pictures to the folder's name") },
    { 14312, QT_TRANSLATE_NOOP("QObject", "Rename to Photo's Date") },
    { 14313, QT_TRANSLATE_NOOP("QObject", "Change the names for a set of photos to the original dates when they were taken and also adds a counter to differentiate between photos taken at the same time") },
    { 14314, QT_TRANSLATE_NOOP("QObject", "Resize for Auction Site") },
    { 14315, QT_TRANSLATE_NOOP("QObject", "Make photos very small (400x300) for uploading to auction sites like eBay") },
    { 14316, QT_TRANSLATE_NOOP("QObject", "Resize for Sending via Email") },
    { 14317, QT_TRANSLATE_NOOP("QObject", "Make photos smaller (1280x960) for sending as attachment via email") },
    { 14318, QT_TRANSLATE_NOOP("QObject", "Resize for Uploading Online") },
    { 14319, QT_TRANSLATE_NOOP("QObject", "Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for sharing with friends") },
    // 14320 names nothing; from here on the name ids are odd.
    { 14321, QT_TRANSLATE_NOOP("QObject", "Send via E-mail") },
    { 14322, QT_TRANSLATE_NOOP("QObject", "Send photos via E-mail") },
    { 14323, QT_TRANSLATE_NOOP("QObject", "Upload to Twitpic") },
    { 14324, QT_TRANSLATE_NOOP("QObject", "Upload photos to Twitpic") },
    { 14325, QT_TRANSLATE_NOOP("QObject", "Upload to Picasa") },
    { 14326, QT_TRANSLATE_NOOP("QObject", "Upload photos to Picasa") },
    { 14327, QT_TRANSLATE_NOOP("QObject", "Upload to Facebook") },
    { 14328, QT_TRANSLATE_NOOP("QObject", "Upload photos to Facebook") },

    { 12041, QT_TRANSLATE_NOOP("QObject", "Auto Gamma") },
    { 12051, QT_TRANSLATE_NOOP("QObject", "Stamps picture with date and time information") },
    { 12054, QT_TRANSLATE_NOOP("QObject", "Automatically adjusts contrast") },
    { 12061, QT_TRANSLATE_NOOP("QObject", "Reduces noise caused by poor lighting conditions or mobile digital cameras") },
    { 12062, QT_TRANSLATE_NOOP("QObject", "Sharpens picture by enhancing edge contrast") },
    { 12064, QT_TRANSLATE_NOOP("QObject", "Automatically rotates photos based on the information embedded by the digital camera") },
    { 12074, QT_TRANSLATE_NOOP("QObject", "Transforms picture to a charcoal sketch") },
    { 12078, QT_TRANSLATE_NOOP("QObject", "Transforms from true colors to grayscale colors") },
    { 12079, QT_TRANSLATE_NOOP("QObject", "Creates an implosion effect in the center of the image") },
    { 12082, QT_TRANSLATE_NOOP("QObject", "Makes picture look like an oil painting") },
    { 12083, QT_TRANSLATE_NOOP("QObject", "Lightens or darkens image edges to give a 3D raised or lowered effect") },
    { 12084, QT_TRANSLATE_NOOP("QObject", "Makes picture look older, in warmer colors") },
    { 12086, QT_TRANSLATE_NOOP("QObject", "Makes picture look like a sculpture in grayscale or true colors") },
    { 12087, QT_TRANSLATE_NOOP("QObject", "Makes picture blurry by spreading pixels randomly") },
    { 12088, QT_TRANSLATE_NOOP("QObject", "Creates a twisting motion") },
    { 12089, QT_TRANSLATE_NOOP("QObject", "Creates a horizontal wave effect") },
    { 12091, QT_TRANSLATE_NOOP("QObject", "Automatically adjusts gamma level") },
};
// clang-format on

} // namespace

QString BuiltInProfileText(qint32 id)
{
    for (const SProfileText &entry : ProfileTexts) {
        if (entry.id == id)
            return QCoreApplication::translate("QObject", entry.text);
    }
    return QString();
}
