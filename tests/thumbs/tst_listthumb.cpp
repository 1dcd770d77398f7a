#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "../engine/TestPhotos.h"

#include "ImageConversion.h"
#include "ListThumb.h"
#include "ListThumbThread.h"

#include <QApplication>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace {

constexpr int WaitMs = 20000;

// Every visible record is loaded and its thumbnail has become an icon.
bool AllLoaded(CListThumb &list)
{
    QMutexLocker locker(list.mutex);
    for (const SThumbRecord &record : std::as_const(*list.records)) {
        if (!record.done || record.thumbnailPending)
            return false;
    }
    return true;
}

bool WaitLoaded(CListThumb &list)
{
    return QTest::qWaitFor(
        [&list]() {
            list.ThreadLoadIcons();
            return AllLoaded(list);
        },
        WaitMs);
}

QList<int> Order(CListThumb &list)
{
    QMutexLocker locker(list.mutex);
    return *list.order;
}

SThumbRecord Record(CListThumb &list, int index)
{
    QMutexLocker locker(list.mutex);
    return list.records->value(index);
}

// Drop events go straight to the handler: offscreen there is no drag session to deliver them.
struct SDropList : CListThumb
{
    using CListThumb::dropEvent;
};

} // namespace

class TestListThumb : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString thumbJpeg; // camera JPEG with an EXIF thumbnail
    QString plainJpeg; // EXIF without a thumbnail
    QString badThumbJpeg; // its EXIF thumbnail is not a picture
    QString corruptJpeg; // random bytes behind a JPEG start
    QString png;
    QString missing;

    QString Path(const QString &name) const { return dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        TestPhotos::SExifFacts facts = TestPhotos::CameraFacts();
        facts.dateTimeOriginal = "2021:07:04 18:30:12";
        thumbJpeg = Path(QStringLiteral("camera.jpg"));
        TestPhotos::WriteJpegWithExif(thumbJpeg, facts);

        TestPhotos::SExifFacts plain;
        plain.make = "NIKON CORPORATION";
        plain.model = "NIKON D70";
        plainJpeg = Path(QStringLiteral("plain.jpg"));
        TestPhotos::WriteJpegWithExif(plainJpeg, plain);

        // Break the embedded thumbnail's own JPEG start; the photo around it stays sound.
        QByteArray bytes = TestPhotos::ReadBytes(thumbJpeg);
        const qsizetype inner = bytes.indexOf(QByteArray("\xFF\xD8\xFF", 3), 2);
        QVERIFY(inner > 0);
        bytes[inner] = 0;
        bytes[inner + 1] = 0;
        badThumbJpeg = Path(QStringLiteral("badthumb.jpg"));
        QVERIFY(TestPhotos::WriteBytes(badThumbJpeg, bytes));

        corruptJpeg = Path(QStringLiteral("corrupt.jpg"));
        QVERIFY(TestPhotos::WriteBytes(
            corruptJpeg, QByteArray("\xFF\xD8\xFF\xE1", 4) + TestPhotos::RandomBytes(3000)));
        png = Path(QStringLiteral("alpha.png"));
        TestPhotos::WriteAlphaPng16(png);
        missing = Path(QStringLiteral("gone.jpg"));
    }

    void recordDetails()
    {
        CListThumb list;
        list.Initialize(CListThumb::TypePhotos, false, true);
        const QString empty = Path(QStringLiteral("empty.jpg"));
        QVERIFY(TestPhotos::WriteBytes(empty, QByteArray()));
        const QString mebibyte = Path(QStringLiteral("big.raw.bin"));
        QVERIFY(TestPhotos::WriteBytes(mebibyte, QByteArray(1048576, 'x')));

        list.AddItem(QStringLiteral("camera"), QString(), thumbJpeg, false, 0, true);
        list.AddItem(QStringLiteral("plain"), QString(), plainJpeg, false, 0, false);
        list.AddItem(QStringLiteral("empty"), QString(), empty, false, 0, true);
        list.AddItem(QStringLiteral("big"), QString(), mebibyte, false, 0, true);
        list.AddItem(QStringLiteral("gone"), QString(), missing, false, 0, true);
        QCOMPARE(list.count(), 5);
        QCOMPARE(Order(list), QList<int>({ 0, 1, 2, 3, 4 }));
        // Adding reads no photo: the details come from the loader.
        QVERIFY(!Record(list, 0).detailsRead);
        QVERIFY(Record(list, 0).dimensions.isEmpty());

        SThumbRecord camera = Record(list, 0);
        QCOMPARE(camera.baseName, QStringLiteral("camera"));
        QCOMPARE(camera.type, QStringLiteral("JPG"));
        QCOMPARE(camera.folder, dir.path());
        CListThumbThread::ReadPhotoDetails(camera);
        QVERIFY(camera.detailsRead);
        QCOMPARE(camera.dateTaken, QStringLiteral("2021-07-04 18:30"));
        QCOMPARE(camera.dimensions, QStringLiteral("64 x 48"));
        QCOMPARE(camera.camera, QStringLiteral("Canon EOS 5D"));
        QCOMPARE(camera.orientation, QStringLiteral("Right-Top"));
        QCOMPARE(camera.fNumber, QStringLiteral("f/2.8"));
        QCOMPARE(camera.iso, QStringLiteral("ISO-400"));
        QVERIFY(camera.sizeText.endsWith(QStringLiteral(" KB")));

        SThumbRecord plain = Record(list, 1);
        CListThumbThread::ReadPhotoDetails(plain);
        QCOMPARE(plain.camera, QStringLiteral("NIKON D70"));
        QVERIFY(!plain.dateTaken.isEmpty()); // the file's time stands in
        QCOMPARE(list.item(1)->foreground().color(), QColor(200, 200, 200));

        QCOMPARE(Record(list, 2).sizeText, QStringLiteral("N/A"));
        // A resolution per centimetre is shown per inch.
        SThumbRecord metric;
        metric.path = Path(QStringLiteral("metric.png"));
        Magick::Image dense = TestPhotos::MakePhoto(20, 10);
        dense.resolutionUnits(Magick::PixelsPerCentimeterResolution);
        dense.density(Magick::Geometry(100, 100));
        dense.write("PNG:" + metric.path.toStdString());
        CListThumbThread::ReadPhotoDetails(metric);
        QCOMPARE(metric.resolution, QStringLiteral("254 x 254"));

        SThumbRecord big = Record(list, 3);
        CListThumbThread::ReadPhotoDetails(big);
        QCOMPARE(big.sizeText, QStringLiteral("1.00 MB"));
        QCOMPARE(big.baseName, QStringLiteral("big.raw"));
        QCOMPARE(big.type, QStringLiteral("BIN"));
        QVERIFY(big.dimensions.isEmpty()); // not a picture: nothing read, no failure
        // Every item has an icon, even with no strip loaded.
        for (int row = 0; row < list.count(); ++row)
            QVERIFY(!list.item(row)->icon().isNull());
    }

    void cameraText_data()
    {
        QTest::addColumn<QString>("make");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one-word make repeated") << "Nikon"
                                                << "Nikon"
                                                << "Nikon";
        QTest::newRow("two-word make") << "Canon Inc"
                                       << "Canon EOS R5"
                                       << "Canon EOS R5";
        QTest::newRow("distinct") << "FUJIFILM"
                                  << "X-T4"
                                  << "FUJIFILM X-T4";
        QTest::newRow("prefix is not a word") << "Sony"
                                              << "SonyA7"
                                              << "Sony SonyA7";
    }

    void cameraText()
    {
        QFETCH(QString, make);
        QFETCH(QString, model);
        QFETCH(QString, expected);
        QCOMPARE(CameraText(make, model), expected);
    }

    void thumbnailPicture()
    {
        const QImage picture = CListThumbThread::MakeThumbnailImage(thumbJpeg, 1);
        QCOMPARE(picture.size(), QSize(128, 128));
        QCOMPARE(qAlpha(picture.pixel(0, 0)), 0); // transparent around the picture
        QCOMPARE(qAlpha(picture.pixel(64, 64)), 255);
        QCOMPARE(CListThumbThread::MakeThumbnailImage(thumbJpeg, 2).size(), QSize(256, 256));
        // No thumbnail, a broken one, not a JPEG, no file: no picture and no exception.
        QVERIFY(CListThumbThread::MakeThumbnailImage(plainJpeg, 1).isNull());
        QVERIFY(CListThumbThread::MakeThumbnailImage(badThumbJpeg, 1).isNull());
        QVERIFY(CListThumbThread::MakeThumbnailImage(corruptJpeg, 1).isNull());
        QVERIFY(CListThumbThread::MakeThumbnailImage(png, 1).isNull());
        QVERIFY(CListThumbThread::MakeThumbnailImage(missing, 1).isNull());

        QImage tinted(2, 1, QImage::Format_ARGB32);
        tinted.setPixel(0, 0, qRgba(0, 0, 0, 255));
        tinted.setPixel(1, 0, qRgba(200, 100, 50, 255));
        CListThumb::TintImage(tinted, -100);
        QCOMPARE(tinted.pixel(0, 0), qRgba(0, 0, 0, 255)); // black stays
        QCOMPARE(QColor(tinted.pixel(1, 0)), QColor(100, 50, 25));
    }

    void loaderFillsVisibleRows()
    {
        CListThumb list;
        list.Initialize(CListThumb::TypePhotos, false, false);
        list.SetLoader(new CListThumbThread);
        list.InitThread();
        list.SetViewMode(2);
        list.resize(600, 400);
        list.show();
        const QStringList paths { thumbJpeg, plainJpeg, badThumbJpeg, corruptJpeg, png, missing };
        for (const QString &path : paths)
            list.AddItem(path.section(QLatin1Char('/'), -1), QString(), path, false, 0, true);
        QVERIFY(WaitLoaded(list));

        QMutexLocker locker(list.mutex);
        QCOMPARE(list.icons->size(), 1); // only the photo with a thumbnail got an icon
        const SThumbRecord loaded = list.records->at(0);
        QVERIFY(loaded.ownsIcon);
        QCOMPARE(loaded.iconIndex, 0);
        QVERIFY(!loaded.thumbnail);
        QVERIFY(loaded.toolTip.contains(QStringLiteral("camera")));
        const QIcon icon = list.icons->at(0);
        QVERIFY(!icon.isNull());
        QCOMPARE(list.item(0)->icon().cacheKey(), icon.cacheKey());
        QCOMPARE(list.item(0)->toolTip(), loaded.toolTip);
        for (int i = 1; i < paths.size(); ++i) {
            const SThumbRecord record = list.records->at(i);
            QVERIFY2(!record.ownsIcon, qPrintable(record.path));
            QVERIFY(!record.toolTip.isEmpty());
            // The placeholder, never the other photo's thumbnail that now holds slot 0.
            QVERIFY(!list.item(i)->icon().isNull());
            QVERIFY(list.item(i)->icon().cacheKey() != icon.cacheKey());
        }
        QCOMPARE(list.records->at(5).toolTip, QStringLiteral("Photo not found"));
    }

    // The rows nobody looks at get their details in the background, for the details sort.
    void detailsOfHiddenRowsAreReadInTheBackground()
    {
        CListThumb list;
        list.Initialize(CListThumb::TypePhotos, false, false);
        list.SetLoader(new CListThumbThread);
        list.InitThread(); // never shown: no row is visible, none is asked for
        for (int i = 0; i < 20; ++i)
            list.AddItem(QString::number(i), QString(), i % 2 ? thumbJpeg : png, false, 0, true);
        // The loader may report a pass complete before the last rows were added: wait for the
        // rows themselves, looked at under the list's lock.
        const auto allRead = [&list] {
            QMutexLocker locker(list.mutex);
            return std::all_of(list.records->cbegin(), list.records->cend(),
                [](const SThumbRecord &record) { return record.detailsRead; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(allRead(), WaitMs);
        QMutexLocker locker(list.mutex);
        for (const SThumbRecord &record : std::as_const(*list.records)) {
            QVERIFY(record.detailsRead);
            QVERIFY(!record.done); // thumbnails only for rows in view
            QVERIFY(!record.dimensions.isEmpty());
        }
        QCOMPARE(list.records->at(1).dimensions, QStringLiteral("64 x 48"));
    }

    void onlyVisibleRowsLoad()
    {
        QStringList paths;
        for (int i = 0; i < 60; ++i) {
            const QString path = Path(QStringLiteral("row%1.jpg").arg(i));
            QFile::remove(path);
            QVERIFY(QFile::copy(thumbJpeg, path));
            paths << path;
        }
        CListThumb list;
        list.Initialize(CListThumb::TypePhotos, false, false);
        list.SetLoader(new CListThumbThread);
        list.InitThread();
        list.SetViewMode(0);
        list.resize(300, 200);
        list.show();
        for (const QString &path : std::as_const(paths))
            list.AddItem(path.section(QLatin1Char('/'), -1), QString(), path, false, 0, true);
        QVERIFY(QTest::qWaitForWindowExposed(&list));

        int first = -1;
        int last = -1;
        list.GetVisibleRange(first, last);
        QCOMPARE(first, 0);
        QVERIFY(last > 0 && last < 20);
        const auto done = [&list](int row) {
            list.ThreadLoadIcons();
            return Record(list, Order(list).at(row)).done;
        };
        QVERIFY(QTest::qWaitFor([&]() { return done(last); }, WaitMs));
        QVERIFY(!Record(list, 59).done);

        list.scrollToBottom();
        QVERIFY(QTest::qWaitFor([&]() { return done(59); }, WaitMs));
        QVERIFY(!Record(list, 30).done); // rows scrolled past are not loaded
    }

    void viewModes()
    {
        CListThumb list;
        list.Initialize(CListThumb::TypeFilters, false, true);
        list.SetViewMode(0);
        QCOMPARE(list.viewMode(), QListView::ListMode);
        QCOMPARE(list.iconSize(), QSize(32, 32));
        QVERIFY(!list.isWrapping());
        list.SetViewMode(3);
        QCOMPARE(list.viewMode(), QListView::IconMode);
        QCOMPARE(list.iconSize(), QSize(128, 128));
        QVERIFY(list.isWrapping());
        QCOMPARE(list.dragDropMode(), QAbstractItemView::InternalMove);
        QCOMPARE(list.defaultDropAction(), Qt::MoveAction);

        CListThumb strip;
        strip.Initialize(CListThumb::TypePhotoStrip, false, true);
        strip.SetViewMode(2);
        QCOMPARE(strip.iconSize(), QSize(64, 64));
        QVERIFY(!strip.isWrapping());
        QCOMPARE(strip.flow(), QListView::LeftToRight);
    }

    void internalDropMoves()
    {
        SDropList list;
        list.Initialize(CListThumb::TypeFilters, false, true);
        list.SetViewMode(0);
        list.setSelectionMode(QAbstractItemView::ExtendedSelection);
        list.resize(200, 300);
        list.show();
        for (int i = 0; i < 5; ++i)
            list.AddItem(QString::number(i), QString(), QString(), true, 0, true);
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy spy(&list, &CListThumb::SignalDragDropPanel2);

        auto drop = [&list](const QList<int> &rows, int onto) {
            list.clearSelection();
            for (int row : rows)
                list.item(row)->setSelected(true);
            const QPoint at = onto < list.count() ? list.visualItemRect(list.item(onto)).center()
                                                  : QPoint(5, list.viewport()->height() - 3);
            QMimeData data;
            data.setData(QStringLiteral("application/x-qabstractitemmodeldatalist"), "x");
            QDropEvent event(QPointF(at), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
            list.dropEvent(&event);
            return event.dropAction();
        };

        // Rows 1 and 3 onto row 0.
        const Qt::DropAction action = drop({ 1, 3 }, 0);
        QCOMPARE(spy.count(), 1);
        QVERIFY(action != Qt::MoveAction); // else the view would delete the dragged items
        const ListDragDrop moves = spy.at(0).at(0).value<ListDragDrop>();
        QCOMPARE(moves, ListDragDrop({ { 1, 0 }, { 3, 1 } }));
        QCOMPARE(Order(list), QList<int>({ 1, 3, 0, 2, 4 }));
        QCOMPARE(list.count(), 5);

        // Rows 0 and 1 below the last row keep their order at the end.
        drop({ 0, 1 }, 5);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).value<ListDragDrop>(), ListDragDrop({ { 0, 5 }, { 0, 5 } }));
        QCOMPARE(Order(list), QList<int>({ 0, 2, 4, 1, 3 }));
    }

    void filesDropSorted()
    {
        SDropList list;
        list.Initialize(CListThumb::TypePhotos, false, true);
        list.SetViewMode(1);
        QSignalSpy files(&list, &CListThumb::SignalDragDropFiles);
        QSignalSpy moves(&list, &CListThumb::SignalDragDropPanel1);
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(QStringLiteral("/p/b.jpg")),
            QUrl::fromLocalFile(QStringLiteral("/p/a.jpg")),
            QUrl::fromLocalFile(QStringLiteral("/p/C.jpg")) });
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        list.dropEvent(&event);
        QCOMPARE(files.count(), 1);
        QCOMPARE(
            files.at(0).at(0).toStringList(), QStringList({ "/p/C.jpg", "/p/a.jpg", "/p/b.jpg" }));
        QCOMPARE(moves.count(), 0);
    }

    void removeSelectedRenumbers()
    {
        const QString second = Path(QStringLiteral("camera2.jpg"));
        QFile::remove(second);
        QVERIFY(QFile::copy(thumbJpeg, second));
        CListThumb list;
        list.Initialize(CListThumb::TypePhotos, false, false);
        list.SetLoader(new CListThumbThread);
        list.InitThread();
        list.SetViewMode(2);
        list.resize(600, 400);
        list.show();
        for (const QString &path : { thumbJpeg, plainJpeg, second })
            list.AddItem(path.section(QLatin1Char('/'), -1), QString(), path, false, 0, true);
        QVERIFY(WaitLoaded(list));
        QCOMPARE(Record(list, 2).iconIndex, 1);

        // The host takes the widget's item away, then the record.
        delete list.takeItem(0);
        list.RemoveSelectedItems(0);
        QCOMPARE(Order(list), QList<int>({ 0, 1 }));
        QMutexLocker locker(list.mutex);
        QCOMPARE(list.records->size(), 2);
        QCOMPARE(list.icons->size(), 1);
        QCOMPARE(list.records->at(1).path, second);
        QCOMPARE(list.records->at(1).iconIndex, 0);
        QCOMPARE(list.item(1)->icon().cacheKey(), list.icons->at(0).cacheKey());
        locker.unlock();

        list.RemoveAllItems();
        QCOMPARE(Order(list), QList<int>());
        QVERIFY(list.records->isEmpty());
        QVERIFY(list.icons->isEmpty());
    }

    void overlayOnlyOnEmptyList()
    {
        CListThumb list;
        list.Initialize(CListThumb::TypeProfiles, false, true);
        list.resize(300, 240);
        list.AddOverlayImage(QStringLiteral("Overlay-Symbol.png"), true, -5, -5, false, 1);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        // Pixels of the bottom-right corner that differ from the background.
        auto marked = [&list]() {
            const QImage shot = list.viewport()->grab().toImage();
            const QRgb ground = shot.pixel(shot.width() / 2, shot.height() / 2);
            int changed = 0;
            for (int y = shot.height() - 100; y < shot.height(); ++y)
                for (int x = shot.width() - 100; x < shot.width(); ++x)
                    changed += shot.pixel(x, y) != ground;
            return changed;
        };
        QVERIFY(marked() > 100);
        list.AddItem(QStringLiteral("one"), QString(), QString(), true, 0, true);
        QCOMPARE(marked(), 0);
    }

    void destroyWhileLoading()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("QThread")));
        QStringList paths;
        for (int i = 0; i < 40; ++i) {
            const QString path = Path(QStringLiteral("many%1.jpg").arg(i));
            QFile::remove(path);
            QVERIFY(QFile::copy(thumbJpeg, path));
            paths << path;
        }
        for (int round = 0; round < 3; ++round) {
            auto list = std::make_unique<CListThumb>();
            list->Initialize(CListThumb::TypePhotos, false, false);
            list->SetLoader(new CListThumbThread);
            list->InitThread();
            list->SetViewMode(1);
            list->resize(800, 600);
            list->show();
            for (const QString &path : std::as_const(paths))
                list->AddItem(QString(), QString(), path, false, 0, true);
            list->ThreadLoadIcons();
            QTest::qWait(60 + 40 * round);
            list.reset();
        }
    }
};

QUENDRASIL_TEST_MAIN_WITH(TestListThumb, QApplication, InitializeImageEngine)
#include "tst_listthumb.moc"
