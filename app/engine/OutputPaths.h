#pragma once

#include "OutputOptions.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct SFormatRecord;

// The rules that place a batch run's output files and keep them apart: output folders by the
// job's folder structure, names unique within a run, numbered names for existing files, the
// files of a multi-page source written one per page, and the name a user may give an output
// in place of an existing file. Plain functions on texts (and, where a rule needs it, the
// file system), shared by the batch workers and the tests. Paths use "/" separators.
namespace OutputPaths {

// The job's `OutputFolderStruct`.
using namespace FolderStructure;

// What decides one photo's output folder.
struct SFolderRule
{
    int structure = SelectedFolder;
    QString baseFolder; // DestPath, or the temporary work folder when nothing stays on disk
    QString sourceFolder; // the photo's folder
    QString commonFolder; // the photos' common parent folder (structure 1); may be empty
    QString outputFolder; // the subfolder name of structure 3
    bool keptOnDisk = true;
};

// A path cut into its folder (up to and including the last "/"), the file name's base and
// its extension. The extension is the text after the file name's last "."; a "." inside a
// folder name never counts, and a name without one has no extension.
struct SPathParts
{
    QString folder;
    QString base;
    QString extension;
    bool hasExtension = false;

    QString Join() const;
};

SPathParts SplitPath(const QString &path);

// The photo's output folder, ending in "/"; empty when the rule names no usable folder (an
// empty base folder where one is needed). Unknown structures count as 0.
QString OutputFolder(const SFolderRule &rule);

// `path` with its leading folder `leading` replaced by `replacement`, compared by whole
// components: "/p/a" leads "/p/a/b" but not "/p/ab". Empty when `leading` does not lead.
QString ReplaceLeadingFolder(
    const QString &path, const QString &leading, const QString &replacement);

// The deepest folder that holds every one of `folders` (compared by whole components), without
// a final "/"; empty when there is none or the list is empty.
QString CommonFolder(const QStringList &folders);

// Two output names are the same name within a run regardless of letter case, so that a run
// also stays safe on a destination that ignores case.
bool SameOutputName(const QString &first, const QString &second);
bool ContainsOutputName(const QStringList &names, const QString &path);

// Both paths name one file: the same text, or the same file on disk (a folder that ignores
// case, a link). On this platform "a/P.JPG" and "a/p.jpg" are two files unless the disk
// says otherwise.
bool SameFile(const QString &first, const QString &second);

// The first of path, "base (2).ext", "base (3).ext", ... that is not among `used`.
QString UniqueInRun(const QString &path, const QStringList &used);

// "base (k).ext" (k >= 2) for an existing file; a path without extension gets " (k)" at its end.
QString NumberedPath(const QString &path, int number);

// The file of page `page` of a multi-page source written one file per page: "base-0.ext".
QString PagePath(const QString &path, int page);

// The files one photo's output path stands for: the path itself, or one file per page when a
// multi-page source is written page by page.
QStringList OutputFiles(const QString &path, int pageCount, bool splitPages);

// Whether a multi-page source is written one file per page: two or more pages, one file per
// photo (`Multipage` off) and the layer setting "each layer as a separate image" (0).
bool SplitsPages(int pageCount, bool multipageDocument, int multipageWrite);

// The path an overwrite question's "Rename" answer gives: the new name in the old path's
// folder with the old extension. Empty (refused) when the name is empty, ".", "..", or holds
// "/" or "\".
QString RenamedPath(const QString &path, const QString &newName);

// The output extension when the original format is kept: the source's own extension when the
// photo is copied without decoding; otherwise the job's extension for the first writable
// format that lists the source extension; otherwise the job's extension for DefaultFormat.
// `mapExtension` is the job's rule from a format name to its extension.
QString KeptFormatExtension(const QString &sourceExtension, bool lightProcessing,
    const QList<SFormatRecord> &formats, const QString &defaultFormat,
    const std::function<QString(const QString &format)> &mapExtension);

// Whether a photo can be copied, moved or renamed without decoding.
struct SLightFacts
{
    int activeFilters = 0;
    QString outputFormat; // the job's OutputFormat
    QString sourceExtension;
    bool documentFixed = false; // one multi-page document for the run
    bool fixedSize = false;
    int quality = 88;
};
bool LightProcessingAllowed(const SLightFacts &facts);

} // namespace OutputPaths
