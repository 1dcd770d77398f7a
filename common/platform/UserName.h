#pragma once

#include <QString>

namespace Platform {

// The login name of the user running the program; never empty (the numeric id stands in
// when the account has no name).
QString CurrentUserName();

} // namespace Platform
