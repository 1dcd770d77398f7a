#include "ImageEngineSetup.h"
#include "TestMain.h"

#include "Email.h"
#include "platform/DesktopOpen.h"
#include "platform/TempFolder.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

// Parses a message with Python's own MIME parser, a reader that shares no code with ours.
const char *ParserScript = R"PY(
import email, email.policy, hashlib, json, sys
with open(sys.argv[1], 'rb') as f:
    msg = email.message_from_binary_file(f, policy=email.policy.default)
out = {'subject': str(msg['subject']), 'to': str(msg['to']), 'defects': len(msg.defects), 'attachments': []}
for part in msg.walk():
    if part.get_content_disposition() == 'attachment':
        data = part.get_payload(decode=True)
        out['attachments'].append({'name': part.get_filename(),
                                   'typeName': part['content-type'].params.get('name'),
                                   'type': part.get_content_type(),
                                   'sha256': hashlib.sha256(data).hexdigest()})
    elif part.get_content_type() == 'text/plain':
        out['body'] = part.get_payload(decode=True).decode('latin-1')
print(json.dumps(out))
)PY";

QByteArray RandomBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(QRandomGenerator::global()->bounded(256));
    return bytes;
}

QString Sha256(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList ComposedFiles()
{
    return QDir(Platform::TempWorkFolder())
        .entryList({ QStringLiteral("ComposedEmail-*.eml") }, QDir::Files);
}

} // namespace

class TestEmail : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void independentParserReadsTheMessage();
    void headersOutsideAsciiAreEncoded();
    void everyLineEndsInCrLfAndBase64IsWrapped();
    void layoutWithoutAttachments();
    void contentTypeFollowsTheSuffix_data();
    void contentTypeFollowsTheSuffix();
    void unreadableAttachmentWritesNothing();
    void desktopFailureKeepsTheFile();
    void startsEmpty();

private:
    bool WriteFile(const QString &name, const QByteArray &content, QString *path);
    QJsonObject Parse(const QString &path);

    QTemporaryDir dir;
    QStringList opened;
    bool openerResult = true;
};

void TestEmail::init()
{
    QVERIFY(dir.isValid());
    opened.clear();
    openerResult = true;
    Platform::SetLocalPathOpener([this](const QString &path) {
        opened.append(path);
        return openerResult;
    });
    for (const QString &name : ComposedFiles())
        QFile::remove(Platform::TempWorkFolder() + QLatin1Char('/') + name);
}

void TestEmail::cleanup()
{
    Platform::SetLocalPathOpener({});
}

bool TestEmail::WriteFile(const QString &name, const QByteArray &content, QString *path)
{
    *path = dir.filePath(name);
    QFile file(*path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QJsonObject TestEmail::Parse(const QString &path)
{
    QProcess python;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PYTHONIOENCODING"), QStringLiteral("utf-8"));
    python.setProcessEnvironment(env);
    python.start(QStringLiteral("/usr/bin/python3"),
        { QStringLiteral("-c"), QString::fromLatin1(ParserScript), path });
    if (!python.waitForFinished(-1) || python.exitCode() != 0) {
        qWarning() << python.readAllStandardError();
        return QJsonObject();
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

void TestEmail::independentParserReadsTheMessage()
{
    const QString wide = QString::fromUtf8("Zürich – 日本.jpg");
    // Long enough to need several encoded words and RFC 2231 continuations.
    const QString longName = QString::fromUtf8("Ålesund ").repeated(12) + QStringLiteral(".png");
    const QString quoted = QStringLiteral("say \"cheese\" \\ now.tif");
    const QList<QPair<QString, QByteArray>> files = {
        { wide, RandomBytes(10000) },
        { QStringLiteral("plain.JPG"), RandomBytes(4001) },
        { longName, RandomBytes(57) },
        { quoted, QByteArray() },
    };

    CEmail email;
    email.subject = QStringLiteral("Quendrasil");
    email.body = QString::fromUtf8("Grüße = 1 \nsecond line\t\n") + QString(100, QLatin1Char('x'));
    for (const auto &[name, content] : files) {
        QString path;
        QVERIFY(WriteFile(name, content, &path));
        email.attachments.append(path);
    }

    const qint64 before = QDateTime::currentSecsSinceEpoch();
    QVERIFY(email.ComposeEmail());
    const qint64 after = QDateTime::currentSecsSinceEpoch();

    QCOMPARE(opened, QStringList { email.messagePath });
    const QFileInfo info(email.messagePath);
    QCOMPARE(info.absolutePath(), Platform::TempWorkFolder());
    QVERIFY(info.fileName().startsWith(QStringLiteral("ComposedEmail-")));
    QCOMPARE(info.suffix(), QStringLiteral("eml"));
    const qint64 seconds = info.completeBaseName().mid(14).toLongLong();
    QVERIFY(seconds >= before && seconds <= after);

    const QJsonObject parsed = Parse(email.messagePath);
    QVERIFY(!parsed.isEmpty());
    QCOMPARE(parsed.value(QStringLiteral("subject")).toString(), QStringLiteral("Quendrasil"));
    QCOMPARE(parsed.value(QStringLiteral("defects")).toInt(), 0);
    // The parser may hand back LF line ends; the text itself must come back whole.
    QString body = parsed.value(QStringLiteral("body")).toString();
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(body, email.body + QStringLiteral("\n\n"));

    const QJsonArray attachments = parsed.value(QStringLiteral("attachments")).toArray();
    QCOMPARE(attachments.size(), files.size());
    for (int i = 0; i < files.size(); ++i) {
        const QJsonObject a = attachments.at(i).toObject();
        QCOMPARE(a.value(QStringLiteral("name")).toString(), files.at(i).first);
        QCOMPARE(a.value(QStringLiteral("typeName")).toString(), files.at(i).first);
        QCOMPARE(a.value(QStringLiteral("sha256")).toString(), Sha256(files.at(i).second));
    }
    QCOMPARE(attachments.at(1).toObject().value(QStringLiteral("type")).toString(),
        QStringLiteral("image/jpg"));
}

void TestEmail::headersOutsideAsciiAreEncoded()
{
    CEmail email;
    email.recipient = QString::fromUtf8("Jörg <jorg@example.org>");
    email.subject = QString::fromUtf8("Fotos – Zürich 日本 ").repeated(6).trimmed();
    QVERIFY(email.ComposeEmail());
    const QByteArray text = ReadAll(email.messagePath);
    for (const char c : text)
        QVERIFY(uchar(c) < 0x80);
    const QJsonObject parsed = Parse(email.messagePath);
    QCOMPARE(parsed.value(QStringLiteral("subject")).toString(), email.subject);
    QCOMPARE(parsed.value(QStringLiteral("to")).toString(), email.recipient);
}

void TestEmail::everyLineEndsInCrLfAndBase64IsWrapped()
{
    QString path;
    const QByteArray content = RandomBytes(3000);
    QVERIFY(WriteFile(QStringLiteral("a.png"), content, &path));
    CEmail email;
    email.attachments = { path };
    QVERIFY(email.ComposeEmail());

    const QByteArray text = ReadAll(email.messagePath);
    QVERIFY(text.endsWith("\r\n"));
    QCOMPARE(text.count('\n'), text.count("\r\n"));
    QCOMPARE(text.count('\r'), text.count("\r\n"));

    const QList<QByteArray> lines = text.split('\n');
    const qsizetype start = lines.indexOf("Content-Transfer-Encoding: base64\r") + 2;
    QVERIFY(start >= 2);
    QByteArray joined;
    qsizetype n = start;
    for (; n < lines.size() && !lines.at(n).startsWith("--"); ++n) {
        QVERIFY2(lines.at(n).size() - 1 <= 76, lines.at(n).constData());
        joined += lines.at(n).chopped(1);
    }
    QCOMPARE(QByteArray::fromBase64(joined), content);
    QCOMPARE(lines.at(n), QByteArray("--TarrowLuneMailerBoundaryAttachments--\r"));
}

void TestEmail::layoutWithoutAttachments()
{
    CEmail email;
    email.subject = QStringLiteral("Quendrasil");
    QVERIFY(email.ComposeEmail());
    const QByteArray expected
        = "Content-Type: multipart/alternative; boundary=\"TarrowLuneMailerBoundary\"\r\n"
          "To: \r\n"
          "Subject: Quendrasil\r\n"
          "Mime-Version: 1.0 \r\n"
          "\r\n"
          "--TarrowLuneMailerBoundary\r\n"
          "Content-Transfer-Encoding: quoted-printable\r\n"
          "Content-Type: text/plain;\r\n"
          "        charset=iso-8859-1\r\n"
          "\r\n"
          "\r\n"
          "\r\n"
          "\r\n"
          "--TarrowLuneMailerBoundary\r\n"
          "Content-Type: multipart/mixed;\r\n"
          "        boundary=\"TarrowLuneMailerBoundaryAttachments\"\r\n"
          "\r\n"
          "--TarrowLuneMailerBoundaryAttachments--\r\n"
          "--TarrowLuneMailerBoundary--\r\n";
    QCOMPARE(ReadAll(email.messagePath), expected);
}

void TestEmail::contentTypeFollowsTheSuffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("upper") << "photo.JPG" << QByteArray("Content-Type: image/JPG;\r\n");
    QTest::newRow("tif") << "photo.tif" << QByteArray("Content-Type: image/tif;\r\n");
    QTest::newRow("none") << "photo" << QByteArray("Content-Type: image/;\r\n");
    QTest::newRow("last dot") << "a.b.webp" << QByteArray("Content-Type: image/webp;\r\n");
}

void TestEmail::contentTypeFollowsTheSuffix()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, header);
    QString path;
    QVERIFY(WriteFile(name, "x", &path));
    CEmail email;
    email.attachments = { path };
    QVERIFY(email.ComposeEmail());
    const QByteArray text = ReadAll(email.messagePath);
    QVERIFY2(text.contains("Content-Disposition: attachment;\r\n" + header + "        name=\""
                 + name.toLatin1() + "\"\r\n"),
        text.constData());
}

void TestEmail::unreadableAttachmentWritesNothing()
{
    QString path;
    QVERIFY(WriteFile(QStringLiteral("good.jpg"), "x", &path));
    CEmail email;
    email.attachments = { path, dir.filePath(QStringLiteral("missing.jpg")) };
    QVERIFY(!email.ComposeEmail());
    QVERIFY(opened.isEmpty());
    QVERIFY(ComposedFiles().isEmpty());
}

void TestEmail::desktopFailureKeepsTheFile()
{
    openerResult = false;
    CEmail email;
    QVERIFY(!email.ComposeEmail());
    QCOMPARE(opened, QStringList { email.messagePath });
    QVERIFY(QFileInfo::exists(email.messagePath));
}

void TestEmail::startsEmpty()
{
    const CEmail email;
    QVERIFY(email.recipient.isEmpty());
    QVERIFY(email.subject.isEmpty());
    QVERIFY(email.body.isEmpty());
    QVERIFY(email.attachments.isEmpty());
    QVERIFY(email.messagePath.isEmpty());
    QVERIFY(!email.parent());
}

QUENDRASIL_TEST_MAIN_WITH(TestEmail, QCoreApplication, InitializeImageEngine)
#include "tst_email.moc"
