#pragma once

#include <QString>

// The user's documents and pictures folders, with "/" separators and no trailing "/".
QString GetDocumentsFolder();
QString GetPicturesFolder();

// The folder of the running program (where Data/ and the help live).
QString GetProgramFolder();

// The path with "\" turned into "/", as paths are kept whatever their origin.
QString WithForwardSlashes(QString path);

// Deletes a folder tree. Symbolic links are removed as links and never followed, so the
// walk never leaves the tree. True when the folder no longer exists (also when it never did).
bool RemoveFolderRecursively(const QString &path);
