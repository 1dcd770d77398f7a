#include "BalloonPath.h"
#include "Folders.h"
#include "QtTranslations.h"
#include "RandomRange.h"
#include "TestMain.h"
#include "TextCodecs.h"
#include "Trace.h"

#include <QFile>
#include <QTemporaryDir>
#include <QGuiApplication>
#include <QPainterPath>
#include <QTranslator>

#include <climits>
#include <thread>

class TestCommonHelpers : public QObject
{
    Q_OBJECT

private slots:
    void qtOwnTextsFollowTheLanguage_data();
    void qtOwnTextsFollowTheLanguage();
    void traceLineLayout();
    void traceGoesToDebugChannelWithoutContext();
    void traceShowsLocalTime_data();
    void traceShowsLocalTime();

    void escapeXml_data();
    void escapeXml();

    void base64Rfc4648_data();
    void base64Rfc4648();
    void base64RoundTripsEveryByteAndNonAscii();
    void base64DecodeStopsQuietly_data();
    void base64DecodeStopsQuietly();

    void elidePath_data();
    void elidePath();
    void printableNames_data();
    void printableNames();

    void randomStaysInRange();

    void removeMissingFolderIsSuccess();
    void removeTreeWithHiddenAndReadOnlyEntries();
    void removeNeverFollowsLinks();
    void removeLinkGivenAsFolder();

    void balloonOutlines_data();
    void balloonOutlines();

};

void TestCommonHelpers::qtOwnTextsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("German") << QStringLiteral("De") << QStringLiteral("Abbrechen");
    QTest::newRow("French") << QStringLiteral("Fr") << QStringLiteral("Annuler");
    QTest::newRow("Japanese") << QStringLiteral("Ja") << QStringLiteral("キャンセル");
    QTest::newRow("English") << QStringLiteral("En") << QString();
}

// The standard buttons of Qt's own dialogs come from the translations installed with Qt.
void TestCommonHelpers::qtOwnTextsFollowTheLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, cancel);
    QTranslator translator;
    QCOMPARE(LoadQtTranslations(translator, code), !cancel.isEmpty());
    if (!cancel.isEmpty())
        QCOMPARE(translator.translate("QPlatformTheme", "Cancel"), cancel);
}

void TestCommonHelpers::traceLineLayout()
{
    const QTime time(9, 5, 3, 7);
    QCOMPARE(FormatTraceLine(time, QStringLiteral("CFiltersEnum::GenerateList"), QString()),
             QStringLiteral("09:05:03.007 CFiltersEnum::GenerateList"));
    QCOMPARE(FormatTraceLine(time, QStringLiteral("CProcessThread::run"), QStringLiteral("x")),
             QStringLiteral("09:05:03.007 CProcessThread::run. x"));
    QCOMPARE(FormatTraceLine(QTime(23, 59, 59, 999), QStringLiteral("T"), QString()),
             QStringLiteral("23:59:59.999 T"));
}

namespace {
struct CapturedMessage
{
    QtMsgType type = QtFatalMsg;
    QString text;
    bool hasFile = true;
};
CapturedMessage lastMessage;
void CaptureHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    lastMessage = {type, text, context.file != nullptr};
}
} // namespace

void TestCommonHelpers::traceGoesToDebugChannelWithoutContext()
{
    const QtMessageHandler previous = qInstallMessageHandler(CaptureHandler);
    LogMessage(QStringLiteral("MainWindow::show"), QStringLiteral("devicePixelRatio: 1.00"));
    qInstallMessageHandler(previous);

    QCOMPARE(lastMessage.type, QtDebugMsg);
    QVERIFY(!lastMessage.hasFile);
    QVERIFY(lastMessage.text.endsWith(QStringLiteral(" MainWindow::show. devicePixelRatio: 1.00")));
    QCOMPARE(lastMessage.text.indexOf(QLatin1Char(' ')), 12); // "HH:MM:SS.mmm "
}

void TestCommonHelpers::traceShowsLocalTime_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::newRow("UTC") << QByteArray("UTC0");
    QTest::newRow("half an hour ahead") << QByteArray("IST-5:30");
    QTest::newRow("behind, with summer time") << QByteArray("NST3:30NDT,M3.2.0,M11.1.0");
    QTest::newRow("three quarters ahead") << QByteArray("CHAST-12:45");
}

void TestCommonHelpers::traceShowsLocalTime()
{
    QFETCH(QByteArray, zone);
    const QByteArray previous = qgetenv("TZ");
    qputenv("TZ", zone);
    const QtMessageHandler handler = qInstallMessageHandler(CaptureHandler);
    // A new thread: each thread keeps the zone's offset it saw last for up to a minute.
    std::thread([] { LogMessage(QStringLiteral("T")); }).join();
    qInstallMessageHandler(handler);
    const QTime expected = QTime::currentTime();
    if (previous.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", previous);

    const QTime traced = QTime::fromString(lastMessage.text.left(12), QStringLiteral("HH:mm:ss.zzz"));
    QVERIFY2(traced.isValid(), qPrintable(lastMessage.text));
    const int apart = qAbs(traced.msecsTo(expected));
    QVERIFY2(qMin(apart, 86400000 - apart) < 60000,
        qPrintable(traced.toString() + QStringLiteral(" / ") + expected.toString()));
}

void TestCommonHelpers::escapeXml_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("ampersand escaped once") << "a<b&c" << "a&lt;b&amp;c";
    QTest::newRow("all five") << "<\"'&'\">" << "&lt;&quot;&apos;&amp;&apos;&quot;&gt;";
    QTest::newRow("entity text stays text") << "&amp;" << "&amp;amp;";
    QTest::newRow("nothing to do") << "Photo 01.jpg" << "Photo 01.jpg";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("non-ASCII untouched") << "Übersicht ©" << "Übersicht ©";
}

void TestCommonHelpers::escapeXml()
{
    QFETCH(QString, plain);
    QFETCH(QString, escaped);
    QCOMPARE(EscapeXml(plain), escaped);
    QCOMPARE(UnescapeXml(escaped), plain);
}

void TestCommonHelpers::base64Rfc4648_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("empty") << "" << "";
    QTest::newRow("f") << "f" << "Zg==";
    QTest::newRow("fo") << "fo" << "Zm8=";
    QTest::newRow("foo") << "foo" << "Zm9v";
    QTest::newRow("foob") << "foob" << "Zm9vYg==";
    QTest::newRow("fooba") << "fooba" << "Zm9vYmE=";
    QTest::newRow("foobar") << "foobar" << "Zm9vYmFy";
}

void TestCommonHelpers::base64Rfc4648()
{
    QFETCH(QString, plain);
    QFETCH(QString, encoded);
    QCOMPARE(Base64EncodeString(plain), encoded);
    QCOMPARE(Base64DecodeString(encoded), plain);
}

void TestCommonHelpers::base64RoundTripsEveryByteAndNonAscii()
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    for (int length = 0; length <= all.size(); length += 37) {
        const QByteArray part = all.left(length);
        QCOMPARE(Base64Encode(part), part.toBase64());
        QCOMPARE(Base64Decode(Base64Encode(part)), part);
    }
    const QString password = QStringLiteral("Pässwörd-€-日本-🙂");
    QCOMPARE(Base64DecodeString(Base64EncodeString(password)), password);
    QVERIFY(Base64Encode(nullptr, 5).isEmpty());
}

void TestCommonHelpers::base64DecodeStopsQuietly_data()
{
    QTest::addColumn<QByteArray>("encoded");
    QTest::addColumn<QByteArray>("decoded");
    QTest::newRow("foreign character ends it") << QByteArray("Zm9v!Zm9v") << QByteArray("foo");
    QTest::newRow("padding ends it") << QByteArray("Zg==Zm9v") << QByteArray("f");
    QTest::newRow("unpadded tail of two") << QByteArray("Zm9vYg") << QByteArray("foob");
    QTest::newRow("unpadded tail of three") << QByteArray("Zm9vYmE") << QByteArray("fooba");
    QTest::newRow("lone character carries nothing") << QByteArray("Zm9vY") << QByteArray("foo");
    QTest::newRow("line break ends it") << QByteArray("Zm9v\nYmFy") << QByteArray("foo");
    QTest::newRow("garbage only") << QByteArray("***") << QByteArray();
}

void TestCommonHelpers::base64DecodeStopsQuietly()
{
    QFETCH(QByteArray, encoded);
    QFETCH(QByteArray, decoded);
    QCOMPARE(Base64Decode(encoded), decoded);
}

void TestCommonHelpers::printableNames_data()
{
    QTest::addColumn<QByteArray>("bytes"); // a file name as the file system holds it
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain, accents kept") << QByteArray("/p/caf\xC3\xA9 1.jpg") << "/p/café 1.jpg";
    QTest::newRow("a name that forges a log line")
        << QByteArray("x\nProcess completed without errors.\r\n.jpg")
        << "x\\nProcess completed without errors.\\r\\n.jpg";
    QTest::newRow("tab, escape and delete")
        << QByteArray("a\tb\x1B[2Jc\x7F.png") << "a\\tb\\x1B[2Jc\\x7F.png";
    QTest::newRow("unicode line separator and C1 next line") << QByteArray("a\xE2\x80\xA8"
                                                                           "b\xC2\x85.jpg")
                                                             << "a\\u2028b\\x85.jpg";
    QTest::newRow("latin-1 byte") << QByteArray("caf\xE9.jpg") << "caf\\xE9.jpg";
    QTest::newRow("cut sequence and stray continuation")
        << QByteArray("a\xC3\x80\x80z\xE2\x82") << "aÀ\\x80z\\xE2\\x82";
    QTest::newRow("overlong slash") << QByteArray("a\xC0\xAF.jpg") << "a\\xC0\\xAF.jpg";
}

// What a log shows of a name: never a line break, and each byte that is not UTF-8 visible.
void TestCommonHelpers::printableNames()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QCOMPARE(PrintableFileNameBytes(bytes), shown);
    // A valid name reads the same through PrintablePath.
    if (QString::fromUtf8(bytes).toUtf8() == bytes
        && !QString::fromUtf8(bytes).contains(QChar::ReplacementCharacter))
        QCOMPARE(PrintablePath(QString::fromUtf8(bytes)), shown);
}

void TestCommonHelpers::elidePath_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("quote");
    QTest::addColumn<QString>("result");
    const QString path40 = QStringLiteral("/home/user/Pictures/Holiday/IMG_0001.JPG");
    QCOMPARE(path40.size(), 40);
    QTest::newRow("40 chars, limit 32, quoted")
        << path40 << 32 << true << "\"..." + path40.right(32) + "\"";
    QTest::newRow("40 chars, limit 32") << path40 << 32 << false << "..." + path40.right(32);
    QTest::newRow("exactly the limit stays whole") << path40.right(32) << 32 << false
                                                   << path40.right(32);
    QTest::newRow("short text quoted") << "a.jpg" << 64 << true << "\"a.jpg\"";
    QTest::newRow("zero limit") << "abc" << 0 << false << "...";
    QTest::newRow("negative limit") << "abc" << -5 << false << "...";
    QTest::newRow("empty") << "" << 32 << true << "\"\"";
}

void TestCommonHelpers::elidePath()
{
    QFETCH(QString, text);
    QFETCH(int, limit);
    QFETCH(bool, quote);
    QFETCH(QString, result);
    QCOMPARE(ElidePath(text, limit, quote), result);
    if (quote && text.size() == 40 && limit == 32)
        QCOMPARE(result.size(), 37);
}

void TestCommonHelpers::randomStaysInRange()
{
    for (int i = 0; i < 50; ++i)
        QCOMPARE(RandomInRange(1, 1), 1);

    bool sawLow = false, sawHigh = false;
    for (int i = 0; i < 500; ++i) {
        const int value = RandomInRange(5, 3); // reversed bounds are swapped
        QVERIFY(value >= 3 && value <= 5);
        sawLow |= value == 3;
        sawHigh |= value == 5;
    }
    QVERIFY(sawLow && sawHigh);

    for (int i = 0; i < 100; ++i) {
        const int value = RandomInRange(INT_MAX - 1, INT_MAX);
        QVERIFY(value >= INT_MAX - 1);
    }
    RandomInRange(INT_MIN, INT_MAX); // full range must not overflow
}

void TestCommonHelpers::removeMissingFolderIsSuccess()
{
    QTemporaryDir dir;
    QVERIFY(RemoveFolderRecursively(dir.filePath(QStringLiteral("never-made"))));
}

namespace {
void WriteFile(const QString &path, const QByteArray &bytes = "data")
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

void TestCommonHelpers::removeTreeWithHiddenAndReadOnlyEntries()
{
    QTemporaryDir dir;
    const QString top = dir.filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkpath(top + QStringLiteral("/a/b/.hidden-folder")));
    WriteFile(top + QStringLiteral("/.hidden"));
    WriteFile(top + QStringLiteral("/a/photo.jpg"));
    WriteFile(top + QStringLiteral("/a/b/.hidden-folder/x"));
    const QString readOnly = top + QStringLiteral("/a/b/read-only.png");
    WriteFile(readOnly);
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner);

    QVERIFY(RemoveFolderRecursively(top));
    QVERIFY(!QFileInfo::exists(top));
    QVERIFY(QFileInfo::exists(dir.path()));
}

void TestCommonHelpers::removeNeverFollowsLinks()
{
    QTemporaryDir dir;
    const QString outside = dir.filePath(QStringLiteral("outside"));
    QVERIFY(QDir().mkpath(outside + QStringLiteral("/inner")));
    WriteFile(outside + QStringLiteral("/keep.jpg"));
    WriteFile(outside + QStringLiteral("/inner/keep-too.jpg"));
    const QString outsideFile = dir.filePath(QStringLiteral("lone.jpg"));
    WriteFile(outsideFile);

    const QString top = dir.filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkpath(top + QStringLiteral("/sub")));
    QVERIFY(QFile::link(outside, top + QStringLiteral("/sub/link-to-folder")));
    QVERIFY(QFile::link(outsideFile, top + QStringLiteral("/link-to-file")));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")), top + QStringLiteral("/dangling")));

    QVERIFY(RemoveFolderRecursively(top));
    QVERIFY(!QFileInfo::exists(top));
    QVERIFY(QFileInfo::exists(outside + QStringLiteral("/keep.jpg")));
    QVERIFY(QFileInfo::exists(outside + QStringLiteral("/inner/keep-too.jpg")));
    QVERIFY(QFileInfo::exists(outsideFile));
}

void TestCommonHelpers::removeLinkGivenAsFolder()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target"));
    QVERIFY(QDir().mkpath(target));
    WriteFile(target + QStringLiteral("/keep.jpg"));
    const QString link = dir.filePath(QStringLiteral("link"));
    QVERIFY(QFile::link(target, link));

    QVERIFY(RemoveFolderRecursively(link));
    QVERIFY(!QFileInfo(link).isSymLink());
    QVERIFY(QFileInfo::exists(target + QStringLiteral("/keep.jpg")));
}

void TestCommonHelpers::balloonOutlines_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QRectF>("bounds");
    QTest::addColumn<QPointF>("start");
    QTest::newRow("tail bottom left") << 0 << QRectF(5, 5, 155, 95) << QPointF(30, 5);
    QTest::newRow("tail bottom right") << 1 << QRectF(5, 5, 155, 105) << QPointF(30, 5);
    QTest::newRow("tail top left") << 2 << QRectF(5, 0, 155, 95) << QPointF(40, 20);
}

void TestCommonHelpers::balloonOutlines()
{
    QFETCH(int, kind);
    QFETCH(QRectF, bounds);
    QFETCH(QPointF, start);
    const QPainterPath path = MakeBalloonPath(kind);
    QCOMPARE(path.controlPointRect(), bounds);
    QVERIFY(QRectF(5, 0, 155, 110).contains(path.boundingRect()));
    QCOMPARE(QPointF(path.elementAt(0)), start);
    const QPainterPath::Element last = path.elementAt(path.elementCount() - 1);
    QCOMPARE(QPointF(last), start); // closed
    QVERIFY(path.contains(QPointF(80, 50)));
}

QUENDRASIL_TEST_MAIN(TestCommonHelpers, QGuiApplication)
#include "tst_commonhelpers.moc"
