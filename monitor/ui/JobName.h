#pragma once

#include <QString>

// A job name becomes part of file names and menu texts: it may hold none of \ / : * ? " < > |.
bool IsValidJobName(const QString &name);
