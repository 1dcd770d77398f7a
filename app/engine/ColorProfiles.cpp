#include "ColorProfiles.h"
#include "FormatsEnum.h"

#include "JobSnapshot.h"
#include "Trace.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include <cstring>
#include <exception>

namespace {

const QString LoadTag = QStringLiteral("CIMColorProfiles::Load");
const QString ApplyTag = QStringLiteral("CIMColorProfiles::ApplyProfile");
const QString ConvertTag = QStringLiteral("CIMColorProfiles::ConvertSourceToSRGB");

// Far beyond any real ICC profile; keeps a wrongly chosen file from being read whole.
constexpr qint64 MaximumProfileSize = 64 * 1024 * 1024;
constexpr qint64 HeaderSize = 128;

quint32 BigEndian32(const QByteArray &data, int offset)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData() + offset);
    return (quint32(bytes[0]) << 24) | (quint32(bytes[1]) << 16) | (quint32(bytes[2]) << 8)
        | quint32(bytes[3]);
}

// Reads an ICC file into blob. colorSpace, when not empty, is the data colour space the
// profile must describe ("RGB " or "CMYK"). False with the reason in error.
bool ReadProfileFile(
    const QString &path, const QByteArray &colorSpace, Magick::Blob &blob, QString &error)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        error = QStringLiteral("file not found");
        return false;
    }
    if (!info.isFile()) {
        error = QStringLiteral("not a regular file");
        return false;
    }
    if (info.size() > MaximumProfileSize) {
        error = QStringLiteral("file too large for a colour profile");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    const QByteArray data = file.read(MaximumProfileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    // The header names its own size and carries the signature "acsp" at byte 36.
    if (data.size() < HeaderSize + 4 || data.mid(36, 4) != "acsp") {
        error = QStringLiteral("not an ICC profile");
        return false;
    }
    const quint32 declaredSize = BigEndian32(data, 0);
    if (declaredSize < HeaderSize + 4 || declaredSize > quint32(data.size())) {
        error = QStringLiteral("truncated ICC profile");
        return false;
    }
    if (!colorSpace.isEmpty() && data.mid(16, 4) != colorSpace) {
        error = QStringLiteral("the profile is not for %1 data")
                    .arg(QString::fromLatin1(colorSpace).trimmed());
        return false;
    }
    blob = Magick::Blob(data.constData(), size_t(data.size()));
    return true;
}

QByteArray RequiredColorSpace(int kind)
{
    switch (kind) {
    case CIMColorProfiles::ProfileSRGB:
        return QByteArrayLiteral("RGB ");
    case CIMColorProfiles::ProfileCMYK:
        return QByteArrayLiteral("CMYK");
    default:
        return QByteArray(); // any profile the user chose
    }
}

bool SameBlob(const Magick::Blob &left, const Magick::Blob &right)
{
    return left.length() == right.length()
        && (left.length() == 0 || std::memcmp(left.data(), right.data(), left.length()) == 0);
}

} // namespace

CIMColorProfiles *CIMColorProfiles::instance()
{
    // A function-local static: two threads asking at once still get one record.
    static CIMColorProfiles *const profiles = new CIMColorProfiles();
    return profiles;
}

CIMColorProfiles::CIMColorProfiles() = default;

QString CIMColorProfiles::ProfilePath(int kind)
{
    switch (kind) {
    case ProfileSRGB:
        return Platform::ProgramDataFolder() + QStringLiteral("/sRGB.icm");
    case ProfileCMYK:
        return Platform::ProgramDataFolder() + QStringLiteral("/RSWOP.ICM");
    default:
        return QString();
    }
}

bool CIMColorProfiles::Load(int kind, const QString &customPath)
{
    if (kind < ProfileSRGB || kind > ProfileCustom) {
        LogMessage(LoadTag, QStringLiteral("Unknown profile kind %1").arg(kind));
        return false;
    }
    QMutexLocker locker(&m_lock);
    Magick::Blob blob;
    QString error;
    if (kind != ProfileCustom) {
        bool &loaded = kind == ProfileSRGB ? m_sRGBLoaded : m_cmykLoaded;
        if (loaded)
            return true;
        const QString path = ProfilePath(kind);
        if (!ReadProfileFile(path, RequiredColorSpace(kind), blob, error)) {
            // Left unloaded, so that the next call looks for the file again.
            LogMessage(
                LoadTag, QStringLiteral("Cannot load colour profile %1: %2").arg(path, error));
            return false;
        }
        (kind == ProfileSRGB ? m_sRGBProfile : m_cmykProfile) = blob;
        loaded = true;
        return true;
    }

    if (m_customProfiles.contains(customPath))
        return true;
    if (ReadProfileFile(customPath, RequiredColorSpace(kind), blob, error)) {
        m_customProfiles.insert(customPath, blob);
        return true;
    }
    const QString fallbackPath = ProfilePath(ProfileSRGB);
    LogMessage(LoadTag,
        QStringLiteral("Cannot load custom colour profile %1: %2; using %3 instead")
            .arg(customPath, error, fallbackPath));
    if (!ReadProfileFile(fallbackPath, RequiredColorSpace(ProfileSRGB), blob, error)) {
        LogMessage(
            LoadTag, QStringLiteral("Cannot load colour profile %1: %2").arg(fallbackPath, error));
        return false;
    }
    m_customProfiles.insert(customPath, blob);
    return true;
}

Magick::Blob CIMColorProfiles::Profile(int kind, const QString &customPath) const
{
    QMutexLocker locker(&m_lock);
    switch (kind) {
    case ProfileSRGB:
        return m_sRGBProfile;
    case ProfileCMYK:
        return m_cmykProfile;
    case ProfileCustom:
        return m_customProfiles.value(customPath);
    default:
        return Magick::Blob();
    }
}

bool CIMColorProfiles::IsLoaded(int kind, const QString &customPath) const
{
    QMutexLocker locker(&m_lock);
    switch (kind) {
    case ProfileSRGB:
        return m_sRGBLoaded;
    case ProfileCMYK:
        return m_cmykLoaded;
    case ProfileCustom:
        return m_customProfiles.contains(customPath);
    default:
        return false;
    }
}

void CIMColorProfiles::ClearCustomLoaded()
{
    QMutexLocker locker(&m_lock);
    m_customProfiles.clear();
}

Magick::Blob CIMColorProfiles::EmbeddedProfile(const Magick::Image &image)
{
    try {
        return image.profile("ICC");
    } catch (const std::exception &) {
        return Magick::Blob();
    }
}

bool CIMColorProfiles::IsCmykImage(const Magick::Image &image)
{
    try {
        // The colour-separation types, with or without alpha, are exactly the CMYK images.
        return image.isValid() && image.colorSpace() == Magick::CMYKColorspace;
    } catch (const std::exception &) {
        return false;
    }
}

bool CIMColorProfiles::ApplyProfile(
    Magick::Image &image, const Magick::Blob &blob, const QString &what)
{
    // An empty blob would strip the image's profile and pass for a conversion.
    if (blob.length() == 0) {
        LogMessage(ApplyTag, QStringLiteral("No %1 colour profile to apply").arg(what));
        return false;
    }
    try {
        image.profile("ICC", blob);
    } catch (const Magick::Warning &warning) {
        // A warning comes after the work was done; the check below tells whether it was.
        LogMessage(ApplyTag, QString::fromLocal8Bit(warning.what()));
    } catch (const std::exception &exception) {
        LogMessage(ApplyTag,
            QStringLiteral("Cannot apply the %1 colour profile: %2")
                .arg(what, QString::fromLocal8Bit(exception.what())));
        return false;
    }
    if (!SameBlob(EmbeddedProfile(image), blob)) {
        LogMessage(ApplyTag,
            QStringLiteral("The %1 colour profile did not take on the image").arg(what));
        return false;
    }
    return true;
}

bool CIMColorProfiles::ConvertSourceToSRGB(
    Magick::Image &image, bool &cmykSource, Magick::Blob &embeddedProfile)
{
    cmykSource = IsCmykImage(image);
    embeddedProfile = EmbeddedProfile(image);
    if (!cmykSource)
        return true;
    // A CMYK photo without its own profile is read through the CMYK profile of Data/.
    if (embeddedProfile.length() == 0) {
        if (!Load(ProfileCMYK)
            || !ApplyProfile(image, Profile(ProfileCMYK), QStringLiteral("CMYK")))
            return false;
    }
    if (!Load(ProfileSRGB) || !ApplyProfile(image, Profile(ProfileSRGB), QStringLiteral("sRGB")))
        return false;
    // A CMYK photo carrying a profile that is not for CMYK data passes ImageMagick unchanged.
    if (IsCmykImage(image)) {
        LogMessage(ConvertTag, QStringLiteral("The CMYK photo could not be converted to sRGB"));
        return false;
    }
    return true;
}

bool CIMColorProfiles::SetOutputProfile(Magick::Image &image, const QString &extension,
    const SImageOptions &options, bool cmykSource, const Magick::Blob &embeddedProfile)
{
    const QString coder = CFormatsEnum::Catalogue().FindByExtension(extension).coder;
    const bool jpeg = coder == QLatin1String("JPG");
    const bool tiff = coder == QLatin1String("TIF");
    if (!jpeg && !tiff)
        return true;
    const bool cmykOutput = (jpeg && options.JpegType == JpegColors::Cmyk)
        || (tiff && options.TiffType == TiffColors::Cmyk);
    const bool customOutput = (jpeg && options.JpegType == JpegColors::Custom)
        || (tiff && options.TiffType == TiffColors::Custom);
    const bool hasEmbedded = embeddedProfile.length() > 0;

    // The photo's own profile, or sRGB, which photos are worked on in.
    auto setSourceProfile = [&]() {
        if (hasEmbedded)
            return ApplyProfile(image, embeddedProfile, QStringLiteral("source"));
        return Load(ProfileSRGB)
            && ApplyProfile(image, Profile(ProfileSRGB), QStringLiteral("sRGB"));
    };

    if (cmykOutput) {
        if (!cmykSource && !setSourceProfile())
            return false;
        // A CMYK photo goes back to its own profile.
        if (cmykSource && hasEmbedded)
            return ApplyProfile(image, embeddedProfile, QStringLiteral("source"));
        return Load(ProfileCMYK)
            && ApplyProfile(image, Profile(ProfileCMYK), QStringLiteral("CMYK"));
    }
    if (customOutput) {
        if (!Load(ProfileCustom, options.CustomProfile))
            return false;
        if (!cmykSource && !setSourceProfile())
            return false;
        return ApplyProfile(
            image, Profile(ProfileCustom, options.CustomProfile), QStringLiteral("custom"));
    }
    if (cmykSource)
        return Load(ProfileSRGB)
            && ApplyProfile(image, Profile(ProfileSRGB), QStringLiteral("sRGB"));
    return true;
}
