// Step 1 with a large folder tree: 10,000 photos (JPEG with EXIF thumbnails, PNG and TIFF)
// in folders ten deep, added through the panel's own "Folder with Subfolders" road. Prints
// how long the list took, the longest the window's event loop went without turning, how long
// the first screen of thumbnails took after the list was complete, and the resident memory.
// Asserts nothing.
//
//   step1bench [folder]      (default /tmp/quendrasil-step1bench; the tree is made once there)

#include "ImageEngineSetup.h"
#include "ListImages.h"
#include "ListThumb.h"
#include "MainPanel1.h"
#include "Settings.h"
#include "UserProfile.h"
#include "../tests/engine/TestPhotos.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int PhotoCount = 10000;
constexpr int Depth = 10;

// The tree: 10 branches, each a chain of 10 nested folders; every folder holds 100 photos.
QString MakeTree(const QString &root)
{
    const QString marker = root + QStringLiteral("/.complete");
    if (QFile::exists(marker))
        return root;
    std::printf("Making %d photos in %s (once)...\n", PhotoCount, qPrintable(root));
    QDir(root).removeRecursively();
    const QString samples = root + QStringLiteral("/.samples");
    QDir().mkpath(samples);
    TestPhotos::SExifFacts facts;
    facts.make = "Tarrow";
    facts.model = "Bench Camera";
    facts.dateTimeOriginal = "2024:05:01 10:00:00";
    facts.thumbnail = true;
    TestPhotos::WriteJpegWithExif(samples + QStringLiteral("/s.jpg"), facts, 640, 480);
    TestPhotos::MakePhoto(320, 240).write("PNG:" + (samples + QStringLiteral("/s.png")).toStdString());
    TestPhotos::MakePhoto(320, 240).write("TIFF:" + (samples + QStringLiteral("/s.tif")).toStdString());
    const QStringList kinds { QStringLiteral("jpg"), QStringLiteral("png"), QStringLiteral("tif") };
    const int perFolder = PhotoCount / (10 * Depth);
    int made = 0;
    for (int branch = 0; branch < 10; ++branch) {
        QString folder = root + QStringLiteral("/tree");
        for (int level = 0; level < Depth; ++level) {
            folder += QStringLiteral("/b%1-l%2").arg(branch).arg(level);
            QDir().mkpath(folder);
            for (int index = 0; index < perFolder; ++index, ++made) {
                // Mostly camera JPEGs, as a real photo folder holds.
                const QString kind = kinds.at(made % 10 == 0 ? 1 : made % 10 == 5 ? 2 : 0);
                QFile::copy(samples + QStringLiteral("/s.") + kind,
                    folder + QStringLiteral("/IMG_%1.%2").arg(made, 5, 10, QLatin1Char('0')).arg(kind));
            }
        }
    }
    QFile(marker).open(QIODevice::WriteOnly);
    return root;
}

qint64 ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

bool VisibleThumbnailsDone(CListThumb *list)
{
    int first = 0;
    int last = -1;
    QMutexLocker locker(list->mutex);
    list->GetVisibleRange(first, last);
    if (last < first)
        return false;
    for (int row = first; row <= last && row < list->order->size(); ++row) {
        if (!list->records->at(list->order->at(row)).done)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The benchmark keeps its settings apart from the user's.
    const QString home = QDir::tempPath() + QStringLiteral("/quendrasil-step1bench-home");
    QDir(home).removeRecursively();
    QDir().mkpath(home);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home));
    QCoreApplication::setOrganizationName(QStringLiteral("Tarrow&Lune"));
    QCoreApplication::setApplicationName(QStringLiteral("Quendrasil"));
    QApplication application(argc, argv);
    InitializeImageEngine(argv[0]);
    const QString root = MakeTree(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                           : QStringLiteral("/tmp/quendrasil-step1bench"));
    WriteSettingInt(QStringLiteral("GUI/Step1.ViewType"), 2);
    CUserProfile::instance()->LoadSettings();
    const qint64 before = ResidentKilobytes();

    CMainPanel1 panel;
    panel.resize(1000, 700);
    panel.show();
    CMainPanel1::SetFolderChooser(
        [&root](QWidget *, const QString &, const QString &) { return root + QStringLiteral("/tree"); });
    auto *list = qobject_cast<CListThumb *>(panel.PhotoList());

    // The longest stretch between two turns of the event loop.
    QElapsedTimer sinceTick;
    qint64 longestStall = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&]() {
        longestStall = qMax(longestStall, sinceTick.restart());
    });

    QElapsedTimer clock;
    qint64 listMs = -1;
    qint64 thumbsMs = -1;
    QTimer::singleShot(0, [&]() {
        sinceTick.start();
        ticker.start();
        clock.start();
        panel.AddFolder(true);
        listMs = clock.elapsed();
        clock.restart();
    });
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&]() {
        if (listMs < 0 || thumbsMs >= 0)
            return;
        list->ThreadLoadIcons();
        if (VisibleThumbnailsDone(list)) {
            thumbsMs = clock.elapsed();
            // A little longer, to see the loader's stalls too.
            QTimer::singleShot(1000, &application, &QCoreApplication::quit);
        }
    });
    poll.start();
    QTimer::singleShot(60000, &application, &QCoreApplication::quit);
    application.exec();

    const qint64 after = ResidentKilobytes();
    std::printf("%d photos in %d folders, %d deep, added through Add > Folder with Subfolders\n",
        CListImages::instance()->Count(), 10 * Depth, Depth);
    std::printf("  list complete                  %7lld ms   (target <= 2000)\n", listMs);
    std::printf("  longest event-loop stall       %7lld ms   (target <= 250)\n", longestStall);
    std::printf("  first screen of thumbnails     %7lld ms after the list   (target <= 1000)\n", thumbsMs);
    std::printf("  resident memory                %7lld MB, %lld MB for the list   (target <= 300)\n",
        after / 1024, (after - before) / 1024);
    return 0;
}
