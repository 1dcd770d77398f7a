#pragma once

#include <QString>

// The naming choice of a job as documents save it and the rename dialog edits it.
struct SRenameOptions
{
    QString FilenameFormat = QStringLiteral("[Filename]"); // the template without ".[Extension]"
    int PresetRename = 0; // 0 file name, 1 folder name and counter, 2 date and time, 3 template
    int CounterStart = 1;
    int CountStep = 1;
    int CounterDigits = 2;
    bool CounterReset = false;
    int ChangeCase = 0; // 0 keep, 1 lower, 2 upper, 3 capitalise words
    bool LowerCaseExt = true;
    int DateType = 0; // 0 the photo's date, otherwise now
    int DateFormat = 0; // one of the 12 date layouts; 12 or more: no date
    int ShowTime = 0; // 0 twelve-hour clock, 1 twenty-four-hour clock, other: no time
    int TimeFormat = 0; // 0 hours and minutes, 1 with seconds, other: no time
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
    int ChangeCase = 0;
    int Preset = 3;
    bool LowerCaseExt = true;
    int CounterStart = 1;
    int RunningCount = 0; // names generated since the last preview
    int CounterDigits = 2;
    int CountStep = 1;
    bool CounterReset = false;
    int DateType = 0;
    int DateFormat = 0;
    int TimeFormat = 0;
    int ShowTime = 0;
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
