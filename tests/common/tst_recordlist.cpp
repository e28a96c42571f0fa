// The records of a record window in its work tables: finding one by
// identifier, adding, renaming, and removing records and their points.
#include "sections/common/logic/RecordList.h"

#include <QTest>

namespace {

// Records with the given identifiers (field 1), each with `points` values
// named after it ("R1.1", "R1.2", ...).
WorkTables make(const QStringList &ids, int points = 0)
{
    WorkTables w;
    w.Reset(2, 1);
    for (const QString &id : ids) {
        const int k = RecordList::Add(w, {id, id + QStringLiteral("-x")});
        if (points == 0)
            continue;
        const int first = w.MakeRoom(k, points);
        for (int p = 0; p < points; ++p)
            w.PointTable(1, first + p) = id + QLatin1Char('.') + QString::number(p + 1);
        w.ItemLastPoint[k] = first + points - 1;
    }
    return w;
}

QStringList points(const WorkTables &w, int k)
{
    QStringList out;
    for (int p = w.ItemFirstPoint[k]; w.HasPoints(k) && p <= w.ItemLastPoint[k]; ++p)
        out << w.PointTable.value(1, p);
    return out;
}

QStringList ids(const WorkTables &w)
{
    QStringList out;
    for (int k = 1; k <= w.ItemCount; ++k)
        out << w.ItemHeader.value(1, k);
    return out;
}

} // namespace

class TestRecordList : public QObject
{
    Q_OBJECT
private slots:
    void find_data();
    void find();
    void findKey();
    void addAndFields();
    void rename_data();
    void rename();
    void remove_data();
    void remove();
    void clearPointsClosesUp();
};

void TestRecordList::find_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<bool>("last");
    QTest::addColumn<int>("found");
    const QStringList three{"R1", " Type-B ", "r2"};
    QTest::newRow("exact") << three << "R1" << false << false << 1;
    QTest::newRow("other case") << three << "type-b" << false << false << 2;
    QTest::newRow("blanks around") << three << "  R2  " << false << false << 3;
    QTest::newRow("case counts") << three << "R2" << true << false << 0;
    QTest::newRow("case counts, same case") << three << "r2" << true << false << 3;
    QTest::newRow("none") << three << "R3" << false << false << 0;
    QTest::newRow("prefix is not a match") << three << "R" << false << false << 0;
    QTest::newRow("blank finds a blank record") << QStringList{"A", "  "} << "" << false << false << 2;
    QTest::newRow("twice: first") << QStringList{"A", "B", "a"} << "A" << false << false << 1;
    QTest::newRow("twice: last") << QStringList{"A", "B", "a"} << "A" << false << true << 3;
    QTest::newRow("empty list") << QStringList{} << "A" << false << false << 0;
}

void TestRecordList::find()
{
    QFETCH(QStringList, records);
    QFETCH(QString, id);
    QFETCH(bool, caseSensitive);
    QFETCH(bool, last);
    QFETCH(int, found);
    const WorkTables w = make(records);
    QCOMPARE(RecordList::Find(w, id, 1, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive,
                              last ? RecordList::Pick::Last : RecordList::Pick::First),
             found);
}

void TestRecordList::findKey()
{
    WorkTables w;
    w.Reset(3, 1);
    RecordList::Add(w, {"S1", "G1", "x"});
    RecordList::Add(w, {"S1", "", "y"});
    RecordList::Add(w, {"s1", "G1", "z"});
    QCOMPARE(RecordList::FindKey(w, {1, 2}, {"S1", "G1"}), 1);
    QCOMPARE(RecordList::FindKey(w, {1, 2}, {"S1 ", ""}), 2);
    QCOMPARE(RecordList::FindKey(w, {1, 2}, {"s1", "G1"}), 3);
    QCOMPARE(RecordList::FindKey(w, {1, 2}, {"s1", ""}), 0);
    QCOMPARE(RecordList::FindKey(w, {1, 2}, {"s1", ""}, Qt::CaseInsensitive), 2);
}

void TestRecordList::addAndFields()
{
    WorkTables w;
    w.Reset(3, 1);
    const int k = RecordList::Add(w, {"A", "1"});
    QCOMPARE(k, 1);
    QCOMPARE(RecordList::Fields(w, k), (QStringList{"A", "1", ""}));
    QVERIFY(!w.HasPoints(k));
    // Fields beyond the record's are ignored; those not given keep their texts.
    RecordList::SetFields(w, k, {"B", "2", "3", "4"});
    RecordList::SetFields(w, k, {"C"});
    QCOMPARE(RecordList::Fields(w, k), (QStringList{"C", "2", "3"}));
    RecordList::SetFields(w, 5, {"D"});
    QCOMPARE(w.ItemCount, 1);
}

void TestRecordList::rename_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("done");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("new name") << 1 << "R9" << true << QStringList{"R9", "R2", "R3"};
    QTest::newRow("own name in other case") << 2 << "r2" << true << QStringList{"R1", "r2", "R3"};
    QTest::newRow("another's name") << 1 << " r3" << false << QStringList{"R1", "R2", "R3"};
    QTest::newRow("no such record") << 4 << "R9" << false << QStringList{"R1", "R2", "R3"};
}

void TestRecordList::rename()
{
    QFETCH(int, record);
    QFETCH(QString, id);
    QFETCH(bool, done);
    QFETCH(QStringList, after);
    WorkTables w = make({"R1", "R2", "R3"});
    QCOMPARE(RecordList::Rename(w, record, id), done);
    QCOMPARE(ids(w), after);
}

void TestRecordList::remove_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("current");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("currentAfter");
    QTest::newRow("first, current after it") << 1 << 3 << QStringList{"B", "C"} << 2;
    QTest::newRow("middle, current before it") << 2 << 1 << QStringList{"A", "C"} << 1;
    QTest::newRow("the current one") << 3 << 3 << QStringList{"A", "B"} << 0;
    QTest::newRow("none current") << 2 << -999 << QStringList{"A", "C"} << -999;
    QTest::newRow("no such record") << 4 << 2 << QStringList{"A", "B", "C"} << 2;
}

void TestRecordList::remove()
{
    QFETCH(int, record);
    QFETCH(int, current);
    QFETCH(QStringList, after);
    QFETCH(int, currentAfter);
    WorkTables w = make({"A", "B", "C"}, 2);
    w.CurrentItem = current;
    RecordList::Remove(w, record);
    QCOMPARE(ids(w), after);
    QCOMPARE(w.CurrentItem, currentAfter);
    // Every record keeps its own fields and points, and no point is left dead.
    QCOMPARE(w.PointCount, 2 * int(after.size()));
    for (int k = 1; k <= w.ItemCount; ++k) {
        QCOMPARE(w.ItemHeader.value(2, k), after[k - 1] + "-x");
        QCOMPARE(points(w, k), (QStringList{after[k - 1] + ".1", after[k - 1] + ".2"}));
    }
}

void TestRecordList::clearPointsClosesUp()
{
    WorkTables w = make({"A", "B", "C"}, 2);
    RecordList::ClearPoints(w, 2);
    QCOMPARE(ids(w), (QStringList{"A", "B", "C"}));
    QVERIFY(!w.HasPoints(2));
    QCOMPARE(w.PointCount, 4);
    QCOMPARE(points(w, 3), (QStringList{"C.1", "C.2"}));
    // The emptied record gets new points after the others, as a new one does.
    const int first = w.MakeRoom(2, 1);
    QCOMPARE(first, 5);
    QCOMPARE(points(w, 1), (QStringList{"A.1", "A.2"}));
    QCOMPARE(points(w, 3), (QStringList{"C.1", "C.2"}));
}

QTEST_GUILESS_MAIN(TestRecordList)
#include "tst_recordlist.moc"
