#include "ImageEngineSetup.h"
#include "TestFiles.h"
#include "TestMain.h"

#include "ColorProfiles.h"
#include "ImageManager.h"
#include "JobSnapshot.h"
#include "UserProfile.h"
#include "platform/ProgramFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <Magick++.h>

#include <atomic>
#include <memory>
#include <vector>

namespace {

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray BlobBytes(const Magick::Blob &blob)
{
    return QByteArray(static_cast<const char *>(blob.data()), qsizetype(blob.length()));
}

Magick::Blob ToBlob(const QByteArray &bytes)
{
    return Magick::Blob(bytes.constData(), size_t(bytes.size()));
}

// A red and blue photo, the colours far enough apart that a botched conversion shows.
Magick::Image MakeRgbPhoto()
{
    Magick::Image image(Magick::Geometry(48, 32), Magick::ColorRGB(1.0, 0.0, 0.0));
    image.draw(Magick::DrawableList { Magick::DrawableFillColor(Magick::ColorRGB(0.0, 0.0, 1.0)),
        Magick::DrawableRectangle(24, 0, 47, 31) });
    return image;
}

// A CMYK JPEG as a prepress program would hand it over, with or without its own profile.
// The image options of the job as the profile holds it now.
SImageOptions JobOptions()
{
    return SImageOptions::FromProfile(*CUserProfile::instance());
}

void WriteCmykJpeg(const QString &path, const QByteArray &cmykProfile)
{
    Magick::Image image = MakeRgbPhoto();
    image.quality(95);
    if (cmykProfile.isEmpty()) {
        image.colorSpace(Magick::CMYKColorspace);
    } else {
        image.profile("ICC", ToBlob(FileBytes(Platform::ProgramDataFolder() + "/sRGB.icm")));
        image.profile("ICC", ToBlob(cmykProfile));
    }
    image.write(path.toStdString());
}

// The 8-bit colour at a point.
QList<int> ColorAt(const Magick::Image &image, int x, int y)
{
    const Magick::ColorRGB color = image.pixelColor(x, y);
    return { qRound(color.red() * 255), qRound(color.green() * 255), qRound(color.blue() * 255) };
}

bool IsRedLeftBlueRight(const Magick::Image &image)
{
    const QList<int> left = ColorAt(image, 4, 16);
    const QList<int> right = ColorAt(image, 44, 16);
    return left[0] > 170 && left[1] < 90 && left[2] < 90 && right[0] < 90 && right[2] > 120;
}

} // namespace

class TestColorProfiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void cmykJpegIsReadAsSRGB_data();
    void cmykJpegIsReadAsSRGB();
    void rgbPhotoIsReadUntouched();
    void cmykPhotoWithRgbProfileFailsOnReading();

    void outputProfile_data();
    void outputProfile();

    void unusableCustomProfileFallsBackToSRGB_data();
    void unusableCustomProfileFallsBackToSRGB();
    void eachJobGetsTheCustomProfileItNames();
    void customProfileSurvivesARecreatedJob();

    void twoThreadsConvertAtOnce();

private:
    QTemporaryDir m_folder;
    QByteArray m_sRGB;
    QByteArray m_cmyk;
    QByteArray m_otherCmyk; // a second CMYK profile, told apart from the shipped one
    QString m_customPath;
};

void TestColorProfiles::initTestCase()
{
    QVERIFY(m_folder.isValid());
    CUserProfile::instance();
    m_sRGB = FileBytes(Platform::ProgramDataFolder() + "/sRGB.icm");
    m_cmyk = FileBytes(Platform::ProgramDataFolder() + "/RSWOP.ICM");
    QVERIFY2(m_sRGB.size() > 132 && m_cmyk.size() > 132, "Data/ profiles missing");

    // Same colours, another creation date: a different profile as far as bytes go.
    m_otherCmyk = m_cmyk;
    const char date[12] = { 0x07, char(0xD1), 0, 3, 0, 4, 0, 5, 0, 6, 0, 7 };
    m_otherCmyk.replace(24, 12, QByteArray(date, 12));
    QVERIFY(m_otherCmyk != m_cmyk);

    // Custom profiles are copies in a folder of our own, like a file the user picked.
    m_customPath = m_folder.filePath("Custom Profile é.icc");
    QVERIFY(WriteFile(m_customPath, m_otherCmyk));
}

void TestColorProfiles::init()
{
    CUserProfile *profile = CUserProfile::instance();
    profile->JpegType = 1;
    profile->TiffType = 2;
    profile->CustomProfile = m_customPath;
    CIMColorProfiles::instance()->ClearCustomLoaded();
}

void TestColorProfiles::cmykJpegIsReadAsSRGB_data()
{
    QTest::addColumn<bool>("ownProfile");
    QTest::newRow("without own profile: read through the CMYK profile") << false;
    QTest::newRow("with own profile") << true;
}

void TestColorProfiles::cmykJpegIsReadAsSRGB()
{
    QFETCH(bool, ownProfile);
    const QString path = m_folder.filePath("cmyk.jpg");
    WriteCmykJpeg(path, ownProfile ? m_otherCmyk : QByteArray());

    Magick::Image image(path.toStdString());
    QCOMPARE(image.colorSpace(), Magick::CMYKColorspace);
    bool cmykSource = false;
    Magick::Blob embedded;
    QVERIFY(CIMColorProfiles::instance()->ConvertSourceToSRGB(image, cmykSource, embedded));

    QVERIFY(cmykSource);
    QCOMPARE(BlobBytes(embedded), ownProfile ? m_otherCmyk : QByteArray());
    QVERIFY(image.colorSpace() != Magick::CMYKColorspace);
    QCOMPARE(BlobBytes(image.profile("ICC")), m_sRGB);
    QVERIFY2(IsRedLeftBlueRight(image), "colours lost in the conversion");
}

void TestColorProfiles::rgbPhotoIsReadUntouched()
{
    Magick::Image image = MakeRgbPhoto();
    const QList<int> before = ColorAt(image, 4, 16);
    bool cmykSource = true;
    Magick::Blob embedded = ToBlob("left over");
    QVERIFY(CIMColorProfiles::instance()->ConvertSourceToSRGB(image, cmykSource, embedded));
    QVERIFY(!cmykSource);
    QCOMPARE(embedded.length(), size_t(0));
    QCOMPARE(image.profile("ICC").length(), size_t(0));
    QCOMPARE(ColorAt(image, 4, 16), before);
}

void TestColorProfiles::cmykPhotoWithRgbProfileFailsOnReading()
{
    // Bad input from careless software: CMYK pixels labelled with an RGB profile.
    Magick::Image image = MakeRgbPhoto();
    image.colorSpace(Magick::CMYKColorspace);
    try {
        image.profile("ICC", ToBlob(m_sRGB));
    } catch (const Magick::Exception &) {
        QSKIP("ImageMagick refuses to label CMYK pixels with an RGB profile");
    }
    bool cmykSource = false;
    Magick::Blob embedded;
    QVERIFY(!CIMColorProfiles::instance()->ConvertSourceToSRGB(image, cmykSource, embedded));
    QVERIFY(cmykSource);
}

void TestColorProfiles::outputProfile_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<int>("jpegType");
    QTest::addColumn<int>("tiffType");
    QTest::addColumn<QString>("source"); // "rgb", "cmyk", "cmyk+own"
    QTest::addColumn<QString>("written"); // the profile in the file: "", sRGB, CMYK, own, custom
    QTest::addColumn<bool>("cmykFile");

    QTest::newRow("RGB photo as RGB JPEG: no profile step") << "JPG" << 1 << 2 << "rgb"
                                                            << "" << false;
    QTest::newRow("RGB photo as CMYK JPEG") << "JPG" << 2 << 2 << "rgb"
                                            << "CMYK" << true;
    QTest::newRow("RGB photo as CMYK TIFF") << "TIF" << 1 << 4 << "rgb"
                                            << "CMYK" << true;
    QTest::newRow("RGB photo as custom JPEG") << "JPG" << 3 << 2 << "rgb"
                                              << "custom" << true;
    QTest::newRow("RGB photo as custom TIFF") << "TIFF" << 1 << 5 << "rgb"
                                              << "custom" << true;
    QTest::newRow("CMYK photo as RGB JPEG stays sRGB") << "JPG" << 1 << 2 << "cmyk"
                                                       << "sRGB" << false;
    QTest::newRow("CMYK photo as CMYK JPEG") << "JPG" << 2 << 2 << "cmyk"
                                             << "CMYK" << true;
    QTest::newRow("CMYK photo goes back to its own profile") << "TIF" << 1 << 4 << "cmyk+own"
                                                             << "own" << true;
    QTest::newRow("CMYK photo as custom TIFF") << "TIF" << 1 << 5 << "cmyk"
                                               << "custom" << true;
    QTest::newRow("PNG ignores the JPEG and TIFF colour types") << "PNG" << 2 << 4 << "rgb"
                                                                << "" << false;
}

void TestColorProfiles::outputProfile()
{
    QFETCH(QString, extension);
    QFETCH(int, jpegType);
    QFETCH(int, tiffType);
    QFETCH(QString, source);
    QFETCH(QString, written);
    QFETCH(bool, cmykFile);

    CIMColorProfiles *profiles = CIMColorProfiles::instance();
    CUserProfile::instance()->JpegType = jpegType;
    CUserProfile::instance()->TiffType = tiffType;

    Magick::Image image;
    bool cmykSource = false;
    Magick::Blob embedded;
    if (source == "rgb") {
        image = MakeRgbPhoto();
    } else {
        const QString sourcePath = m_folder.filePath("source.jpg");
        // The photo's own profile must differ from the shipped and the custom one.
        QByteArray ownProfile = m_cmyk;
        ownProfile[25] = 0x05;
        WriteCmykJpeg(sourcePath, source == "cmyk+own" ? ownProfile : QByteArray());
        image.read(sourcePath.toStdString());
        QVERIFY(profiles->ConvertSourceToSRGB(image, cmykSource, embedded));
        if (source == "cmyk+own")
            QCOMPARE(BlobBytes(embedded), ownProfile);
    }

    QVERIFY(profiles->SetOutputProfile(image, extension, JobOptions(), cmykSource, embedded));
    const QString path = m_folder.filePath("output." + extension.toLower());
    image.write(path.toStdString());

    Magick::Image result(path.toStdString());
    const QByteArray profile = BlobBytes(result.profile("ICC"));
    if (written.isEmpty())
        QVERIFY(profile.isEmpty());
    else if (written == "sRGB")
        QCOMPARE(profile, m_sRGB);
    else if (written == "CMYK")
        QCOMPARE(profile, m_cmyk);
    else if (written == "own")
        QCOMPARE(profile, BlobBytes(embedded));
    else
        QCOMPARE(profile, m_otherCmyk);
    QCOMPARE(result.colorSpace() == Magick::CMYKColorspace, cmykFile);
}

void TestColorProfiles::unusableCustomProfileFallsBackToSRGB_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("not a profile") << QByteArray("Just some text that a user renamed to .icc");
    QTest::newRow("truncated profile")
        << FileBytes(Platform::ProgramDataFolder() + "/RSWOP.ICM").left(4000);
}

void TestColorProfiles::unusableCustomProfileFallsBackToSRGB()
{
    QFETCH(QByteArray, content);
    const QString path = m_folder.filePath(QString("broken-%1.icc").arg(QTest::currentDataTag()));
    if (QByteArray(QTest::currentDataTag()) != "missing file")
        QVERIFY(WriteFile(path, content));
    CUserProfile::instance()->CustomProfile = path;
    CUserProfile::instance()->JpegType = 3;

    CIMColorProfiles *profiles = CIMColorProfiles::instance();
    QVERIFY(profiles->Load(CIMColorProfiles::ProfileCustom, path));
    QCOMPARE(BlobBytes(profiles->Profile(CIMColorProfiles::ProfileCustom, path)), m_sRGB);

    Magick::Image image = MakeRgbPhoto();
    QVERIFY(profiles->SetOutputProfile(image, "JPG", JobOptions(), false, Magick::Blob()));
    QCOMPARE(BlobBytes(image.profile("ICC")), m_sRGB);
    QVERIFY(IsRedLeftBlueRight(image));
}

void TestColorProfiles::eachJobGetsTheCustomProfileItNames()
{
    CIMColorProfiles *profiles = CIMColorProfiles::instance();
    const QString shipped = Platform::ProgramDataFolder() + "/RSWOP.ICM";
    QVERIFY(profiles->Load(CIMColorProfiles::ProfileCustom, m_customPath));
    // Another job (after a load, an undo or New) names another file: it gets that one at once.
    QVERIFY(profiles->Load(CIMColorProfiles::ProfileCustom, shipped));
    QCOMPARE(BlobBytes(profiles->Profile(CIMColorProfiles::ProfileCustom, shipped)), m_cmyk);
    QCOMPARE(BlobBytes(profiles->Profile(CIMColorProfiles::ProfileCustom, m_customPath)),
        m_otherCmyk);

    profiles->ClearCustomLoaded();
    QVERIFY(!profiles->IsLoaded(CIMColorProfiles::ProfileCustom, m_customPath));
}

// The job is deleted and made again (a window closed and another opened), naming another
// custom profile: a JPEG written then embeds the profile the new job names.
void TestColorProfiles::customProfileSurvivesARecreatedJob()
{
    const QString shipped = Platform::ProgramDataFolder() + "/RSWOP.ICM";
    for (const QString &custom : { m_customPath, shipped }) {
        CUserProfile::DeleteInstance();
        CUserProfile::instance()->CustomProfile = custom;
        CUserProfile::instance()->JpegType = 3;
        CImageManager manager;
        manager.options = JobOptions();
        manager.SetImage(MakeRgbPhoto());
        const QString path = m_folder.filePath("recreated.jpg");
        QVERIFY(manager.Write(path));
        Magick::Image written(path.toStdString());
        QCOMPARE(BlobBytes(written.profile("ICC")), custom == shipped ? m_cmyk : m_otherCmyk);
    }
}

void TestColorProfiles::twoThreadsConvertAtOnce()
{
    const QString sourcePath = m_folder.filePath("shared-source.jpg");
    WriteCmykJpeg(sourcePath, QByteArray());
    CUserProfile::instance()->JpegType = 2; // CMYK JPEG
    CUserProfile::instance()->TiffType = 5; // custom TIFF, loaded by whichever thread comes first

    const SImageOptions options = JobOptions();
    constexpr int ThreadCount = 4;
    constexpr int Rounds = 6;
    std::atomic<int> failures { 0 };
    std::vector<std::unique_ptr<QThread>> threads;
    for (int index = 0; index < ThreadCount; ++index) {
        const QString extension = index % 2 ? "TIF" : "JPG";
        const QByteArray expected = index % 2 ? m_otherCmyk : m_cmyk;
        threads.emplace_back(QThread::create([&, extension, expected]() {
            for (int round = 0; round < Rounds; ++round) {
                try {
                    Magick::Image image(sourcePath.toStdString());
                    bool cmykSource = false;
                    Magick::Blob embedded;
                    CIMColorProfiles *profiles = CIMColorProfiles::instance();
                    if (!profiles->ConvertSourceToSRGB(image, cmykSource, embedded)
                        || !IsRedLeftBlueRight(image)
                        || !profiles->SetOutputProfile(
                            image, extension, options, cmykSource, embedded)
                        || BlobBytes(image.profile("ICC")) != expected
                        || image.colorSpace() != Magick::CMYKColorspace)
                        ++failures;
                } catch (const std::exception &) {
                    ++failures;
                }
            }
        }));
    }
    for (auto &thread : threads)
        thread->start();
    for (auto &thread : threads)
        QVERIFY(thread->wait(120000));
    QCOMPARE(failures.load(), 0);
}

QUENDRASIL_TEST_MAIN_WITH(TestColorProfiles, QCoreApplication, InitializeImageEngine)
#include "tst_colorprofiles.moc"
