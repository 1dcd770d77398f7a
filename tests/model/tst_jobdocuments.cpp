#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "Scripts.h"
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

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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
    CListFilters::instance()->Append(Filter(4010, {3}, {}, false));
    CListFilters::instance()->Append(Filter(1000, {12.5}, {QStringLiteral("x<y")}));
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

void TestJobDocuments::projectRoundTrip()
{
    QStringList rejected;
    for (const char *photo : {"/p/one.jpg", "/p/two.PNG", "/p/sub/three.tif"})
        CListImages::instance()->AddImage(QString::fromLatin1(photo), rejected);
    CListFilters::instance()->Append(Filter(5040, {800, 600, 1, 0.25}, {}));
    CListFilters::instance()->Append(
        Filter(1100, {1, 2}, {QStringLiteral("© \"Ünïcode\" & <tags>"), QStringLiteral("Arial")},
               false));
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
    CListFilters::instance()->Append(Filter(3000, {1}, {}));
    const QString path = dir.filePath(QStringLiteral("p.qlf"));
    QVERIFY(CScripts(path).SaveDocument(CScripts::Profile));

    QStringList rejected;
    CListImages::instance()->AddImage(QStringLiteral("/p/keep.jpg"), rejected);
    CListFilters::instance()->Clear();
    CListFilters::instance()->Append(Filter(4010, {5}, {}));
    CListFilters::instance()->Append(Filter(4020, {5}, {}));
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
    QVERIFY(WriteBytes(path, ScriptText(rootAttributes,
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
    QVERIFY(WriteBytes(
        path, ScriptText(" Mode=\"Silent\"",
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
    QCOMPARE(profile->MonitorName, QStringLiteral("Job & co"));
    QCOMPARE(profile->PicCount, 41);
    QCOMPARE(profile->MonitorType, 1);
    QCOMPARE(CListImages::instance()->Images().value(0).pathName, photo);
}

void TestJobDocuments::scriptSearchFindsPhotosNextToScript()
{
    const QString scriptFolder = dir.filePath(QStringLiteral("scripts"));
    QVERIFY(QDir().mkpath(scriptFolder + QStringLiteral("/in/deeper")));
    for (const char *name : {"in/a.jpg", "in/B.JPG", "in/notes.txt", "in/deeper/c.jpg"})
        QVERIFY(WriteBytes(scriptFolder + QLatin1Char('/') + QLatin1String(name), "x"));
    const QString path = scriptFolder + QStringLiteral("/search.qlr");
    QVERIFY(WriteBytes(path, ScriptText("", "\t<Images>\r\n"
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
    QCOMPARE(found, (QStringList{"in/B.JPG", "in/a.jpg", "in/deeper/c.jpg"}));
}

void TestJobDocuments::searchDoesNotLoopThroughLinks()
{
    const QString root = dir.filePath(QStringLiteral("loop"));
    QVERIFY(QDir().mkpath(root + QStringLiteral("/sub")));
    QVERIFY(WriteBytes(root + QStringLiteral("/sub/x.jpg"), "x"));
    QVERIFY(QFile::link(root, root + QStringLiteral("/sub/back")));
    const QString path = dir.filePath(QStringLiteral("loop.qlr"));
    QVERIFY(WriteBytes(path, ScriptText("", "\t<Images>\r\n\t\t<Search Path=\"" + root.toUtf8()
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
    QVERIFY(WriteBytes(broken, "<?xml version=\"1.0\"?>\r\n<Project Version=\"3\"><Images>"));
    Load(broken, &ok);
    QVERIFY(!ok);
    QCOMPARE(CListImages::instance()->Count(), 1); // nothing changed

    const QString noImages = dir.filePath(QStringLiteral("noimages.qlp"));
    QVERIFY(WriteBytes(noImages, "<Project Version=\"3\"><Filters/></Project>"));
    Load(noImages, &ok);
    QVERIFY(!ok);
    const QString twoImages = dir.filePath(QStringLiteral("two.qlr"));
    QVERIFY(WriteBytes(twoImages, ScriptText("", "<Images/><Images/>")));
    Load(twoImages, &ok);
    QVERIFY(!ok);

    const QString empty = dir.filePath(QStringLiteral("empty.qlp"));
    QVERIFY(WriteBytes(empty, QByteArray()));
    Load(empty, &ok);
    QVERIFY(!ok);
}

void TestJobDocuments::emptyPropertyKeepsValue()
{
    CUserProfile *profile = CUserProfile::instance();
    profile->RenameOptions.SearchFor = QStringLiteral("keep me");
    profile->Quality = 77;
    const QString path = dir.filePath(QStringLiteral("emptyprop.qlf"));
    QVERIFY(WriteBytes(path, "<Profile Version=\"3\">"
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
    QCOMPARE(profile->OutputOptions.OutputFormat, CUserProfile::KeepOriginalFormatText());
}

void TestJobDocuments::unknownRootAppendsFilters()
{
    CListFilters::instance()->Append(Filter(4010, {1}, {}));
    const QString path = dir.filePath(QStringLiteral("other.xml"));
    QVERIFY(WriteBytes(path, "<Other Version=\"3\"><Filters><Filter Id=\"4020\"/></Filters>"
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
    QVERIFY(WriteBytes(path, "<Profile Version=\"3\"><Filters>"
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
    QVERIFY(WriteBytes(other, "old"));
    QVERIFY(CScripts(other).SaveDocument(9));
    QVERIFY(QFileInfo::exists(other));
    QCOMPARE(QFileInfo(other).size(), 0);
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
    QVERIFY(WriteBytes(path, "<Profile Version=\"2\"><Filters/></Profile>"));
    bool ok = false;
    Load(path, &ok);
    QVERIFY(ok); // the load goes on
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().startsWith(QStringLiteral("The project was created")));
}

QUENDRASIL_TEST_MAIN(TestJobDocuments, QCoreApplication)
#include "tst_jobdocuments.moc"
