#include "RenameSettings.h"

#include "ExifDate.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace {

// Enough for any 32-bit counter; a wider request (the dialog allows 1000) adds only zeros.
constexpr int MaxCounterDigits = 10;

const char *const MonthNames[12]
    = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };

struct SDateParts
{
    int year = 1900;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

SDateParts PartsOf(const QDateTime &dateTime)
{
    const QDate date = dateTime.date();
    const QTime time = dateTime.time();
    return { date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second() };
}

// A part that is missing or no number counts as 0, so a date without its time still counts.
bool ParsePhotoDate(const QString &text, SDateParts &parts)
{
    if (text.isEmpty())
        return false;
    const SExifDate read = ReadExifDate(text);
    if (!read.InRange())
        return false;
    parts = { read.year, read.month, read.day, read.hour, read.minute, read.second };
    return true;
}

QString DateText(const SDateParts &parts, int dateFormat)
{
    const char *month = MonthNames[parts.month - 1];
    const int shortYear = parts.year < 2000 ? parts.year - 1900 : parts.year - 2000;
    const int y = parts.year;
    const int m = parts.month;
    const int d = parts.day;
    switch (dateFormat) {
    case 0:
        return QString::asprintf("%s-%02d-%04d", month, d, y);
    case 1:
        return QString::asprintf("%s-%02d-%02d", month, d, shortYear);
    case 2:
        return QString::asprintf("%02d-%s-%04d", d, month, y);
    case 3:
        return QString::asprintf("%02d-%s-%02d", d, month, shortYear);
    case 4:
        return QString::asprintf("%04d-%s-%02d", y, month, d);
    case 5:
        return QString::asprintf("%02d-%s-%02d", shortYear, month, d);
    case 6:
        return QString::asprintf("%02d-%02d-%04d", m, d, y);
    case 7:
        return QString::asprintf("%02d-%02d-%02d", m, d, shortYear);
    case 8:
        return QString::asprintf("%02d-%02d-%04d", d, m, y);
    case 9:
        return QString::asprintf("%02d-%02d-%02d", d, m, shortYear);
    case 10:
        return QString::asprintf("%04d-%02d-%02d", y, m, d);
    case 11:
        return QString::asprintf("%02d-%02d-%02d", shortYear, m, d);
    default:
        return QString();
    }
}

QString TimeText(const SDateParts &parts, int showTime, int timeFormat)
{
    if (timeFormat != NameTimeLayout::HoursMinutes && timeFormat != NameTimeLayout::WithSeconds)
        return QString();
    int hour = parts.hour;
    QString suffix;
    if (showTime == NameClock::TwelveHour) {
        // Noon belongs to PM and midnight is twelve AM.
        suffix = hour >= 12 ? QStringLiteral(" PM") : QStringLiteral(" AM");
        hour %= 12;
        if (hour == 0)
            hour = 12;
    } else if (showTime != NameClock::TwentyFourHour) {
        return QString();
    }
    const QString clock = timeFormat == NameTimeLayout::HoursMinutes
        ? QString::asprintf("%02d-%02d", hour, parts.minute)
        : QString::asprintf("%02d-%02d-%02d", hour, parts.minute, parts.second);
    return clock + suffix;
}

// At least `digits` digits, zeros in front, the sign before them.
QString CounterText(qint64 value, int digits)
{
    digits = std::clamp(digits, 1, MaxCounterDigits);
    const QString magnitude
        = QString::number(value < 0 ? -value : value).rightJustified(digits, QLatin1Char('0'));
    return value < 0 ? QLatin1Char('-') + magnitude : magnitude;
}

int ClampToInt(qint64 value)
{
    return int(std::clamp<qint64>(
        value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

QString FolderNameOf(QString folder)
{
    if (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    const qsizetype slash = folder.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : folder.mid(slash + 1);
}

QString CapitaliseWords(const QString &text)
{
    QString result = text;
    for (qsizetype i = 0; i < result.size(); ++i) {
        const bool startsWord = i == 0 || result.at(i - 1) == QLatin1Char(' ');
        result[i] = startsWord ? result.at(i).toUpper() : result.at(i).toLower();
    }
    return result;
}

void SplitAtLastDot(const QString &text, QString &name, QString &extension)
{
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.'));
    name = dot < 0 ? text : text.left(dot);
    extension = dot < 0 ? QString() : text.mid(dot);
}

} // namespace

void SRenameSettings::GenerateFileName(int photoCount, bool preview)
{
    if (Preset != RenamePreset::Template) {
        switch (Preset) {
        case RenamePreset::FileName:
            Pattern = QStringLiteral("[Filename].[Extension]");
            break;
        case RenamePreset::FolderAndCounter:
            Pattern = photoCount == 1 && !ContinueNumbering
                ? QStringLiteral("[FolderName].[Extension]")
                : QStringLiteral("[FolderName] [Counter].[Extension]");
            break;
        case RenamePreset::DateTime:
            Pattern = QStringLiteral("[DateTime].[Extension]");
            break;
        default:
            break;
        }
        LowerCaseExt = true;
        ChangeCase = NameCase::Keep;
        CounterStart = 1;
        CountStep = 1;
        CounterReset = false;
        CounterDigits = 3;
        DateType = NameDate::PhotoDate;
        DateFormat = 0;
        TimeFormat = NameTimeLayout::HoursMinutes;
        ShowTime = NameClock::TwelveHour;
        SearchReplace = false;
        SearchFor.clear();
        ReplaceWith.clear();
        if (ContinueNumbering && !CounterReset)
            CounterStart = ClampToInt((qint64(PhotosDoneBefore) + 1) * CountStep);
    }

    const qsizetype dot = Pattern.lastIndexOf(QLatin1Char('.'));
    WorkingPattern = dot < 0 ? Pattern : Pattern.left(dot);

    const QString counterSuffix = QStringLiteral(" ([Counter])");
    const QString lowered = WorkingPattern.toLower();
    if (AddCounter && !lowered.contains(QLatin1String("[filename]"))
        && !lowered.contains(QLatin1String("[counter]"))
        && !lowered.contains(QLatin1String("[datetime]")))
        WorkingPattern += counterSuffix;
    if (WorkingPattern.toLower().contains(QLatin1String("([counter])")) && photoCount == 1
        && !ContinueNumbering && WorkingPattern != counterSuffix)
        WorkingPattern.remove(counterSuffix);

    WorkingPattern += QStringLiteral(".[Extension]");
    if (preview)
        RunningCount = 0;

    QString result;
    const QString &pattern = WorkingPattern;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char(']')) {
            ++i;
            continue;
        }
        if (c != QLatin1Char('[')) {
            result += c;
            ++i;
            continue;
        }
        const qsizetype close = pattern.indexOf(QLatin1Char(']'), i + 1);
        if (close < 0)
            break;
        QString token = pattern.mid(i + 1, close - i - 1);
        const qsizetype inner = token.indexOf(QLatin1Char('['));
        if (inner >= 0)
            token = token.mid(inner + 1);
        i = close + 1;

        token = token.toLower();
        if (token == QLatin1String("filename"))
            result += PhotoBaseName;
        else if (token == QLatin1String("foldername"))
            result += FolderNameOf(PhotoFolder);
        else if (token == QLatin1String("extension"))
            result += OutputExtension.toLower();
        else if (token == QLatin1String("counter"))
            result += CounterText(qint64(PhotoIndex) * CountStep + CounterStart, CounterDigits);
        else if (token == QLatin1String("datetime"))
            result += FormatDate(*this, ShowTime, DateType, DateFormat, TimeFormat);
    }

    if (!preview)
        ++RunningCount;

    QString name;
    QString extension;
    SplitAtLastDot(result, name, extension);
    switch (ChangeCase) {
    case NameCase::Lower:
        name = name.toLower();
        break;
    case NameCase::Upper:
        name = name.toUpper();
        break;
    case NameCase::CapitaliseWords:
        name = CapitaliseWords(name);
        break;
    default:
        break;
    }
    if (LowerCaseExt)
        extension = extension.toLower();
    else if (ChangeCase == NameCase::Upper)
        extension = extension.toUpper();

    if (SearchReplace && !SearchFor.isEmpty())
        name.replace(SearchFor, ReplaceWith, Qt::CaseInsensitive);

    // The result is a file name: a separator from the template, a replacement or a document
    // written elsewhere must not lead the output into another folder.
    GeneratedName = name + extension;
    GeneratedName.replace(QLatin1Char('/'), QLatin1Char('_'));
    GeneratedName.replace(QLatin1Char('\\'), QLatin1Char('_'));
}

bool SRenameSettings::ChangesFileName() const
{
    return Pattern != QLatin1String("[Filename].[Extension]");
}

void SRenameSettings::ApplyOptions(const SRenameOptions &options)
{
    Pattern = options.FilenameFormat + QStringLiteral(".[Extension]");
    Preset = options.PresetRename;
    ChangeCase = options.ChangeCase;
    LowerCaseExt = options.LowerCaseExt;
    CounterStart = options.CounterStart;
    CountStep = options.CountStep;
    CounterDigits = options.CounterDigits;
    CounterReset = options.CounterReset;
    DateType = options.DateType;
    DateFormat = options.DateFormat;
    ShowTime = options.ShowTime;
    TimeFormat = options.TimeFormat;
    SearchReplace = true;
    SearchFor = options.SearchFor;
    ReplaceWith = options.ReplaceWith;
}

QString FormatDate(
    const SRenameSettings &settings, int showTime, int dateType, int dateFormat, int timeFormat)
{
    SDateParts parts;
    if (dateType != NameDate::PhotoDate) {
        parts = PartsOf(QDateTime::currentDateTime());
    } else if (!ParsePhotoDate(settings.PhotoDate, parts)) {
        const QFileInfo file(settings.PhotoPath);
        const QDateTime modified = file.exists() ? file.lastModified() : QDateTime();
        if (modified.isValid())
            parts = PartsOf(modified);
    }

    const QString date = DateText(parts, dateFormat);
    const QString time = TimeText(parts, showTime, timeFormat);
    return time.isEmpty() ? date : date + QLatin1Char(' ') + time;
}
