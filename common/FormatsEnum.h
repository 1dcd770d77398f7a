#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The page of the format options dialog that a format's options are set on; it equals the
// dialog's stacked-widget page index, and KeepOriginal is the page of the keep-original choice.
enum class EFormatSettingsKind : qint32 {
    NoSettings = 0,
    KeepOriginal = 1,
    GIF = 2,
    JP2 = 3,
    JPG = 4,
    PDF = 5,
    PNG = 6,
    TIF = 7,
    MIFF = 8,
    HEIF = 9,
    WEBP = 10,
    AVIF = 11,
    PICT = 12,
    JPT = 13,
    PSD = 14,
    TGA = 15,
};

// One image format the program knows through ImageMagick.
struct SFormatRecord
{
    QString coder; // ImageMagick coder, also the name shown and stored: "JPG", "TIF", "PICT"
    QString extensions; // "/"-separated, preferred first: "JPG/JPEG/JPE"
    bool canRead = false;
    bool canWrite = false;
    // The catalogue's kind of options, which picks the format's icon in the format strips:
    // 1 general, 2 JPEG, 3 TIFF, 4 PNG, 5 GIF, 6 BMP, 7 PSD, 8 camera RAW, 9 PDF.
    int settingsKind = 0;
    QString description; // not translated
    bool cameraRaw = false;
    int group = 0; // 1 common, 2 other
    bool needsGhostscript = false;
    // Filled by Add from the coder:
    EFormatSettingsKind optionsPage = EFormatSettingsKind::NoSettings; // the dialog's page
    bool losslessChoice = false; // the job's lossless choice applies (AVIF, HEIF, WEBP)
    bool multipageOutput = false; // one document can hold every photo of a run

    // The extensions split at "/", in their stored case.
    QStringList ExtensionList() const;
};

// The catalogue of formats: filled once at start-up, read-only afterwards, so worker and
// preview threads read it without a lock.
class CFormatsEnum
{
public:
    static CFormatsEnum *instance(); // created empty on first use
    static void DeleteInstance();
    // The filled catalogue for threads that read photos (batch workers, previews, loaders,
    // watch threads): made on first use from any thread and never freed, so no thread reads
    // a catalogue that a window's teardown deletes.
    static const CFormatsEnum &Catalogue();
    virtual ~CFormatsEnum();

    // Fills the catalogue; calling it again leaves it as it was.
    void GenerateList();
    void Add(const QString &coder, const QString &extensions, bool canRead, bool canWrite,
        int settingsKind, const QString &description, bool cameraRaw, int group,
        bool needsGhostscript);
    // Rebuilds the readable and RAW extension lists and the open-file filter from the rows.
    void BuildFileDialogFilter();

    // The first row listing the extension, compared upper-cased; an empty record when none.
    SFormatRecord FindByExtension(const QString &extension) const;
    // The row of the coder, compared without regard to case; an empty record when none.
    SFormatRecord Find(const QString &coder) const;
    // The coder's facts, from its row (an unknown coder has none of them).
    EFormatSettingsKind OptionsPage(const QString &coder) const;
    bool HasLosslessChoice(const QString &coder) const;
    bool CanWrite(const QString &coder) const;
    bool WritesMultipage(const QString &coder) const;
    // Whether the user picks which of the format's extensions its output files take: the
    // common formats that write and have more than one.
    static bool OffersExtensionChoice(const SFormatRecord &format);

    const QList<SFormatRecord> &Formats() const; // rows in catalogue order
    const QStringList &ReadableExtensions() const;
    const QStringList &RawExtensions() const;
    const QString &FileDialogFilter() const;

private:
    CFormatsEnum() = default;
    CFormatsEnum(const CFormatsEnum &) = delete;
    CFormatsEnum &operator=(const CFormatsEnum &) = delete;

    static CFormatsEnum *m_instance;

    QList<SFormatRecord> m_formats;
    QStringList m_readableExtensions;
    QStringList m_rawExtensions;
    QString m_fileDialogFilter;
    bool m_generated = false;
};
