#pragma once

#include <QMutex>
#include <QStringList>
#include <QtGlobal>

// Keeps every trace line (worker threads included) so that a test can count them; lines still
// go on to the handler that was there before.
namespace TraceCollector {

inline QMutex lock;
inline QStringList lines; // guarded by lock
inline QtMessageHandler previous = nullptr;

inline void Collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        QMutexLocker locker(&lock);
        lines.append(message);
    }
    if (previous)
        previous(type, context, message);
}

inline void Install()
{
    previous = qInstallMessageHandler(Collect);
}

inline void Clear()
{
    QMutexLocker locker(&lock);
    lines.clear();
}

// The lines that contain `part`.
inline int Count(const QString &part)
{
    QMutexLocker locker(&lock);
    int count = 0;
    for (const QString &line : std::as_const(lines))
        count += line.contains(part) ? 1 : 0;
    return count;
}

} // namespace TraceCollector
