#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "Scripts.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "UserProfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

SFilterRecord Filter(int id, QList<double> numbers, QStringList texts, bool active = true)
{
    SFilterRecord record;
    record.id = id;
    const SFilterInfo info = CFiltersEnum::instance()->FindById(id);
    record.name = info.name;
    record.description = info.description;
    record.numberCount = quint8(numbers.size());
    for (int i = 0; i < numbers.size(); ++i)
        record.numbers[i] = numbers[i];
    record.textCount = quint8(texts.size());
    for (int i = 0; i < texts.size(); ++i)
        record.texts[i] = texts[i];
    record.active = active;
    return record;
}

int Load(const QString &path, bool *ok = nullptr, int startMode = 0)
{
    int mode = startMode;
    CScripts scripts(path);
    const bool loaded = scripts.LoadDocument(mode);
    if (ok)
        *ok = loaded;
    return mode;
}

// A script document around the given inner lines, in the layout Monitor writes.
QByteArray ScriptText(const QByteArray &rootAttributes, const QByteArray &inner)
{
    return "<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n<Script Version=\"3\"" + rootAttributes
        + ">\r\n" + inner + "</Script>\r\n\r\n";
}
} // namespace

class TestJobDocuments : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void projectLayoutIsExact();
    void projectRoundTrip();
    void documentWithAPasswordIsTheOwnersOnly_data();
    void documentWithAPasswordIsTheOwnersOnly();
    void profileKeepsPhotosAndReplacesChain();
    void profileNameAndDescriptionComeBack();
    void scriptModesAndCommandId_data();
    void scriptModesAndCommandId();
    void monitorScriptKeepsNotificationFlags();
    void scriptSearchFindsPhotosNextToScript();
    void searchDoesNotLoopThroughLinks();
    void malformedAndIncompleteDocuments();
    void emptyPropertyKeepsValue();
    void unknownRootAppendsFilters();
    void filterReadingRules();
    void loadedJobNamesOutputsWithoutWindow();
    void saveKinds();
    void failedSaveKeepsOldDocument();
    void versionWarningGoesToHandler();
    void silentScriptNeverWaitsOnWarning();
    void controlCharactersSurviveOrFailCleanly();
    void ampersandTextsComeBackUnchanged();
    void losslessFlagTravelsWithTheJob();
    void scriptStateClearedByProjectNotByProfile();
    void refusedDocumentLeavesJobIntact();
    void goldenMonitorScript();
    void goldenDocuments_data();
    void goldenDocuments();

private:
    QTemporaryDir dir;
};

void TestJobDocuments::initTestCase()
{
    CFormatsEnum::instance()->GenerateList();
    CFiltersEnum::instance()->GenerateList();
}

void TestJobDocuments::init()
{
    CListImages::instance()->Clear();
    CListFilters::instance()->Clear();
    CUserProfile *profile = CUserProfile::instance();
    profile->RenameOptions = SRenameOptions();
    profile->OutputOptions = SOutputOptions();
    profile->SilentScript = false;
    profile->MonitorScript = false;
    CScripts::SetVersionWarningHandler({});
}

void TestJobDocuments::projectLayoutIsExact()
{
    QStringList rejected;
    CListImages::instance()->AddImage(QStringLiteral("/photos/a&b.jpg"), rejected);
    CListFilters::instance()->Append(Filter(4010, { 3 }, {}, false));
    CListFilters::instance()->Append(Filter(1000, { 12.5 }, { QStringLiteral("x<y") }));
    CListFilters::instance()->Append(Filter(4040, {}, {}));
    CUserProfile *profile = CUserProfile::instance();
    profile->OutputOptions.DestPath = QStringLiteral("/out/dir");

    const QString path = dir.filePath(QStringLiteral("layout.qlp"));
    QVERIFY(CScripts(path).SaveDocument(CScripts::Project));
    const QByteArray bytes = ReadBytes(path);

    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"utf-16\"?>\r\n"
                             "<Project Version=\"3\">\r\n\r\n"
                             "\t<Images>\r\n"
                             "\t\t<Image Path=\"\\photos\\a&amp;b.jpg\" />\r\n"
                             "\t</Images>\r\n\r\n"
                             "\t<Filters>\r\n"
                             "\t\t<Filter Id=\"4010\" Active=\"0\">\r\n"
                             "\t\t\t<Param Type=\"float\">3.000000</Param>\r\n"
                             "\t\t</Filter>\r\n"
                             "\t\t<Filter Id=\"1000\">\r\n"
                             "\t\t\t<Param Type=\"float\">12.500000</Param>\r\n"
                             "\t\t\t<Param Type=\"string\">x&lt;y</Param>\r\n"
                             "\t\t</Filter>\r\n"
                             "\t\t<Filter Id=\"4040\">\r\n"
                             "\t\t</Filter>\r\n"
                             "\t</Filters>\r\n\r\n"
                             "\t<Properties Class=\"Rename\">\r\n"));
    QVERIFY(bytes.contains("\t\t<Property Name=\"DestPath\">\\out\\dir</Property>\r\n"));
    QVERIFY(bytes.endsWith("\t</Properties>\r\n\r\n</Project>\r\n\r\n"));
    QVERIFY(!bytes.contains("\n\n")); // every line ends in CR LF
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    // The job keeps a folder this system can open; only the document has "\".
    QCOMPARE(profile->OutputOptions.DestPath, QStringLiteral("/out/dir"));
}

void TestJobDocuments::documentWithAPasswordIsTheOwnersOnly_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("password");
    QTest::newRow("project with a password") << int(CScripts::Project) << "c2VjcmV0";
    QTest::newRow("script with a password") << int(CScripts::Script) << "c2VjcmV0";
    QTest::newRow("profile with a password") << int(CScripts::Profile) << "c2VjcmV0";
}

void TestJobDocuments::documentWithAPasswordIsTheOwnersOnly()
{
    QFETCH(int, kind);
    QFETCH(QString, password);
    CUserProfile::instance()->OutputOptions.FTPPassword = password;
    const QString path = dir.filePath(QStringLiteral("secret.qlp"));
    QFile::remove(path);
    QVERIFY(CScripts(path).SaveDocument(kind));
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QVERIFY(!(QFile::permissions(path) & others));
    QVERIFY(QFile::permissions(path) & QFileDevice::ReadOwner);
    CUserProfile::instance()->OutputOptions.FTPPassword.clear();
}

void TestJobDocuments::projectRoundTrip()
{
    QStringList rejected;
    for (const char *photo : { "/p/one.jpg", "/p/two.PNG", "/p/sub/three.tif" })
        CListImages::instance()->AddImage(QString::fromLatin1(photo), rejected);
    CListFilters::instance()->Append(Filter(5040, { 800, 600, 1, 0.25 }, {}));
    CListFilters::instance()->Append(Filter(1100, { 1, 2 },
        { QStringLiteral("© \"Ünïcode\" & <tags>"), QStringLiteral("Arial") }, false));
    CUserProfile *profile = CUserProfile::instance();
    profile->RenameOptions.FilenameFormat = QStringLiteral("[Filename]_[Counter]");
    profile->RenameOptions.PresetRename = 3;
    profile->RenameOptions.CounterDigits = 4;
    profile->RenameOptions.SearchFor = QStringLiteral("a&b");
    profile->OutputOptions.OutputFormat = QStringLiteral("PNG");
    profile->OutputOptions.DestPath = QStringLiteral("/home/u/Out");
    profile->OutputOptions.FTPPassword = QStringLiteral("cGFzcw==");
    profile->OutputOptions.FTPHost = QStringLiteral("host<1>");
    profile->OutputOptions.Destination = 3;
    profile->Quality = 61;
    profile->CustomProfile = QStringLiteral("/icc/my profile.icm");
    const QList<SImageRecord> savedImages = CListImages::instance()->Images();
    const QList<SFilterRecord> savedFilters = CListFilters::instance()->Filters();
    const SRenameOptions savedRename = profile->RenameOptions;
    const SOutputOptions savedOutput = profile->OutputOptions;

    const QString path = dir.filePath(QStringLiteral("round.qlp"));
    QVERIFY(CScripts(path).SaveDocument(CScripts::Project));
    init();
    profile->Quality = 10;
    bool ok = false;
    Load(path, &ok);
    QVERIFY(ok);

    QCOMPARE(CListImages::instance()->Images().size(), savedImages.size());
    for (int i = 0; i < savedImages.size(); ++i)
        QCOMPARE(CListImages::instance()->Images()[i].pathName, savedImages[i].pathName);
    QCOMPARE(CListFilters::instance()->Filters(), savedFilters);
    QCOMPARE(profile->RenameOptions, savedRename);
    QCOMPARE(profile->OutputOptions, savedOutput);
    QCOMPARE(profile->Quality, 61);
    QCOMPARE(profile->CustomProfile, QStringLiteral("/icc/my profile.icm"));
}

void TestJobDocuments::profileKeepsPhotosAndReplacesChain()
{
    CListFilters::instance()->Append(Filter(3000, { 1 }, {}));
    const QString path = dir.filePath(QStringLiteral("p.qlf"));
    QVERIFY(CScripts(path).SaveDocument(CScripts::Profile));

    QStringList rejected;
    CListImages::instance()->AddImage(QStringLiteral("/p/keep.jpg"), rejected);
    CListFilters::instance()->Clear();
    CListFilters::instance()->Append(Filter(4010, { 5 }, {}));
    CListFilters::instance()->Append(Filter(4020, { 5 }, {}));
    bool ok = false;
    Load(path, &ok);
    QVERIFY(ok);
    QCOMPARE(CListImages::instance()->Count(), 1);
    QCOMPARE(CListFilters::instance()->Count(), 1);
    QCOMPARE(CListFilters::instance()->Filters().first().id, 3000);
    QVERIFY(ReadBytes(path).contains("<Property Name=\"Category\">User-Defined</Property>"));
}

void TestJobDocuments::profileNameAndDescriptionComeBack()
{
    const QString path = dir.filePath(QStringLiteral("named.qlf"));
    {
        CScripts scripts(path);
        scripts.profileName = QStringLiteral("Web & mail");
        scripts.profileDescription = QStringLiteral("Small <fast> copies");
        QVERIFY(scripts.SaveDocument(CScripts::Profile));
    }
    CScripts scripts(path);
    int mode = 0;
    QVERIFY(scripts.LoadDocument(mode));
    QCOMPARE(scripts.profileName, QStringLiteral("Web & mail"));
    QCOMPARE(scripts.profileDescription, QStringLiteral("Small <fast> copies"));
}

void TestJobDocuments::scriptModesAndCommandId_data()
{
    QTest::addColumn<QByteArray>("rootAttributes");
    QTest::addColumn<QByteArray>("properties");
    QTest::addColumn<int>("mode");
    QTest::newRow("plain script runs") << QByteArray() << QByteArray() << 0;
    QTest::newRow("edit script") << QByteArray(" Mode=\"Edit Script\"") << QByteArray() << 3;
    QTest::newRow("edit script, command 0 wins")
        << QByteArray(" Mode=\"Edit Script\"")
        << QByteArray("\t\t<Property Name=\"CommandId\">0</Property>\r\n") << 0;
    QTest::newRow("command 2") << QByteArray()
                               << QByteArray("\t\t<Property Name=\"CommandId\">2</Property>\r\n")
                               << 2;
}

void TestJobDocuments::scriptModesAndCommandId()
{
    QFETCH(QByteArray, rootAttributes);
    QFETCH(QByteArray, properties);
    QFETCH(int, mode);
    const QString path = dir.filePath(QStringLiteral("mode.qlr"));
    QVERIFY(WriteFile(path,
        ScriptText(rootAttributes,
            "\t<Properties Class=\"Script\">\r\n" + properties
                + "\t</Properties>\r\n\t<Images>\r\n\t</Images>\r\n")));
    bool ok = false;
    QCOMPARE(Load(path, &ok, 7 * 0), mode);
    QVERIFY(ok);
}

void TestJobDocuments::monitorScriptKeepsNotificationFlags()
{
    CUserProfile *profile = CUserProfile::instance();
    profile->OutputOptions.DisableNotifications = true;
    profile->OutputOptions.HideProcessing = true;
    const QString photo = dir.filePath(QStringLiteral("m.jpg"));
    const QString path = dir.filePath(QStringLiteral("monitor7.qlr"));
    QVERIFY(WriteFile(path,
        ScriptText(" Mode=\"Silent\"",
            "\t<Images>\r\n\t\t<Image Path=\"" + photo.toUtf8().replace('/', '\\')
                + "\" />\r\n\t</Images>\r\n"
                  "\t<Properties Class=\"Rename\">\r\n\t</Properties>\r\n"
                  "\t<Properties Class=\"Monitor\">\r\n"
                  "\t\t<Property Name=\"Id\">7</Property>\r\n"
                  "\t\t<Property Name=\"Name\">Job &amp;amp; co</Property>\r\n"
                  "\t\t<Property Name=\"PicCount\">41</Property>\r\n"
                  "\t\t<Property Name=\"Type\">5</Property>\r\n"
                  "\t</Properties>\r\n")));
    bool ok = false;
    Load(path, &ok);
    QVERIFY(ok);
    QVERIFY(profile->SilentScript);
    QVERIFY(profile->MonitorScript);
    QVERIFY(profile->OutputOptions.DisableNotifications);
    QVERIFY(profile->OutputOptions.HideProcessing);
    QCOMPARE(profile->MonitorId, QStringLiteral("7"));
    // Texts are decoded once: a name that really holds "&amp;" keeps it.
    QCOMPARE(profile->MonitorName, QStringLiteral("Job &amp; co"));
    QCOMPARE(profile->PicCount, 41);
    QCOMPARE(profile->MonitorType, 1);
    QCOMPARE(CListImages::instance()->Images().value(0).pathName, photo);
}

void TestJobDocuments::scriptSearchFindsPhotosNextToScript()
{
    const QString scriptFolder = dir.filePath(QStringLiteral("scripts"));
    QVERIFY(QDir().mkpath(scriptFolder + QStringLiteral("/in/deeper")));
    for (const char *name : { "in/a.jpg", "in/B.JPG", "in/notes.txt", "in/deeper/c.jpg" })
        QVERIFY(WriteFile(scriptFolder + QLatin1Char('/') + QLatin1String(name), "x"));
    const QString path = scriptFolder + QStringLiteral("/search.qlr");
    QVERIFY(WriteFile(path,
        ScriptText("",
            "\t<Images>\r\n"
            "\t\t<Search Path=\"in\\*.jpg\" Subfolders=\"1\" />\r\n"
            "\t</Images>\r\n")));
    const QString before = QDir::currentPath();
    bool ok = false;
    Load(path, &ok);
    QVERIFY(ok);
    QCOMPARE(QDir::currentPath(), before);
    QStringList found;
    for (const SImageRecord &image : CListImages::instance()->Images())
        found << image.pathName.mid(scriptFolder.size() + 1);
    found.sort();
    QCOMPARE(found, (QStringList { "in/B.JPG", "in/a.jpg", "in/deeper/c.jpg" }));
}

void TestJobDocuments::searchDoesNotLoopThroughLinks()
{
    const QString root = dir.filePath(QStringLiteral("loop"));
    QVERIFY(QDir().mkpath(root + QStringLiteral("/sub")));
    QVERIFY(WriteFile(root + QStringLiteral("/sub/x.jpg"), "x"));
    QVERIFY(QFile::link(root, root + QStringLiteral("/sub/back")));
    const QString path = dir.filePath(QStringLiteral("loop.qlr"));
    QVERIFY(WriteFile(path,
        ScriptText("",
            "\t<Images>\r\n\t\t<Search Path=\"" + root.toUtf8()
                + "/*.jpg\" Subfolders=\"1\" />\r\n"
                  "\t</Images>\r\n")));
    bool ok = false;
    Load(path, &ok);
    QVERIFY(ok);
    QCOMPARE(CListImages::instance()->Count(), 1);
}

void TestJobDocuments::malformedAndIncompleteDocuments()
{
    bool ok = true;
    Load(dir.filePath(QStringLiteral("missing.qlp")), &ok);
    QVERIFY(!ok);

    QStringList rejected;
    CListImages::instance()->AddImage(QStringLiteral("/p/stays.jpg"), rejected);
    const QString broken = dir.filePath(QStringLiteral("broken.qlp"));
    QVERIFY(WriteFile(broken, "<?xml version=\"1.0\"?>\r\n<Project Version=\"3\"><Images>"));
    Load(broken, &ok);
    QVERIFY(!ok);
    QCOMPARE(CListImages::instance()->Count(), 1); // nothing changed

    const QString noImages = dir.filePath(QStringLiteral("noimages.qlp"));
    QVERIFY(WriteFile(noImages, "<Project Version=\"3\"><Filters/></Project>"));
    Load(noImages, &ok);
    QVERIFY(!ok);
    const QString twoImages = dir.filePath(QStringLiteral("two.qlr"));
    QVERIFY(WriteFile(twoImages, ScriptText("", "<Images/><Images/>")));
    Load(twoImages, &ok);
    QVERIFY(!ok);

    const QString empty = dir.filePath(QStringLiteral("empty.qlp"));
    QVERIFY(WriteFile(empty, QByteArray()));
    Load(empty, &ok);
    QVERIFY(!ok);
}

void TestJobDocuments::emptyPropertyKeepsValue()
{
    CUserProfile *profile = CUserProfile::instance();
    profile->RenameOptions.SearchFor = QStringLiteral("keep me");
    profile->Quality = 77;
    const QString path = dir.filePath(QStringLiteral("emptyprop.qlf"));
    QVERIFY(WriteFile(path,
        "<Profile Version=\"3\">"
        "<Properties Class=\"Rename\"><Property Name=\"SearchFor\"></Property>"
        "<Property Name=\"Unknown\">1</Property></Properties>"
        "<Properties Class=\"Format\"><Property Name=\"Quality\">abc</Property>"
        "<Property Name=\"OutputFormat\">Original</Property></Properties>"
        "</Profile>"));
    bool ok = false;
    Load(path, &ok);
    QVERIFY(ok);
    QCOMPARE(profile->RenameOptions.SearchFor, QStringLiteral("keep me"));
    QCOMPARE(profile->Quality, 0); // text that is no number reads as 0
    QCOMPARE(profile->OutputOptions.OutputFormat, SOutputOptions::KeepOriginalFormat());
}

void TestJobDocuments::unknownRootAppendsFilters()
{
    CListFilters::instance()->Append(Filter(4010, { 1 }, {}));
    const QString path = dir.filePath(QStringLiteral("other.xml"));
    QVERIFY(WriteFile(path,
        "<Other Version=\"3\"><Filters><Filter Id=\"4020\"/></Filters>"
        "<Properties Class=\"Format\"><Property Name=\"Quality\">55</Property>"
        "</Properties></Other>"));
    bool ok = false;
    Load(path, &ok);
    QVERIFY(ok);
    QCOMPARE(CListFilters::instance()->Count(), 2);
    QCOMPARE(CUserProfile::instance()->Quality, 55);
}

void TestJobDocuments::filterReadingRules()
{
    QByteArray params;
    for (int i = 0; i < 40; ++i)
        params += "<Param Type=\"float\">" + QByteArray::number(i) + ".5</Param>";
    for (int i = 0; i < 20; ++i)
        params += "<Param Type=\"string\">t" + QByteArray::number(i) + "</Param>";
    const QString path = dir.filePath(QStringLiteral("filters.qlf"));
    QVERIFY(WriteFile(path,
        "<Profile Version=\"3\"><Filters>"
        "<Filter Id=\"4010\" Active=\"\"><Param Type=\"int\">9</Param></Filter>"
        "<Filter Id=\"2005\"><Param Type=\"float\">1</Param></Filter>"
        "<Filter Id=\"69546\"/>"
        "<Filter Id=\"4020\" Active=\"0\">"
            + params + "</Filter></Filters></Profile>"));
    bool ok = false;
    Load(path, &ok);
    QVERIFY(ok);
    const QList<SFilterRecord> &chain = CListFilters::instance()->Filters();
    QCOMPARE(chain.size(), 2); // ids the catalogue does not know are left out
    QCOMPARE(chain[0].id, 4010);
    QVERIFY(chain[0].active); // empty Active means active
    QCOMPARE(chain[0].numberCount, quint8(0));
    QCOMPARE(chain[0].name, QStringLiteral("Brightness"));
    QVERIFY(!chain[1].active);
    QCOMPARE(chain[1].numberCount, quint8(32));
    QCOMPARE(chain[1].numbers[31], 31.5);
    QCOMPARE(chain[1].textCount, quint8(16));
    QCOMPARE(chain[1].texts[15], QStringLiteral("t15"));
}

void TestJobDocuments::loadedJobNamesOutputsWithoutWindow()
{
    CUserProfile *profile = CUserProfile::instance();
    profile->RenameOptions.FilenameFormat = QStringLiteral("[Filename]-web");
    profile->RenameOptions.PresetRename = 3;
    profile->OutputOptions.OutputFormat = QStringLiteral("PNG");
    const QString path = dir.filePath(QStringLiteral("named.qlr"));
    QVERIFY(CScripts(path).SaveDocument(CScripts::Script));

    profile->RenameSettings = SRenameSettings();
    profile->RenameOptions = SRenameOptions();
    profile->OutputOptions.OutputFormat.clear();
    bool ok = false;
    Load(path, &ok);
    QVERIFY(ok);
    QCOMPARE(profile->RenameSettings.Pattern, QStringLiteral("[Filename]-web.[Extension]"));
    QCOMPARE(profile->RenameSettings.OutputExtension, QStringLiteral("png"));
    profile->RenameSettings.PhotoBaseName = QStringLiteral("IMG_1");
    profile->RenameSettings.GenerateFileName(2, true);
    QCOMPARE(profile->RenameSettings.GeneratedName, QStringLiteral("IMG_1-web.png"));
}

void TestJobDocuments::saveKinds()
{
    const QString script = dir.filePath(QStringLiteral("kind.qlr"));
    CUserProfile::instance()->OutputOptions.DisableNotifications = true;
    CUserProfile::instance()->OutputOptions.HideProcessing = true;
    QVERIFY(CScripts(script).SaveDocument(CScripts::Script));
    const QByteArray bytes = ReadBytes(script);
    QVERIFY(bytes.contains("\r\n<Script Version=\"3\">\r\n\r\n\t<Properties Class=\"Script\">\r\n"
                           "\t\t<Property Name=\"DisableNotifications\">1</Property>\r\n"
                           "\t\t<Property Name=\"HideProcessing\">0</Property>\r\n"));
    QVERIFY(!bytes.contains("Mode="));
    QVERIFY(!bytes.contains("Class=\"Interface\""));

    const QString other = dir.filePath(QStringLiteral("kind.xyz"));
    QVERIFY(WriteFile(other, "old"));
    QVERIFY(!CScripts(other).SaveDocument(9)); // not a kind: the file stays as it was
    QCOMPARE(ReadBytes(other), QByteArray("old"));
}

void TestJobDocuments::failedSaveKeepsOldDocument()
{
    const QString path = dir.filePath(QStringLiteral("nowhere/x.qlp"));
    QVERIFY(!CScripts(path).SaveDocument(CScripts::Project));
    QVERIFY(!QFileInfo::exists(path));
}

void TestJobDocuments::versionWarningGoesToHandler()
{
    QStringList warnings;
    CScripts::SetVersionWarningHandler([&](const QString &text) { warnings << text; });
    const QString path = dir.filePath(QStringLiteral("v2.qlf"));
    QVERIFY(WriteFile(path, "<Profile Version=\"2\"><Filters/></Profile>"));
    bool ok = false;
    Load(path, &ok);
    QVERIFY(ok); // the load goes on
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().startsWith(QStringLiteral("The project was created")));
}

void TestJobDocuments::silentScriptNeverWaitsOnWarning()
{
    int shown = 0;
    CScripts::SetVersionWarningHandler([&](const QString &) { ++shown; });
    const QString path = dir.filePath(QStringLiteral("old-silent.qlr"));
    QVERIFY(WriteFile(path, "<Script Version=\"1\" Mode=\"Silent\"><Images/></Script>"));
    bool ok = false;
    Load(path, &ok);
    QVERIFY(ok);
    QCOMPARE(shown, 0);
}

void TestJobDocuments::controlCharactersSurviveOrFailCleanly()
{
    QStringList rejected;
    const QString oddPhoto = QStringLiteral("/p/line\nbreak\ttab.jpg");
    QVERIFY(CListImages::instance()->AddImage(oddPhoto, rejected));
    CListFilters::instance()->Append(Filter(1000, {}, { QStringLiteral("two\r\nlines") }));
    const QString path = dir.filePath(QStringLiteral("control.qlp"));
    QVERIFY(CScripts(path).SaveDocument(CScripts::Project));
    init();
    bool ok = false;
    Load(path, &ok);
    QVERIFY(ok);
    QCOMPARE(CListImages::instance()->Images().value(0).pathName, oddPhoto);
    QCOMPARE(CListFilters::instance()->Filters().value(0).texts[0], QStringLiteral("two\r\nlines"));

    // A character XML 1.0 cannot hold: the save fails and the old document stays.
    const QByteArray before = ReadBytes(path);
    CListFilters::instance()->Append(Filter(1000, {}, { QStringLiteral("bell\x07") }));
    CScripts scripts(path);
    QVERIFY(!scripts.SaveDocument(CScripts::Project));
    QVERIFY(scripts.ErrorText().contains(QStringLiteral("bell")));
    QCOMPARE(ReadBytes(path), before);
}

void TestJobDocuments::ampersandTextsComeBackUnchanged()
{
    QStringList rejected;
    const QString photo = QStringLiteral("/p/Tom &amp; Jerry's <best>.jpg");
    QVERIFY(CListImages::instance()->AddImage(photo, rejected));
    CUserProfile::instance()->RenameOptions.SearchFor = QStringLiteral("&lt;");
    const QString path = dir.filePath(QStringLiteral("amp.qlr"));
    QVERIFY(CScripts(path).SaveDocument(CScripts::Script));
    init();
    bool ok = false;
    Load(path, &ok);
    QVERIFY(ok);
    QCOMPARE(CListImages::instance()->Images().value(0).pathName, photo);
    QCOMPARE(CUserProfile::instance()->RenameOptions.SearchFor, QStringLiteral("&lt;"));
}

void TestJobDocuments::losslessFlagTravelsWithTheJob()
{
    CUserProfile *profile = CUserProfile::instance();
    profile->Lossless = true;
    const QString path = dir.filePath(QStringLiteral("lossless.qlf"));
    QVERIFY(CScripts(path).SaveDocument(CScripts::Profile));
    profile->Lossless = false;
    bool ok = false;
    Load(path, &ok);
    QVERIFY(ok);
    QVERIFY(profile->Lossless);
    profile->Lossless = false;
}

void TestJobDocuments::scriptStateClearedByProjectNotByProfile()
{
    CUserProfile *profile = CUserProfile::instance();
    const QString monitorScript = dir.filePath(QStringLiteral("state.qlr"));
    QVERIFY(WriteFile(monitorScript,
        ScriptText(" Mode=\"Silent\"",
            "<Images/><Properties Class=\"Monitor\">"
            "<Property Name=\"Id\">3</Property></Properties>")));
    bool ok = false;
    Load(monitorScript, &ok);
    QVERIFY(ok && profile->SilentScript && profile->MonitorScript);

    const QString profilePath = dir.filePath(QStringLiteral("state.qlf"));
    QVERIFY(CScripts(profilePath).SaveDocument(CScripts::Profile));
    Load(profilePath, &ok);
    QVERIFY(ok && profile->SilentScript && profile->MonitorScript); // a script may ask for one

    const QString project = dir.filePath(QStringLiteral("state.qlp"));
    QVERIFY(CScripts(project).SaveDocument(CScripts::Project));
    Load(project, &ok);
    QVERIFY(ok);
    QVERIFY(!profile->SilentScript);
    QVERIFY(!profile->MonitorScript);
    QVERIFY(profile->MonitorId.isEmpty());
}

void TestJobDocuments::refusedDocumentLeavesJobIntact()
{
    QStringList rejected;
    CListImages::instance()->AddImage(QStringLiteral("/p/keep.jpg"), rejected);
    CListFilters::instance()->Append(Filter(4010, { 1 }, {}));
    for (const QByteArray &text :
        { QByteArray("<Project Version=\"3\"><Filters><Filter Id=\"4020\"/></Filters></Project>"),
            QByteArray("<Script Version=\"3\"><Images/><Sub><Images/></Sub></Script>") }) {
        const QString path = dir.filePath(QStringLiteral("refused.qlp"));
        QVERIFY(WriteFile(path, text));
        bool ok = true;
        Load(path, &ok);
        QVERIFY(!ok);
        QCOMPARE(CListImages::instance()->Count(), 1);
        QCOMPARE(CListFilters::instance()->Count(), 1);
        QCOMPARE(CListFilters::instance()->Filters().first().id, 4010);
    }
}

namespace {
// The job that every golden document holds.
void BuildGoldenJob()
{
    QStringList rejected;
    for (const char *photo : { "/home/anna/Pictures/Holiday 2026/IMG_0001.JPG",
             "/home/anna/Pictures/Holiday 2026/Tom & Jerry.png",
             "/home/anna/Pictures/raw/DSC_0042.NEF" })
        CListImages::instance()->AddImage(QString::fromUtf8(photo), rejected);
    CListFilters::instance()->Append(Filter(5040, { 1600, 1200, 1, 0, 1 }, {}));
    CListFilters::instance()->Append(Filter(1010, { 12.5, 0, 8, 255, 0.75 },
        { QStringLiteral("Arial"), QStringLiteral("\"%Y\" <date>") }));
    CListFilters::instance()->Append(Filter(4040, {}, {}, false));
    CUserProfile *profile = CUserProfile::instance();
    profile->RenameOptions.FilenameFormat = QStringLiteral("[FolderName]_[Counter]");
    profile->RenameOptions.PresetRename = 3;
    profile->RenameOptions.CounterDigits = 4;
    profile->RenameOptions.SearchFor = QStringLiteral("IMG");
    profile->RenameOptions.ReplaceWith = QStringLiteral("Photo");
    profile->OutputOptions.Destination = 1;
    profile->OutputOptions.OutputFolderStruct = 3;
    profile->OutputOptions.OutputFolder = QStringLiteral("web");
    profile->OutputOptions.DestPath = QStringLiteral("/home/anna/Pictures/Out");
    profile->OutputOptions.OutputFormat = QStringLiteral("JPG");
    profile->OutputOptions.FTPPassword = QStringLiteral("c2VjcmV0");
    profile->OutputOptions.FTPPort = QStringLiteral("21");
    profile->OutputOptions.OpenOutputFolder = true;
    profile->Quality = 85;
    profile->CustomProfile = QStringLiteral("/usr/lib/quendrasil/Data/sRGB.icm");
    profile->DefaultFormat = QStringLiteral("JPG");
    profile->Step1Preview = true;
    profile->Step2Preview = false;
}

QString GoldenPath(const QString &name)
{
    return QStringLiteral(QUENDRASIL_TEST_SOURCE_DIR "/golden/") + name;
}
} // namespace

void TestJobDocuments::goldenDocuments_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::newRow("project") << "project.qlp" << int(CScripts::Project);
    QTest::newRow("profile") << "profile.qlf" << int(CScripts::Profile);
    QTest::newRow("script") << "script.qlr" << int(CScripts::Script);
}

void TestJobDocuments::goldenDocuments()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    BuildGoldenJob();
    const QString first = dir.filePath(QStringLiteral("first-") + name);
    {
        CScripts scripts(first);
        scripts.profileName = QStringLiteral("Web gallery");
        scripts.profileDescription = QStringLiteral("1600 px & a date stamp");
        QVERIFY(scripts.SaveDocument(kind));
    }
    if (qEnvironmentVariableIsSet("QUENDRASIL_UPDATE_GOLDEN"))
        QFile::copy(first, GoldenPath(name));
    QCOMPARE(ReadBytes(first), ReadBytes(GoldenPath(name)));

    // Save, load, save: the second document is the same, byte for byte.
    const QList<SFilterRecord> chain = CListFilters::instance()->Filters();
    init();
    CScripts loader(GoldenPath(name));
    int mode = 0;
    QVERIFY(loader.LoadDocument(mode));
    QCOMPARE(CListFilters::instance()->Filters(), chain);
    const QString second = dir.filePath(QStringLiteral("second-") + name);
    CScripts saver(second);
    saver.profileName = loader.profileName;
    saver.profileDescription = loader.profileDescription;
    QVERIFY(saver.SaveDocument(kind));
    QCOMPARE(ReadBytes(second), ReadBytes(GoldenPath(name)));
}

void TestJobDocuments::goldenMonitorScript()
{
    CScripts::SetVersionWarningHandler([](const QString &) { QFAIL("no warning expected"); });
    CScripts scripts(GoldenPath(QStringLiteral("monitor.qlr")));
    int mode = 5;
    QVERIFY(scripts.LoadDocument(mode));
    QCOMPARE(mode, 5); // no Script block: the caller's mode stands
    const CUserProfile *profile = CUserProfile::instance();
    QVERIFY(profile->SilentScript);
    QVERIFY(profile->MonitorScript);
    QCOMPARE(profile->MonitorId, QStringLiteral("12"));
    QCOMPARE(profile->MonitorName, QStringLiteral("Camera 1 & 2"));
    QCOMPARE(profile->MonitorFolder, QStringLiteral("/srv/incoming/cam1"));
    QVERIFY(profile->SilentMode);
    QCOMPARE(profile->PicCount, 250);
    QCOMPARE(profile->OutputOptions.DestPath, QStringLiteral("/srv/processed"));
    QCOMPARE(profile->OutputOptions.OutputFormat, SOutputOptions::KeepOriginalFormat());
    QCOMPARE(profile->Quality, 90);
    QCOMPARE(CListImages::instance()->Count(), 2);
    QCOMPARE(CListImages::instance()->Images().at(1).pathName,
        QStringLiteral("/srv/incoming/cam1/IMG_0101.JPG"));
    QCOMPARE(CListFilters::instance()->Count(), 1);
    QCOMPARE(CListFilters::instance()->Filters().first().numbers[1], 600.0);
}

QUENDRASIL_TEST_MAIN(TestJobDocuments, QCoreApplication)
#include "tst_jobdocuments.moc"
