#pragma once

#include <Magick++.h>

#include <QMutex>
#include <QString>

class CUserProfile;

// The ICC profiles of the process: sRGB and CMYK (SWOP) from Data/ beside the program and the
// job's custom profile (CUserProfile::CustomProfile). Each file is read once and kept for
// every CImageManager. Loading and every access to the blobs go through m_lock; the
// conversions run outside it, each on the caller's own image with a copy of the blob.
class CIMColorProfiles
{
public:
    enum EProfileKind { ProfileSRGB = 0, ProfileCMYK = 1, ProfileCustom = 2 };

    // Created on first use (the first is made on the GUI thread at start-up), never freed.
    static CIMColorProfiles *instance();

    // Makes sure the profile of that kind is in memory; true when it is. A missing sRGB or
    // CMYK file loads nothing and the next call looks again. A missing or unreadable custom
    // file loads the sRGB profile in its place (with a trace line).
    bool Load(int kind);
    // The loaded profile of that kind (empty when not loaded). Copies share the data.
    Magick::Blob Profile(int kind) const;
    bool IsLoaded(int kind) const;
    // Forgets the custom profile, so that the next output needing it reads CustomProfile
    // again (after the user picked another ICC file).
    void ClearCustomLoaded();

    // Reading: the colour facts of a freshly read source and, for a CMYK source, its
    // conversion to sRGB (through its own profile, else through the CMYK profile).
    // cmykSource and embeddedProfile receive the two per-photo fields of CImageManager.
    // False when a CMYK source could not be converted (the reason goes to the trace).
    [[nodiscard]] bool ConvertSourceToSRGB(
        Magick::Image &image, bool &cmykSource, Magick::Blob &embeddedProfile);

    // Writing: the profile step of a JPEG or TIFF output (extension upper-cased, "JPG",
    // "JPEG", "TIF", "TIFF"), by the job's JpegType and TiffType: CMYK output converts to the
    // source's own CMYK profile or the CMYK profile, custom output to the custom profile,
    // other output of a CMYK source to sRGB; anything else is left alone. Runs before the
    // colour type is set. False when a needed profile is missing or the conversion failed:
    // the output must then not be written as if it had succeeded.
    [[nodiscard]] bool SetOutputProfile(Magick::Image &image, const QString &extension,
        bool cmykSource, const Magick::Blob &embeddedProfile);

    // The image's own ICC profile; empty when it has none or it cannot be read.
    static Magick::Blob EmbeddedProfile(const Magick::Image &image);
    static bool IsCmykImage(const Magick::Image &image);

private:
    CIMColorProfiles();
    CIMColorProfiles(const CIMColorProfiles &) = delete;
    CIMColorProfiles &operator=(const CIMColorProfiles &) = delete;

    QString ProfilePath(int kind) const;
    // Sets blob as the image's ICC profile: attaches it, or converts the pixels when the image
    // already has a profile. False, with a trace line, on an empty blob or a failure.
    bool ApplyProfile(Magick::Image &image, const Magick::Blob &blob, const QString &what);

    CUserProfile *m_profile; // for the custom profile path
    Magick::Blob m_sRGBProfile;
    Magick::Blob m_cmykProfile;
    Magick::Blob m_customProfile;
    bool m_sRGBLoaded = false;
    bool m_cmykLoaded = false;
    bool m_customLoaded = false;
    mutable QMutex m_lock; // guards the blobs and the flags
};
