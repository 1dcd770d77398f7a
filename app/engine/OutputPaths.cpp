#include "OutputPaths.h"

#include <QDir>
#include <QFile>

#include "FormatsEnum.h"
#include "OptionChoices.h"
#include "OutputOptions.h"

#include <filesystem>
#include <system_error>

namespace OutputPaths {
namespace {

// Paths of this platform differ by letter case.
constexpr Qt::CaseSensitivity PathCase = Qt::CaseSensitive;

QString WithSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// A folder's components below the file-system root, with "." and ".." left out: a relative
// part built from them can never climb out of the folder it is joined to.
QStringList SafeComponents(const QString &folder)
{
    QStringList parts;
    for (const QString &part : folder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part != QLatin1String(".") && part != QLatin1String(".."))
            parts.append(part);
    }
    return parts;
}

// The folder the photos' tree is recreated under when no common folder is known: the whole
// source folder with ":" removed ("E:/Pics" becomes "E/Pics").
QString WholeTreeBelow(const QString &base, const QString &sourceFolder)
{
    QString source = sourceFolder;
    source.remove(QLatin1Char(':'));
    const QStringList parts = SafeComponents(source);
    return parts.isEmpty() ? WithSlash(base) : WithSlash(base) + parts.join(QLatin1Char('/')) + '/';
}

QString Clean(const QString &path)
{
    return path.isEmpty() ? path : QDir::cleanPath(path);
}

} // namespace

QString SPathParts::Join() const
{
    return hasExtension ? folder + base + QLatin1Char('.') + extension : folder + base;
}

SPathParts SplitPath(const QString &path)
{
    SPathParts parts;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    parts.folder = path.left(slash + 1);
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    parts.hasExtension = dot >= 0;
    parts.base = dot < 0 ? name : name.left(dot);
    parts.extension = dot < 0 ? QString() : name.mid(dot + 1);
    return parts;
}

QString ReplaceLeadingFolder(
    const QString &path, const QString &leading, const QString &replacement)
{
    const QString cleanPath = Clean(path);
    const QString cleanLeading = Clean(leading);
    if (cleanPath.isEmpty() || cleanLeading.isEmpty())
        return QString();
    if (cleanPath.compare(cleanLeading, PathCase) == 0)
        return replacement;
    const QString prefix = WithSlash(cleanLeading);
    if (!cleanPath.startsWith(prefix, PathCase))
        return QString();
    return WithSlash(replacement) + cleanPath.mid(prefix.size());
}

QString CommonFolder(const QStringList &folders)
{
    if (folders.isEmpty())
        return QString();
    QString candidate = Clean(folders.first());
    for (const QString &folder : folders) {
        const QString clean = Clean(folder);
        while (!candidate.isEmpty() && clean.compare(candidate, PathCase) != 0
            && !clean.startsWith(WithSlash(candidate), PathCase)) {
            const qsizetype slash = candidate.lastIndexOf(QLatin1Char('/'));
            candidate = slash <= 0 ? QString() : candidate.left(slash);
        }
    }
    return candidate;
}

QString OutputFolder(const SFolderRule &rule)
{
    const bool needsBase = rule.structure == RecreateTree
        || (rule.structure != PhotoSubfolder
            && !(rule.structure == PhotoFolder && rule.keptOnDisk));
    if (needsBase && rule.baseFolder.isEmpty())
        return QString();

    switch (rule.structure) {
    case RecreateTree: {
        if (!rule.commonFolder.isEmpty()) {
            const QString below
                = ReplaceLeadingFolder(rule.sourceFolder, rule.commonFolder, rule.baseFolder);
            // A photo outside the common folder still lands under the base folder.
            if (!below.isEmpty())
                return WithSlash(below);
        }
        return WholeTreeBelow(rule.baseFolder, rule.sourceFolder);
    }
    case PhotoFolder:
        return WithSlash(rule.keptOnDisk ? rule.sourceFolder : rule.baseFolder);
    case PhotoSubfolder:
        return WithSlash(rule.sourceFolder) + WithSlash(rule.outputFolder);
    default:
        return WithSlash(rule.baseFolder);
    }
}

bool SameOutputName(const QString &first, const QString &second)
{
    return first.compare(second, Qt::CaseInsensitive) == 0;
}

bool ContainsOutputName(const QStringList &names, const QString &path)
{
    return names.contains(path, Qt::CaseInsensitive);
}

bool SameFile(const QString &first, const QString &second)
{
    if (first == second)
        return true;
    std::error_code error;
    const bool equivalent
        = std::filesystem::equivalent(std::filesystem::path(QFile::encodeName(first).toStdString()),
            std::filesystem::path(QFile::encodeName(second).toStdString()), error);
    return !error && equivalent;
}

QString UniqueInRun(const QString &path, const QStringList &used)
{
    if (!ContainsOutputName(used, path))
        return path;
    for (int number = 2;; ++number) {
        const QString candidate = NumberedPath(path, number);
        if (!ContainsOutputName(used, candidate))
            return candidate;
    }
}

QString NumberedPath(const QString &path, int number)
{
    SPathParts parts = SplitPath(path);
    parts.base += QStringLiteral(" (%1)").arg(number);
    return parts.Join();
}

QString PagePath(const QString &path, int page)
{
    SPathParts parts = SplitPath(path);
    parts.base += QLatin1Char('-') + QString::number(page);
    return parts.Join();
}

QStringList OutputFiles(const QString &path, int pageCount, bool splitPages)
{
    if (!splitPages)
        return { path };
    QStringList files;
    for (int page = 0; page < pageCount; ++page)
        files.append(PagePath(path, page));
    return files;
}

bool SplitsPages(int pageCount, bool multipageDocument, int multipageWrite)
{
    return pageCount >= 2 && !multipageDocument && multipageWrite == LayerSetting::EachLayer;
}

QString RenamedPath(const QString &path, const QString &newName)
{
    if (newName.isEmpty() || newName == QLatin1String(".") || newName == QLatin1String("..")
        || newName.contains(QLatin1Char('/')) || newName.contains(QLatin1Char('\\'))
        || newName.contains(QChar(0)))
        return QString();
    SPathParts parts = SplitPath(path);
    parts.base = newName;
    return parts.Join();
}

QString KeptFormatExtension(const QString &sourceExtension, bool lightProcessing,
    const QList<SFormatRecord> &formats, const QString &defaultFormat,
    const std::function<QString(const QString &format)> &mapExtension)
{
    if (lightProcessing)
        return sourceExtension;
    for (const SFormatRecord &row : formats) {
        if (!row.canWrite)
            continue;
        for (const QString &extension : row.extensions.split(QLatin1Char('/'))) {
            if (extension.compare(sourceExtension, Qt::CaseInsensitive) == 0)
                return mapExtension(row.coder);
        }
    }
    return mapExtension(defaultFormat);
}

bool LightProcessingAllowed(const SLightFacts &facts)
{
    const bool sameFormat
        = facts.outputFormat.compare(facts.sourceExtension, Qt::CaseInsensitive) == 0
        || SOutputOptions::KeepsOriginal(facts.outputFormat);
    return facts.activeFilters == 0 && sameFormat && !facts.documentFixed && !facts.fixedSize
        && facts.quality >= 88;
}

} // namespace OutputPaths
