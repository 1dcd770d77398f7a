#pragma once

#include <QString>
#include <QTime>

// One trace line on Qt's debug channel: "HH:MM:SS.mmm " + tag [+ ". " + detail].
// Safe from any thread.
void LogMessage(const QString &tag, const QString &detail = QString());

// The line LogMessage sends, built for a given time (kept apart so it can be checked).
QString FormatTraceLine(const QTime &time, const QString &tag, const QString &detail);
