#include "FiltersEnum.h"
#include "FormatsEnum.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "Scripts.h"
#include "TestMain.h"
#include "UserProfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

// Every fuzzer seed and every input the fuzzer once broke the reader with must load again
// without a crash, a hang or an inconsistent job.
class TestDocumentRegressions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void loadsSafely_data();
    void loadsSafely();

private:
    QTemporaryDir dir;
};

void TestDocumentRegressions::initTestCase()
{
    QVERIFY(dir.isValid());
    CFormatsEnum::instance()->GenerateList();
    CFiltersEnum::instance()->GenerateList();
    CScripts::SetVersionWarningHandler([](const QString &) {});
}

void TestDocumentRegressions::init()
{
    CListImages::DeleteInstance();
    CListFilters::DeleteInstance();
    CUserProfile::DeleteInstance();
}

void TestDocumentRegressions::loadsSafely_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("isSeed");
    const QString fuzz = QStringLiteral(QUENDRASIL_TEST_SOURCE_DIR "/../fuzz/");
    int seeds = 0;
    for (const char *folder : { "corpus", "regressions" }) {
        const QDir source(fuzz + QLatin1String(folder));
        const QFileInfoList files = source.entryInfoList(QDir::Files, QDir::Name);
        for (const QFileInfo &file : files)
            QTest::newRow(qPrintable(QLatin1String(folder) + QLatin1Char('/') + file.fileName()))
                << file.absoluteFilePath() << (QLatin1String(folder) == "corpus");
        if (QLatin1String(folder) == "corpus")
            seeds = int(files.size());
    }
    // A wrong folder would otherwise pass with no rows at all.
    QVERIFY2(seeds >= 3, qPrintable(fuzz));
}

void TestDocumentRegressions::loadsSafely()
{
    QFETCH(QString, path);
    QFETCH(bool, isSeed);
    // A copy in a private folder, so that relative searches never walk the source tree.
    const QString copy = dir.filePath(QStringLiteral("document"));
    QFile::remove(copy);
    QVERIFY(QFile::copy(path, copy));

    QElapsedTimer timer;
    timer.start();
    int mode = 0;
    const bool loaded = CScripts(copy).LoadDocument(mode);
    // A document that makes the reader loop or blow up; generous for a busy machine.
    QVERIFY2(timer.elapsed() < 60000, "loading took longer than a minute");
    if (isSeed)
        QVERIFY(loaded);

    const QList<SImageRecord> &images = CListImages::instance()->Images();
    QSet<QString> paths;
    for (int i = 0; i < images.size(); ++i) {
        QCOMPARE(images[i].sequenceNumber, i);
        paths.insert(images[i].pathName);
    }
    QCOMPARE(paths.size(), images.size());
    for (const SFilterRecord &record : CListFilters::instance()->Filters()) {
        QVERIFY(!CFiltersEnum::instance()->FindById(record.id).description.isEmpty());
        QVERIFY(record.numberCount <= SFilterRecord::NumberSlots);
        QVERIFY(record.textCount <= SFilterRecord::TextSlots);
    }
}

QUENDRASIL_TEST_MAIN(TestDocumentRegressions, QCoreApplication)
#include "tst_documentregressions.moc"
