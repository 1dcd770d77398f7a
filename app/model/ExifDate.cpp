#include "ExifDate.h"

bool SExifDate::InRange() const
{
    return day >= 1 && day <= 31 && month >= 1 && month <= 12 && year >= 1900 && year <= 3000
        && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

SExifDate ReadExifDate(const QString &text)
{
    SExifDate date;
    date.complete = true;
    const auto number = [&text, &date](qsizetype from, qsizetype length) {
        bool ok = false;
        const int value = text.mid(from, length).toInt(&ok);
        date.complete = date.complete && ok;
        return ok ? value : 0;
    };
    date.year = number(0, 4);
    date.month = number(5, 2);
    date.day = number(8, 2);
    date.hour = number(11, 2);
    date.minute = number(14, 2);
    date.second = number(17, 2);
    return date;
}
