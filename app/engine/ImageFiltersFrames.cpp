// The Border group's frames and borders: Shape, Grunge, Picture and Vintage Frame (ids 2001 to
// 2004), Polaroid (2005), Shadow (2020) and Simple Border (2030). The four frame filters read
// their pictures from Data/Frames/ beside the program and keep them in the side-image cache.
// Values outside what the settings pages offer fail the step, and so does a frame picture that
// is missing or cannot be read; a list choice the page's list does not hold takes the page's
// default item, and every stored number is some colour.

#include "ImageFilters.h"

#include "FilterSlots.h"
#include "RandomRange.h"
#include "StoredValues.h"
#include "Trace.h"
#include "platform/ProgramFolder.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <memory>
#include <utility>

namespace {

using MagickCore::Quantum;

// The four frame families, in the order of FrameFamilies.
enum EFrameFamily { ShapeFamily = 0, GrungeFamily = 1, PictureFamily = 2, VintageFamily = 3 };

struct SFrameFamily
{
    const char *prefix;
    const char *suffix;
    int count;
};

constexpr SFrameFamily FrameFamilies[] {
    { "ShapeFrame", ".jpg", ShapeFrameSlot::FrameChoice.count },
    { "GrungeFrame", ".jpg", GrungeFrameSlot::FrameChoice.count },
    { "PictureFrame", ".gif", PictureFrameSlot::FrameChoice.count },
    { "VintageFrame", ".gif", VintageFrameSlot::FrameChoice.count },
};

// The share of a frame picture's width and height that the photo fills.
struct SWindow
{
    double x;
    double y;
};

constexpr SWindow PictureWindows[] {
    { 0.72, 0.62 },
    { 0.76, 0.63 },
    { 0.94, 0.91 },
    { 0.86, 0.82 },
};

constexpr SWindow VintageWindows[] {
    { 0.88, 0.80 },
    { 0.72, 0.66 },
    { 0.73, 0.71 },
    { 0.86, 0.62 },
    { 0.92, 0.89 },
    { 0.67, 0.62 },
    { 0.76, 0.59 },
    { 0.86, 0.71 },
    { 0.85, 0.63 },
};

// A window for every item of the pages' frame lists.
static_assert(std::size(PictureWindows) == size_t(PictureFrameSlot::FrameChoice.count)
    && std::size(VintageWindows) == size_t(VintageFrameSlot::FrameChoice.count));

const QString ReadFrameTag = QStringLiteral("ReadFramePicture");

// A check box: on when not 0.
bool Flag(double value, bool &on)
{
    if (!std::isfinite(value))
        return false;
    on = value != 0.0;
    return true;
}

// A colour button's value; the colour is opaque.
Magick::ColorRGB StoredColor(double value)
{
    const QRgb argb = ParameterToColor(value);
    return Magick::ColorRGB(qRed(argb) / 255.0, qGreen(argb) / 255.0, qBlue(argb) / 255.0);
}

// Fills the whole image with one colour; the image keeps its metadata (profiles, EXIF,
// resolution), which a new image would lose.
void Paint(Magick::Image &image, const Magick::Color &color)
{
    image.backgroundColor(color);
    image.erase();
}

// A greyscale photo would turn the frame's colours grey: a grey JPEG or PNG reads into the GRAY
// colourspace with the type "grayscale", and the writers trust that type without looking at the
// pixels again.
void AllowColor(Magick::Image &photo)
{
    switch (photo.colorSpace()) {
    case Magick::GRAYColorspace:
    case MagickCore::LinearGRAYColorspace:
    case Magick::Rec601LumaColorspace:
    case Magick::Rec709LumaColorspace:
        photo.colorSpace(Magick::sRGBColorspace);
        break;
    default:
        break;
    }
    switch (photo.constImage()->type) {
    case Magick::BilevelType:
    case Magick::GrayscaleType:
    case Magick::GrayscaleMatteType:
        photo.modifyImage();
        photo.image()->type = MagickCore::UndefinedType;
        break;
    default:
        break;
    }
}

void ResetPage(Magick::Image &image)
{
    image.page(Magick::Geometry(0, 0, 0, 0));
}

// Lets long operations on a frame picture report to the photo's progress monitor (previews).
// The picture becomes a private copy first: the cached one must never hold a monitor whose
// context belongs to one call.
void ShareProgressMonitor(const Magick::Image &photo, Magick::Image &picture)
{
    const MagickCore::Image *source = photo.constImage();
    picture.modifyImage();
    MagickCore::SetImageProgressMonitor(
        picture.image(), source->progress_monitor, source->client_data);
}

QString FramePath(EFrameFamily family, int number, bool blurred)
{
    const SFrameFamily &names = FrameFamilies[family];
    return Platform::ProgramDataFolder() + QStringLiteral("/Frames/")
        + QString::fromLatin1(names.prefix) + QString::number(number + 1)
        + (blurred ? QStringLiteral("b") : QString()) + QString::fromLatin1(names.suffix);
}

// Reads a frame picture through a Blob: ImageMagick would read "[", "]" or "%" in the program
// folder's path as frame numbers or geometry.
bool ReadFramePicture(const QString &path, Magick::Image &picture)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LogMessage(ReadFrameTag, QStringLiteral("Cannot open the frame picture ") + path);
        return false;
    }
    const QByteArray bytes = file.readAll();
    CountSideImageDecode();
    try {
        Magick::Image image;
        image.read(Magick::Blob(bytes.constData(), size_t(bytes.size())));
        if (!image.isValid() || image.columns() == 0 || image.rows() == 0) {
            LogMessage(ReadFrameTag, QStringLiteral("The frame picture is empty: ") + path);
            return false;
        }
        picture = image;
        return true;
    } catch (const Magick::Exception &error) {
        LogMessage(ReadFrameTag,
            QStringLiteral("Cannot read the frame picture ") + path + QStringLiteral(": ")
                + QString::fromStdString(error.what()));
        return false;
    }
}

// The frame picture of a family, from the cache when it holds that number (and, for shapes,
// that edge style), else read from its file and cached. A random draw keeps only the family's
// last draw, not every picture of the family. False when it cannot be read.
bool FramePicture(CSideImageCache &cache, EFrameFamily family, int number, bool blurred,
    bool random, Magick::Image &picture)
{
    // A random draw reads its file each time; only a chosen frame is served from the cache.
    const SSideImageKey key { ESideImageReader::Frame, FramePath(family, number, blurred) };
    if (!random && cache.Find(key, picture))
        return true;

    Magick::Image read;
    if (!ReadFramePicture(key.path, read))
        return false;
    if (random) {
        cache.KeepInSlot(
            QStringLiteral("random ") + QLatin1String(FrameFamilies[family].prefix), key, read);
    } else {
        cache.Keep(key, read);
    }
    picture = read;
    return true;
}

// The frame number to use: the record's, or with random on one drawn for this photo.
int ChooseFrame(EFrameFamily family, int number, bool random)
{
    return random ? RandomInRange(0, FrameFamilies[family].count - 1) : number;
}

// Grey masks: black keeps the photo, white removes it. The removed parts take the colour, or
// stay transparent.
void FitMaskFrame(Magick::Image &photo, Magick::Image frame, const Magick::Color &color,
    bool transparent, bool turnForPortrait)
{
    AllowColor(photo);
    ShareProgressMonitor(photo, frame);
    if (turnForPortrait && photo.rows() > photo.columns())
        frame.rotate(90.0);
    Magick::Geometry size(photo.columns(), photo.rows());
    size.aspect(true);
    frame.resize(size);

    photo.matte(true);
    photo.modifyImage();
    const size_t columns = photo.columns();
    const size_t rows = photo.rows();
    constexpr std::uint64_t range = QuantumRange;
    Magick::Pixels view(photo);
    for (size_t y = 0; y < rows; ++y) {
        Magick::PixelPacket *pixel = view.get(0, ssize_t(y), columns, 1);
        const Magick::PixelPacket *mask = frame.getConstPixels(0, ssize_t(y), columns, 1);
        for (size_t x = 0; x < columns; ++x) {
            // The mask scales the photo's own alpha, so parts the photo already had
            // transparent (wholly or partly) stay as they were.
            const std::uint64_t alpha = range - pixel[x].opacity;
            const std::uint64_t keep = range - mask[x].red;
            pixel[x].opacity = Quantum(range - (alpha * keep + range / 2) / range);
        }
        view.sync();
    }

    if (!transparent) {
        Magick::Image canvas = photo;
        Paint(canvas, color);
        canvas.composite(photo, 0, 0, Magick::OverCompositeOp);
        canvas.matte(false); // wholly opaque now
        photo = canvas;
    }
}

// Frame pictures with a transparent window: the frame is scaled so that the photo fills its
// window, the photo is trimmed where the frame's shape differs from the photo's, and the
// output takes the frame's size.
void FitPictureFrame(Magick::Image &photo, Magick::Image frame, SWindow window,
    const Magick::Color &color, bool transparent)
{
    AllowColor(photo);
    ShareProgressMonitor(photo, frame);
    frame.matte(true);
    if (photo.rows() > photo.columns()) {
        frame.rotate(90.0);
        std::swap(window.x, window.y);
    }
    const auto wantedWidth = size_t(double(photo.columns()) / window.x);
    const auto wantedHeight = size_t(double(photo.rows()) / window.y);
    frame.resize(Magick::Geometry(wantedWidth, wantedHeight)); // keeps the aspect ratio

    Magick::Image canvas = photo;
    canvas.matte(true);
    Magick::Geometry frameSize(frame.columns(), frame.rows());
    frameSize.aspect(true);
    canvas.extent(frameSize);
    Paint(canvas, transparent ? Magick::Color("transparent") : color);

    size_t trimX = 0;
    size_t trimY = 0;
    if (frame.columns() < wantedWidth)
        trimX = size_t(double((wantedWidth - frame.columns()) / 2) * window.x);
    if (frame.rows() < wantedHeight)
        trimY = size_t(double((wantedHeight - frame.rows()) / 2) * window.y);
    // A photo far narrower than the frame's shape keeps at least one column or row.
    trimX = std::min(trimX, (photo.columns() - 1) / 2);
    trimY = std::min(trimY, (photo.rows() - 1) / 2);
    if (trimX > 0 || trimY > 0) {
        // Crop counts from the page's origin: a page offset left by an earlier crop would
        // move the cut.
        ResetPage(photo);
        photo.crop(Magick::Geometry(
            photo.columns() - 2 * trimX, photo.rows() - 2 * trimY, ssize_t(trimX), ssize_t(trimY)));
        ResetPage(photo);
    }

    const ssize_t x = (ssize_t(frame.columns()) - ssize_t(photo.columns())) / 2;
    const ssize_t y = (ssize_t(frame.rows()) - ssize_t(photo.rows())) / 2;
    canvas.composite(photo, x, y, Magick::OverCompositeOp);
    canvas.composite(frame, 0, 0, Magick::OverCompositeOp);
    if (!transparent)
        canvas.matte(false);
    ResetPage(canvas);
    photo = canvas;
}

struct SExceptionInfoDeleter
{
    void operator()(MagickCore::ExceptionInfo *exception) const
    {
        MagickCore::DestroyExceptionInfo(exception);
    }
};

void DrawEdgeLines(Magick::Image &image, double width)
{
    const double right = double(image.columns()) - 1.0;
    const double bottom = double(image.rows()) - 1.0;
    const Magick::ColorRGB grey(200 / 255.0, 200 / 255.0, 200 / 255.0);
    image.draw(Magick::DrawableList {
        Magick::DrawableStrokeColor(grey),
        Magick::DrawableStrokeWidth(width),
        Magick::DrawableLine(0, 0, right, 0),
        Magick::DrawableLine(right, 0, right, bottom),
        Magick::DrawableLine(right, bottom, 0, bottom),
        Magick::DrawableLine(0, bottom, 0, 0),
    });
}

size_t RoundedSize(double length)
{
    return size_t(std::floor(length + 0.5));
}

} // namespace

bool CImageFilters::ApplyShapeFrame()
{
    const int number = ChoiceOf(record, ShapeFrameSlot::FrameChoice);
    const int style = ChoiceOf(record, ShapeFrameSlot::EdgesChoice);
    const Magick::ColorRGB color = StoredColor(record.numbers[ShapeFrameSlot::BackgroundColor]);
    bool transparent = false;
    bool random = false;
    if (!Flag(record.numbers[ShapeFrameSlot::TransparentBackground], transparent)
        || !Flag(record.numbers[ShapeFrameSlot::RandomFrame], random))
        return false;

    Magick::Image frame;
    if (!FramePicture(*sideImages, ShapeFamily, ChooseFrame(ShapeFamily, number, random),
            style != 0, random, frame))
        return false;
    // Shapes keep their upright: a portrait photo stretches the shape instead of turning it.
    FitMaskFrame(*target, frame, color, transparent, false);
    return true;
}

bool CImageFilters::ApplyGrungeFrame()
{
    const int number = ChoiceOf(record, GrungeFrameSlot::FrameChoice);
    const Magick::ColorRGB color = StoredColor(record.numbers[GrungeFrameSlot::BackgroundColor]);
    bool transparent = false;
    bool random = false;
    if (!Flag(record.numbers[GrungeFrameSlot::TransparentBackground], transparent)
        || !Flag(record.numbers[GrungeFrameSlot::RandomFrame], random))
        return false;

    Magick::Image frame;
    if (!FramePicture(*sideImages, GrungeFamily, ChooseFrame(GrungeFamily, number, random), false,
            random, frame))
        return false;
    FitMaskFrame(*target, frame, color, transparent, true);
    return true;
}

bool CImageFilters::ApplyPictureFrame()
{
    int number = ChoiceOf(record, PictureFrameSlot::FrameChoice);
    const Magick::ColorRGB color = StoredColor(record.numbers[PictureFrameSlot::BackgroundColor]);
    bool transparent = false;
    bool random = false;
    if (!Flag(record.numbers[PictureFrameSlot::TransparentBackground], transparent)
        || !Flag(record.numbers[PictureFrameSlot::RandomFrame], random))
        return false;

    number = ChooseFrame(PictureFamily, number, random);
    Magick::Image frame;
    if (!FramePicture(*sideImages, PictureFamily, number, false, random, frame))
        return false;
    FitPictureFrame(*target, frame, PictureWindows[number], color, transparent);
    return true;
}

bool CImageFilters::ApplyVintageFrame()
{
    int number = ChoiceOf(record, VintageFrameSlot::FrameChoice);
    const Magick::ColorRGB color = StoredColor(record.numbers[VintageFrameSlot::BackgroundColor]);
    bool transparent = false;
    bool random = false;
    if (!Flag(record.numbers[VintageFrameSlot::TransparentBackground], transparent)
        || !Flag(record.numbers[VintageFrameSlot::RandomFrame], random))
        return false;

    number = ChooseFrame(VintageFamily, number, random);
    Magick::Image frame;
    if (!FramePicture(*sideImages, VintageFamily, number, false, random, frame))
        return false;
    FitPictureFrame(*target, frame, VintageWindows[number], color, transparent);
    return true;
}

bool CImageFilters::ApplyPolaroid()
{
    const double stripPercent = record.numbers[PolaroidSlot::BorderHeight];
    const double degrees = record.numbers[PolaroidSlot::Rotation];
    const Magick::ColorRGB cardColor = StoredColor(record.numbers[PolaroidSlot::BorderColor]);
    bool keepWhole = false;
    if (!InRange(stripPercent, 0.0, 360.0) || !InRange(degrees, 0.0, 360.0)
        || !Flag(record.numbers[PolaroidSlot::KeepAspect], keepWhole))
        return false;

    Magick::Image &photo = *target;
    AllowColor(photo);
    size_t width = photo.columns();
    size_t height = photo.rows();
    const size_t shorter = std::min(width, height);
    const double strip = stripPercent / 100.0 * double(keepWhole ? height : shorter);

    if (!keepWhole) {
        // A centred square of the photo.
        ResetPage(photo);
        const auto offset = ssize_t(double(std::max(width, height) - shorter) * 0.5);
        photo.crop(Magick::Geometry(
            shorter, shorter, width > height ? offset : 0, width > height ? 0 : offset));
        ResetPage(photo);
        width = height = shorter;
    }

    const auto longer = double(std::max(width, height));
    const auto border = size_t(std::max(longer / 25.0, 3.0));
    const double lineWidth = std::trunc(std::max(longer / 500.0, 1.0));

    DrawEdgeLines(photo, 1.0);
    Magick::Image flat = photo;
    Paint(flat, Magick::Color("white"));
    flat.composite(photo, 0, 0, Magick::OverCompositeOp);
    flat.matte(false);

    Magick::Image card = flat;
    Magick::Geometry cardSize(2 * border + width, RoundedSize(double(height + border) + strip));
    cardSize.aspect(true);
    card.extent(cardSize);
    Paint(card, cardColor);
    card.composite(flat, ssize_t(border), ssize_t(border), Magick::OverCompositeOp);
    DrawEdgeLines(card, lineWidth);

    // The corners that turning uncovers are white, as the flattened photo's paper; the turn
    // adds an alpha channel that stays wholly opaque.
    card.backgroundColor(Magick::Color("white"));
    card.rotate(degrees);
    card.matte(false);
    // The page is the card's own: a smaller page would make viewers of formats that keep it
    // (GIF, PNG) cut the card.
    ResetPage(card);
    photo = card;
    return true;
}

bool CImageFilters::ApplyShadow()
{
    const double opacity = record.numbers[ShadowSlot::Transparency];
    const double sigma = record.numbers[ShadowSlot::Size];
    const Magick::ColorRGB shadowColor = StoredColor(record.numbers[ShadowSlot::Color]);
    bool overWhite = false;
    if (!InRange(opacity, 0.0, 99.0) || !InRange(sigma, 0.0, 99.0)
        || !Flag(record.numbers[ShadowSlot::WhiteBackground], overWhite))
        return false;

    Magick::Image &photo = *target;
    AllowColor(photo);
    photo.matte(true);
    // ShadowImage paints the shadow in the background colour's red, green and blue; the shadow's
    // own alpha comes from the photo's. Opacity is IM6's: QuantumRange is transparent.
    photo.backgroundColor(Magick::Color(shadowColor.redQuantum(), shadowColor.greenQuantum(),
        shadowColor.blueQuantum(), QuantumRange));

    const std::unique_ptr<MagickCore::ExceptionInfo, SExceptionInfoDeleter> exception(
        MagickCore::AcquireExceptionInfo());
    MagickCore::Image *shadow
        = MagickCore::ShadowImage(photo.constImage(), opacity, sigma, 0, 0, exception.get());
    if (shadow == nullptr) {
        Magick::throwException(exception.get(), photo.quiet());
        return false;
    }
    Magick::Image result(shadow);
    Magick::throwException(exception.get(), photo.quiet());
    result.composite(photo, 0, 0, Magick::OverCompositeOp);

    if (overWhite) {
        Magick::Image white = result;
        Paint(white, Magick::Color("white"));
        white.composite(result, 0, 0, Magick::OverCompositeOp);
        white.matte(false);
        result = white;
    }
    result.page(Magick::Geometry(result.columns(), result.rows(), 0, 0));
    photo = result;
    return true;
}

bool CImageFilters::ApplySimpleBorder()
{
    double top = record.numbers[SimpleBorderSlot::Top];
    double bottom = record.numbers[SimpleBorderSlot::Bottom];
    double left = record.numbers[SimpleBorderSlot::Left];
    double right = record.numbers[SimpleBorderSlot::Right];
    const auto unit = ChoiceAs<ESizeUnit>(record, SimpleBorderSlot::UnitChoice);
    const Magick::ColorRGB color = StoredColor(record.numbers[SimpleBorderSlot::Color]);
    bool uniform = false;
    for (double side : { top, bottom, left, right }) {
        if (!InRange(side, 0.0, 30000.0))
            return false;
    }
    if (!Flag(record.numbers[SimpleBorderSlot::Uniform], uniform))
        return false;

    Magick::Image &photo = *target;
    AllowColor(photo);
    const auto width = double(photo.columns());
    const auto height = double(photo.rows());
    if (uniform)
        bottom = left = right = top;
    if (unit == ESizeUnit::Percents) {
        top *= height / 100.0;
        bottom *= height / 100.0;
        left *= width / 100.0;
        right *= width / 100.0;
    } else if (drawScale != 1.0) {
        // Whole pixels, so that the photo stays centred as in the full-size result.
        top = std::round(top * drawScale);
        bottom = std::round(bottom * drawScale);
        left = std::round(left * drawScale);
        right = std::round(right * drawScale);
    }

    Magick::Image canvas = photo;
    Magick::Geometry size(RoundedSize(width + left + right), RoundedSize(height + top + bottom));
    size.aspect(true);
    canvas.extent(size);
    Paint(canvas, color);
    canvas.composite(photo, ssize_t(left), ssize_t(top), Magick::OverCompositeOp);
    canvas.matte(false);
    photo = canvas;
    return true;
}
