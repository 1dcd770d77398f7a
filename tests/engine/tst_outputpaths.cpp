#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "FormatsEnum.h"
#include "OutputPaths.h"
#include "UserProfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

using namespace OutputPaths;

class TestOutputPaths : public QObject
{
    Q_OBJECT

private slots:
    void outputFolder_data();
    void outputFolder();
    void commonFolder_data();
    void commonFolder();
    void replaceLeadingFolder_data();
    void replaceLeadingFolder();
    void splitPath_data();
    void splitPath();
    void uniqueNamesWithinRun_data();
    void uniqueNamesWithinRun();
    void numberedPath_data();
    void numberedPath();
    void pageFiles_data();
    void pageFiles();
    void renamedPath_data();
    void renamedPath();
    void keptFormatExtension_data();
    void keptFormatExtension();
    void lightProcessing_data();
    void lightProcessing();
    void sameFileOnDisk();
};

void TestOutputPaths::outputFolder_data()
{
    QTest::addColumn<int>("structure");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("common");
    QTest::addColumn<QString>("subfolder");
    QTest::addColumn<bool>("keptOnDisk");
    QTest::addColumn<QString>("expected");

    QTest::newRow("selected folder") << 0 << "/out"
                                     << "/p/a"
                                     << ""
                                     << "" << true << "/out/";
    QTest::newRow("selected folder with slash") << 0 << "/out/"
                                                << "/p/a"
                                                << ""
                                                << "" << true << "/out/";
    QTest::newRow("selected folder missing") << 0 << ""
                                             << "/p/a"
                                             << ""
                                             << "" << true << "";
    QTest::newRow("tree below common folder") << 1 << "/out/"
                                              << "/photos/2024/May"
                                              << "/photos"
                                              << "" << true << "/out/2024/May/";
    QTest::newRow("tree, photo in the common folder") << 1 << "/out"
                                                      << "/photos"
                                                      << "/photos"
                                                      << "" << true << "/out/";
    QTest::newRow("tree without common folder") << 1 << "/out/"
                                                << "/e/Pics"
                                                << ""
                                                << "" << true << "/out/e/Pics/";
    QTest::newRow("tree without common folder, drive letter") << 1 << "D:/Out/"
                                                              << "E:/Pics"
                                                              << ""
                                                              << "" << true << "D:/Out/E/Pics/";
    QTest::newRow("common folder is no prefix by components") << 1 << "/out"
                                                              << "/p/ab/c"
                                                              << "/p/a"
                                                              << "" << true << "/out/p/ab/c/";
    QTest::newRow("common folder inside, not leading") << 1 << "/out"
                                                       << "/y/x/z"
                                                       << "/x"
                                                       << "" << true << "/out/y/x/z/";
    QTest::newRow("common folder differs in case") << 1 << "/out"
                                                   << "/Photos/a"
                                                   << "/photos"
                                                   << "" << true << "/out/Photos/a/";
    QTest::newRow("tree never climbs out of the base") << 1 << "/out"
                                                       << "../../etc"
                                                       << ""
                                                       << "" << true << "/out/etc/";
    QTest::newRow("tree into the temporary folder") << 1 << "/tmp/Q"
                                                    << "/photos/a"
                                                    << "/photos"
                                                    << "" << false << "/tmp/Q/a/";
    QTest::newRow("photo's own folder") << 2 << "/out"
                                        << "/p/a"
                                        << ""
                                        << "" << true << "/p/a/";
    QTest::newRow("photo's own folder, base unset") << 2 << ""
                                                    << "/p/a"
                                                    << ""
                                                    << "" << true << "/p/a/";
    QTest::newRow("photo's own folder, nothing kept on disk") << 2 << "/tmp/Q"
                                                              << "/p/a"
                                                              << ""
                                                              << "" << false << "/tmp/Q/";
    QTest::newRow("subfolder") << 3 << "/out"
                               << "/p/a"
                               << ""
                               << "Out" << true << "/p/a/Out/";
    QTest::newRow("subfolder, nothing kept on disk") << 3 << "/tmp/Q"
                                                     << "/p/a"
                                                     << ""
                                                     << "Out" << false << "/p/a/Out/";
    QTest::newRow("unknown structure") << 7 << "/out"
                                       << "/p/a"
                                       << ""
                                       << "" << true << "/out/";
}

void TestOutputPaths::outputFolder()
{
    QFETCH(int, structure);
    QFETCH(QString, base);
    QFETCH(QString, source);
    QFETCH(QString, common);
    QFETCH(QString, subfolder);
    QFETCH(bool, keptOnDisk);
    QFETCH(QString, expected);

    SFolderRule rule;
    rule.structure = structure;
    rule.baseFolder = base;
    rule.sourceFolder = source;
    rule.commonFolder = common;
    rule.outputFolder = subfolder;
    rule.keptOnDisk = keptOnDisk;
    QCOMPARE(OutputFolder(rule), expected);
}

void TestOutputPaths::commonFolder_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no photos") << QStringList() << "";
    QTest::newRow("one folder") << QStringList { "/p/a" } << "/p/a";
    QTest::newRow("siblings") << QStringList { "/p/a", "/p/b" } << "/p";
    QTest::newRow("nested") << QStringList { "/p/a", "/p/a/b/c" } << "/p/a";
    QTest::newRow("by whole components") << QStringList { "/p/a", "/p/ab" } << "/p";
    QTest::newRow("only the root in common") << QStringList { "/a", "/b" } << "";
    QTest::newRow("trailing slashes") << QStringList { "/p/a/", "/p/a/b" } << "/p/a";
    QTest::newRow("letter case counts") << QStringList { "/p/A", "/p/a" } << "/p";
}

void TestOutputPaths::commonFolder()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, expected);
    QCOMPARE(CommonFolder(folders), expected);
}

void TestOutputPaths::replaceLeadingFolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("leading");
    QTest::addColumn<QString>("expected");

    QTest::newRow("below") << "/p/a/b"
                           << "/p/a"
                           << "/out/b";
    QTest::newRow("equal") << "/p/a"
                           << "/p/a"
                           << "/out";
    QTest::newRow("prefix of a name only") << "/p/ab"
                                           << "/p/a"
                                           << "";
    QTest::newRow("only the leading one") << "/p/a/p/a"
                                          << "/p/a"
                                          << "/out/p/a";
    QTest::newRow("not leading") << "/x/p/a"
                                 << "/p/a"
                                 << "";
    QTest::newRow("empty leading") << "/p/a"
                                   << ""
                                   << "";
}

void TestOutputPaths::replaceLeadingFolder()
{
    QFETCH(QString, path);
    QFETCH(QString, leading);
    QFETCH(QString, expected);
    QCOMPARE(ReplaceLeadingFolder(path, leading, QStringLiteral("/out")), expected);
}

void TestOutputPaths::splitPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("hasExtension");

    QTest::newRow("plain") << "/o/x.jpg"
                           << "/o/"
                           << "x"
                           << "jpg" << true;
    QTest::newRow("two dots") << "/o/x.tar.gz"
                              << "/o/"
                              << "x.tar"
                              << "gz" << true;
    QTest::newRow("dot in a folder") << "/o.d/x"
                                     << "/o.d/"
                                     << "x"
                                     << "" << false;
    QTest::newRow("trailing dot") << "/o/x."
                                  << "/o/"
                                  << "x"
                                  << "" << true;
    QTest::newRow("no folder") << "x.png"
                               << ""
                               << "x"
                               << "png" << true;
}

void TestOutputPaths::splitPath()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QString, base);
    QFETCH(QString, extension);
    QFETCH(bool, hasExtension);
    const SPathParts parts = SplitPath(path);
    QCOMPARE(parts.folder, folder);
    QCOMPARE(parts.base, base);
    QCOMPARE(parts.extension, extension);
    QCOMPARE(parts.hasExtension, hasExtension);
    QCOMPARE(parts.Join(), path);
}

void TestOutputPaths::uniqueNamesWithinRun_data()
{
    QTest::addColumn<QStringList>("requested");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("three x.jpg from three folders") << QStringList { "/o/x.jpg", "/o/x.jpg",
        "/o/x.jpg" } << QStringList { "/o/x.jpg", "/o/x (2).jpg", "/o/x (3).jpg" };
    QTest::newRow("letter case does not tell names apart")
        << QStringList { "/o/X.JPG", "/o/x.jpg" } << QStringList { "/o/X.JPG", "/o/x (2).jpg" };
    QTest::newRow("other folders do not collide")
        << QStringList { "/o/a/x.jpg", "/o/b/x.jpg" } << QStringList { "/o/a/x.jpg", "/o/b/x.jpg" };
    QTest::newRow("a numbered name already taken") << QStringList { "/o/x (2).jpg", "/o/x.jpg",
        "/o/x.jpg" } << QStringList { "/o/x (2).jpg", "/o/x.jpg", "/o/x (3).jpg" };
    QTest::newRow("no extension, dot in the folder")
        << QStringList { "/o.d/x", "/o.d/x" } << QStringList { "/o.d/x", "/o.d/x (2)" };
}

void TestOutputPaths::uniqueNamesWithinRun()
{
    QFETCH(QStringList, requested);
    QFETCH(QStringList, expected);
    QStringList used;
    QStringList given;
    for (const QString &path : requested) {
        const QString unique = UniqueInRun(path, used);
        used.append(unique);
        given.append(unique);
    }
    QCOMPARE(given, expected);
}

void TestOutputPaths::numberedPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");

    QTest::newRow("second") << "/o/p.jpg" << 2 << "/o/p (2).jpg";
    QTest::newRow("third") << "/o/p.jpg" << 3 << "/o/p (3).jpg";
    QTest::newRow("blank in the name") << "/o/my photo.jpg" << 3 << "/o/my photo (3).jpg";
    QTest::newRow("no extension") << "/o.d/p" << 2 << "/o.d/p (2)";
}

void TestOutputPaths::numberedPath()
{
    QFETCH(QString, path);
    QFETCH(int, number);
    QFETCH(QString, expected);
    QCOMPARE(NumberedPath(path, number), expected);
}

void TestOutputPaths::pageFiles_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<bool>("document");
    QTest::addColumn<int>("layers");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("single page") << 1 << false << 0 << QStringList { "/o/d.tif" };
    QTest::newRow("three pages, each apart")
        << 3 << false << 0 << QStringList { "/o/d-0.tif", "/o/d-1.tif", "/o/d-2.tif" };
    QTest::newRow("flattened") << 3 << false << 1 << QStringList { "/o/d.tif" };
    QTest::newRow("first layer only") << 3 << false << 2 << QStringList { "/o/d.tif" };
    QTest::newRow("one document for the run") << 3 << true << 0 << QStringList { "/o/d.tif" };
}

void TestOutputPaths::pageFiles()
{
    QFETCH(int, pages);
    QFETCH(bool, document);
    QFETCH(int, layers);
    QFETCH(QStringList, expected);
    QCOMPARE(OutputFiles(QStringLiteral("/o/d.tif"), pages, SplitsPages(pages, document, layers)),
        expected);
}

void TestOutputPaths::renamedPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "/o/p.jpg"
                           << "q"
                           << "/o/q.jpg";
    QTest::newRow("keeps the extension's case") << "/o/p.JPG"
                                                << "q"
                                                << "/o/q.JPG";
    QTest::newRow("dots in the new name") << "/o/p.jpg"
                                          << "a.b"
                                          << "/o/a.b.jpg";
    QTest::newRow("no extension") << "/o.d/p"
                                  << "q"
                                  << "/o.d/q";
    QTest::newRow("empty") << "/o/p.jpg"
                           << ""
                           << "";
    QTest::newRow("dot") << "/o/p.jpg"
                         << "."
                         << "";
    QTest::newRow("two dots") << "/o/p.jpg"
                              << ".."
                              << "";
    QTest::newRow("slash") << "/o/p.jpg"
                           << "../etc/q"
                           << "";
    QTest::newRow("backslash") << "/o/p.jpg"
                               << "a\\b"
                               << "";
}

void TestOutputPaths::renamedPath()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(RenamedPath(path, name), expected);
}

void TestOutputPaths::keptFormatExtension_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("light");
    QTest::addColumn<QString>("expected");

    QTest::newRow("copied: the source's own extension") << "JPG" << true << "JPG";
    QTest::newRow("copied: its letter case") << "Jpeg" << true << "Jpeg";
    QTest::newRow("decoded: the format's chosen extension") << "jpeg" << false << "JPEG";
    QTest::newRow("decoded png") << "png" << false << "PNG";
    QTest::newRow("decoded, format not writable: the default format") << "cr2" << false << "PNG";
}

void TestOutputPaths::keptFormatExtension()
{
    QFETCH(QString, source);
    QFETCH(bool, light);
    QFETCH(QString, expected);

    CFormatsEnum *formats = CFormatsEnum::instance();
    formats->GenerateList();
    // The job chose ".jpeg" for its JPEG files.
    const auto mapExtension = [](const QString &format) {
        const QString key = format.toUpper();
        return key == QLatin1String("JPG") ? QStringLiteral("JPEG") : key;
    };
    QCOMPARE(
        KeptFormatExtension(source, light, formats->Formats(), QStringLiteral("png"), mapExtension),
        expected);
}

void TestOutputPaths::lightProcessing_data()
{
    QTest::addColumn<int>("activeFilters");
    QTest::addColumn<QString>("outputFormat");
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("document");
    QTest::addColumn<bool>("fixedSize");
    QTest::addColumn<int>("quality");
    QTest::addColumn<bool>("expected");

    const QString keep = SOutputOptions::KeepOriginalFormat();
    QTest::newRow("same format, quality 90") << 0 << "JPG"
                                             << "JPG" << false << false << 90 << true;
    QTest::newRow("letter case ignored") << 0 << "JPG"
                                         << "jpg" << false << false << 88 << true;
    QTest::newRow("quality 87 re-encodes") << 0 << "JPG"
                                           << "JPG" << false << false << 87 << false;
    QTest::newRow("an active filter") << 1 << "JPG"
                                      << "JPG" << false << false << 90 << false;
    QTest::newRow("another format") << 0 << "PNG"
                                    << "JPG" << false << false << 90 << false;
    QTest::newRow("keep original format") << 0 << keep << "TIF" << false << false << 90 << true;
    QTest::newRow("one document") << 0 << "PDF"
                                  << "PDF" << true << false << 90 << false;
    QTest::newRow("size limit") << 0 << "JPG"
                                << "JPG" << false << true << 90 << false;
}

void TestOutputPaths::lightProcessing()
{
    QFETCH(int, activeFilters);
    QFETCH(QString, outputFormat);
    QFETCH(QString, source);
    QFETCH(bool, document);
    QFETCH(bool, fixedSize);
    QFETCH(int, quality);
    QFETCH(bool, expected);

    SLightFacts facts;
    facts.activeFilters = activeFilters;
    facts.outputFormat = outputFormat;
    facts.sourceExtension = source;
    facts.documentFixed = document;
    facts.fixedSize = fixedSize;
    facts.quality = quality;
    QCOMPARE(LightProcessingAllowed(facts), expected);
}

void TestOutputPaths::sameFileOnDisk()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString upper = folder.filePath(QStringLiteral("P.JPG"));
    const QString lower = folder.filePath(QStringLiteral("p.jpg"));
    const QString link = folder.filePath(QStringLiteral("link.jpg"));
    const QString hard = folder.filePath(QStringLiteral("hard.jpg"));
    for (const QString &path : { upper, lower }) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(path.toUtf8());
    }
    QVERIFY(QFile::link(upper, link));
    QVERIFY(::link(QFile::encodeName(upper).constData(), QFile::encodeName(hard).constData()) == 0);

    QVERIFY(SameFile(upper, upper));
    QVERIFY(!SameFile(upper, lower)); // two files on a folder that tells case apart
    QVERIFY(SameFile(upper, link));
    QVERIFY(SameFile(hard, upper));
    QVERIFY(SameFile(folder.filePath(QStringLiteral("missing.jpg")),
        folder.filePath(QStringLiteral("missing.jpg"))));
    QVERIFY(!SameFile(upper, folder.filePath(QStringLiteral("missing.jpg"))));
}

QUENDRASIL_TEST_MAIN_WITH(TestOutputPaths, QCoreApplication, InitializeImageEngine)
#include "tst_outputpaths.moc"
