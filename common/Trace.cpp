#include "Trace.h"

#include <QDateTime>
#include <QMessageLogger>
#include <QTime>

#include <limits>

#include <time.h>

namespace {

// The local time of day, now. QTime::currentTime() rereads the time zone under a process-wide
// lock at every call, which busy threads that trace often queue on; the offset from UTC only
// changes at a minute's start, so each thread asks for it once a minute.
QTime CurrentLocalTime()
{
    thread_local qint64 offsetMinute = std::numeric_limits<qint64>::min();
    thread_local qint64 offsetMs = 0;
    const qint64 utcMs = QDateTime::currentMSecsSinceEpoch();
    const qint64 minute = utcMs >= 0 ? utcMs / 60000 : (utcMs - 59999) / 60000;
    if (minute != offsetMinute) {
        tzset(); // a changed time zone shows from the next minute on
        const time_t seconds = time_t(minute * 60);
        tm local {};
        offsetMs = localtime_r(&seconds, &local) ? qint64(local.tm_gmtoff) * 1000 : 0;
        offsetMinute = minute;
    }
    constexpr qint64 DayMs = 86400000;
    return QTime::fromMSecsSinceStartOfDay(int((((utcMs + offsetMs) % DayMs) + DayMs) % DayMs));
}

} // namespace

QString FormatTraceLine(const QTime &time, const QString &tag, const QString &detail)
{
    // "%02d:%02d:%02d.%03d ", written by hand: watch threads trace several lines a second.
    QString line;
    line.reserve(13 + tag.size() + (detail.isEmpty() ? 0 : 2 + detail.size()));
    const auto digits = [&line](int value, int count) {
        for (int divisor = count == 3 ? 100 : 10; divisor > 0; divisor /= 10)
            line += QLatin1Char(char('0' + value / divisor % 10));
    };
    digits(time.hour(), 2);
    line += QLatin1Char(':');
    digits(time.minute(), 2);
    line += QLatin1Char(':');
    digits(time.second(), 2);
    line += QLatin1Char('.');
    digits(time.msec(), 3);
    line += QLatin1Char(' ');
    line += tag;
    if (!detail.isEmpty()) {
        line += QLatin1String(". ");
        line += detail;
    }
    return line;
}

void LogMessage(const QString &tag, const QString &detail)
{
    const QByteArray line = FormatTraceLine(CurrentLocalTime(), tag, detail).toLatin1();
    // A logger without file, line or function context, and no category.
    QMessageLogger(nullptr, 0, nullptr).debug("%s", line.constData());
}
