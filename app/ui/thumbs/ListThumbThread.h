#pragma once

#include "ThumbRecord.h"

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

// Makes the icons of a thumbnail list from the photos' embedded EXIF thumbnails, for the rows
// the list asks for. It owns none of the shared objects; every access to them is made under
// the list's mutex, one item at a time, and never while a thumbnail is being decoded.
class CListThumbThread : public QThread
{
    Q_OBJECT

public:
    CListThumbThread() = default;

    std::atomic_bool stop { false };
    std::atomic_bool loadRequested { false };
    std::atomic_int firstRow { 0 }; // written by the list before LoadThumbnails()
    std::atomic_int lastRow { -1 };
    int currentFirst = -1;
    int pixelRatio = 1; // the list's device pixel ratio, whole, at least 1

    QList<SThumbRecord> *records = nullptr;
    QList<int> *order = nullptr;
    QList<QIcon> *icons = nullptr;
    QMutex *mutex = nullptr;
    int *loadedIcons = nullptr; // the list's count of icons made here

    // The thumbnail picture of a photo: its EXIF thumbnail scaled into a transparent square of
    // 128 x pixelRatio pixels with a drop shadow. Null when the photo has none.
    static QImage MakeThumbnailImage(const QString &path, int pixelRatio);
    static void AddShadow(Magick::Image &image);

public slots:
    void LoadThumbnails();

signals:
    void OnThreadLoadComplete(int first, int last);

protected:
    void run() override;

private:
    // Loads record r's thumbnail; true when it got one. Called under the mutex, which it
    // releases while the thumbnail is decoded.
    bool MakeThumbnail(int r);
};
