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
