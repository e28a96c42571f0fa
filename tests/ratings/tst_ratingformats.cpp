#include "ProgramFolder.h"

#include "core/logic/IdentifierLists.h"
#include "core/logic/Editglob.h"
#include "core/logic/TextFile.h"
#include "sections/ratings/logic/RatingChecks.h"
#include "sections/ratings/logic/RatingFormats.h"

#include <QFile>
#include <QTest>

using namespace RatingFormats;

namespace {

QString pad(const QString &text, int width = 10) { return text.leftJustified(width, QLatin1Char(' ')); }
QString blanks(int n) { return QString(n, QLatin1Char(' ')); }
QString row(const QStringList &fields)
{
    QString line = blanks(20);
    for (const QString &f : fields)
        line += pad(f);
    return line;
}

QByteArray golden(const QString &name)
{
    QFile f(QStringLiteral(QV_TEST_DATA "/ratings/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qWarning("missing golden file %s", qPrintable(name));
    return f.readAll();
}

QByteArray bytesOf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toLatin1() + "\r\n";
    return out;
}

enum Kind { Structure, CrossSection, Hydrograph };

Items parse(int kind, const QStringList &lines)
{
    switch (kind) {
    case Structure: return Struct::Parse(lines);
    case CrossSection: return Xsect::Parse(lines);
    default: return InpHyd::Parse(lines);
    }
}

QStringList write(int kind, const Items &items)
{
    switch (kind) {
    case Structure: return Struct::Lines(items);
    case CrossSection: return Xsect::Lines(items);
    default: return InpHyd::Lines(items);
    }
}

QList<QStringList> flows(const QStringList &values)
{
    QList<QStringList> rows;
    for (const QString &v : values)
        rows << QStringList{v};
    return rows;
}

const QString StructHeader = pad(QStringLiteral("STRUCTURE RATING:"), 40);
const QString XsectHeader = pad(QStringLiteral("STREAM CROSS SECTION:"), 40);
const QString HydHeader = pad(QStringLiteral("INPUT HYDROGRAPH:"), 40);

} // namespace

Q_DECLARE_METATYPE(RatingFormats::Items)

class TestRatingFormats : public QObject
{
    Q_OBJECT
private slots:
    void goldenRoundTrip_data();
    void goldenRoundTrip();
    void importedCrossSectionsAreKept();
    void writer_data();
    void writer();
    void reader_data();
    void reader();
    void workTablesKeepItems();
    void crossSectionListSkipsHeaderLines();
    void firstFault_data();
    void firstFault();
};

void TestRatingFormats::goldenRoundTrip_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("items");
    QTest::newRow("structures") << int(Structure) << QStringLiteral("struct_written.tmp") << 3;
    QTest::newRow("cross sections") << int(CrossSection) << QStringLiteral("xsect_written.tmp") << 2;
    QTest::newRow("hydrographs") << int(Hydrograph) << QStringLiteral("inphyd_written.tmp") << 3;
}

void TestRatingFormats::goldenRoundTrip()
{
    QFETCH(int, kind);
    QFETCH(QString, file);
    QFETCH(int, items);
    const QByteArray bytes = golden(file);
    const Items read = parse(kind, SplitLines(bytes));
    QCOMPARE(read.size(), items);
    QCOMPARE(bytesOf(write(kind, read)), bytes);
}

void TestRatingFormats::importedCrossSectionsAreKept()
{
    const Items read = Xsect::Parse(SplitLines(golden(QStringLiteral("xsect_imported.tmp"))));
    QStringList ids;
    for (const Item &item : read)
        ids << item.header.first();
    QCOMPARE(ids, (QStringList{QStringLiteral("X1"), QStringLiteral("X2"), QStringLiteral("RAS1"),
                               QStringLiteral("RAS2")}));
    QCOMPARE(read[2].rows.size(), 2);
    QCOMPARE(bytesOf(Xsect::Lines(read)), golden(QStringLiteral("xsect_merged.tmp")));
}

void TestRatingFormats::writer_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<Items>("items");
    QTest::addColumn<QStringList>("lines");
    const auto s = [](const char *t) { return QString::fromLatin1(t); };

    QTest::newRow("structure: blank identifiers write nothing")
        << int(Structure) << Items{{{QString(), s("100")}, {{s("1"), s("2"), s("3")}}}} << QStringList{};
    QTest::newRow("structure: row without elevation left out")
        << int(Structure) << Items{{{s("S1"), s("5")}, {{QString(), s("2"), s("3")}, {s("6"), s("1"), QString()}}}}
        << QStringList{StructHeader, blanks(10) + pad(s("S1")) + pad(s("5.")), row({s("6."), s("1."), QString()}),
                       QString()};
    QTest::newRow("structure: over-long number keeps its columns")
        << int(Structure) << Items{{{s("S1"), s("123.4567891234")}, {}}}
        << QStringList{StructHeader, blanks(10) + pad(s("S1")) + s("123.456789"), QString()};

    QTest::newRow("cross section: stream keeps the text rule and is cut to 10")
        << int(CrossSection)
        << Items{{{s("X1"), s("10.5"), s("100"), s("S1"), s("250")}, {}},
                 {{s("X2"), QString(), QString(), s("STREAMLONGER12"), QString()}, {}}}
        << QStringList{XsectHeader, blanks(10) + pad(s("X1")) + pad(s("10.5")) + blanks(10) + pad(s("100.")) + pad(s("S1")) + pad(s("250.")),
                       blanks(10) + pad(s("X2")) + blanks(20) + blanks(10) + s("STREAMLONG") + blanks(10),
                       QString()};

    const Item h1{{s("H1"), s("R1"), QString(), s("2"), s("1"), QString(), s("0")}, flows({s("0"), s("5"), s("10"), s("5")})};
    const QString h1Line = blanks(10) + pad(s("H1")) + pad(s("R1")) + blanks(10) + pad(s("2.")) + pad(s("1.")) + blanks(10) + pad(s("0."));
    QTest::newRow("hydrograph: terminator in the last slot")
        << int(Hydrograph) << Items{h1}
        << QStringList{HydHeader, h1Line, row({s("0."), s("5."), s("10."), s("5."), s("0.")}), QString()};
    Item h2 = h1;
    h2.rows << QStringList{s("2")};
    QTest::newRow("hydrograph: terminator on a line of its own")
        << int(Hydrograph) << Items{h2}
        << QStringList{HydHeader, h1Line, row({s("0."), s("5."), s("10."), s("5."), s("2.")}), row({s("0.")}),
                       QString()};
    Item h3 = h1;
    h3.rows = flows({s("0"), QString(), s("7"), s("0.")});
    QTest::newRow("hydrograph: ends in 0, blank flow dropped")
        << int(Hydrograph) << Items{h3} << QStringList{HydHeader, h1Line, row({s("0."), s("7."), s("0.")}), QString()};
    Item one = h1;
    one.rows = flows({s("0"), QString()});
    Item noId = h1;
    noId.header[0] = s("  ");
    QTest::newRow("hydrograph: one flow or no identifier is not written")
        << int(Hydrograph) << Items{one, noId} << QStringList{};
}

void TestRatingFormats::writer()
{
    QFETCH(int, kind);
    QFETCH(Items, items);
    QFETCH(QStringList, lines);
    QCOMPARE(write(kind, items), lines);
}

void TestRatingFormats::reader_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Items>("items");
    const auto s = [](const char *t) { return QString::fromLatin1(t); };
    const QByteArray sh = StructHeader.toLatin1();

    QTest::newRow("structure: stops at a blank line, LF and no last line end")
        << int(Structure)
        << QByteArray(sh + "\n" + "                    1.        2.        3.\n" // before any structure
                      + "          S1        100.\n                    100.      0.        0.\n   \n"
                      + "          S2\n                    5.")
        << Items{{{s("S1"), s("100.")}, {{s("100."), s("0."), s("0.")}}}};
    QTest::newRow("structure: empty file")
        << int(Structure) << QByteArray() << Items{};
    QTest::newRow("cross section: lines without values ignored")
        << int(CrossSection)
        << QByteArray(XsectHeader.toLatin1() + "\r\n          X1\r\n                                                                       9\r\n"
                      + "                                        5.")
        << Items{{{s("X1"), QString(), QString(), QString(), QString()},
                  {{QString(), QString(), s("5."), QString(), QString()}}}};
    QTest::newRow("hydrograph: same identifier twice, blank slots skipped, stops at blank line")
        << int(Hydrograph)
        << QByteArray(HydHeader.toLatin1() + "\r\n          H1        R1\r\n                    1.                  2.\r\n"
                      + "          H1        R2\r\n                              3.        0.\r\n\r\n          H9\r\n")
        << Items{{{s("H1"), s("R1"), QString(), QString(), QString(), QString(), QString()}, flows({s("1."), s("2.")})},
                 {{s("H1"), s("R2"), QString(), QString(), QString(), QString(), QString()}, flows({s("3."), s("0.")})}};
}

void TestRatingFormats::reader()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(Items, items);
    QCOMPARE(parse(kind, SplitLines(bytes)), items);
}

void TestRatingFormats::workTablesKeepItems()
{
    const Items items = Xsect::Parse(SplitLines(golden(QStringLiteral("xsect_imported.tmp"))));
    WorkTables work;
    ToWorkTables(items, Xsect::HeaderFields, Xsect::PointFields, work);
    QCOMPARE(work.ItemCount, 4);
    QCOMPARE(work.PointCount, 5);
    QVERIFY(!work.HasPoints(2));
    QCOMPARE(FromWorkTables(work, Xsect::HeaderFields, Xsect::PointFields), items);
}

void TestRatingFormats::crossSectionListSkipsHeaderLines()
{
    ProgramFolder folder;
    ProgramFolder::writeBytes(folder.tmp(Editglob::SecXsect), golden(QStringLiteral("xsect_imported.tmp")));
    TextList list;
    Globsubs::FillXsectList(list);
    QCOMPARE(list.items, (QStringList{QStringLiteral("X1"), QStringLiteral("X2"), QStringLiteral("RAS1"),
                                      QStringLiteral("RAS2")}));
}

void TestRatingFormats::firstFault_data()
{
    using RatingChecks::Section;
    QTest::addColumn<int>("section");
    QTest::addColumn<Items>("items");
    QTest::addColumn<QList<int>>("fault"); // item, row, box; empty for none
    const auto s = [](const char *t) { return QString::fromLatin1(t); };
    const Item s1{{s("S1"), s("100")}, {{s("100"), s("0"), s("0")}, {s("102"), s("15"), s("2.5")}}};
    QTest::newRow("structure: all valid") << int(Section::Structure) << Items{s1} << QList<int>{};
    Item bad = s1;
    bad.header[1] = s("abc");
    QTest::newRow("structure: starting elevation of the second") << int(Section::Structure) << Items{s1, bad}
                                                                 << QList<int>{1, -1, 2};
    bad = s1;
    bad.rows[1][2] = s("-1");
    QTest::newRow("structure: storage below 0") << int(Section::Structure) << Items{bad} << QList<int>{0, 1, 5};
    bad.header[0] = s(" ");
    QTest::newRow("structure: unwritten record not checked") << int(Section::Structure) << Items{bad} << QList<int>{};

    const Item x1{{s("X1"), s("10.5"), s("100"), s("S1"), s("250")},
                  {{s("100"), s("0"), s("0"), QString(), s("0.01")}, {s("102"), s("50"), s("40"), s("30"), s("0.02")}}};
    QTest::newRow("cross section: blank top width on the first row") << int(Section::CrossSection) << Items{x1}
                                                                     << QList<int>{};
    Item xb = x1;
    xb.rows[1][3] = QString();
    QTest::newRow("cross section: blank top width below it") << int(Section::CrossSection) << Items{xb}
                                                             << QList<int>{0, 1, 9};
    xb = x1;
    xb.rows[0][4] = s("0");
    QTest::newRow("cross section: friction slope 0") << int(Section::CrossSection) << Items{xb} << QList<int>{0, 0, 10};
    xb = x1;
    xb.header[3] = s("abc");
    xb.header[4] = s("1e");
    QTest::newRow("cross section: stream is text, station a number") << int(Section::CrossSection) << Items{xb}
                                                                     << QList<int>{0, -1, 5};

    const Item h1{{s("H1"), s("R1"), QString(), s("0"), s("1"), QString(), QString()}, flows({s("0"), s("5")})};
    Item hb = h1;
    hb.header[4] = s("0");
    QTest::newRow("hydrograph: increment 0") << int(Section::Hydrograph) << Items{h1, hb} << QList<int>{1, -1, 5};
    hb = h1;
    hb.rows = flows({s("0"), s("1.2.3"), s("4")});
    QTest::newRow("hydrograph: flow not a number") << int(Section::Hydrograph) << Items{hb} << QList<int>{0, 1, 8};
    hb.rows = flows({s("1.2.3")});
    QTest::newRow("hydrograph: one flow is not written") << int(Section::Hydrograph) << Items{hb} << QList<int>{};
}

void TestRatingFormats::firstFault()
{
    QFETCH(int, section);
    QFETCH(Items, items);
    QFETCH(QList<int>, fault);
    const auto found = RatingChecks::FirstFault(RatingChecks::Section(section), items);
    QCOMPARE(found.has_value(), !fault.isEmpty());
    if (found)
        QCOMPARE((QList<int>{found->item, found->row, found->box}), fault);
}

QTEST_MAIN(TestRatingFormats)
#include "tst_ratingformats.moc"
