#pragma once

#include "FilterRecord.h"
#include "ListImages.h"
#include "OptionChoices.h"
#include "OutputOptions.h"
#include "RenameSettings.h"

#include <QList>
#include <QObject>

#include <array>

// One snapshot of the whole job. The lists share their data with the live lists until one
// side changes, so a snapshot costs little.
struct SUndoState
{
    QList<SImageRecord> images;
    QList<SFilterRecord> filters;

    // Interface group.
    bool step1Preview = true;
    qint32 detailsSortColumn = -1;
    qint32 detailsSortOrder = 0;

    bool step2Preview = true;
    SRenameOptions renameOptions;
    SOutputOptions outputOptions;
    SRenameSettings renameSettings;

    // Format options.
    qint32 quality = 88;
    qint32 fileSize = 100;
    bool fixedSize = false;
    qint32 pngComp = 1;
    qint32 interlaced = Interlace::NoInterlace;
    qint32 jpegType = JpegColors::Rgb;
    qint32 tiffType = TiffColors::Rgb;
    QString customProfile;
    qint32 tiffAlg = TiffCompression::Lzw;
    qint32 pdfAlg = PdfCompression::Jpeg;
    QString defaultFormat;

    quint8 mark = 0; // 1 for a change of the rename preset, else 0
};

// Undo and redo of the whole job: photos, filter chain and output settings, up to 50 states.
// GUI thread only.
class CStatesList : public QObject
{
    Q_OBJECT

public:
    static constexpr int Capacity = 50;

    static CStatesList *instance();
    static void DeleteInstance();

    // Stores the live job as the new current state; a redo tail is dropped, and when the
    // history is full the oldest state goes.
    void PushState(quint8 mark = 0);
    void Undo();
    void Redo();
    // After an undo, the mark of the state just left; otherwise the mark of the current one.
    quint8 CurrentStateFlag() const;
    void Clear();

    int Position() const { return position; }
    int Count() const { return count; }
    int Mode() const { return mode; }

    // Set by the main window while it rebuilds the panels; panels push only while it is clear.
    bool quiet = false;

signals:
    void EnableUndo(bool enable);
    void EnableRedo(bool enable);

private:
    CStatesList() = default;
    ~CStatesList() override = default;

    void StoreState(int slot, quint8 mark);
    void RestoreState(int slot);

    std::array<SUndoState, Capacity> states;
    int position = 0; // states up to and including the current one
    int count = 0; // states in use; position..count-1 is the redo tail
    int mode = 0; // 0 none yet, 1 after an undo, 2 after a redo

    static CStatesList *singleton;
};

// Holds the job's history for the life of one operation, so that its several changes make
// one undo state; restores the hold it found on every way out.
class CHistoryHold
{
public:
    explicit CHistoryHold(CStatesList *states)
        : states(states)
        , before(states->quiet)
    {
        states->quiet = true;
    }
    ~CHistoryHold() { Release(); }
    void Release()
    {
        if (states)
            states->quiet = before;
        states = nullptr;
    }

private:
    CStatesList *states;
    bool before;
};
