#pragma once

#include <QString>

// The name or description of a profile that comes with the program, looked up by the id its
// file carries (NameId, DescriptionId) and translated anew on each call, so the chooser shows
// it in the user's language whatever language the file was written in. Empty for an id that
// names no text.
QString BuiltInProfileText(qint32 id);
