#include "AppInfo.h"
#include "FormatsEnum.h"
#include "Settings.h"
#include "TestMain.h"
#include "UserProfile.h"
#include "platform/ColorScheme.h"

#include <QSettings>
#include <QSignalSpy>
#include <QThread>

namespace {

QSettings Store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, AppInfo::OrganizationName,
        AppInfo::ApplicationName);
}

// The program settings of a profile by key, yes/no as 0 or 1, wired independently of the
// profile's own table.
QMap<QString, int> ProgramValues(const CUserProfile &profile)
{
    return {
        { SettingsKey::LanguageId, profile.LanguageId },
        { SettingsKey::UseMulticore, profile.UseMulticore },
        { SettingsKey::ContextualMenu, profile.ContextualMenu },
        { SettingsKey::ShowProfiles, profile.ShowProfiles },
        { SettingsKey::ShowStartupWizard, profile.ShowStartupWizard },
        { SettingsKey::CheckNewAutoCheck, profile.AutoCheck },
        { SettingsKey::CheckNewInterval, profile.CheckNewInterval },
        { SettingsKey::WriteBatchLog, profile.QdvLog },
        { SettingsKey::MonitorLaunch, profile.MonitorLaunch },
        { SettingsKey::ThemeId, profile.ThemeId },
        { SettingsKey::MultipageWrite, profile.MultipageWrite },
        { SettingsKey::RawWhiteBalance, profile.RawWhiteBalance },
        { SettingsKey::RawHighlight, profile.RawHighlight },
        { SettingsKey::RawDemosaic, profile.RawDemosaic },
    };
}

const QStringList ExtensionCoders = { "PICT", "HEIF", "JPT", "JPG", "PDF", "PSD", "TGA", "TIF" };

} // namespace

class TestUserProfile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newJobDefaults();
    void emptyStoreLoadsDefaults();
    void storedValuesAreLoaded_data();
    void storedValuesAreLoaded();
    void destructionWritesEverySetting();
    void yesNoTwoIsWrittenBackAsOne();
    void nothingWrittenWithoutLoad();
    void extensionMap_data();
    void extensionMap();
    void darkTheme_data();
    void darkTheme();
    void statusTextReachesOtherThread();
    void resetColorProfile();
    void outputExtensionFromFormat_data();
    void outputExtensionFromFormat();
    void loadedJobNamesItsFiles();
};

void TestUserProfile::init()
{
    Store().clear();
}

void TestUserProfile::cleanup()
{
    CUserProfile::DeleteInstance();
    CFormatsEnum::DeleteInstance();
    qunsetenv("GTK_THEME");
}

void TestUserProfile::newJobDefaults()
{
    const CUserProfile *profile = CUserProfile::instance();
    QCOMPARE(profile->CustomProfile, QCoreApplication::applicationDirPath() + "/Data/sRGB.icm");
    QVERIFY(profile->FormatExtensions.isEmpty());
    QCOMPARE(profile->RenameSettings, SRenameSettings());
    QCOMPARE(CUserProfile::GhostscriptFormats.size(), profile->GhostscriptNotice.size());
    for (bool due : profile->GhostscriptNotice)
        QVERIFY(due);
}

void TestUserProfile::emptyStoreLoadsDefaults()
{
    CUserProfile *profile = CUserProfile::instance();
    profile->LoadSettings();

    const QMap<QString, int> values = ProgramValues(*profile);
    for (const SProgramSetting &setting : ProgramSettings)
        QCOMPARE(values.value(QLatin1String(setting.key), -99), setting.defaultValue);

    QMap<QString, QString> expected;
    for (const QString &coder : ExtensionCoders)
        expected.insert(coder, coder);
    QCOMPARE(profile->FormatExtensions, expected);
    // The catalogue is built on the way.
    QVERIFY(!CFormatsEnum::instance()->Formats().isEmpty());
}

void TestUserProfile::storedValuesAreLoaded_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("loaded");

    QTest::newRow("language") << SettingsKey::LanguageId << QVariant(1031) << 1031;
    QTest::newRow("language not a number") << SettingsKey::LanguageId << QVariant("German") << 0;
    QTest::newRow("multicore off") << SettingsKey::UseMulticore << QVariant(0) << 0;
    QTest::newRow("multicore 2 is yes") << SettingsKey::UseMulticore << QVariant(2) << 1;
    QTest::newRow("multicore -1 is yes") << SettingsKey::UseMulticore << QVariant(-1) << 1;
    QTest::newRow("context menu off") << SettingsKey::ContextualMenu << QVariant(0) << 0;
    QTest::newRow("show profiles") << SettingsKey::ShowProfiles << QVariant(1) << 1;
    QTest::newRow("start wizard off") << SettingsKey::ShowStartupWizard << QVariant(0) << 0;
    QTest::newRow("auto check off") << SettingsKey::CheckNewAutoCheck << QVariant(0) << 0;
    QTest::newRow("check interval") << SettingsKey::CheckNewInterval << QVariant(3) << 3;
    QTest::newRow("batch log off") << SettingsKey::WriteBatchLog << QVariant(0) << 0;
    QTest::newRow("monitor off") << SettingsKey::MonitorLaunch << QVariant(0) << 0;
    QTest::newRow("theme") << SettingsKey::ThemeId << QVariant(2) << 2;
    QTest::newRow("multipage") << SettingsKey::MultipageWrite << QVariant(2) << 2;
    QTest::newRow("white balance") << SettingsKey::RawWhiteBalance << QVariant(1) << 1;
    QTest::newRow("highlight") << SettingsKey::RawHighlight << QVariant(9) << 9;
    QTest::newRow("demosaic") << SettingsKey::RawDemosaic << QVariant(4) << 4;
}

void TestUserProfile::storedValuesAreLoaded()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(int, loaded);

    Store().setValue(key, stored);
    CUserProfile *profile = CUserProfile::instance();
    profile->LoadSettings();
    const QMap<QString, int> values = ProgramValues(*profile);
    QCOMPARE(values.value(key), loaded);
    // The other settings keep their defaults.
    for (const SProgramSetting &setting : ProgramSettings) {
        if (QLatin1String(setting.key) != key)
            QCOMPARE(values.value(QLatin1String(setting.key)), setting.defaultValue);
    }
}

void TestUserProfile::destructionWritesEverySetting()
{
    CUserProfile *profile = CUserProfile::instance();
    profile->LoadSettings();
    profile->ThemeId = 1;
    profile->UseMulticore = false;
    profile->RawHighlight = 5;
    profile->FormatExtensions.insert(QStringLiteral("TIF"), QStringLiteral("TIFF"));
    QVERIFY(Store().allKeys().isEmpty());
    CUserProfile::DeleteInstance();

    QSettings store = Store();
    QCOMPARE(store.allKeys().size(), int(ProgramSettings.size()) + ExtensionCoders.size());
    for (const SProgramSetting &setting : ProgramSettings) {
        const QString key = QLatin1String(setting.key);
        QVERIFY2(store.contains(key), qPrintable(key));
        int expected = setting.defaultValue;
        if (key == QLatin1String(SettingsKey::ThemeId))
            expected = 1;
        else if (key == QLatin1String(SettingsKey::UseMulticore))
            expected = 0;
        else if (key == QLatin1String(SettingsKey::RawHighlight))
            expected = 5;
        QCOMPARE(store.value(key).toInt(), expected);
    }
    for (const QString &coder : ExtensionCoders) {
        const QString expected = coder == QLatin1String("TIF") ? QStringLiteral("TIFF") : coder;
        QCOMPARE(store.value(FileExtensionKey(coder)).toString(), expected);
    }
}

void TestUserProfile::yesNoTwoIsWrittenBackAsOne()
{
    Store().setValue(SettingsKey::ShowProfiles, 2);
    CUserProfile::instance()->LoadSettings();
    QCOMPARE(CUserProfile::instance()->ShowProfiles, true);
    CUserProfile::DeleteInstance();
    QCOMPARE(Store().value(SettingsKey::ShowProfiles).toInt(), 1);
}

void TestUserProfile::nothingWrittenWithoutLoad()
{
    // A profile that never read the store holds defaults, not the user's choices.
    Store().setValue(SettingsKey::LanguageId, 1031);
    CUserProfile::instance()->LanguageId = 1036;
    CUserProfile::DeleteInstance();
    QCOMPARE(Store().allKeys(), QStringList { SettingsKey::LanguageId });
    QCOMPARE(Store().value(SettingsKey::LanguageId).toInt(), 1031);
}

void TestUserProfile::extensionMap_data()
{
    QTest::addColumn<QString>("coder");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("extension");

    QTest::newRow("jpeg held upper-cased") << "JPG"
                                           << "jpeg"
                                           << "JPEG";
    QTest::newRow("jpe") << "JPG"
                         << "JPE"
                         << "JPE";
    QTest::newRow("tiff") << "TIF"
                          << "tiff"
                          << "TIFF";
    QTest::newRow("pict first extension") << "PICT"
                                          << "PCT"
                                          << "PCT";
    QTest::newRow("heic") << "HEIF"
                          << "heic"
                          << "HEIC";
    QTest::newRow("tga variant") << "TGA"
                                 << "vst"
                                 << "VST";
    QTest::newRow("empty text") << "JPG"
                                << ""
                                << "JPG";
    QTest::newRow("another format's extension") << "JPG"
                                                << "PNG"
                                                << "JPG";
    QTest::newRow("a path") << "JPG"
                            << "../../x"
                            << "JPG";
    QTest::newRow("several extensions") << "JPG"
                                        << "JPEG/JPE"
                                        << "JPG";
}

void TestUserProfile::extensionMap()
{
    QFETCH(QString, coder);
    QFETCH(QString, stored);
    QFETCH(QString, extension);

    WriteSettingString(FileExtensionKey(coder), stored);
    CUserProfile *profile = CUserProfile::instance();
    profile->LoadSettings();
    QCOMPARE(profile->FormatExtensions.value(coder), extension);
    QCOMPARE(profile->FormatExtensions.size(), ExtensionCoders.size());
    CUserProfile::DeleteInstance();
    QCOMPARE(ReadSettingString(FileExtensionKey(coder), QString()), extension);
}

void TestUserProfile::darkTheme_data()
{
    QTest::addColumn<int>("themeId");
    QTest::addColumn<QString>("desktopTheme");
    QTest::addColumn<bool>("dark");

    QTest::newRow("dark chosen, light desktop") << 1 << "Adwaita" << true;
    QTest::newRow("light chosen, dark desktop") << 2 << "Adwaita:dark" << false;
    QTest::newRow("system, dark desktop") << 0 << "Adwaita:dark" << true;
    QTest::newRow("system, light desktop") << 0 << "Adwaita" << false;
    QTest::newRow("unknown choice follows desktop") << 7 << "Adwaita-dark" << true;
}

void TestUserProfile::darkTheme()
{
    QFETCH(int, themeId);
    QFETCH(QString, desktopTheme);
    QFETCH(bool, dark);

    qputenv("GTK_THEME", desktopTheme.toUtf8());
    Platform::RefreshDesktopScheme(); // as after the desktop announced a change
    CUserProfile *profile = CUserProfile::instance();
    profile->ThemeId = themeId;
    QCOMPARE(profile->IsDarkTheme(), dark);
}

void TestUserProfile::statusTextReachesOtherThread()
{
    CUserProfile *profile = CUserProfile::instance();
    QStringList shown;
    QObject receiver;
    connect(profile, &CUserProfile::UpdateStatusBar, &receiver,
        [&shown, profile] { shown << profile->GetStatusText(); });

    profile->SetStatusText(QStringLiteral("Reading photo"));
    QCOMPARE(shown, QStringList { QStringLiteral("Reading photo") });

    // A preview thread sets it; the GUI thread shows it through a queued call.
    QThread *thread = QThread::create([profile] { profile->SetStatusText(QStringLiteral("")); });
    thread->start();
    QVERIFY(thread->wait(5000));
    delete thread;
    QCOMPARE(shown.size(), 1);
    QTRY_COMPARE(shown.size(), 2);
    QCOMPARE(shown.last(), QString());
}

void TestUserProfile::resetColorProfile()
{
    CUserProfile *profile = CUserProfile::instance();
    profile->CustomProfile = QStringLiteral("/somewhere/else.icc");
    profile->ResetColorProfile();
    QCOMPARE(profile->CustomProfile, QCoreApplication::applicationDirPath() + "/Data/sRGB.icm");
}

void TestUserProfile::outputExtensionFromFormat_data()
{
    QTest::addColumn<QString>("outputFormat");
    QTest::addColumn<QString>("formatExtension");
    QTest::addColumn<QString>("outputExtension");

    QTest::newRow("chosen extension") << "JPG"
                                      << "JPEG"
                                      << "jpeg";
    QTest::newRow("format name any case") << "jpg"
                                          << "JPEG"
                                          << "jpeg";
    QTest::newRow("extension kept by default") << "TIF"
                                               << "TIF"
                                               << "tif";
    QTest::newRow("format without choice") << "PNG"
                                           << "PNG"
                                           << "png";
    QTest::newRow("nothing chosen") << ""
                                    << ""
                                    << "";
}

void TestUserProfile::outputExtensionFromFormat()
{
    QFETCH(QString, outputFormat);
    QFETCH(QString, formatExtension);
    QFETCH(QString, outputExtension);

    WriteSettingString(FileExtensionKey(QStringLiteral("JPG")), QStringLiteral("JPEG"));
    CUserProfile *profile = CUserProfile::instance();
    profile->LoadSettings();
    QCOMPARE(profile->FormatExtension(outputFormat), formatExtension);
    profile->OutputOptions.OutputFormat = outputFormat;
    profile->UpdateOutputExtension();
    QCOMPARE(profile->RenameSettings.OutputExtension, outputExtension);
}

void TestUserProfile::loadedJobNamesItsFiles()
{
    WriteSettingString(FileExtensionKey(QStringLiteral("TIF")), QStringLiteral("tiff"));
    CUserProfile *profile = CUserProfile::instance();
    profile->LoadSettings();

    // As a document leaves the job: saved options and an output format, nothing working yet.
    profile->RenameOptions.FilenameFormat = QStringLiteral("[Filename]_[Counter]");
    profile->RenameOptions.PresetRename = 3;
    profile->RenameOptions.CounterDigits = 3;
    profile->RenameOptions.ChangeCase = 1;
    profile->OutputOptions.OutputFormat = QStringLiteral("TIF");
    profile->RenameSettings.PhotoBaseName = QStringLiteral("IMG_7");
    profile->RenameSettings.PhotoIndex = 4;

    profile->RebuildRenameSettings();
    profile->UpdateOutputExtension();
    QCOMPARE(profile->RenameSettings.Pattern, QStringLiteral("[Filename]_[Counter].[Extension]"));
    QCOMPARE(profile->RenameSettings.Preset, 3);
    QCOMPARE(profile->RenameSettings.SearchReplace, true);
    QCOMPARE(profile->RenameSettings.PhotoBaseName, QStringLiteral("IMG_7"));

    SRenameSettings worker = profile->RenameSettings;
    worker.GenerateFileName(10, false);
    QCOMPARE(worker.GeneratedName, QStringLiteral("img_7_005.tiff"));

    // A preset from the document replaces the template when names are made.
    profile->RenameOptions.PresetRename = 0;
    profile->RebuildRenameSettings();
    worker = profile->RenameSettings;
    worker.GenerateFileName(10, false);
    QCOMPARE(worker.GeneratedName, QStringLiteral("IMG_7.tiff"));
    QCOMPARE(worker.ChangesFileName(), false);
}

QUENDRASIL_TEST_MAIN(TestUserProfile, QCoreApplication)
#include "tst_userprofile.moc"
