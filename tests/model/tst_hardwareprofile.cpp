#include "HardwareProfile.h"
#include "TestMain.h"

#include <QCoreApplication>
#include <QThread>

#include <limits>

// Describes a machine from given facts instead of the real one.
class CGivenProfile : public CHardwareProfile
{
public:
    CGivenProfile(int processorCount, const Platform::SScreenFacts &screen)
        : CHardwareProfile(processorCount, screen)
    {
    }
};

class TestHardwareProfile : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void saneWithoutScreen();
    void builtOnceAndRebuiltAfterDelete();
    void versionTextDescribesRunningSystem();
    void highDpiFromPixelRatio_data();
    void highDpiFromPixelRatio();
    void oddMachinesHeldInRange_data();
    void oddMachinesHeldInRange();
};

void TestHardwareProfile::cleanup()
{
    CHardwareProfile::DeleteInstance();
}

void TestHardwareProfile::saneWithoutScreen()
{
    const CHardwareProfile *profile = CHardwareProfile::instance();
    QVERIFY(profile->ProcessorCount() >= 1);
    QVERIFY(profile->ProcessorCount() <= std::max(QThread::idealThreadCount(), 1));
#if defined(__x86_64__)
    QCOMPARE(profile->Architecture(), QStringLiteral("x64"));
#endif
    QCOMPARE(profile->Architecture(), QLatin1String(sizeof(void *) == 8 ? "x64" : "x86"));
    // A QCoreApplication has no screen: nothing is made up.
    QCOMPARE(profile->ScreenWidth(), 0);
    QCOMPARE(profile->ScreenHeight(), 0);
    QCOMPARE(profile->ColorDepth(), 0);
    QCOMPARE(profile->RefreshRate(), 0);
    QVERIFY(!profile->IsHighDpi());
    QVERIFY(!profile->VersionText().isEmpty());
}

void TestHardwareProfile::builtOnceAndRebuiltAfterDelete()
{
    CHardwareProfile *first = CHardwareProfile::instance();
    QCOMPARE(CHardwareProfile::instance(), first);
    const QString text = first->VersionText();
    CHardwareProfile::DeleteInstance();
    CHardwareProfile *second = CHardwareProfile::instance();
    QVERIFY(second);
    QCOMPARE(second->VersionText(), text);
}

void TestHardwareProfile::versionTextDescribesRunningSystem()
{
    const CHardwareProfile *profile = CHardwareProfile::instance();
    const QString kernel = QSysInfo::kernelVersion();
    QVERIFY(profile->VersionText().endsWith(QStringLiteral(" (Build ") + kernel + ')'));
    const QStringList parts = kernel.split('.');
    QVERIFY(parts.size() >= 2);
    QCOMPARE(profile->MajorVersion(), parts[0].toInt());
    QCOMPARE(profile->MinorVersion(), parts[1].toInt());
    QVERIFY(profile->MajorVersion() >= 1);
    QCOMPARE(profile->IsServer(), profile->VersionText().contains("server", Qt::CaseInsensitive));

    // A second description is the same and still succeeds.
    CGivenProfile given(4, {});
    QVERIFY(given.VersionText().isEmpty());
    QVERIFY(given.WindowsVersionText());
    QCOMPARE(given.VersionText(), profile->VersionText());
}

void TestHardwareProfile::highDpiFromPixelRatio_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<bool>("highDpi");
    QTest::newRow("1.0") << 1.0 << false;
    QTest::newRow("1.5") << 1.5 << false;
    QTest::newRow("1.99") << 1.99 << false;
    QTest::newRow("2.0") << 2.0 << true;
    QTest::newRow("3.0") << 3.0 << true;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false;
}

void TestHardwareProfile::highDpiFromPixelRatio()
{
    QFETCH(double, ratio);
    QFETCH(bool, highDpi);
    Platform::SScreenFacts screen;
    screen.devicePixelRatio = ratio;
    QCOMPARE(CGivenProfile(8, screen).IsHighDpi(), highDpi);
}

void TestHardwareProfile::oddMachinesHeldInRange_data()
{
    QTest::addColumn<int>("processors");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("depth");
    QTest::addColumn<double>("refresh");
    QTest::addColumn<int>("heldProcessors");
    QTest::addColumn<int>("heldWidth");
    QTest::addColumn<int>("heldHeight");
    QTest::addColumn<int>("heldDepth");
    QTest::addColumn<int>("heldRefresh");

    QTest::newRow("ordinary") << 8 << 1920 << 1080 << 24 << 60.0 << 8 << 1920 << 1080 << 24 << 60;
    QTest::newRow("59.94 Hz truncated")
        << 8 << 2560 << 1440 << 32 << 59.94 << 8 << 2560 << 1440 << 32 << 59;
    QTest::newRow("no processors reported")
        << 0 << 800 << 600 << 16 << 75.0 << 1 << 800 << 600 << 16 << 75;
    QTest::newRow("more processors than the field holds")
        << 384 << 800 << 600 << 16 << 75.0 << 255 << 800 << 600 << 16 << 75;
    QTest::newRow("huge desktop") << 8 << 100000 << 70000 << 48 << 100000.5 << 8 << 65535 << 65535
                                  << 48 << 65535;
    QTest::newRow("negative values") << -2 << -1 << -1 << -24 << -60.0 << 1 << 0 << 0 << 0 << 0;
}

void TestHardwareProfile::oddMachinesHeldInRange()
{
    QFETCH(int, processors);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, depth);
    QFETCH(double, refresh);

    Platform::SScreenFacts screen;
    screen.width = width;
    screen.height = height;
    screen.colorDepth = depth;
    screen.refreshRate = refresh;
    const CGivenProfile profile(processors, screen);
    QTEST(profile.ProcessorCount(), "heldProcessors");
    QTEST(profile.ScreenWidth(), "heldWidth");
    QTEST(profile.ScreenHeight(), "heldHeight");
    QTEST(profile.ColorDepth(), "heldDepth");
    QTEST(profile.RefreshRate(), "heldRefresh");
    QCOMPARE(profile.Architecture(), CHardwareProfile::instance()->Architecture());
}

QUENDRASIL_TEST_MAIN(TestHardwareProfile, QCoreApplication)
#include "tst_hardwareprofile.moc"
