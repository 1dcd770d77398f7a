#pragma once

#include <QByteArray>
#include <QString>

// XML text escaping of the job documents. Order matters: "&" first on the way in,
// "&amp;" first on the way out.
QString EscapeXml(const QString &text);
QString UnescapeXml(const QString &text);

// Base64 with the RFC 4648 alphabet. Decoding stops quietly at the first "=" or at the first
// character outside the alphabet. Stored passwords depend on this exact form.
QByteArray Base64Encode(const unsigned char *bytes, qsizetype length);
QByteArray Base64Encode(const QByteArray &bytes);
QByteArray Base64Decode(const QByteArray &encoded);
QString Base64EncodeString(const QString &text);
// The decoded bytes are read as UTF-8 up to the first zero byte.
QString Base64DecodeString(const QString &encoded);

// Shortens a path for messages to its last `limit` characters behind "...", and optionally
// puts it in double quotes.
QString ElidePath(const QString &text, int limit, bool quote);

// A path or name as it may be shown or logged: control characters (line breaks among them)
// and the Unicode line and paragraph separators become escapes such as "\n", "\t" or
// "\x1B", so that a file name can never start a line of its own in a log.
QString PrintablePath(const QString &text);

// File-name bytes that are not valid UTF-8, shown as the valid parts with every other byte
// as "\xHH" (and control characters escaped as PrintablePath does).
QString PrintableFileNameBytes(const QByteArray &bytes);

// "N/A" for no bytes, else the size with two decimals and " KB" or " MB" (1 MB = 1048576).
QString FileSizeText(qint64 bytes);
