#include "TextCodecs.h"

#include <algorithm>
#include <array>

namespace {
constexpr char Base64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Value of an alphabet character, or -1 for anything else.
int Base64Value(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}
} // namespace

QString EscapeXml(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("&"), QLatin1String("&amp;"));
    result.replace(QLatin1String("<"), QLatin1String("&lt;"));
    result.replace(QLatin1String(">"), QLatin1String("&gt;"));
    result.replace(QLatin1String("\""), QLatin1String("&quot;"));
    result.replace(QLatin1String("'"), QLatin1String("&apos;"));
    return result;
}

QString UnescapeXml(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("&amp;"), QLatin1String("&"));
    result.replace(QLatin1String("&lt;"), QLatin1String("<"));
    result.replace(QLatin1String("&gt;"), QLatin1String(">"));
    result.replace(QLatin1String("&quot;"), QLatin1String("\""));
    result.replace(QLatin1String("&apos;"), QLatin1String("'"));
    return result;
}

QByteArray Base64Encode(const unsigned char *bytes, qsizetype length)
{
    QByteArray out;
    if (!bytes || length <= 0)
        return out;
    out.reserve((length + 2) / 3 * 4);
    qsizetype i = 0;
    for (; i + 3 <= length; i += 3) {
        const unsigned v = (bytes[i] << 16) | (bytes[i + 1] << 8) | bytes[i + 2];
        out.append(Base64Alphabet[(v >> 18) & 63]);
        out.append(Base64Alphabet[(v >> 12) & 63]);
        out.append(Base64Alphabet[(v >> 6) & 63]);
        out.append(Base64Alphabet[v & 63]);
    }
    const qsizetype rest = length - i;
    if (rest > 0) {
        // The last group is completed with zeros and filled up with "=".
        const unsigned v = (bytes[i] << 16) | (rest == 2 ? bytes[i + 1] << 8 : 0);
        out.append(Base64Alphabet[(v >> 18) & 63]);
        out.append(Base64Alphabet[(v >> 12) & 63]);
        out.append(rest == 2 ? Base64Alphabet[(v >> 6) & 63] : '=');
        out.append('=');
    }
    return out;
}

QByteArray Base64Encode(const QByteArray &bytes)
{
    return Base64Encode(reinterpret_cast<const unsigned char *>(bytes.constData()),
                        bytes.size());
}

QByteArray Base64Decode(const QByteArray &encoded)
{
    QByteArray out;
    out.reserve(encoded.size() / 4 * 3 + 3);
    std::array<int, 4> group{};
    int filled = 0;
    for (const char c : encoded) {
        const int value = Base64Value(c);
        if (value < 0)
            break; // "=" or a foreign character ends the text
        group[filled++] = value;
        if (filled == 4) {
            out.append(char((group[0] << 2) | (group[1] >> 4)));
            out.append(char(((group[1] & 15) << 4) | (group[2] >> 2)));
            out.append(char(((group[2] & 3) << 6) | group[3]));
            filled = 0;
        }
    }
    // A final group of two or three characters carries one or two bytes; a lone one carries none.
    if (filled >= 2)
        out.append(char((group[0] << 2) | (group[1] >> 4)));
    if (filled == 3)
        out.append(char(((group[1] & 15) << 4) | (group[2] >> 2)));
    return out;
}

QString Base64EncodeString(const QString &text)
{
    return QString::fromLatin1(Base64Encode(text.toUtf8()));
}

QString Base64DecodeString(const QString &encoded)
{
    const QByteArray bytes = Base64Decode(encoded.toUtf8());
    const qsizetype zero = bytes.indexOf('\0');
    return QString::fromUtf8(zero < 0 ? bytes : bytes.left(zero));
}

QString ElidePath(const QString &text, int limit, bool quote)
{
    const qsizetype keep = qMax(limit, 0);
    QString result = text.size() <= keep ? text : QStringLiteral("...") + text.right(keep);
    if (quote)
        result = QLatin1Char('"') + result + QLatin1Char('"');
    return result;
}

namespace {

bool NeedsEscape(QChar character)
{
    const QChar::Category category = character.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line
        || category == QChar::Separator_Paragraph;
}

void AppendEscaped(QString &result, char32_t code)
{
    switch (code) {
    case U'\n':
        result += QLatin1String("\\n");
        return;
    case U'\r':
        result += QLatin1String("\\r");
        return;
    case U'\t':
        result += QLatin1String("\\t");
        return;
    default:
        break;
    }
    const QString digits = QString::number(uint(code), 16).toUpper();
    if (code <= 0xFF)
        result += QLatin1String("\\x") + digits.rightJustified(2, QLatin1Char('0'));
    else
        result += QLatin1String("\\u") + digits.rightJustified(4, QLatin1Char('0'));
}

} // namespace

QString PrintablePath(const QString &text)
{
    if (std::none_of(text.cbegin(), text.cend(), NeedsEscape))
        return text;
    QString result;
    result.reserve(text.size() + 8);
    for (const QChar character : text) {
        if (NeedsEscape(character))
            AppendEscaped(result, character.unicode());
        else
            result += character;
    }
    return result;
}

QString PrintableFileNameBytes(const QByteArray &bytes)
{
    QString result;
    qsizetype index = 0;
    while (index < bytes.size()) {
        // The longest valid UTF-8 run from here, then one byte that starts none.
        qsizetype end = index;
        while (end < bytes.size()) {
            const uchar lead = uchar(bytes.at(end));
            const int length = lead < 0x80 ? 1
                : (lead & 0xE0) == 0xC0    ? 2
                : (lead & 0xF0) == 0xE0    ? 3
                : (lead & 0xF8) == 0xF0    ? 4
                                           : 0;
            if (length == 0 || end + length > bytes.size())
                break;
            const QByteArray sequence = bytes.mid(end, length);
            const QString decoded = QString::fromUtf8(sequence);
            if (decoded.contains(QChar::ReplacementCharacter) || decoded.toUtf8() != sequence)
                break;
            end += length;
        }
        result += PrintablePath(QString::fromUtf8(bytes.mid(index, end - index)));
        if (end < bytes.size()) {
            AppendEscaped(result, uchar(bytes.at(end)));
            ++end;
        }
        index = end;
    }
    return result;
}

QString FileSizeText(qint64 bytes)
{
    constexpr qint64 Megabyte = 1048576;
    if (bytes <= 0)
        return QStringLiteral("N/A");
    if (bytes >= Megabyte)
        return QString::number(double(bytes) / Megabyte, 'f', 2) + QStringLiteral(" MB");
    return QString::number(double(bytes) / 1024, 'f', 2) + QStringLiteral(" KB");
}
