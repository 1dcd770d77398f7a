#pragma once

#include <QString>

// A job's name becomes part of file names and messages: it may hold none of
// \ / : * ? " < > |
bool IsValidJobName(const QString &name);
