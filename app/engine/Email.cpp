#include "Email.h"

#include "TextCodecs.h"
#include "Trace.h"
#include "platform/DesktopOpen.h"
#include "platform/TempFolder.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QByteArray Crlf("\r\n");
const QByteArray Indent("        ");
constexpr qsizetype Base64LineLength = 76;
constexpr qsizetype QuotedPrintableLineLength = 76;
// 45 bytes give 60 base64 characters: with "=?UTF-8?B?" and "?=" a word stays within 75.
constexpr qsizetype EncodedWordBytes = 45;
constexpr qsizetype ContinuationLength = 60;

void Trace(const QString &detail)
{
    LogMessage(QStringLiteral("CEmail::ComposeEmail"), detail);
}

bool IsPrintableAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    }
    return true;
}

// A cut inside a UTF-8 sequence would leave each piece undecodable.
qsizetype Utf8Cut(const QByteArray &bytes, qsizetype from, qsizetype maxLength)
{
    qsizetype end = qMin(from + maxLength, bytes.size());
    while (end > from + 1 && end < bytes.size() && (uchar(bytes.at(end)) & 0xC0) == 0x80)
        --end;
    return end;
}

// RFC 2047 words, for header text outside printable ASCII.
QByteArray EncodedWords(const QString &text, const QByteArray &separator)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    for (qsizetype at = 0; at < utf8.size();) {
        const qsizetype end = Utf8Cut(utf8, at, EncodedWordBytes);
        if (!out.isEmpty())
            out += separator;
        out += "=?UTF-8?B?" + Base64Encode(utf8.mid(at, end - at)) + "?=";
        at = end;
    }
    return out;
}

// Only the words outside printable ASCII are encoded, so that an address in "To" stays
// readable; a run of such words becomes one encoded text to keep its spaces.
QByteArray HeaderText(const QString &text)
{
    if (IsPrintableAscii(text))
        return text.toLatin1();
    const QStringList words = text.split(QLatin1Char(' '));
    QByteArray out;
    for (qsizetype i = 0; i < words.size();) {
        if (i > 0)
            out += ' ';
        if (IsPrintableAscii(words.at(i))) {
            out += words.at(i).toLatin1();
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < words.size() && !IsPrintableAscii(words.at(end)))
            ++end;
        out += EncodedWords(words.mid(i, end - i).join(QLatin1Char(' ')), Crlf + ' ');
        i = end;
    }
    return out;
}

QByteArray QuotedName(const QString &name)
{
    if (!IsPrintableAscii(name))
        return '"' + EncodedWords(name, " ") + '"';
    QByteArray out = name.toLatin1();
    out.replace('\\', "\\\\");
    out.replace('"', "\\\"");
    return '"' + out + '"';
}

// The RFC 2231 filename parameter lines, split into continuations so no line grows long.
QByteArray FilenameParameterLines(const QString &name)
{
    static const QByteArray AttrChars("!#$&+-.^_`|~");
    QByteArray encoded;
    for (const char c : name.toUtf8()) {
        const uchar u = uchar(c);
        if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')
            || AttrChars.contains(c)) {
            encoded += c;
        } else {
            encoded += '%' + QByteArray::number(u, 16).rightJustified(2, '0').toUpper();
        }
    }
    if (encoded.size() <= ContinuationLength)
        return Indent + "filename*=UTF-8''" + encoded + Crlf;

    QList<QByteArray> pieces;
    for (qsizetype at = 0; at < encoded.size();) {
        qsizetype end = qMin(at + ContinuationLength, encoded.size());
        // Never split a "%XX" triplet.
        if (end < encoded.size() && encoded.at(end - 1) == '%')
            end -= 1;
        else if (end < encoded.size() && end >= 2 && encoded.at(end - 2) == '%')
            end -= 2;
        pieces.append(encoded.mid(at, end - at));
        at = end;
    }
    QByteArray out;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        out += Indent + "filename*" + QByteArray::number(i) + "*=";
        if (i == 0)
            out += "UTF-8''";
        out += pieces.at(i);
        out += (i + 1 < pieces.size() ? ";" : "") + Crlf;
    }
    return out;
}

// Only a MIME token can follow "image/"; anything else would break the header.
QByteArray SuffixToken(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return QByteArray();
    const QString suffix = fileName.mid(dot + 1);
    static const QString Allowed = QStringLiteral("!#$&+-.^_`|~");
    for (const QChar c : suffix) {
        const bool letterOrDigit = c.unicode() < 0x80 && c.isLetterOrNumber();
        if (!letterOrDigit && !Allowed.contains(c))
            return QByteArray();
    }
    return suffix.toLatin1();
}

QByteArray WrappedBase64(const QByteArray &content)
{
    const QByteArray encoded = Base64Encode(content);
    QByteArray out;
    out.reserve(encoded.size() + encoded.size() / Base64LineLength * 2 + 2);
    for (qsizetype at = 0; at < encoded.size(); at += Base64LineLength)
        out += encoded.mid(at, Base64LineLength) + Crlf;
    if (encoded.isEmpty())
        out += Crlf;
    return out;
}

// The body part is declared quoted-printable, so it is encoded that way.
QByteArray QuotedPrintable(const QString &text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QList<QByteArray> lines = normal.toLatin1().split('\n');

    QByteArray out;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QByteArray &line = lines.at(n);
        QByteArray current;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const uchar u = uchar(line.at(i));
            const bool last = i + 1 == line.size();
            QByteArray piece;
            if ((u >= 33 && u <= 126 && u != '=') || ((u == ' ' || u == '\t') && !last))
                piece = QByteArray(1, char(u));
            else
                piece = '=' + QByteArray::number(u, 16).rightJustified(2, '0').toUpper();
            // Room is kept for the "=" of a soft line break.
            if (current.size() + piece.size() > QuotedPrintableLineLength - 1) {
                out += current + '=' + Crlf;
                current.clear();
            }
            current += piece;
        }
        out += current;
        if (n + 1 < lines.size())
            out += Crlf;
    }
    return out;
}

} // namespace

CEmail::CEmail() = default;

bool CEmail::BuildMessage(QByteArray &text) const
{
    text.clear();
    text += "Content-Type: multipart/alternative; boundary=\"TarrowLuneMailerBoundary\"" + Crlf;
    text += "To: " + HeaderText(recipient) + Crlf;
    text += "Subject: " + HeaderText(subject) + Crlf;
    text += "Mime-Version: 1.0 " + Crlf + Crlf;
    text += "--TarrowLuneMailerBoundary" + Crlf;
    text += "Content-Transfer-Encoding: quoted-printable" + Crlf;
    text += "Content-Type: text/plain;" + Crlf;
    text += Indent + "charset=iso-8859-1" + Crlf + Crlf;
    text += QuotedPrintable(body) + Crlf + Crlf + Crlf;
    text += "--TarrowLuneMailerBoundary" + Crlf;
    text += "Content-Type: multipart/mixed;" + Crlf;
    text += Indent + "boundary=\"TarrowLuneMailerBoundaryAttachments\"" + Crlf + Crlf;

    for (const QString &path : attachments) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            Trace(QStringLiteral("Cannot read attachment %1").arg(path));
            return false;
        }
        const QByteArray content = file.readAll();
        file.close();

        const QString name = QFileInfo(path).fileName();
        text += "--TarrowLuneMailerBoundaryAttachments" + Crlf;
        text += "Content-Disposition: attachment;" + Crlf;
        if (!IsPrintableAscii(name))
            text += FilenameParameterLines(name);
        text += "Content-Type: image/" + SuffixToken(name) + ";" + Crlf;
        text += Indent + "name=" + QuotedName(name) + Crlf;
        text += "Content-Transfer-Encoding: base64" + Crlf + Crlf;
        text += WrappedBase64(content);
    }

    text += "--TarrowLuneMailerBoundaryAttachments--" + Crlf;
    text += "--TarrowLuneMailerBoundary--" + Crlf;
    return true;
}

bool CEmail::ComposeEmail()
{
    QByteArray text;
    if (!BuildMessage(text))
        return false;

    const QString folder = Platform::TempWorkFolder();
    if (folder.isEmpty()) {
        Trace(QStringLiteral("No work folder"));
        return false;
    }
    messagePath
        = folder + QStringLiteral("/ComposedEmail-%1.eml").arg(QDateTime::currentSecsSinceEpoch());

    // A failed write must not leave a cut message for the mail client.
    QSaveFile file(messagePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        Trace(QStringLiteral("Cannot write %1: %2").arg(messagePath, file.errorString()));
        return false;
    }
    return Platform::OpenLocalPath(messagePath);
}
