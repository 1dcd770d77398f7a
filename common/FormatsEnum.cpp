#include "FormatsEnum.h"

#include "Trace.h"

#include <utility>

namespace {

// Camera RAW formats: read only, through the RAW decoder; the coder is the only extension.
struct SCameraRawRow
{
    const char *coder;
    const char *description;
};

const SCameraRawRow CameraRawRows[] = {
    { "3FR", "Hasselblad Digital Camera Raw Image" },
    { "ARI", "Arriflex Digital Camera Raw Image" },
    { "ARW", "Sony Digital Camera Raw Image" },
    { "BAY", "Casio Digital Camera Raw Image" },
    { "CAP", "Phase One Digital Camera Raw Image" },
    { "CIFF", "Canon Camera Image File Format" },
    { "CR2", "Canon Digital Camera Raw Image" },
    { "CRW", "Canon Digital Camera Raw Image" },
    { "DC2", "Kodak DC25 Digital Camera Raw Image" },
    { "DCR", "Kodak Digital Camera Raw Image" },
    { "DCS", "Kodak Digital Camera Raw Image" },
    { "DNG", "Generic Digital Camera Raw Image" },
    { "DRF", "Kodak Digital Camera Raw Image" },
    { "EIP", "Phase One Digital Camera Raw Image" },
    { "ERF", "Epson Digital Camera Raw Image" },
    { "FFF", "Imacon Digital Camera Raw Image" },
    { "IIQ", "Phase One Digital Camera Raw Image" },
    { "K25", "Kodak Digital Camera Raw Image" },
    { "KC2", "Kodak Digital Camera Raw Image" },
    { "KDC", "Kodak Digital Camera Raw Image" },
    { "MDC", "Minolta Digital Camera Raw Image" },
    { "MEF", "Mamiya Digital Camera Raw Image" },
    { "MOS", "Leaf Digital Camera Raw Image" },
    { "MRW", "Minolta Digital Camera Raw Image" },
    { "NEF", "Nikon Digital Camera Raw Image" },
    { "NRW", "Nikon Digital Camera Raw Image" },
    { "OBM", "Digital Camera Raw Image" },
    { "ORF", "Olympus Digital Camera Raw Image" },
    { "PEF", "Pentax\\Samsung Digital Camera Raw Image" },
    { "PTX", "Pentax Digital Camera Raw Image" },
    { "PXN", "Logitech Digital Camera Raw Image" },
    { "QTK", "Apple QuickTake Raw Image" },
    { "RAF", "Fuji Digital Camera Raw Image" },
    { "RAW", "Generic Digital Camera Raw Image" },
    { "RDC", "Rollei Digital Camera Raw Image" },
    { "RW2", "Panasonic Digital Camera Raw Image" },
    { "RWL", "Leica Camera Raw Image" },
    { "SR2", "Sony Digital Camera Raw Image" },
    { "SRF", "Sony Digital Camera Raw Image" },
    { "SRW", "Samsung Digital Camera Raw Image" },
    { "STI", "Sinar Digital Camera Raw Image" },
};

// The formats with a page of their own in the format options dialog: those whose name holds a
// page's format name in its first four characters share that page (PNG8 the PNG page, PTIF the
// TIF page).
struct SOptionsPageRow
{
    const char *coder;
    EFormatSettingsKind page;
};

const SOptionsPageRow OptionsPageRows[] = {
    { "AVIF", EFormatSettingsKind::AVIF },
    { "PICT", EFormatSettingsKind::PICT },
    { "GIF", EFormatSettingsKind::GIF },
    { "HEIF", EFormatSettingsKind::HEIF },
    { "JP2", EFormatSettingsKind::JP2 },
    { "JPT", EFormatSettingsKind::JPT },
    { "JPG", EFormatSettingsKind::JPG },
    { "PDF", EFormatSettingsKind::PDF },
    { "PNG", EFormatSettingsKind::PNG },
    { "PSD", EFormatSettingsKind::PSD },
    { "TGA", EFormatSettingsKind::TGA },
    { "TIF", EFormatSettingsKind::TIF },
    { "WEBP", EFormatSettingsKind::WEBP },
    { "APNG", EFormatSettingsKind::PNG },
    { "EPDF", EFormatSettingsKind::PDF },
    { "MIFF", EFormatSettingsKind::MIFF },
    { "PNG8", EFormatSettingsKind::PNG },
    { "PNG00", EFormatSettingsKind::PNG },
    { "PNG24", EFormatSettingsKind::PNG },
    { "PNG32", EFormatSettingsKind::PNG },
    { "PNG48", EFormatSettingsKind::PNG },
    { "PNG64", EFormatSettingsKind::PNG },
    { "PTIF", EFormatSettingsKind::TIF },
};

// The formats whose writer takes the job's lossless choice, and those that write one document
// of every photo.
const char *const LosslessCoders[] = { "AVIF", "HEIF", "WEBP" };
const char *const MultipageCoders[] = { "PDF", "TIF", "GIF", "WEBP" };

template<class List> bool Lists(const List &coders, const QString &coder)
{
    for (const char *listed : coders) {
        if (coder == QLatin1String(listed))
            return true;
    }
    return false;
}

// Every other format ImageMagick reads or writes, with the general options page.
struct SOtherRow
{
    const char *coder;
    const char *extensions;
    bool canRead;
    bool canWrite;
    bool needsGhostscript;
    const char *description;
};

const SOtherRow OtherRows[] = {
    { "AAI", "AAI", true, true, false, "AAI Dune image" },
    { "APNG", "APNG", true, true, false, "Animated Portable Network Graphics" },
    { "ART", "ART", true, true, false, "PFS: 1st Publisher" },
    { "AVI", "AVI", true, true, false, "Microsoft Audio/Visual Interleaved" },
    { "AVS", "AVS", true, true, false, "AVS X image" },
    { "BAYER", "BAYER", true, true, false, "Raw mosaiced samples" },
    { "BPG", "BPG", true, true, false, "Better Portable Graphics" },
    { "BRF", "BRF", true, true, false, "Braille Ready Format" },
    { "CALS", "CALS", true, false, false,
        "Continuous Acquisition and Life-cycle Support Type 1 image" },
    { "CIN", "CIN", true, true, false, "Kodak Cineon Image Format" },
    { "CMYK", "CMYK", true, true, false, "Raw cyan, magenta, yellow, and black samples" },
    { "CMYKA", "CMYKA", true, true, false, "Raw cyan, magenta, yellow, black, and alpha samples" },
    { "CUBE", "CUBE", true, false, false, "Cube Color lookup table converted to a HALD image" },
    { "CUR", "CUR", true, false, false, "Microsoft Cursor Icon" },
    { "CUT", "CUT", true, false, false, "DR Halo" },
    { "DCM", "DCM/DICOM", true, false, false,
        "Digital Imaging and Communications in Medicine (DICOM) image" },
    { "DCX", "DCX", true, true, false, "ZSoft IBM PC multi-page Paintbrush image" },
    { "DDS", "DDS", true, true, false, "Microsoft Direct Draw Surface" },
    { "DIB", "DIB", true, true, false, "Microsoft Windows Device Independent Bitmap" },
    { "DOT", "DOT", true, false, false, "Graph Visualization" },
    { "DPX", "DPX", true, true, false, "SMPTE Digital Moving Picture Exchange" },
    { "EMF", "EMF", true, false, false, "Microsoft Enhanced Metafile (32-bit)" },
    { "EPDF", "EPDF", true, true, false, "Encapsulated Portable Document Format" },
    { "EPI", "EPI", true, true, true, "Adobe Encapsulated PostScript Interchange format" },
    { "EPS2", "EPS2", true, true, true, "Adobe Level II Encapsulated PostScript" },
    { "EPS3", "EPS3", true, true, true, "Adobe Level III Encapsulated PostScript" },
    { "EPSF", "EPSF", true, true, true, "Adobe Encapsulated PostScript" },
    { "EPSI", "EPSI", true, true, true, "Adobe Encapsulated PostScript Interchange format" },
    { "EPT", "EPT", true, true, true,
        "Adobe Encapsulated PostScript Interchange format with TIFF" },
    { "EXR", "EXR", true, true, false, "High dynamic-range (HDR) file format developed by ILM" },
    { "FARBFELD", "FARBFELD", true, true, false, "Farbfeld lossless image format" },
    { "FAX", "FAX", true, true, false, "Group 3 TIFF" },
    { "FITS", "FITS", true, true, false, "Flexible Image Transport System" },
    { "FL32", "FL32", true, true, false, "FilmLight floating point image format" },
    { "FLIF", "FLIF", true, true, false, "Free Lossless Image Format" },
    { "FPX", "FPX", true, true, false, "FlashPix Format" },
    { "FTXT", "FTXT", true, true, false,
        "Read and write multispectral channels as formatted text" },
    { "GRAY", "GRAY", true, true, false, "Raw gray samples" },
    { "GRAYA", "GRAYA", true, true, false, "Raw gray and alpha samples" },
    { "HDR", "HDR", true, true, false, "Radiance RGBE image format" },
    { "HRZ", "HRZ", true, true, false, "Slow Scan TeleVision" },
    { "ICO", "ICO/ICON", true, false, false, "Microsoft icon" },
    { "INFO", "INFO", false, true, false, "Format and characteristics of the image" },
    { "INLINE", "INLINE", true, true, false, "Base64-encoded inline image" },
    { "JBIG", "JBIG/BIE/JBG", true, true, false,
        "Joint Bi-level Image experts Group file interchange format" },
    { "JNG", "JNG", true, true, false, "Multiple-image Network Graphics" },
    { "JSON", "JSON", false, true, false, "JavaScript Object Notation, a data-interchange format" },
    { "JXL", "JXL", true, true, false, "JPEG XL image coding system" },
    { "KERNEL", "KERNEL", false, true, false, "Morphology kernel format" },
    { "MAT", "MAT", true, false, false, "MATLAB image format" },
    { "MIFF", "MIFF", true, true, false, "Magick image file format" },
    { "MONO", "MONO", true, true, false, "Bi-level bitmap in least-significant-byte first order" },
    { "MNG", "MNG", true, true, false, "Multiple-image Network Graphics" },
    { "MPC", "MPC", true, true, false, "Magick Persistent Cache image file format" },
    { "MSL", "MSL/MS", true, true, false, "Magick Scripting Language" },
    { "MTV", "MTV", true, true, false, "MTV Raytracing image format" },
    { "MVG", "MVG", true, false, false, "Magick Vector Graphics" },
    { "ORA", "ORA", true, false, false, "Open exchange format for layered raster based graphics" },
    { "OTB", "OTB", true, true, false, "On-the-air Bitmap" },
    { "P7", "P7", true, true, false, "Xv's Visual Schnauzer thumbnail format" },
    { "PALM", "PALM", true, true, false, "Palm pixmap" },
    { "PAM", "PAM", false, true, false, "Common 2-dimensional bitmap format" },
    { "CLIPBOARD", "CLIPBOARD", true, true, false, "Windows Clipboard (only for Windows)" },
    { "PBM", "PBM", true, true, false, "Portable bitmap format (black and white)" },
    { "PCD", "PCD", true, true, false, "Photo CD" },
    { "PCDS", "PCDS", true, true, false, "Photo CD" },
    { "PCL", "PCL/PC", false, true, false, "HP Page Control Language" },
    { "PDB", "PDB", true, true, false, "Palm Database ImageViewer Format" },
    { "PES", "PES", true, false, false, "Embrid Embroidery Format" },
    { "PFA", "PFA", true, false, false, "Postscript Type 1 font (ASCII)" },
    { "PFB", "PFB", true, false, false, "Postscript Type 1 font (binary)" },
    { "PFM", "PFM", true, true, false, "Portable float map format" },
    { "PGM", "PGM", true, true, false, "Portable graymap format (gray scale)" },
    { "PHM", "PHM", true, true, false, "Portable float map format 16-bit half" },
    { "PICON", "PICON", true, true, false, "Personal Icon" },
    { "PIX", "PIX", true, false, false, "Alias/Wavefront RLE image format" },
    { "PNG8", "PNG8", true, true, false, "Portable Network Graphics" },
    { "PNG00", "PNG00", true, true, false, "Portable Network Graphics" },
    { "PNG24", "PNG24", true, true, false, "Portable Network Graphics" },
    { "PNG32", "PNG32", true, true, false, "Portable Network Graphics" },
    { "PNG48", "PNG48", true, true, false, "Portable Network Graphics" },
    { "PNG64", "PNG64", true, true, false, "Portable Network Graphics" },
    { "PNM", "PNM/PBM/PGM/PPM", true, true, false, "Portable anymap" },
    { "PPM", "PPM", true, true, false, "Portable pixmap format (color)" },
    { "PS", "PS", true, true, true, "Adobe PostScript file" },
    { "PS2", "PS2", true, true, true, "Adobe Level II PostScript file" },
    { "PS3", "PS3", true, true, true, "Adobe Level III PostScript file" },
    { "PSB", "PSB", true, true, false, "Adobe Large Document Format" },
    { "PTIF", "PTIF", true, true, false, "Pyramid encoded TIFF" },
    { "PWP", "PWP", true, false, false, "Seattle File Works multi-image file" },
    { "QOI", "QOI", true, true, false, "Quite OK Image Format" },
    { "RGB", "RGB", true, true, false, "Raw red, green, and blue samples" },
    { "RGB565", "RGB565", true, false, false, "Raw red, green, blue pixels in the 5-6-5 format" },
    { "RGBA", "RGBA", true, true, false, "Raw red, green, blue, and alpha samples" },
    { "RGF", "RGF", true, true, false, "LEGO Mindstorms EV3 Robot Graphics File" },
    { "RLA", "RLA", true, false, false, "Alias/Wavefront image file" },
    { "RLE", "RLE", true, false, false, "Utah Run length encoded image file" },
    { "SCT", "SCT", true, false, false, "Scitex Continuous Tone Picture" },
    { "SFW", "SFW", true, false, false, "Seattle File Works image" },
    { "SHTML", "SHTML", false, true, false, "Hypertext Markup Language client-side image map" },
    { "STRIMG", "STRIMG", true, true, false, "String to images and back" },
    { "SUN", "SUN", true, true, false, "SUN Rasterfile" },
    { "SVG", "SVG", true, true, false, "Scalable Vector Graphics" },
    { "TIM", "TIM", true, false, false, "PSX TIM file" },
    { "TTF", "TTF", true, false, false, "TrueType font file" },
    { "TXT", "TXT", true, true, false, "Multispectral raw text file" },
    { "UBRL", "UBRL", false, true, false, "Unicode BRaiLle" },
    { "UBRL6", "UBRL6", false, true, false, "Unicode BRaiLle 6 dots" },
    { "UIL", "UIL/UI", false, true, false, "X-Motif UIL table" },
    { "UYVY", "UYVY", true, true, false, "Interleaved YUV raw image" },
    { "VICAR", "VICAR", true, true, false, "VICAR rasterfile format" },
    { "VIDEO", "VIDEO", true, true, false, "Various video formats such as APNG, AVI, MP4, WEBM" },
    { "VIFF", "VIFF", true, true, false, "Khoros Visualization Image File Format" },
    { "WPG", "WPG", true, false, false, "Word Perfect Graphics File" },
    { "X", "X", true, true, false, "Display or import an image to or from an X11 server" },
    { "XBM", "XBM", true, true, false, "X Windows system bitmap, black and white only" },
    { "XCF", "XCF", true, false, false, "GIMP image" },
    { "XPM", "XPM", true, true, false, "X Windows system pixmap" },
    { "XWD", "XWD", true, true, false, "X Windows system window dump" },
    { "YAML", "YAML", false, true, false, "Human-readable data-serialization language" },
    { "YCbCr", "YCbCr", true, true, false, "Raw Y, Cb, and Cr samples" },
    { "YCbCrA", "YCbCrA", true, true, false, "Raw Y, Cb, Cr, and alpha samples" },
    { "YUV", "YUV", true, true, false, "CCIR 601 4:1:1" },
};

} // namespace

QStringList SFormatRecord::ExtensionList() const
{
    return extensions.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

CFormatsEnum *CFormatsEnum::m_instance = nullptr;

CFormatsEnum *CFormatsEnum::instance()
{
    if (!m_instance)
        m_instance = new CFormatsEnum;
    return m_instance;
}

const CFormatsEnum &CFormatsEnum::Catalogue()
{
    // A function-local static: filled once, even when several threads ask first at once.
    static const CFormatsEnum *const catalogue = [] {
        auto *filled = new CFormatsEnum;
        filled->GenerateList();
        return filled;
    }();
    return *catalogue;
}

void CFormatsEnum::DeleteInstance()
{
    delete m_instance;
    m_instance = nullptr;
}

CFormatsEnum::~CFormatsEnum() = default;

void CFormatsEnum::GenerateList()
{
    LogMessage(QStringLiteral("CFormatsEnum::GenerateList"));
    // Both start-up paths may ask for the list; a second fill would double every row, and
    // worker threads may already be reading it.
    if (m_generated)
        return;
    m_generated = true;

    // Common formats: read and write, each with its options page.
    Add(QStringLiteral("AVIF"), QStringLiteral("AVIF"), true, true, 1,
        QStringLiteral("Format derived from the keyframes of AV1 video"), false, 1, false);
    Add(QStringLiteral("BMP"), QStringLiteral("BMP"), true, true, 6,
        QStringLiteral("Microsoft Windows bitmap"), false, 1, false);
    Add(QStringLiteral("EPS"), QStringLiteral("EPS"), true, true, 1,
        QStringLiteral("Adobe Encapsulated PostScript"), false, 1, true);
    Add(QStringLiteral("PICT"), QStringLiteral("PCT/PICT"), true, true, 1,
        QStringLiteral("Apple Macintosh QuickDraw/PICT file"), false, 1, false);
    Add(QStringLiteral("GIF"), QStringLiteral("GIF"), true, true, 5,
        QStringLiteral("CompuServe Graphics Interchange Format"), false, 1, false);
    Add(QStringLiteral("HEIF"), QStringLiteral("HEIF/HEIC"), true, true, 1,
        QStringLiteral("Apple's High Efficiency Image Format"), false, 1, false);
    Add(QStringLiteral("JP2"), QStringLiteral("JP2"), true, true, 1,
        QStringLiteral("JPEG-2000 JP2 File Format Syntax"), false, 1, false);
    Add(QStringLiteral("JPT"), QStringLiteral("JPT/JPC/J2C/J2K"), true, true, 1,
        QStringLiteral("JPEG-2000 Code Stream Syntax"), false, 1, false);
    Add(QStringLiteral("JPG"), QStringLiteral("JPG/JPEG/JPE"), true, true, 2,
        QStringLiteral("Joint Photographic Experts Group JFIF format"), false, 1, false);
    Add(QStringLiteral("PCX"), QStringLiteral("PCX"), true, true, 1,
        QStringLiteral("ZSoft IBM PC Paintbrush file"), false, 1, false);
    Add(QStringLiteral("PDF"), QStringLiteral("PDF/PDP"), true, true, 9,
        QStringLiteral("Portable Document Format"), false, 1, true);
    Add(QStringLiteral("PNG"), QStringLiteral("PNG"), true, true, 4,
        QStringLiteral("Portable Network Graphics"), false, 1, false);
    Add(QStringLiteral("PSD"), QStringLiteral("PSD/PDD"), true, true, 7,
        QStringLiteral("Adobe Photoshop multispectral bitmap file"), false, 1, false);
    Add(QStringLiteral("SGI"), QStringLiteral("SGI"), true, true, 1,
        QStringLiteral("Irix RGB image"), false, 1, false);
    Add(QStringLiteral("TGA"), QStringLiteral("TGA/ICB/VDA/VST"), true, true, 1,
        QStringLiteral("Truevision Targa image"), false, 1, false);
    Add(QStringLiteral("TIF"), QStringLiteral("TIF/TIFF"), true, true, 3,
        QStringLiteral("Tagged Image File Format"), false, 1, false);
    Add(QStringLiteral("WBMP"), QStringLiteral("WBMP"), true, true, 1,
        QStringLiteral("Wireless bitmap"), false, 1, false);
    Add(QStringLiteral("WEBP"), QStringLiteral("WEBP"), true, true, 1,
        QStringLiteral("Google's image format"), false, 1, false);

    for (const SCameraRawRow &row : CameraRawRows) {
        const QString coder = QString::fromLatin1(row.coder);
        Add(coder, coder, true, false, 8, QString::fromLatin1(row.description), true, 2, false);
    }

    for (const SOtherRow &row : OtherRows) {
        const QString coder = QString::fromLatin1(row.coder);
        Add(coder, QString::fromLatin1(row.extensions), row.canRead, row.canWrite, 1,
            QString::fromLatin1(row.description), false, 2, row.needsGhostscript);
    }

    BuildFileDialogFilter();
}

void CFormatsEnum::Add(const QString &coder, const QString &extensions, bool canRead, bool canWrite,
    int settingsKind, const QString &description, bool cameraRaw, int group, bool needsGhostscript)
{
    SFormatRecord record;
    record.coder = coder;
    record.extensions = extensions;
    record.canRead = canRead;
    record.canWrite = canWrite;
    record.settingsKind = settingsKind;
    record.description = description;
    record.cameraRaw = cameraRaw;
    record.group = group;
    record.needsGhostscript = needsGhostscript;
    for (const SOptionsPageRow &row : OptionsPageRows) {
        if (canWrite && coder == QLatin1String(row.coder))
            record.optionsPage = row.page;
    }
    record.losslessChoice = Lists(LosslessCoders, coder);
    record.multipageOutput = Lists(MultipageCoders, coder);
    m_formats.append(record);
}

void CFormatsEnum::BuildFileDialogFilter()
{
    // Built from scratch each time so that a rebuild never repeats extensions or entries.
    m_readableExtensions.clear();
    m_rawExtensions.clear();

    QString commonText = QStringLiteral("Common Formats ( ");
    QString entryText;
    for (const SFormatRecord &record : std::as_const(m_formats)) {
        if (!record.canRead)
            continue;
        QStringList patterns;
        for (const QString &extension : record.ExtensionList()) {
            patterns << QStringLiteral("*.") + extension;
            m_readableExtensions << extension;
            if (record.cameraRaw)
                m_rawExtensions << extension;
        }
        // A row without extensions would only add an empty entry the dialog cannot use.
        if (patterns.isEmpty())
            continue;
        const QString patternText = patterns.join(QLatin1Char(' '));
        commonText += patternText + QLatin1Char(' ');
        entryText += record.coder + QStringLiteral(" - ") + record.description
            + QStringLiteral(" (") + patternText + QStringLiteral(");;");
    }
    commonText.chop(1);
    commonText += QStringLiteral(" )");
    entryText.chop(2);

    m_fileDialogFilter = commonText + QStringLiteral(";;All Files (*.*)");
    if (!entryText.isEmpty())
        m_fileDialogFilter += QStringLiteral(";;") + entryText;
}

SFormatRecord CFormatsEnum::FindByExtension(const QString &extension) const
{
    const QString wanted = extension.toUpper();
    if (wanted.isEmpty())
        return SFormatRecord();
    for (const SFormatRecord &record : m_formats) {
        if (record.extensions.toUpper().split(QLatin1Char('/')).contains(wanted))
            return record;
    }
    return SFormatRecord();
}

SFormatRecord CFormatsEnum::Find(const QString &coder) const
{
    for (const SFormatRecord &record : m_formats) {
        if (!coder.isEmpty() && record.coder.compare(coder, Qt::CaseInsensitive) == 0)
            return record;
    }
    return SFormatRecord();
}

EFormatSettingsKind CFormatsEnum::OptionsPage(const QString &coder) const
{
    return Find(coder).optionsPage;
}

bool CFormatsEnum::HasLosslessChoice(const QString &coder) const
{
    return Find(coder).losslessChoice;
}

bool CFormatsEnum::CanWrite(const QString &coder) const
{
    return Find(coder).canWrite;
}

bool CFormatsEnum::WritesMultipage(const QString &coder) const
{
    return Find(coder).multipageOutput;
}

bool CFormatsEnum::OffersExtensionChoice(const SFormatRecord &format)
{
    return format.group == 1 && format.canWrite && format.extensions.contains(QLatin1Char('/'));
}

const QList<SFormatRecord> &CFormatsEnum::Formats() const
{
    return m_formats;
}

const QStringList &CFormatsEnum::ReadableExtensions() const
{
    return m_readableExtensions;
}

const QStringList &CFormatsEnum::RawExtensions() const
{
    return m_rawExtensions;
}

const QString &CFormatsEnum::FileDialogFilter() const
{
    return m_fileDialogFilter;
}
