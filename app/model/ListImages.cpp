#include "ListImages.h"

#include <QSet>

#include <utility>

#include "FormatsEnum.h"
#include "ListFilters.h"

namespace {

// True when a format that can be read lists the extension. The catalogue spells a few
// extensions in mixed case ("YCbCr") and users spell theirs any way, so case is ignored.
bool IsReadableExtension(const QString &extension)
{
    if (extension.isEmpty())
        return false;
    // Built once the catalogue is there: adding a large folder asks for every file.
    static QSet<QString> readable;
    if (readable.isEmpty()) {
        for (const SFormatRecord &format : CFormatsEnum::instance()->Formats()) {
            if (!format.canRead)
                continue;
            for (const QString &part : format.ExtensionList())
                readable.insert(part.toUpper());
        }
    }
    return readable.contains(extension.toUpper());
}

// Splits a "/"-separated path into folder, base name and extension. The extension comes from
// the file name only, so "/a.b/photo" has none.
SImageRecord MakeRecord(const QString &path)
{
    SImageRecord record;
    record.pathName = path;
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    if (nameStart > 0)
        record.folder = path.left(nameStart - 1);
    const QString fileName = path.mid(nameStart);
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) {
        record.baseName = fileName;
    } else {
        record.baseName = fileName.left(dot);
        record.extension = fileName.mid(dot + 1);
    }
    return record;
}

} // namespace

SImageRecord FindImageByPath(const QList<SImageRecord> &list, const QString &path)
{
    for (const SImageRecord &record : list) {
        if (record.pathName == path)
            return record;
    }
    return SImageRecord();
}

CListImages *CListImages::singleton = nullptr;

CListImages::CListImages()
{
    // The format catalogue decides which photos are accepted; make sure it exists.
    CFormatsEnum::instance();
}

CListImages::~CListImages() = default;

CListImages *CListImages::instance()
{
    if (!singleton)
        singleton = new CListImages();
    return singleton;
}

void CListImages::DeleteInstance()
{
    if (!singleton)
        return;
    singleton->images.clear();
    singleton->paths.clear();
    delete singleton;
    singleton = nullptr;
}

bool CListImages::AddImage(const QString &path, QStringList &rejected)
{
    if (paths.contains(path))
        return false;
    SImageRecord record = MakeRecord(path);
    if (!IsReadableExtension(record.extension)) {
        rejected.append(path);
        return false;
    }
    record.sequenceNumber = int(images.size());
    images.append(record);
    paths.insert(path);
    return true;
}

bool CListImages::MoveImage(int from, int to)
{
    if (!MoveListEntry(images, from, to))
        return false;
    Renumber(qMin(from, to));
    return true;
}

bool CListImages::ReorderImages(const QList<int> &order)
{
    const int count = int(images.size());
    if (order.size() != count)
        return false;
    QSet<int> seen;
    for (int index : order) {
        if (index < 0 || index >= count || seen.contains(index))
            return false;
        seen.insert(index);
    }
    QList<SImageRecord> reordered;
    reordered.reserve(count);
    for (int index : order)
        reordered.append(images.at(index));
    images = reordered;
    Renumber();
    return true;
}

bool CListImages::RemoveAt(int index)
{
    if (index < 0 || index >= images.size())
        return false;
    paths.remove(images.at(index).pathName);
    images.removeAt(index);
    Renumber(index);
    return true;
}

void CListImages::Clear()
{
    images.clear();
    paths.clear();
    skippedNames.clear();
}

void CListImages::SetImages(const QList<SImageRecord> &list)
{
    images = list;
    paths.clear();
    for (const SImageRecord &record : std::as_const(images))
        paths.insert(record.pathName);
    Renumber();
}

bool CListImages::SetFolderPosition(int index, int position)
{
    if (index < 0 || index >= images.size())
        return false;
    images[index].folderPosition = position;
    return true;
}

void CListImages::Renumber(int first)
{
    for (int index = first; index < images.size(); ++index) {
        if (images.at(index).sequenceNumber != index)
            images[index].sequenceNumber = index;
    }
}
