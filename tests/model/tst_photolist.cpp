#include "FormatsEnum.h"
#include "ListImages.h"
#include "TestMain.h"

namespace {

// Fills the list with one photo per letter of `names`: "/photos/A.jpg" and so on.
void FillList(const QString &names)
{
    CListImages *list = CListImages::instance();
    list->Clear();
    QStringList rejected;
    for (const QChar letter : names)
        QVERIFY(list->AddImage(QStringLiteral("/photos/%1.jpg").arg(letter), rejected));
    QVERIFY(rejected.isEmpty());
}

QString ListNames()
{
    QString names;
    for (const SImageRecord &record : CListImages::instance()->Images())
        names += record.baseName;
    return names;
}

// The batch shares photos among workers by sequence number: it must be the index.
bool NumberedByIndex()
{
    const QList<SImageRecord> &images = CListImages::instance()->Images();
    for (int index = 0; index < images.size(); ++index) {
        if (images.at(index).sequenceNumber != index)
            return false;
    }
    return true;
}

} // namespace

class TestPhotoList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void addImage_data();
    void addImage();
    void samePathTwiceIsSkippedNotRejected();
    void rejectedPathsAccumulate();

    void moveImage_data();
    void moveImage();
    void reorderImages_data();
    void reorderImages();
    void removeAtChecksBounds_data();
    void removeAtChecksBounds();

    void findImageByPath();
    void jobBuiltInCodeNumbersPhotosByIndex();
    void setImagesNumbersAfresh();
};

void TestPhotoList::initTestCase()
{
    CFormatsEnum::instance()->GenerateList();
    QVERIFY(!CFormatsEnum::instance()->Formats().isEmpty());
}

void TestPhotoList::cleanup()
{
    CListImages::DeleteInstance();
}

void TestPhotoList::addImage_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("extension");

    QTest::newRow("jpeg through the JPG row") << "C:/Photos/IMG_1.jpeg" << true << "C:/Photos"
                                              << "IMG_1"
                                              << "jpeg";
    QTest::newRow("upper-case extension") << "/home/u/IMG_2.JPG" << true << "/home/u"
                                          << "IMG_2"
                                          << "JPG";
    QTest::newRow("mixed-case extension") << "/home/u/IMG_3.JpE" << true << "/home/u"
                                          << "IMG_3"
                                          << "JpE";
    QTest::newRow("mixed-case catalogue entry") << "/raw/frame.ycbcr" << true << "/raw"
                                                << "frame"
                                                << "ycbcr";
    QTest::newRow("camera raw") << "/raw/IMG_5952.CR2" << true << "/raw"
                                << "IMG_5952"
                                << "CR2";
    QTest::newRow("two dots in the name") << "/p/a.b.png" << true << "/p"
                                          << "a.b"
                                          << "png";
    QTest::newRow("dotted folder") << "/a.b/photo.tif" << true << "/a.b"
                                   << "photo"
                                   << "tif";
    QTest::newRow("no folder") << "photo.png" << true << ""
                               << "photo"
                               << "png";
    QTest::newRow("write-only format") << "/p/data.json" << false << ""
                                       << ""
                                       << "";
    QTest::newRow("unknown extension") << "/p/notes.xyz" << false << ""
                                       << ""
                                       << "";
    QTest::newRow("dotted folder, no extension") << "/a.b/photo" << false << ""
                                                 << ""
                                                 << "";
    QTest::newRow("folder named like an extension") << "/x.jpg/photo" << false << ""
                                                    << ""
                                                    << "";
    QTest::newRow("bare name of an extension") << "jpg" << false << ""
                                               << ""
                                               << "";
    QTest::newRow("trailing dot") << "/p/photo." << false << ""
                                  << ""
                                  << "";
    QTest::newRow("empty path") << "" << false << ""
                                << ""
                                << "";
}

void TestPhotoList::addImage()
{
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QFETCH(QString, folder);
    QFETCH(QString, baseName);
    QFETCH(QString, extension);

    CListImages *list = CListImages::instance();
    QStringList rejected;
    QCOMPARE(list->AddImage(path, rejected), accepted);
    if (!accepted) {
        QCOMPARE(rejected, QStringList { path });
        QVERIFY(list->IsEmpty());
        return;
    }
    QVERIFY(rejected.isEmpty());
    QCOMPARE(list->Count(), 1);
    const SImageRecord &record = list->Images().at(0);
    QCOMPARE(record.pathName, path);
    QCOMPARE(record.folder, folder);
    QCOMPARE(record.baseName, baseName);
    QCOMPARE(record.extension, extension);
    QCOMPARE(record.sequenceNumber, 0);
    QCOMPARE(record.folderPosition, 0);
}

void TestPhotoList::samePathTwiceIsSkippedNotRejected()
{
    CListImages *list = CListImages::instance();
    QStringList rejected;
    QVERIFY(list->AddImage(QStringLiteral("/p/a.png"), rejected));
    QVERIFY(!list->AddImage(QStringLiteral("/p/a.png"), rejected));
    QVERIFY(rejected.isEmpty());
    QCOMPARE(list->Count(), 1);
    // Paths are compared with case: another spelling is another file here.
    QVERIFY(list->AddImage(QStringLiteral("/p/A.png"), rejected));
    QCOMPARE(list->Count(), 2);
    QCOMPARE(list->Images().at(1).sequenceNumber, 1);
}

void TestPhotoList::rejectedPathsAccumulate()
{
    CListImages *list = CListImages::instance();
    QStringList rejected = { QStringLiteral("/earlier/one.doc") };
    QVERIFY(!list->AddImage(QStringLiteral("/p/b.txt2"), rejected));
    QVERIFY(list->AddImage(QStringLiteral("/p/c.gif"), rejected));
    QVERIFY(!list->AddImage(QStringLiteral("/p/d.yaml"), rejected));
    QCOMPARE(rejected, QStringList({ "/earlier/one.doc", "/p/b.txt2", "/p/d.yaml" }));
    QCOMPARE(list->Count(), 1);
}

void TestPhotoList::moveImage_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QString>("result");

    QTest::newRow("first in front of third") << 0 << 2 << true << "BACD";
    QTest::newRow("last in front of second") << 3 << 1 << true << "ADBC";
    QTest::newRow("first to the end") << 0 << 4 << true << "BCDA";
    QTest::newRow("last to the front") << 3 << 0 << true << "DABC";
    QTest::newRow("onto itself") << 1 << 1 << true << "ABCD";
    QTest::newRow("from past the end") << 4 << 1 << false << "ABCD";
    QTest::newRow("to beyond the end") << 1 << 5 << false << "ABCD";
    QTest::newRow("negative") << -1 << 0 << false << "ABCD";
}

void TestPhotoList::moveImage()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, moved);
    QFETCH(QString, result);

    FillList(QStringLiteral("ABCD"));
    QCOMPARE(CListImages::instance()->MoveImage(from, to), moved);
    QCOMPARE(ListNames(), result);
    QVERIFY(NumberedByIndex());
}

void TestPhotoList::reorderImages_data()
{
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<bool>("reordered");
    QTest::addColumn<QString>("result");

    QTest::newRow("new photo i is old photo order[i]") << QList<int> { 2, 0, 1 } << true << "CAB";
    QTest::newRow("reversed") << QList<int> { 2, 1, 0 } << true << "CBA";
    QTest::newRow("unchanged") << QList<int> { 0, 1, 2 } << true << "ABC";
    QTest::newRow("repeated index") << QList<int> { 0, 0, 1 } << false << "ABC";
    QTest::newRow("too short") << QList<int> { 1, 0 } << false << "ABC";
    QTest::newRow("too long") << QList<int> { 2, 0, 1, 3 } << false << "ABC";
    QTest::newRow("index past the end") << QList<int> { 3, 0, 1 } << false << "ABC";
    QTest::newRow("negative index") << QList<int> { -1, 0, 1 } << false << "ABC";
    QTest::newRow("empty") << QList<int> {} << false << "ABC";
}

void TestPhotoList::reorderImages()
{
    QFETCH(QList<int>, order);
    QFETCH(bool, reordered);
    QFETCH(QString, result);

    FillList(QStringLiteral("ABC"));
    QCOMPARE(CListImages::instance()->ReorderImages(order), reordered);
    QCOMPARE(ListNames(), result);
    QVERIFY(NumberedByIndex());

    // The Step 1 panel applies a sort of its details view under the other name.
    FillList(QStringLiteral("ABC"));
    QCOMPARE(CListImages::instance()->RemoveImages(order), reordered);
    QCOMPARE(ListNames(), result);
    QVERIFY(NumberedByIndex());
}

void TestPhotoList::removeAtChecksBounds_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QString>("result");

    QTest::newRow("first") << 0 << true << "BC";
    QTest::newRow("middle") << 1 << true << "AC";
    QTest::newRow("equal to the count") << 3 << false << "ABC";
    QTest::newRow("negative") << -1 << false << "ABC";
}

void TestPhotoList::removeAtChecksBounds()
{
    QFETCH(int, index);
    QFETCH(bool, removed);
    QFETCH(QString, result);

    FillList(QStringLiteral("ABC"));
    QCOMPARE(CListImages::instance()->RemoveAt(index), removed);
    QCOMPARE(ListNames(), result);
    QVERIFY(NumberedByIndex());
}

void TestPhotoList::findImageByPath()
{
    FillList(QStringLiteral("ABC"));
    const QList<SImageRecord> photos = CListImages::instance()->Images();

    const SImageRecord found = FindImageByPath(photos, QStringLiteral("/photos/C.jpg"));
    QCOMPARE(found.baseName, QStringLiteral("C"));
    QCOMPARE(found.sequenceNumber, 2);

    for (const QString &missing :
        { QStringLiteral("/photos/c.jpg"), QStringLiteral("C.jpg"), QString() }) {
        const SImageRecord none = FindImageByPath(photos, missing);
        QVERIFY(none.pathName.isEmpty());
        QVERIFY(none.folder.isEmpty());
        QVERIFY(none.baseName.isEmpty());
        QVERIFY(none.extension.isEmpty());
        QCOMPARE(none.sequenceNumber, 0);
        QCOMPARE(none.folderPosition, 0);
    }
}

void TestPhotoList::jobBuiltInCodeNumbersPhotosByIndex()
{
    // Built headless, as a script run does: only a core application exists.
    QVERIFY(!QCoreApplication::instance()->inherits("QGuiApplication"));

    CListImages *list = CListImages::instance();
    QStringList rejected;
    const QStringList paths
        = { "/in/A.jpg", "/in/B.png", "/in/sub/C.tif", "/in/D.gif", "/in/E.bmp", "/in/F.jpeg" };
    for (const QString &path : paths)
        QVERIFY(list->AddImage(path, rejected));
    QVERIFY(NumberedByIndex());

    QVERIFY(list->MoveImage(0, 6));
    QCOMPARE(ListNames(), QStringLiteral("BCDEFA"));
    QVERIFY(NumberedByIndex());

    QVERIFY(list->ReorderImages({ 5, 4, 3, 2, 1, 0 }));
    QCOMPARE(ListNames(), QStringLiteral("AFEDCB"));
    QVERIFY(NumberedByIndex());

    QVERIFY(list->RemoveAt(1));
    QVERIFY(list->RemoveAt(0));
    QCOMPARE(ListNames(), QStringLiteral("EDCB"));
    QVERIFY(NumberedByIndex());

    QVERIFY(list->AddImage(QStringLiteral("/in/G.png"), rejected));
    QCOMPARE(list->Images().last().sequenceNumber, 4);
    QVERIFY(!list->MoveImage(2, 9)); // a refused move must not disturb the numbering either
    QVERIFY(NumberedByIndex());

    // With three workers, every photo goes to exactly one of them, in list order.
    QList<QStringList> shares(3);
    for (const SImageRecord &record : list->Images())
        shares[record.sequenceNumber % 3] << record.baseName;
    QCOMPARE(shares, QList<QStringList>({ { "E", "B" }, { "D", "G" }, { "C" } }));

    list->Clear();
    QVERIFY(list->IsEmpty());
    QVERIFY(list->AddImage(QStringLiteral("/in/H.png"), rejected));
    QCOMPARE(list->Images().at(0).sequenceNumber, 0);
    QVERIFY(rejected.isEmpty());
}

void TestPhotoList::setImagesNumbersAfresh()
{
    FillList(QStringLiteral("ABC"));
    QList<SImageRecord> state = CListImages::instance()->Images();
    state.move(0, 2);
    state[0].sequenceNumber = 7;
    state[1].folderPosition = 4;
    CListImages::instance()->SetImages(state);
    QCOMPARE(ListNames(), QStringLiteral("BCA"));
    QVERIFY(NumberedByIndex());
    QCOMPARE(CListImages::instance()->Images().at(1).folderPosition, 4);

    QVERIFY(CListImages::instance()->SetFolderPosition(2, 1));
    QCOMPARE(CListImages::instance()->Images().at(2).folderPosition, 1);
    QVERIFY(!CListImages::instance()->SetFolderPosition(3, 1));
    QVERIFY(!CListImages::instance()->SetFolderPosition(-1, 1));
}

QUENDRASIL_TEST_MAIN(TestPhotoList, QCoreApplication)
#include "tst_photolist.moc"
