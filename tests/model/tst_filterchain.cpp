#include "FilterRecord.h"
#include "FiltersEnum.h"
#include "ListFilters.h"
#include "TestMain.h"

#include <QMap>
#include <QSet>
#include <QTranslator>

namespace {

SFilterRecord Step(const QString &name, bool active = true)
{
    SFilterRecord record;
    record.name = name;
    record.active = active;
    return record;
}

// Fills the chain with one step per letter of `names`.
void FillChain(const QString &names)
{
    CListFilters *chain = CListFilters::instance();
    chain->Clear();
    for (const QChar letter : names)
        chain->Append(Step(QString(letter)));
}

QString ChainNames()
{
    QString names;
    for (const SFilterRecord &record : CListFilters::instance()->Filters())
        names += record.name;
    return names;
}

// Stands in for a loaded language: marks every text of the "QObject" context.
class CMarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (QByteArray(context) != "QObject")
            return QString();
        return QStringLiteral("~") + QString::fromUtf8(sourceText);
    }
};

// Carries a record through a queued connection, as the previews and settings pages do.
class CRecordSender : public QObject
{
    Q_OBJECT

signals:
    void Send(SFilterRecord record);
};

} // namespace

class TestFilterChain : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void copyKeepsEverySlotBeyondTheCounts();
    void recordTravelsThroughQueuedSignalByName();

    void moveFilter_data();
    void moveFilter();
    void removeAtChecksBounds_data();
    void removeAtChecksBounds();
    void removeLastStepLeavesChainEmpty();
    void replaceFilterAssignsOnlyInRange();
    void countEnabledCountsActiveSteps();

    void catalogueHoldsFiftyRowsInFiveGroups();
    void catalogueRowsAreConsistent();
    void generateListTwiceKeepsFiftyRows();
    void findById_data();
    void findById();
    void findByNameIsCaseSensitive_data();
    void findByNameIsCaseSensitive();
    void catalogueKeepsAppendOrderNotSortOrder();
    void catalogueTakesLanguageLoadedBeforeBuilding();
};

void TestFilterChain::cleanup()
{
    CListFilters::DeleteInstance();
    CFiltersEnum::DeleteInstance();
}

void TestFilterChain::copyKeepsEverySlotBeyondTheCounts()
{
    SFilterRecord original;
    original.id = 1010;
    original.name = QStringLiteral("Date");
    original.description = QStringLiteral("Stamps picture");
    original.numberCount = 2; // slots beyond the counts must still travel
    original.textCount = 1;
    original.active = true;
    for (int slot = 0; slot < SFilterRecord::NumberSlots; ++slot)
        original.numbers[slot] = slot * 1.5 - 7.25;
    for (int slot = 0; slot < SFilterRecord::TextSlots; ++slot)
        original.texts[slot] = QStringLiteral("text %1 ü").arg(slot);

    SFilterRecord copy;
    copy = original;
    QCOMPARE(copy.numbers[31], 31 * 1.5 - 7.25);
    QCOMPARE(copy.texts[15], QStringLiteral("text 15 ü"));
    QVERIFY(copy == original);

    // Through the chain and back out again, as the undo history and the workers copy it.
    CListFilters::instance()->Append(original);
    original.numbers[31] = 0.0;
    original.texts[15].clear();
    const SFilterRecord stored = CListFilters::instance()->Filters().at(0);
    QCOMPARE(stored, copy);
}

void TestFilterChain::recordTravelsThroughQueuedSignalByName()
{
    CListFilters::instance();
    QVERIFY(QMetaType::fromName("SFilterRecord").isValid());
    QCOMPARE(QMetaType::fromName("SFilterRecord"), QMetaType::fromType<SFilterRecord>());

    CRecordSender sender;
    SFilterRecord received;
    bool arrived = false;
    QObject receiver;
    connect(
        &sender, &CRecordSender::Send, &receiver,
        [&](SFilterRecord record) {
            received = record;
            arrived = true;
        },
        Qt::QueuedConnection);

    SFilterRecord record = Step(QStringLiteral("Resize"));
    record.id = 5040;
    record.numbers[20] = 3.5;
    record.texts[9] = QStringLiteral("font");
    emit sender.Send(record);
    QVERIFY(!arrived);
    QTRY_VERIFY(arrived);
    QCOMPARE(received, record);
}

void TestFilterChain::moveFilter_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<QString>("result");

    // `to` names the step in front of which the moved one lands, counted before the move.
    QTest::newRow("first in front of third") << 0 << 2 << true << "BACD";
    QTest::newRow("last in front of second") << 3 << 1 << true << "ADBC";
    QTest::newRow("first to the end") << 0 << 4 << true << "BCDA";
    QTest::newRow("last to the front") << 3 << 0 << true << "DABC";
    QTest::newRow("in front of its successor") << 1 << 2 << true << "ABCD";
    QTest::newRow("onto itself") << 2 << 2 << true << "ABCD";
    QTest::newRow("from past the end") << 4 << 0 << false << "ABCD";
    QTest::newRow("from negative") << -1 << 2 << false << "ABCD";
    QTest::newRow("to beyond the end") << 0 << 5 << false << "ABCD";
    QTest::newRow("both past the end") << 4 << 4 << false << "ABCD";
}

void TestFilterChain::moveFilter()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, moved);
    QFETCH(QString, result);

    FillChain(QStringLiteral("ABCD"));
    QCOMPARE(CListFilters::instance()->MoveFilter(from, to), moved);
    QCOMPARE(ChainNames(), result);
}

void TestFilterChain::removeAtChecksBounds_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QString>("result");

    QTest::newRow("first") << 0 << true << "BC";
    QTest::newRow("last") << 2 << true << "AB";
    QTest::newRow("equal to the count") << 3 << false << "ABC";
    QTest::newRow("far beyond") << 65536 << false << "ABC";
    QTest::newRow("negative") << -1 << false << "ABC";
}

void TestFilterChain::removeAtChecksBounds()
{
    QFETCH(int, index);
    QFETCH(bool, removed);
    QFETCH(QString, result);

    FillChain(QStringLiteral("ABC"));
    QCOMPARE(CListFilters::instance()->RemoveAt(index), removed);
    QCOMPARE(ChainNames(), result);
}

void TestFilterChain::removeLastStepLeavesChainEmpty()
{
    CListFilters *chain = CListFilters::instance();
    QVERIFY(chain->IsEmpty());
    QVERIFY(!chain->RemoveAt(0));
    chain->Append(Step(QStringLiteral("A")));
    QVERIFY(!chain->IsEmpty());
    QVERIFY(chain->RemoveAt(0));
    QVERIFY(chain->IsEmpty());
}

void TestFilterChain::replaceFilterAssignsOnlyInRange()
{
    FillChain(QStringLiteral("ABC"));
    CListFilters *chain = CListFilters::instance();
    // A snapshot shares the list with the chain until one side changes.
    const QList<SFilterRecord> snapshot = chain->Filters();

    SFilterRecord edited = Step(QStringLiteral("X"), false);
    edited.numbers[0] = 42.0;
    QVERIFY(chain->ReplaceFilter(1, edited));
    QCOMPARE(ChainNames(), QStringLiteral("AXC"));
    QCOMPARE(chain->Filters().at(1), edited);
    QCOMPARE(snapshot.at(1).name, QStringLiteral("B"));

    QVERIFY(!chain->ReplaceFilter(3, edited));
    QVERIFY(!chain->ReplaceFilter(-1, edited));
    QCOMPARE(ChainNames(), QStringLiteral("AXC"));
}

void TestFilterChain::countEnabledCountsActiveSteps()
{
    CListFilters *chain = CListFilters::instance();
    QCOMPARE(chain->CountEnabled(), 0);
    chain->Append(Step(QStringLiteral("A")));
    chain->Append(Step(QStringLiteral("B"), false));
    chain->Append(Step(QStringLiteral("C")));
    QCOMPARE(chain->CountEnabled(), 2);
    chain->Filters()[1].active = true; // switched on in place, as the Step 2 list does
    QCOMPARE(chain->CountEnabled(), 3);
    chain->Clear();
    QVERIFY(chain->IsEmpty());
    QCOMPARE(chain->CountEnabled(), 0);
}

void TestFilterChain::catalogueHoldsFiftyRowsInFiveGroups()
{
    CFiltersEnum *catalogue = CFiltersEnum::instance();
    QVERIFY(catalogue->Filters().isEmpty());
    catalogue->GenerateList();
    QCOMPARE(catalogue->Filters().size(), 50);

    QMap<QString, int> perGroup;
    for (const SFilterInfo &info : catalogue->Filters())
        ++perGroup[info.group];
    const QMap<QString, int> expected = { { "Annotate", 5 }, { "Border", 7 }, { "Effects", 16 },
        { "Touch-Up", 12 }, { "Transform", 10 } };
    QCOMPARE(perGroup, expected);
}

void TestFilterChain::catalogueRowsAreConsistent()
{
    CFiltersEnum::instance()->GenerateList();
    // The picker groups by id / 1000 and the help pages by the group name: both must agree.
    const QStringList groupOfDigit
        = { QString(), "Annotate", "Border", "Effects", "Touch-Up", "Transform" };
    QSet<int> ids;
    QSet<QString> names;
    for (const SFilterInfo &info : CFiltersEnum::instance()->Filters()) {
        QVERIFY2(info.id >= 1000 && info.id < 6000, qPrintable(info.name));
        QCOMPARE(info.group, groupOfDigit.at(info.id / 1000));
        QVERIFY2(!info.description.isEmpty(), qPrintable(info.name));
        QVERIFY(info.order >= 0 && info.order < 16);
        ids.insert(info.id);
        names.insert(info.name);
    }
    QCOMPARE(ids.size(), 50);
    QCOMPARE(names.size(), 50);
}

void TestFilterChain::generateListTwiceKeepsFiftyRows()
{
    CFiltersEnum *catalogue = CFiltersEnum::instance();
    catalogue->GenerateList();
    const QList<SFilterInfo> first = catalogue->Filters();
    catalogue->GenerateList();
    QCOMPARE(catalogue->Filters().size(), 50);
    QCOMPARE(catalogue->Filters().last().id, first.last().id);
    QCOMPARE(catalogue->FindByName(QStringLiteral("Simple Border")).id, quint16(2030));
}

void TestFilterChain::findById_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("description");

    QTest::newRow("brightness") << 4010 << "Brightness"
                                << "Touch-Up" << 3 << "Adjusts light intensity";
    QTest::newRow("last row") << 2030 << "Simple Border"
                              << "Border" << 6 << "Adds a simple border around the picture";
    QTest::newRow("black and white")
        << 3060 << "Black & White"
        << "Effects" << 5 << "Transforms from true colors to grayscale colors";
    QTest::newRow("second row of order 3")
        << 1120 << "Watermark-Mask"
        << "Annotate" << 3 << "Adds different masks for portrait and landscape photos";
    QTest::newRow("last effect") << 3170 << "Wave"
                                 << "Effects" << 15 << "Creates a horizontal wave effect";
    QTest::newRow("polaroid has no row") << 2005 << ""
                                         << "" << 0 << "";
    QTest::newRow("zero") << 0 << ""
                          << "" << 0 << "";
    QTest::newRow("negative") << -1 << ""
                              << "" << 0 << "";
    // A stored id beyond 16 bits must not wrap onto Brightness.
    QTest::newRow("brightness plus 65536") << 65536 + 4010 << ""
                                           << "" << 0 << "";
}

void TestFilterChain::findById()
{
    QFETCH(int, id);
    QFETCH(QString, name);
    QFETCH(QString, group);
    QFETCH(int, order);
    QFETCH(QString, description);

    CFiltersEnum::instance()->GenerateList();
    const SFilterInfo info = CFiltersEnum::instance()->FindById(id);
    QCOMPARE(int(info.id), name.isEmpty() ? 0 : id);
    QCOMPARE(info.name, name);
    QCOMPARE(info.group, group);
    QCOMPARE(info.order, order);
    QCOMPARE(info.description, description);
}

void TestFilterChain::findByNameIsCaseSensitive_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("id");

    QTest::newRow("exact") << "Gaussian Blur" << 3050;
    QTest::newRow("lower case") << "gaussian blur" << 0;
    QTest::newRow("upper case") << "BRIGHTNESS" << 0;
    QTest::newRow("trailing blank") << "Blur " << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestFilterChain::findByNameIsCaseSensitive()
{
    QFETCH(QString, name);
    QFETCH(int, id);

    CFiltersEnum::instance()->GenerateList();
    const SFilterInfo info = CFiltersEnum::instance()->FindByName(name);
    QCOMPARE(int(info.id), id);
    QCOMPARE(info.name.isEmpty(), id == 0);
}

void TestFilterChain::catalogueKeepsAppendOrderNotSortOrder()
{
    CFiltersEnum::instance()->GenerateList();
    const QList<SFilterInfo> &rows = CFiltersEnum::instance()->Filters();
    QList<quint16> ids;
    for (const SFilterInfo &info : rows)
        ids << info.id;
    QCOMPARE(ids.first(), quint16(1000));
    QCOMPARE(ids.indexOf(3060) + 1, ids.indexOf(3000)); // Black & White before Blur
    QCOMPARE(ids.indexOf(1110) + 1, ids.indexOf(1120)); // both with order 3
    QCOMPARE(rows.at(ids.indexOf(1110)).order, rows.at(ids.indexOf(1120)).order);
    QCOMPARE(ids.indexOf(5080) + 1, ids.indexOf(4000)); // Transform ends, Touch-Up begins
}

void TestFilterChain::catalogueTakesLanguageLoadedBeforeBuilding()
{
    CFiltersEnum *catalogue = CFiltersEnum::instance();
    CMarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    catalogue->GenerateList();
    QCoreApplication::removeTranslator(&translator);

    // The rows keep the language they were built in; look-ups use the translated name.
    const SFilterInfo info = catalogue->FindById(4010);
    QCOMPARE(info.name, QStringLiteral("~Brightness"));
    QCOMPARE(info.group, QStringLiteral("~Touch-Up"));
    QCOMPARE(info.description, QStringLiteral("~Adjusts light intensity"));
    QCOMPARE(catalogue->FindByName(QStringLiteral("~Brightness")).id, quint16(4010));
    QCOMPARE(catalogue->FindByName(QStringLiteral("Brightness")).id, quint16(0));

    catalogue->Add(2005, QStringLiteral("Polaroid"), QStringLiteral("Border"),
        QStringLiteral("Creates a Polaroid-like picture frame"), 7);
    QCOMPARE(catalogue->Filters().size(), 51);
    // Without a translator the source text stands.
    QCOMPARE(catalogue->FindById(2005).description,
        QStringLiteral("Creates a Polaroid-like picture frame"));
}

QUENDRASIL_TEST_MAIN(TestFilterChain, QCoreApplication)
#include "tst_filterchain.moc"
