#include "FilterStatesList.h"
#include "TestMain.h"

namespace {
SFilterRecord Record(double first)
{
    SFilterRecord record;
    record.id = 4010;
    record.numberCount = 1;
    record.numbers[0] = first;
    record.active = true;
    return record;
}
} // namespace

class TestFilterStates : public QObject
{
    Q_OBJECT

private slots:
    void undoAndRedoWalkTheHistory();
    void pushAfterUndoForgetsRedo();
    void fullHistoryDropsOldest();
    void stepsOutsideBoundsChangeNothing();
};

void TestFilterStates::undoAndRedoWalkTheHistory()
{
    CFilterStatesList history;
    history.PushState(Record(1));
    QVERIFY(!history.CanUndo()); // one state: nothing to go back to
    history.PushState(Record(2));
    history.PushState(Record(3));
    QVERIFY(history.CanUndo());
    QCOMPARE(history.Undo().numbers[0], 2.0);
    QCOMPARE(history.Undo().numbers[0], 1.0);
    QVERIFY(!history.CanUndo());
    QVERIFY(history.CanRedo());
    QCOMPARE(history.Redo().numbers[0], 2.0);
    QCOMPARE(history.Redo().numbers[0], 3.0);
    QVERIFY(!history.CanRedo());
}

void TestFilterStates::pushAfterUndoForgetsRedo()
{
    CFilterStatesList history;
    history.PushState(Record(1));
    history.PushState(Record(2));
    history.Undo();
    history.PushState(Record(5));
    QCOMPARE(history.Position(), 2);
    QCOMPARE(history.Count(), 2);
    QVERIFY(!history.CanRedo());
    QCOMPARE(history.Undo().numbers[0], 1.0);
    QCOMPARE(history.Redo().numbers[0], 5.0);
}

void TestFilterStates::fullHistoryDropsOldest()
{
    CFilterStatesList history;
    for (int i = 1; i <= 51; ++i)
        history.PushState(Record(i));
    QCOMPARE(history.Position(), 50);
    QCOMPARE(history.Count(), 50);
    SFilterRecord reached;
    int undos = 0;
    while (history.CanUndo()) {
        reached = history.Undo();
        ++undos;
    }
    QCOMPARE(undos, 49);
    QCOMPARE(reached.numbers[0], 2.0); // the first record is gone
}

void TestFilterStates::stepsOutsideBoundsChangeNothing()
{
    CFilterStatesList history;
    QCOMPARE(history.Undo().id, 0); // empty: a default record, no crash
    QCOMPARE(history.Redo().id, 0);
    history.PushState(Record(7));
    QCOMPARE(history.Undo().numbers[0], 7.0);
    QCOMPARE(history.Redo().numbers[0], 7.0);
    QCOMPARE(history.Position(), 1);
    QCOMPARE(history.Count(), 1);
}

QUENDRASIL_TEST_MAIN(TestFilterStates, QCoreApplication)
#include "tst_filterstates.moc"
