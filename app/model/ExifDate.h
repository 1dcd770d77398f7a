#pragma once

#include <QString>

// The six numbers of an EXIF date "YYYY:MM:DD HH:MM:SS", read by position so that the
// separators may be any character. Each user keeps its own rule on what counts as a date.
struct SExifDate
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool complete = false; // every part was there and a number; a missing one reads as 0

    // Years 1900 to 3000, months 1 to 12, days 1 to 31 and a clock time; whether the day
    // exists in its month is not asked.
    bool InRange() const;
};

SExifDate ReadExifDate(const QString &text);
