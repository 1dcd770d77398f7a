#include "ExifDate.h"
#include "RenameSettings.h"
#include "TestMain.h"

class TestExifDate : public QObject
{
    Q_OBJECT

private slots:
    void readsByPosition_data();
    void readsByPosition();
};

void TestExifDate::readsByPosition_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("parts");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<bool>("inRange");
    // The rename templates' date: an unusable photo date falls back to 1 January 1900 here,
    // as the sample file does not exist.
    QTest::addColumn<QString>("renameDate");

    QTest::newRow("EXIF layout") << "2021:03:07 15:04:05" << QList<int> { 2021, 3, 7, 15, 4, 5 }
                                 << true << true << "2021-03-07 15-04-05";
    QTest::newRow("any separators") << "2021-03-07T15.04.05" << QList<int> { 2021, 3, 7, 15, 4, 5 }
                                    << true << true << "2021-03-07 15-04-05";
    QTest::newRow("no time: complete for neither, a date for names")
        << "2021:03:07" << QList<int> { 2021, 3, 7, 0, 0, 0 } << false << true
        << "2021-03-07 00-00-00";
    QTest::newRow("a day no month has: in range, names keep it")
        << "2021:02:31 10:00:00" << QList<int> { 2021, 2, 31, 10, 0, 0 } << true << true
        << "2021-02-31 10-00-00";
    QTest::newRow("hour out of range")
        << "2021:03:07 24:00:00" << QList<int> { 2021, 3, 7, 24, 0, 0 } << true << false
        << "1900-01-01 00-00-00";
    QTest::newRow("year before 1900")
        << "1899:12:31 23:59:59" << QList<int> { 1899, 12, 31, 23, 59, 59 } << true << false
        << "1900-01-01 00-00-00";
    QTest::newRow("blank EXIF date") << "    :  :     :  :  " << QList<int> { 0, 0, 0, 0, 0, 0 }
                                     << false << false << "1900-01-01 00-00-00";
    QTest::newRow("empty") << "" << QList<int> { 0, 0, 0, 0, 0, 0 } << false << false
                           << "1900-01-01 00-00-00";
}

void TestExifDate::readsByPosition()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, parts);
    QFETCH(bool, complete);
    QFETCH(bool, inRange);
    QFETCH(QString, renameDate);

    const SExifDate read = ReadExifDate(text);
    QCOMPARE((QList<int> { read.year, read.month, read.day, read.hour, read.minute, read.second }),
        parts);
    QCOMPARE(read.complete, complete);
    QCOMPARE(read.InRange(), inRange);

    SRenameSettings settings;
    settings.PhotoPath = QStringLiteral("/nowhere/photo.jpg");
    settings.PhotoDate = text;
    QCOMPARE(FormatDate(settings, 1, 0, 10, 1), renameDate);
}

QUENDRASIL_TEST_MAIN(TestExifDate, QCoreApplication)

#include "tst_exifdate.moc"
