#pragma once

// Small helpers shared by the filter tests: records as the settings pages save them, applying
// one to a photo, comparing pixels at full depth and catching trace lines.

#include "FilterIds.h"
#include "FilterSlots.h"
#include "ImageFilters.h"

#include <Magick++.h>

#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace FilterTest {

inline SFilterRecord Record(int id, std::initializer_list<double> numbers = {},
                            const QStringList &texts = {})
{
    SFilterRecord record;
    record.id = id;
    record.active = true;
    record.numberCount = quint8(numbers.size());
    std::copy(numbers.begin(), numbers.end(), record.numbers.begin());
    record.textCount = quint8(std::min<qsizetype>(texts.size(), SFilterRecord::TextSlots));
    for (int i = 0; i < record.textCount; ++i)
        record.texts[i] = texts[i];
    return record;
}

inline bool ApplyTo(Magick::Image &image, const SFilterRecord &record,
                    const QString &sourcePath = QStringLiteral("/photos/beach.jpg"))
{
    CImageFilters filters;
    filters.target = &image;
    filters.record = record;
    filters.sourcePath = sourcePath;
    return filters.Apply();
}

// Every sample of the image at full depth, alpha included. An image without an alpha channel is
// opaque: IM6 exports whatever its opacity samples hold, which some operations (scale) leave
// unset.
inline std::vector<quint16> Quanta(Magick::Image image)
{
    std::vector<quint16> samples(image.columns() * image.rows() * 4);
    image.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::ShortPixel, samples.data());
    if (!image.matte()) {
        for (size_t alpha = 3; alpha < samples.size(); alpha += 4)
            samples[alpha] = 65535;
    }
    return samples;
}

inline bool SamePixels(const Magick::Image &left, const Magick::Image &right)
{
    return left.columns() == right.columns() && left.rows() == right.rows()
        && Quanta(left) == Quanta(right);
}

// Collects the trace lines sent while it lives (the tests run in one thread).
class CTraceLines
{
public:
    CTraceLines() { previous = qInstallMessageHandler(&CTraceLines::Handler); }
    ~CTraceLines() { qInstallMessageHandler(previous); }
    CTraceLines(const CTraceLines &) = delete;
    CTraceLines &operator=(const CTraceLines &) = delete;

    static inline QStringList lines;

private:
    static void Handler(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        lines.append(message);
    }
    QtMessageHandler previous = nullptr;
};

} // namespace FilterTest
