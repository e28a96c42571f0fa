// The records of a record window in its work tables: finding one by
// identifier, adding, renaming, and removing records and their points.
#include "sections/common/logic/RecordList.h"

#include <QTest>

using namespace Qt::StringLiterals;

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
    const QStringList three{u"R1"_s, u" Type-B "_s, u"r2"_s};
    QTest::newRow("exact") << three << "R1" << false << false << 1;
    QTest::newRow("other case") << three << "type-b" << false << false << 2;
    QTest::newRow("blanks around") << three << "  R2  " << false << false << 3;
    QTest::newRow("case counts") << three << "R2" << true << false << 0;
    QTest::newRow("case counts, same case") << three << "r2" << true << false << 3;
    QTest::newRow("none") << three << "R3" << false << false << 0;
    QTest::newRow("prefix is not a match") << three << "R" << false << false << 0;
    QTest::newRow("blank finds a blank record") << QStringList{u"A"_s, u"  "_s} << u""_s << false << false << 2;
    QTest::newRow("twice: first") << QStringList{u"A"_s, u"B"_s, u"a"_s} << u"A"_s << false << false << 1;
    QTest::newRow("twice: last") << QStringList{u"A"_s, u"B"_s, u"a"_s} << u"A"_s << false << true << 3;
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
    RecordList::Add(w, {u"S1"_s, u"G1"_s, u"x"_s});
    RecordList::Add(w, {u"S1"_s, u""_s, u"y"_s});
    RecordList::Add(w, {u"s1"_s, u"G1"_s, u"z"_s});
    QCOMPARE(RecordList::FindKey(w, {1, 2}, {u"S1"_s, u"G1"_s}), 1);
    QCOMPARE(RecordList::FindKey(w, {1, 2}, {u"S1 "_s, u""_s}), 2);
    QCOMPARE(RecordList::FindKey(w, {1, 2}, {u"s1"_s, u"G1"_s}), 3);
    QCOMPARE(RecordList::FindKey(w, {1, 2}, {u"s1"_s, u""_s}), 0);
    QCOMPARE(RecordList::FindKey(w, {1, 2}, {u"s1"_s, u""_s}, Qt::CaseInsensitive), 2);
}

void TestRecordList::addAndFields()
{
    WorkTables w;
    w.Reset(3, 1);
    const int k = RecordList::Add(w, {u"A"_s, u"1"_s});
    QCOMPARE(k, 1);
    QCOMPARE(RecordList::Fields(w, k), (QStringList{u"A"_s, u"1"_s, u""_s}));
    QVERIFY(!w.HasPoints(k));
    // Fields beyond the record's are ignored; those not given keep their texts.
    RecordList::SetFields(w, k, {u"B"_s, u"2"_s, u"3"_s, u"4"_s});
    RecordList::SetFields(w, k, {u"C"_s});
    QCOMPARE(RecordList::Fields(w, k), (QStringList{u"C"_s, u"2"_s, u"3"_s}));
    RecordList::SetFields(w, 5, {u"D"_s});
    QCOMPARE(w.ItemCount, 1);
}

void TestRecordList::rename_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("done");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("new name") << 1 << u"R9"_s << true << QStringList{u"R9"_s, u"R2"_s, u"R3"_s};
    QTest::newRow("own name in other case") << 2 << u"r2"_s << true << QStringList{u"R1"_s, u"r2"_s, u"R3"_s};
    QTest::newRow("another's name") << 1 << u" r3"_s << false << QStringList{u"R1"_s, u"R2"_s, u"R3"_s};
    QTest::newRow("no such record") << 4 << u"R9"_s << false << QStringList{u"R1"_s, u"R2"_s, u"R3"_s};
}

void TestRecordList::rename()
{
    QFETCH(int, record);
    QFETCH(QString, id);
    QFETCH(bool, done);
    QFETCH(QStringList, after);
    WorkTables w = make({u"R1"_s, u"R2"_s, u"R3"_s});
    QCOMPARE(RecordList::Rename(w, record, id), done);
    QCOMPARE(ids(w), after);
}

void TestRecordList::remove_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("current");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("currentAfter");
    QTest::newRow("first, current after it") << 1 << 3 << QStringList{u"B"_s, u"C"_s} << 2;
    QTest::newRow("middle, current before it") << 2 << 1 << QStringList{u"A"_s, u"C"_s} << 1;
    QTest::newRow("the current one") << 3 << 3 << QStringList{u"A"_s, u"B"_s} << 0;
    QTest::newRow("none current") << 2 << -999 << QStringList{u"A"_s, u"C"_s} << -999;
    QTest::newRow("no such record") << 4 << 2 << QStringList{u"A"_s, u"B"_s, u"C"_s} << 2;
}

void TestRecordList::remove()
{
    QFETCH(int, record);
    QFETCH(int, current);
    QFETCH(QStringList, after);
    QFETCH(int, currentAfter);
    WorkTables w = make({u"A"_s, u"B"_s, u"C"_s}, 2);
    w.CurrentItem = current;
    RecordList::Remove(w, record);
    QCOMPARE(ids(w), after);
    QCOMPARE(w.CurrentItem, currentAfter);
    // Every record keeps its own fields and points, and no point is left dead.
    QCOMPARE(w.PointCount, 2 * int(after.size()));
    for (int k = 1; k <= w.ItemCount; ++k) {
        QCOMPARE(w.ItemHeader.value(2, k), after[k - 1] + u"-x"_s);
        QCOMPARE(points(w, k), (QStringList{after[k - 1] + u".1"_s, after[k - 1] + u".2"_s}));
    }
}

void TestRecordList::clearPointsClosesUp()
{
    WorkTables w = make({u"A"_s, u"B"_s, u"C"_s}, 2);
    RecordList::ClearPoints(w, 2);
    QCOMPARE(ids(w), (QStringList{u"A"_s, u"B"_s, u"C"_s}));
    QVERIFY(!w.HasPoints(2));
    QCOMPARE(w.PointCount, 4);
    QCOMPARE(points(w, 3), (QStringList{u"C.1"_s, u"C.2"_s}));
    // The emptied record gets new points after the others, as a new one does.
    const int first = w.MakeRoom(2, 1);
    QCOMPARE(first, 5);
    QCOMPARE(points(w, 1), (QStringList{u"A.1"_s, u"A.2"_s}));
    QCOMPARE(points(w, 3), (QStringList{u"C.1"_s, u"C.2"_s}));
}

QTEST_GUILESS_MAIN(TestRecordList)
#include "tst_recordlist.moc"
