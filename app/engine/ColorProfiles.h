#pragma once

#include <Magick++.h>

#include <QHash>
#include <QMutex>
#include <QString>

struct SImageOptions;

// The ICC profiles of the process: sRGB and CMYK (SWOP) from Data/ beside the program and the
// custom profiles that jobs name (SImageOptions::CustomProfile), kept by path so that every
// photo gets the profile its own job names. Each file is read once and kept for every
// CImageManager. Loading and every access to the blobs go through m_lock; the conversions run
// outside it, each on the caller's own image with a copy of the blob.
class CIMColorProfiles
{
public:
    enum EProfileKind { ProfileSRGB = 0, ProfileCMYK = 1, ProfileCustom = 2 };

    // Created on first use (the first is made on the GUI thread at start-up), never freed.
    static CIMColorProfiles *instance();

    // Makes sure the profile of that kind is in memory; true when it is. customPath names the
    // custom profile's file (kind 2 only). A missing sRGB or CMYK file loads nothing and the
    // next call looks again. A missing or unreadable custom file stands for the sRGB profile
    // (with a trace line).
    bool Load(int kind, const QString &customPath = QString());
    // The loaded profile of that kind (empty when not loaded). Copies share the data.
    Magick::Blob Profile(int kind, const QString &customPath = QString()) const;
    bool IsLoaded(int kind, const QString &customPath = QString()) const;
    // Forgets every custom profile read so far, so that a file the user picks again is read
    // again.
    void ClearCustomLoaded();

    // Reading: the colour facts of a freshly read source and, for a CMYK source, its
    // conversion to sRGB (through its own profile, else through the CMYK profile).
    // cmykSource and embeddedProfile receive the two per-photo fields of CImageManager.
    // False when a CMYK source could not be converted (the reason goes to the trace).
    [[nodiscard]] bool ConvertSourceToSRGB(
        Magick::Image &image, bool &cmykSource, Magick::Blob &embeddedProfile);

    // Writing: the profile step of a JPEG or TIFF output (extension upper-cased, "JPG",
    // "JPEG", "TIF", "TIFF"), by the options' JpegType and TiffType: CMYK output converts to
    // the source's own CMYK profile or the CMYK profile, custom output to the options' custom
    // profile, other output of a CMYK source to sRGB; anything else is left alone. Runs before
    // the colour type is set. False when a needed profile is missing or the conversion failed:
    // the output must then not be written as if it had succeeded.
    [[nodiscard]] bool SetOutputProfile(Magick::Image &image, const QString &extension,
        const SImageOptions &options, bool cmykSource, const Magick::Blob &embeddedProfile);

    // The image's own ICC profile; empty when it has none or it cannot be read.
    static Magick::Blob EmbeddedProfile(const Magick::Image &image);
    static bool IsCmykImage(const Magick::Image &image);

private:
    CIMColorProfiles();
    CIMColorProfiles(const CIMColorProfiles &) = delete;
    CIMColorProfiles &operator=(const CIMColorProfiles &) = delete;

    static QString ProfilePath(int kind);
    // Sets blob as the image's ICC profile: attaches it, or converts the pixels when the image
    // already has a profile. False, with a trace line, on an empty blob or a failure.
    bool ApplyProfile(Magick::Image &image, const Magick::Blob &blob, const QString &what);

    Magick::Blob m_sRGBProfile;
    Magick::Blob m_cmykProfile;
    QHash<QString, Magick::Blob> m_customProfiles; // by path; the sRGB profile for bad files
    bool m_sRGBLoaded = false;
    bool m_cmykLoaded = false;
    mutable QMutex m_lock; // guards the blobs, the table and the flags
};
