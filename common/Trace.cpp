#include "Trace.h"

#include <QMessageLogger>
#include <QTime>

QString FormatTraceLine(const QTime &time, const QString &tag, const QString &detail)
{
    QString line = QString::asprintf("%02d:%02d:%02d.%03d ", time.hour(), time.minute(),
                                     time.second(), time.msec());
    line += tag;
    if (!detail.isEmpty())
        line += QStringLiteral(". ") + detail;
    return line;
}

void LogMessage(const QString &tag, const QString &detail)
{
    const QByteArray line = FormatTraceLine(QTime::currentTime(), tag, detail).toLatin1();
    // A logger without file, line or function context, and no category.
    QMessageLogger(nullptr, 0, nullptr).debug("%s", line.constData());
}
