#include "AppInfo.h"
#include "Settings.h"
#include "TestMain.h"

#include <QSettings>
#include <QStandardPaths>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void emptyStoreGivesDefaults();
    void keyNamesAreThoseOtherProgramsRead();
    void writtenValueSeenThroughNewStore();
    void storeLivesInIsolatedUserFolder();
    void storeHoldingAPasswordStaysOwnerOnly();
    void textInNumberKeyReadsZero();
    void yesNoValueOtherThanOneStillReadsYes();
    void bytesKeepZerosAndBinary();
    void fileExtensionUpperCased();
    void installerSourceQuery_data();
    void installerSourceQuery();
};

void TestSettings::emptyStoreGivesDefaults()
{
    for (const SProgramSetting &setting : ProgramSettings)
        QCOMPARE(ReadSettingInt(QString::fromLatin1(setting.key), setting.defaultValue),
                 setting.defaultValue);
    const QStringList coders = {"PICT", "HEIF", "JPT", "JPG", "PDF", "PSD", "TGA", "TIF"};
    for (const QString &coder : coders)
        QCOMPARE(ReadFileExtension(coder), coder);
    QCOMPARE(ReadSettingString(QStringLiteral("GUI/Nothing.Here"), QStringLiteral("fallback")),
             QStringLiteral("fallback"));
    QCOMPARE(ReadSettingBytes(QStringLiteral("GUI/Nothing.Here"), QByteArray("x")),
             QByteArray("x"));
}

void TestSettings::keyNamesAreThoseOtherProgramsRead()
{
    // Stored files and the companion program address these exact keys, in this order.
    const QStringList expected = {
        "Settings/Settings.LanguageId",     "Settings/Settings.UseMulticore",
        "Settings/Settings.ContextualMenu", "Settings/Settings.ShowProfiles",
        "Settings/Settings.ShowStartupWizard", "Settings/CheckNew.AutoCheck",
        "Settings/CheckNew.Interval",       "Settings/ProcessEnv.QdvLog",
        "Settings/MonitorLaunch",           "Settings/Settings.ThemeId",
        "Settings/Settings.MultipageWrite", "Settings/Settings.RawWhiteBalance",
        "Settings/Settings.RawHighlight",   "Settings/Settings.RawDemosaic"};
    QStringList actual;
    for (const SProgramSetting &setting : ProgramSettings)
        actual << QString::fromLatin1(setting.key);
    QCOMPARE(actual, expected);

    const QList<int> defaults = {1033, 1, 1, 0, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0};
    QList<int> actualDefaults;
    for (const SProgramSetting &setting : ProgramSettings)
        actualDefaults << setting.defaultValue;
    QCOMPARE(actualDefaults, defaults);

    QCOMPARE(FileExtensionKey(QStringLiteral("JPG")), QStringLiteral("Settings/FileExtension.JPG"));
}

void TestSettings::writtenValueSeenThroughNewStore()
{
    WriteSettingInt(QString::fromLatin1(SettingsKey::ThemeId), 2);
    QCOMPARE(ReadSettingInt(QString::fromLatin1(SettingsKey::ThemeId), 0), 2);
    WriteSettingInt(QString::fromLatin1(SettingsKey::ThemeId), 1);
    QCOMPARE(ReadSettingInt(QString::fromLatin1(SettingsKey::ThemeId), 0), 1);

    const QString text = QStringLiteral("Übersicht – 日本 \"quoted\" & more");
    WriteSettingString(QStringLiteral("GUI/Test.Text"), text);
    QCOMPARE(ReadSettingString(QStringLiteral("GUI/Test.Text"), QString()), text);

    // A store object of its own, as the companion program would open it.
    QSettings other(QSettings::NativeFormat, QSettings::UserScope, AppInfo::OrganizationName,
                    AppInfo::ApplicationName);
    QCOMPARE(other.value(QStringLiteral("Settings/Settings.ThemeId")).toInt(), 1);
}

void TestSettings::storeLivesInIsolatedUserFolder()
{
    WriteSettingInt(QString::fromLatin1(SettingsKey::LanguageId), 1031);
    const QString file = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                   AppInfo::OrganizationName, AppInfo::ApplicationName)
                             .fileName();
    QVERIFY2(file.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")), qPrintable(file));
    QVERIFY(file.endsWith(QStringLiteral("/Tarrow&Lune/Quendrasil.conf")));
    QVERIFY(QFileInfo::exists(file));
}

// Once it holds a password the store is the user's alone, also after later writes.
void TestSettings::storeHoldingAPasswordStaysOwnerOnly()
{
    WriteSettingString(QStringLiteral("Settings/FTP.Password"), QStringLiteral("c2VjcmV0"));
    RestrictSettingsToOwner();
    const QString file = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                   AppInfo::OrganizationName, AppInfo::ApplicationName)
                             .fileName();
    const auto ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QCOMPARE(QFile::permissions(file) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
             ownerOnly);
    WriteSettingInt(QString::fromLatin1(SettingsKey::LanguageId), 1036);
    QCOMPARE(QFile::permissions(file) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser),
             ownerOnly);
}

void TestSettings::textInNumberKeyReadsZero()
{
    WriteSettingString(QStringLiteral("Settings/Settings.LanguageId"), QStringLiteral("English"));
    QCOMPARE(ReadSettingInt(QStringLiteral("Settings/Settings.LanguageId"), 1033), 0);
    WriteSettingString(QStringLiteral("Settings/Settings.LanguageId"), QStringLiteral("1036"));
    QCOMPARE(ReadSettingInt(QStringLiteral("Settings/Settings.LanguageId"), 1033), 1036);
}

void TestSettings::yesNoValueOtherThanOneStillReadsYes()
{
    WriteSettingInt(QString::fromLatin1(SettingsKey::UseMulticore), 2);
    QVERIFY(ReadSettingInt(QString::fromLatin1(SettingsKey::UseMulticore), 0) != 0);
    WriteSettingInt(QString::fromLatin1(SettingsKey::UseMulticore), 0);
    QCOMPARE(ReadSettingInt(QString::fromLatin1(SettingsKey::UseMulticore), 1), 0);
}

void TestSettings::bytesKeepZerosAndBinary()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    WriteSettingBytes(QStringLiteral("Settings/MainWindow.WindowGeometry"), bytes);
    QCOMPARE(ReadSettingBytes(QStringLiteral("Settings/MainWindow.WindowGeometry"), {}), bytes);
}

void TestSettings::fileExtensionUpperCased()
{
    WriteSettingString(FileExtensionKey(QStringLiteral("JPG")), QStringLiteral("jpeg"));
    QCOMPARE(ReadFileExtension(QStringLiteral("JPG")), QStringLiteral("JPEG"));
    // Keys are case-sensitive: another spelling of the coder is another key.
    QCOMPARE(ReadFileExtension(QStringLiteral("jpg")), QStringLiteral("JPG"));
}

void TestSettings::installerSourceQuery_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("query");
    QTest::newRow("tagged") << "C:\\Downloads\\setup-web.exe" << "s=web&";
    QTest::newRow("untagged") << "C:\\Downloads\\setup.exe" << "";
    QTest::newRow("several dashes") << "C:\\x\\setup-a-b.exe" << "s=a-b&";
    QTest::newRow("dash in folder only") << "C:\\my-downloads\\setup.exe" << "";
    QTest::newRow("no folder") << "setup-cd.exe" << "s=cd&";
    QTest::newRow("nothing stored") << "" << "";
    QTest::newRow("too short") << "abc" << "";
}

void TestSettings::installerSourceQuery()
{
    QFETCH(QString, stored);
    QFETCH(QString, query);
    if (stored.isEmpty())
        QSettings(QSettings::NativeFormat, QSettings::UserScope, AppInfo::OrganizationName,
                  AppInfo::ApplicationName)
            .remove(QString::fromLatin1(SettingsKey::InstallerPathName));
    else
        WriteSettingString(QString::fromLatin1(SettingsKey::InstallerPathName), stored);
    QCOMPARE(InstallerSourceQuery(), query);
}

QUENDRASIL_TEST_MAIN(TestSettings, QCoreApplication)
#include "tst_settings.moc"
