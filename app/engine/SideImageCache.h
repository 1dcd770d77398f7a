#pragma once

#include <QList>
#include <QMutex>
#include <QString>

#include <Magick++.h>

// How a side image was read: the same file read another way gives other pixels.
enum class ESideImageReader {
    Overlay, // logos and masks, as ImageMagick reads the file
    Texture, // the Date's texture, through the engine's own checked reader (sRGB)
    Frame, // the frame pictures beside the program
};

// A side image: its file and how it was read. What the filters derive from the picture
// (transparency, turning, scaling, fitting) is done on a copy at every use, so it is no part
// of the key; a frame's family, number and edge style are all in its file's name.
struct SSideImageKey
{
    ESideImageReader reader = ESideImageReader::Overlay;
    QString path;

    bool operator==(const SSideImageKey &) const = default;
};

// The pictures a filter chain reads beside the photo (logos, masks, frame pictures, the Date's
// texture), kept as read. A CImageManager's filters hold one and share it with the filters it
// builds for each page, so a batch worker decodes each file once per run, however many photos,
// pages and filters use it. Copies of a manager share it too, and a preview hands its copies to
// the GUI thread: m_lock guards the entries.
class CSideImageCache
{
public:
    // More than any chain uses; a preview's manager lives through many chains and would
    // otherwise keep every logo and frame it ever showed.
    static constexpr int MaximumEntries = 16;

    // The picture kept for `key`, shared until one side changes it; false when none is kept.
    bool Find(const SSideImageKey &key, Magick::Image &picture);
    // Keeps `picture` for `key`; beyond MaximumEntries the one used longest ago goes.
    void Keep(const SSideImageKey &key, const Magick::Image &picture);
    // As Keep, but the picture takes the place of whatever `slot` held: a random frame keeps
    // only its last draw.
    void KeepInSlot(const QString &slot, const SSideImageKey &key, const Magick::Image &picture);
    void Clear();
    // What is kept, the one used longest ago first.
    QList<SSideImageKey> Keys() const;

private:
    struct SEntry
    {
        SSideImageKey key;
        QString slot; // empty for a picture kept for its key alone
        Magick::Image picture;
    };

    void Add(SEntry entry);

    mutable QMutex m_lock;
    QList<SEntry> m_entries; // guarded by m_lock; the one used last at the end
};

// Every reader of a side image calls this just before it decodes the file.
void CountSideImageDecode();
// Side images decoded by the whole process so far (tests and benchmarks).
quint64 SideImageDecodeCount();
