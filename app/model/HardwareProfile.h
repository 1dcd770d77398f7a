#pragma once

#include "platform/SystemInfo.h"

#include <QObject>
#include <QString>

// What the program needs to know of the machine, read once when first asked for and never
// changed afterwards. Built in the GUI thread (it reads the screens); once built, any thread
// may read it.
class CHardwareProfile : public QObject
{
    Q_OBJECT

public:
    static CHardwareProfile *instance(); // built on first use; GUI thread, no lock
    static void DeleteInstance();
    ~CHardwareProfile() override;

    // Describes the running system into the version fields; false (fields untouched) when
    // the version cannot be read. Called once by instance.
    bool WindowsVersionText();

    int ProcessorCount() const { return m_processorCount; }
    QString Architecture() const { return m_architecture; } // "x64"; "x86" in a 32-bit build
    int ScreenWidth() const { return m_screenWidth; }
    int ScreenHeight() const { return m_screenHeight; }
    int ColorDepth() const { return m_colorDepth; }
    int RefreshRate() const { return m_refreshRate; } // whole Hz, truncated
    bool IsHighDpi() const { return m_highDpi; } // device pixel ratio 2 or more
    QString VersionText() const { return m_versionText; }
    int MajorVersion() const { return m_majorVersion; }
    int MinorVersion() const { return m_minorVersion; }
    bool IsServer() const { return m_server; }

protected:
    // Takes the facts as given, so that odd machines can be described in tests.
    CHardwareProfile(int processorCount, const Platform::SScreenFacts &screen);

private:
    static CHardwareProfile *m_instance;

    quint8 m_processorCount = 1;
    QString m_architecture;
    quint16 m_screenWidth = 0;
    quint16 m_screenHeight = 0;
    quint8 m_colorDepth = 0;
    quint16 m_refreshRate = 0;
    bool m_highDpi = false;
    QString m_versionText;
    qint32 m_majorVersion = 0;
    qint32 m_minorVersion = 0;
    bool m_server = false;
};
