#include "HardwareProfile.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The fields are narrow; a machine beyond them is held at the largest value, not wrapped.
template<typename T> T Clamped(double value)
{
    if (!(value > 0)) // also NaN
        return 0;
    return T(std::min(std::floor(value), double(std::numeric_limits<T>::max())));
}

} // namespace

CHardwareProfile *CHardwareProfile::m_instance = nullptr;

CHardwareProfile *CHardwareProfile::instance()
{
    if (!m_instance) {
        m_instance
            = new CHardwareProfile(Platform::ProcessorCount(), Platform::PrimaryScreenFacts());
        m_instance->WindowsVersionText();
    }
    return m_instance;
}

void CHardwareProfile::DeleteInstance()
{
    delete m_instance;
    m_instance = nullptr;
}

CHardwareProfile::CHardwareProfile(int processorCount, const Platform::SScreenFacts &screen)
    : m_processorCount(std::max<quint8>(Clamped<quint8>(processorCount), 1))
    , m_architecture(Platform::ProgramArchitecture())
    , m_screenWidth(Clamped<quint16>(screen.width))
    , m_screenHeight(Clamped<quint16>(screen.height))
    , m_colorDepth(Clamped<quint8>(screen.colorDepth))
    , m_refreshRate(Clamped<quint16>(screen.refreshRate))
    , m_highDpi(screen.devicePixelRatio >= 2.0)
{
}

CHardwareProfile::~CHardwareProfile() = default;

bool CHardwareProfile::WindowsVersionText()
{
    Platform::SSystemVersion version;
    if (!Platform::ReadSystemVersion(version))
        return false;
    m_versionText = version.text;
    m_majorVersion = version.major;
    m_minorVersion = version.minor;
    m_server = m_versionText.toLower().contains(QLatin1String("server"));
    return true;
}
