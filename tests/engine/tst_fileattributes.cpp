#include "ImageEngineSetup.h"
#include "TestFiles.h"
#include "TestMain.h"

#include "FileAttributes.h"
#include "platform/FileTimes.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>

#include <memory>

namespace {

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct stat StatOf(const QString &path)
{
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        status.st_mode = 0;
    return status;
}

// Sets both times through the system directly, so the tests do not lean on the code under test.
bool SetTimes(const QString &path, qint64 accessSeconds, long accessNanoseconds,
    qint64 modificationSeconds, long modificationNanoseconds)
{
    const timespec times[2] = { { time_t(accessSeconds), accessNanoseconds },
        { time_t(modificationSeconds), modificationNanoseconds } };
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

constexpr qint64 SourceAccess = 1262347445; // 2010-01-01 12:04:05 UTC
constexpr qint64 SourceWrite = 1104580800; // 2005-01-01 12:00:00 UTC
constexpr qint64 OutputTime = 1700000000;

} // namespace

class TestFileAttributes : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void outputTakesSourceTimesAndPermissions_data();
    void outputTakesSourceTimesAndPermissions();
    void unreadableSourceLeavesOutputAlone();
    void zeroTimesAreNeverApplied();
    void missingOutputIsReportedAsFailure();
    void outputContentIsUnchanged();
    void noHiddenAttributeToClear();
    void readOnlyOutputCanBeMadeWritable();

private:
    QString MakeFile(const QString &name, const QByteArray &content, quint32 mode,
        qint64 accessSeconds, qint64 writeSeconds);

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestFileAttributes::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

QString TestFileAttributes::MakeFile(const QString &name, const QByteArray &content, quint32 mode,
    qint64 accessSeconds, qint64 writeSeconds)
{
    const QString path = m_folder->filePath(name);
    if (!WriteFile(path, content) || !SetTimes(path, accessSeconds, 0, writeSeconds, 0)
        || ::chmod(QFile::encodeName(path).constData(), mode) != 0)
        return QString();
    return path;
}

void TestFileAttributes::outputTakesSourceTimesAndPermissions_data()
{
    QTest::addColumn<QString>("sourceName");
    QTest::addColumn<quint32>("sourceMode");
    QTest::addColumn<quint32>("outputMode"); // what the output must have afterwards
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("read-only source gives a read-only output")
        << "photo.jpg" << 0444u << 0444u << true;
    QTest::newRow("writable source") << "photo.jpg" << 0644u << 0644u << false;
    QTest::newRow("private source stays private") << "photo.jpg" << 0600u << 0600u << false;
    QTest::newRow("owner always keeps reading") << "photo.jpg" << 0044u << 0444u << true;
    QTest::newRow("special bits are not passed on") << "photo.jpg" << 06755u << 0755u << false;
    QTest::newRow("name with spaces and accents")
        << "Été à la mer 01.jpg" << 0444u << 0444u << true;
}

void TestFileAttributes::outputTakesSourceTimesAndPermissions()
{
    QFETCH(QString, sourceName);
    QFETCH(quint32, sourceMode);
    QFETCH(quint32, outputMode);
    QFETCH(bool, readOnly);

    const QString source = m_folder->filePath(sourceName);
    QVERIFY(WriteFile(source, "source photo"));
    QVERIFY(SetTimes(source, SourceAccess, 250000000, SourceWrite, 123456789));
    QVERIFY(::chmod(QFile::encodeName(source).constData(), sourceMode) == 0);
    const QString output = MakeFile("output.jpg", "output photo", 0644, OutputTime, OutputTime);
    QVERIFY(!output.isEmpty());

    SFileAttributeRecord record;
    QVERIFY(FileAttributes::Read(source, record));
    QVERIFY(record.timesRead);
    QVERIFY(FileAttributes::Write(output, record));

    const struct stat status = StatOf(output);
    QCOMPARE(qint64(status.st_mtim.tv_sec), SourceWrite);
    QCOMPARE(status.st_mtim.tv_nsec, 123456789L);
    QCOMPARE(qint64(status.st_atim.tv_sec), SourceAccess);
    QCOMPARE(status.st_atim.tv_nsec, 250000000L);
    QCOMPARE(quint32(status.st_mode) & 07777u, outputMode);
    QCOMPARE(Platform::IsReadOnly(quint32(status.st_mode)), readOnly);
}

void TestFileAttributes::unreadableSourceLeavesOutputAlone()
{
    const QString output = MakeFile("output.jpg", "output photo", 0644, OutputTime, OutputTime);
    QVERIFY(!output.isEmpty());

    SFileAttributeRecord record;
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("FileAttributes: Cannot read file"));
    QVERIFY(!FileAttributes::Read(m_folder->filePath("gone.jpg"), record));
    QVERIFY(!record.timesRead);
    QVERIFY(!FileAttributes::Write(output, record));

    const struct stat status = StatOf(output);
    QCOMPARE(qint64(status.st_mtim.tv_sec), OutputTime);
    QCOMPARE(qint64(status.st_atim.tv_sec), OutputTime);
    QCOMPARE(quint32(status.st_mode) & 0777u, 0644u);

    // A record that was read once and then reused for a missing source is emptied.
    const QString source = MakeFile("source.jpg", "photo", 0444, SourceAccess, SourceWrite);
    QVERIFY(FileAttributes::Read(source, record));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("FileAttributes: Cannot read file"));
    QVERIFY(!FileAttributes::Read(m_folder->filePath("gone too.jpg"), record));
    QVERIFY(!FileAttributes::Write(output, record));
    QCOMPARE(qint64(StatOf(output).st_mtim.tv_sec), OutputTime);
}

void TestFileAttributes::zeroTimesAreNeverApplied()
{
    const QString output = MakeFile("output.jpg", "output photo", 0644, OutputTime, OutputTime);
    QVERIFY(!output.isEmpty());

    SFileAttributeRecord record;
    record.timesRead = true;
    record.attributes = 0644;
    record.lastWriteTime = { SourceWrite, 0 };
    QVERIFY(FileAttributes::Write(output, record));
    QCOMPARE(qint64(StatOf(output).st_mtim.tv_sec), SourceWrite);
    QCOMPARE(qint64(StatOf(output).st_atim.tv_sec), OutputTime);

    record.lastWriteTime = {};
    record.lastAccessTime = { SourceAccess, 0 };
    QVERIFY(FileAttributes::Write(output, record));
    QCOMPARE(qint64(StatOf(output).st_mtim.tv_sec), SourceWrite);
    QCOMPARE(qint64(StatOf(output).st_atim.tv_sec), SourceAccess);
}

void TestFileAttributes::missingOutputIsReportedAsFailure()
{
    const QString source = MakeFile("source.jpg", "photo", 0644, SourceAccess, SourceWrite);
    SFileAttributeRecord record;
    QVERIFY(FileAttributes::Read(source, record));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("FileAttributes: Cannot write file"));
    QVERIFY(!FileAttributes::Write(m_folder->filePath("never written.jpg"), record));
    QVERIFY(!QFile::exists(m_folder->filePath("never written.jpg")));
}

void TestFileAttributes::outputContentIsUnchanged()
{
    QByteArray content(70000, '\0');
    for (int index = 0; index < content.size(); ++index)
        content[index] = char(index * 31 + 7);
    const QString source = MakeFile("source.jpg", "photo", 0444, SourceAccess, SourceWrite);
    const QString output = MakeFile("output.jpg", content, 0644, OutputTime, OutputTime);
    SFileAttributeRecord record;
    QVERIFY(FileAttributes::Read(source, record));
    QVERIFY(FileAttributes::Write(output, record));
    QCOMPARE(FileBytes(output), content);
}

void TestFileAttributes::noHiddenAttributeToClear()
{
    const QString dotted = MakeFile(".hidden.jpg", "photo", 0644, OutputTime, OutputTime);
    QVERIFY(!FileAttributes::ClearHidden(dotted));
    QVERIFY(QFile::exists(dotted));
    QCOMPARE(qint64(StatOf(dotted).st_mtim.tv_sec), OutputTime);
    QVERIFY(!FileAttributes::ClearHidden(m_folder->filePath("missing.jpg")));
}

void TestFileAttributes::readOnlyOutputCanBeMadeWritable()
{
    const QString output = MakeFile("output.jpg", "photo", 0444, OutputTime, OutputTime);
    QVERIFY(Platform::SetReadOnly(output, false));
    QCOMPARE(quint32(StatOf(output).st_mode) & 0777u, 0644u);
    QVERIFY(Platform::SetReadOnly(output, true));
    QCOMPARE(quint32(StatOf(output).st_mode) & 0777u, 0444u);
    // Changing permissions leaves the times alone.
    QCOMPARE(qint64(StatOf(output).st_mtim.tv_sec), OutputTime);
    QVERIFY(!Platform::SetReadOnly(m_folder->filePath("missing.jpg"), false));
}

QUENDRASIL_TEST_MAIN_WITH(TestFileAttributes, QCoreApplication, InitializeImageEngine)
#include "tst_fileattributes.moc"
