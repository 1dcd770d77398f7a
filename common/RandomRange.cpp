#include "RandomRange.h"

#include <QRandomGenerator>

#include <utility>

int RandomInRange(int minimum, int maximum)
{
    if (maximum < minimum)
        std::swap(minimum, maximum);
    // 64-bit bounds: maximum + 1 must not overflow for INT_MAX.
    return int(QRandomGenerator::global()->bounded(qint64(minimum), qint64(maximum) + 1));
}
