#pragma once

#include "ListThumbLoader.h"

#include <QIcon>
#include <QList>
#include <QMutex>
#include <QSize>
#include <QThread>

#include <Magick++.h>

#include <atomic>

extern "C" {
struct _ExifData;
}

// The thumbnail a JPEG carries in its EXIF data, read with libexif. Each reader keeps its own
// parser state, so readers in several threads never overlap.
class CExifThumbnail
{
public:
    CExifThumbnail() = default;
    ~CExifThumbnail();
    CExifThumbnail(const CExifThumbnail &) = delete;
    CExifThumbnail &operator=(const CExifThumbnail &) = delete;

    // Reads the file's EXIF section; `size` becomes the decoded thumbnail's width and height,
    // 0 by 0 when there is none or it does not decode. False without a thumbnail.
    bool Read(QSize &size, const QString &path);
    const unsigned char *Data() const; // null when there is no thumbnail
    int Size() const;
    // The thumbnail as Read decoded it, so that it is decoded once.
    const Magick::Image &Image() const { return decoded; }
    void Discard(); // frees the parser's data

private:
    _ExifData *data = nullptr;
    int thumbnailSize = 0;
    Magick::Image decoded;
};

// The loader of the photo lists: for the rows the list asks for it makes icons from the
// photos' embedded EXIF thumbnails and reads their details; between requests it reads the
// details of the other photos in the background, so that the details table can sort by them.
// It owns none of the shared objects; every access to them is made under the list's mutex,
// one item at a time, and never while a photo is being read.
class CListThumbThread : public CListThumbLoader
{
    Q_OBJECT

public:
    CListThumbThread() = default;

    // The thumbnail picture of a photo: its EXIF thumbnail scaled into a transparent square of
    // 128 x pixelRatio pixels with a drop shadow. Null when the photo has none.
    static QImage MakeThumbnailImage(const QString &path, int pixelRatio);
    static void AddShadow(Magick::Image &image);
    // Pings the photo and fills the record's details and tool tip (details left empty when
    // the photo cannot be pinged); marks them read. Any thread.
    static void ReadPhotoDetails(SThumbRecord &record);

protected:
    void Run() override;

private:
    // Loads record r's thumbnail (and details); true when it got a thumbnail. Called under
    // the mutex, which it releases while the photo is read.
    bool MakeThumbnail(int r);
    // Reads the details of one photo that lacks them; false when none is left. Takes the
    // mutex itself.
    bool ReadNextDetails();
    // The index of the record of `path` now (records move and go while the lock is released),
    // trying `hint` first; -1 when it is gone. Called under the mutex.
    int FindRecord(int hint, const QString &path) const;

    int currentFirst = -1; // the first row of the pass under way
    int detailsRow = 0; // where the background pass looks next
    bool detailsRead = false; // details were read since DetailsComplete was last sent
};
