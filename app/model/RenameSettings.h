#pragma once

#include <QString>

// The naming choices as documents store them. A number outside a list keeps the meaning its
// readers give it (the comments beside the fields).
namespace RenamePreset {
enum : int { FileName = 0, FolderAndCounter = 1, DateTime = 2, Template = 3 };
} // namespace RenamePreset

namespace NameCase {
enum : int { Keep = 0, Lower = 1, Upper = 2, CapitaliseWords = 3 };
} // namespace NameCase

namespace NameDate {
enum : int { PhotoDate = 0, Now = 1 }; // any number but PhotoDate is now
} // namespace NameDate

namespace NameClock {
enum : int { TwelveHour = 0, TwentyFourHour = 1 }; // other numbers: no time
} // namespace NameClock

namespace NameTimeLayout {
enum : int { HoursMinutes = 0, WithSeconds = 1 }; // other numbers: no time
} // namespace NameTimeLayout

// The naming choice of a job as documents save it and the rename dialog edits it.
struct SRenameOptions
{
    QString FilenameFormat = QStringLiteral("[Filename]"); // the template without ".[Extension]"
    int PresetRename = RenamePreset::FileName;
    int CounterStart = 1;
    int CountStep = 1;
    int CounterDigits = 2;
    bool CounterReset = false;
    int ChangeCase = NameCase::Keep;
    bool LowerCaseExt = true;
    int DateType = NameDate::PhotoDate;
    int DateFormat = 0; // one of the 12 date layouts; 12 or more: no date
    int ShowTime = NameClock::TwelveHour;
    int TimeFormat = NameTimeLayout::HoursMinutes;
    QString SearchFor;
    QString ReplaceWith;

    bool operator==(const SRenameOptions &other) const = default;
};

// The name template with its options and the facts about one photo; GenerateFileName turns
// them into that photo's output file name. Each batch worker keeps its own copy.
struct SRenameSettings
{
    QString Pattern; // the template, including the final ".[Extension]"
    QString WorkingPattern; // the template as the last generation prepared it
    int ChangeCase = NameCase::Keep;
    int Preset = RenamePreset::Template;
    bool LowerCaseExt = true;
    int CounterStart = 1;
    int RunningCount = 0; // names generated since the last preview
    int CounterDigits = 2;
    int CountStep = 1;
    bool CounterReset = false;
    int DateType = NameDate::PhotoDate;
    int DateFormat = 0;
    int TimeFormat = NameTimeLayout::HoursMinutes;
    int ShowTime = NameClock::TwelveHour;
    bool SearchReplace = false; // apply SearchFor and ReplaceWith
    QString SearchFor;
    QString ReplaceWith;
    QString GeneratedName; // result of the last generation: name, ".", extension

    // The photo, filled by the caller before each generation.
    QString PhotoPath;
    QString PhotoFolder;
    QString PhotoBaseName;
    QString OutputExtension; // extension of the output file, without "." (the "photo extension")
    int PhotoIndex = 0; // the photo's number for the counter, from 0
    QString PhotoDate; // EXIF layout "YYYY:MM:DD HH:MM:SS", or empty

    bool AddCounter = true; // add " ([Counter])" when nothing else tells the photos apart
    bool ContinueNumbering = false; // the run goes on from a Monitor job's earlier runs
    int PhotosDoneBefore = 1; // photos that Monitor job processed in earlier runs

    // Builds GeneratedName for a run of photoCount photos. A preview restarts the running
    // count instead of advancing it.
    void GenerateFileName(int photoCount, bool preview);
    // False only for the template that keeps every file's own name.
    bool ChangesFileName() const;
    // Takes the saved choice as the working one: its template with ".[Extension]", its
    // preset and options, with search and replace switched on.
    void ApplyOptions(const SRenameOptions &options);

    bool operator==(const SRenameSettings &other) const = default;
};

// The date and time text of "[DateTime]": from now when dateType is not 0, else from the
// photo date, else from the photo file's modification time, else 1900-01-01 00:00:00.
QString FormatDate(
    const SRenameSettings &settings, int showTime, int dateType, int dateFormat, int timeFormat);
