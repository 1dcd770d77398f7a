#include "FormatsEnum.h"
#include "ListFilters.h"
#include "ListImages.h"
#include "StatesList.h"
#include "TestMain.h"
#include "UserProfile.h"

#include <QSignalSpy>

namespace {
SFilterRecord Filter(int id, double value)
{
    SFilterRecord record;
    record.id = id;
    record.numberCount = 1;
    record.numbers[0] = value;
    record.active = true;
    return record;
}

// The job's visible state in one comparable value: chain values and the quality.
QList<double> ChainValues()
{
    QList<double> values;
    for (const SFilterRecord &record : CListFilters::instance()->Filters())
        values << record.numbers[0];
    return values;
}
} // namespace

class TestUndoHistory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void undoRedoRestoreWholeJob();
    void pushAfterUndoDropsRedoTail();
    void fullHistoryKeepsFifty();
    void previewFlagsKeepLiveValues();
    void presetMarkFollowsUndoAndRedo();
    void stepsOnEmptyHistoryAreHarmless();
};

void TestUndoHistory::init()
{
    CFormatsEnum::instance()->GenerateList();
    CStatesList::instance()->Clear();
    CListFilters::instance()->Clear();
    CListImages::instance()->Clear();
    CUserProfile::instance()->Quality = 88;
}

void TestUndoHistory::undoRedoRestoreWholeJob()
{
    CStatesList *history = CStatesList::instance();
    CUserProfile *profile = CUserProfile::instance();
    QStringList rejected;
    history->PushState(0);

    CListImages::instance()->AddImage(QStringLiteral("/p/a.jpg"), rejected);
    CListFilters::instance()->Append(Filter(4010, 1));
    profile->Quality = 70;
    profile->OutputOptions.DestPath = QStringLiteral("/out");
    history->PushState(0);

    CListImages::instance()->AddImage(QStringLiteral("/p/b.jpg"), rejected);
    CListFilters::instance()->Append(Filter(4020, 2));
    profile->Quality = 50;
    history->PushState(0);

    history->Undo();
    QCOMPARE(CListImages::instance()->Count(), 1);
    QCOMPARE(ChainValues(), QList<double>{1});
    QCOMPARE(profile->Quality, 70);
    history->Undo();
    QVERIFY(CListImages::instance()->IsEmpty());
    QVERIFY(CListFilters::instance()->IsEmpty());
    QCOMPARE(profile->Quality, 88);
    QVERIFY(profile->OutputOptions.DestPath.isEmpty());

    history->Redo();
    history->Redo();
    QCOMPARE(CListImages::instance()->Count(), 2);
    QCOMPARE(CListImages::instance()->Images().at(1).sequenceNumber, 1);
    QCOMPARE(ChainValues(), (QList<double>{1, 2}));
    QCOMPARE(profile->Quality, 50);
    QCOMPARE(profile->OutputOptions.DestPath, QStringLiteral("/out"));
}

void TestUndoHistory::pushAfterUndoDropsRedoTail()
{
    CStatesList *history = CStatesList::instance();
    QSignalSpy redoSpy(history, &CStatesList::EnableRedo);
    for (int i = 1; i <= 5; ++i) {
        CListFilters::instance()->Append(Filter(4010, i));
        history->PushState(0);
    }
    history->Undo();
    history->Undo();
    history->Undo();
    QCOMPARE(redoSpy.last().at(0).toBool(), true);
    CListFilters::instance()->Append(Filter(4010, 9));
    history->PushState(0);
    QCOMPARE(redoSpy.last().at(0).toBool(), false);
    QCOMPARE(history->Count(), 3);
    QCOMPARE(history->Position(), 3);
    history->Redo(); // nothing to redo
    QCOMPARE(ChainValues(), (QList<double>{1, 2, 9}));
}

void TestUndoHistory::fullHistoryKeepsFifty()
{
    CStatesList *history = CStatesList::instance();
    for (int i = 1; i <= 51; ++i) {
        CUserProfile::instance()->Quality = i;
        history->PushState(0);
    }
    QCOMPARE(history->Count(), 50);
    QCOMPARE(history->Position(), 50);
    QSignalSpy undoSpy(history, &CStatesList::EnableUndo);
    for (int i = 0; i < 49; ++i)
        history->Undo();
    QCOMPARE(CUserProfile::instance()->Quality, 2); // the first state is gone
    QCOMPARE(undoSpy.last().at(0).toBool(), false);
    history->Undo();
    QCOMPARE(CUserProfile::instance()->Quality, 2);
}

void TestUndoHistory::previewFlagsKeepLiveValues()
{
    CStatesList *history = CStatesList::instance();
    CUserProfile *profile = CUserProfile::instance();
    profile->Step2Preview = true;
    profile->RenameOptions.CounterStart = 1;
    history->PushState(0);
    profile->Step2Preview = false;
    profile->RenameOptions.CounterStart = 7;
    history->PushState(0);
    history->Undo();
    QCOMPARE(profile->RenameOptions.CounterStart, 1);
    QCOMPARE(profile->Step2Preview, false);
    profile->Step2Preview = true;
}

void TestUndoHistory::presetMarkFollowsUndoAndRedo()
{
    CStatesList *history = CStatesList::instance();
    history->PushState(0);
    history->PushState(1); // a change of the rename preset
    history->Undo();
    QCOMPARE(history->CurrentStateFlag(), quint8(1));
    history->Redo();
    QCOMPARE(history->CurrentStateFlag(), quint8(1));
    history->PushState(0);
    QCOMPARE(history->CurrentStateFlag(), quint8(0));

    // Undo then push: the state above the current one no longer exists.
    history->Undo();
    history->PushState(0);
    QCOMPARE(history->CurrentStateFlag(), quint8(0));
}

void TestUndoHistory::stepsOnEmptyHistoryAreHarmless()
{
    CStatesList *history = CStatesList::instance();
    QSignalSpy redoSpy(history, &CStatesList::EnableRedo);
    history->Undo();
    QCOMPARE(redoSpy.last().at(0).toBool(), false); // nothing to redo after a void undo
    history->Redo();
    QCOMPARE(history->Position(), 0);
    QCOMPARE(history->CurrentStateFlag(), quint8(0));
    for (int i = 0; i < 50; ++i)
        history->PushState(1);
    history->Undo();
    for (int i = 0; i < 3; ++i)
        history->Redo();
    QCOMPARE(history->Position(), 50);
    QCOMPARE(history->CurrentStateFlag(), quint8(1));
}

QUENDRASIL_TEST_MAIN(TestUndoHistory, QCoreApplication)
#include "tst_undohistory.moc"
