#include "ProgramFolder.h"

#include "core/logic/CallShell.h"
#include "core/Runner.h"
#include "core/logic/Editglob.h"
#include "plots/logic/OutputReader.h"

#include <QApplication>
#include <QTest>

using namespace Plots;

namespace {

// `text` placed at column `col` (1-based) of `line`, blanks filling the gap.
QByteArray at(QByteArray line, int col, const QByteArray &text)
{
    if (line.size() < col - 1)
        line += QByteArray(col - 1 - line.size(), ' ');
    return line.left(col - 1) + text + line.mid(col - 1 + text.size());
}

QByteArray num(double v) { return QByteArray::number(v, 'f', 2).rightJustified(10); }

// A printed page built line by line in the layout the model writes.
struct Page
{
    QByteArrayList lines{"Quorvale                            Page     1", "  test run", "", ""};

    Page &line(const QByteArray &l)
    {
        lines << l;
        return *this;
    }
    Page &header(int page, bool formFeed = true)
    {
        return line((formFeed ? "\f" : "") + at("Quorvale", 37, "Page" + QByteArray::number(page).rightJustified(6)))
            .line("  test run")
            .line("")
            .line("");
    }
    Page &storm(const QByteArray &alternate, const QByteArray &storm)
    {
        return line("").line(at(at(at("Base data", 31, alternate), 41, "STORM"), 50, storm));
    }
    Page &banner()
    {
        return line("")
            .line(at("", 45, "------------ Peak Flow ------------"))
            .line("Location            Qualifier            Peak Flow Peak Time")
            .line("----------          ----------          ---------- ----------")
            .line("");
    }
    Page &location(const QByteArray &name, const QByteArray &qualifier = {})
    {
        return line(at(at(name, 21, qualifier), 31, "    100.00      5.00"));
    }
    Page &flowValues(const QByteArray &step = "0.1000 hr")
    {
        return line("").line("Line").line(at(at("", 27, "Flow Values (cfs)"), 59, step)).line("      Time  Flows").line("");
    }
    Page &row(double time, const QList<double> &flows)
    {
        QByteArray l = num(time);
        for (double f : flows)
            l += num(f);
        return line(l);
    }
    // A whole table: banner, location row, flow values and rows of seven flows from `first` on.
    Page &table(const QByteArray &name, const QByteArray &qualifier, double first, int rows = 2)
    {
        banner().location(name, qualifier).flowValues();
        for (int r = 0; r < rows; ++r) {
            QList<double> flows;
            for (int k = 0; k < 7; ++k)
                flows << first + 7 * r + k;
            row(0.7 * r, flows);
        }
        return *this;
    }
    QByteArray bytes() const { return lines.join("\r\n") + "\r\n"; }
};

OutputSeries series(const QString &alternate, const QString &storm, const QString &location,
                    const QString &qualifier = QString())
{
    OutputSeries s;
    s.alternate = alternate;
    s.storm = storm;
    s.location = location;
    s.qualifier = qualifier;
    return s;
}

OutputRequest request(int kind, std::vector<OutputSeries> list)
{
    OutputRequest r;
    r.kind = kind;
    r.series = std::move(list);
    return r;
}

QList<double> flows(const OutputSeries &s)
{
    QList<double> out;
    for (int p = 0; p < s.count; ++p)
        out << double(s.flow[std::size_t(p)]);
    return out;
}

QList<double> areas(const OutputSeries &s)
{
    QList<double> out;
    for (int p = 0; p < s.count; ++p)
        out << double(s.area[std::size_t(p)]);
    return out;
}

QList<double> range(double first, int n)
{
    QList<double> out;
    for (int i = 0; i < n; ++i)
        out << first + i;
    return out;
}

// The peak table of storms 10YR and 100YR with rows for the base data and
// the alternate ALT: sub-areas SA1 and SA2, reach R1 and its DOWNSTREAM row
// (unless the network has no reaches), the outlet.
Page peakTable(bool reaches = true)
{
    Page p;
    p.storm("", "100YR").table("SA1", "", 1);
    auto peak = [](const QByteArray &name, double area, const QByteArray &alternate, double q10, double q100) {
        const QByteArray areaText = area < 0 ? QByteArray(10, ' ') : num(area);
        return name.leftJustified(10) + areaText + alternate.leftJustified(10) + num(q10) + num(q100);
    };
    p.line("")
        .line(at("", 35, "----------- Peak Flow by Storm -----------"))
        .line(at(at("", 32, "10YR"), 42, "100YR"))
        .line("Location  Area      Alternate")
        .line("--------- --------- ---------")
        .line(peak("SA1", 2, "", 20, 40))
        .line(peak("SA1", 2, "ALT", 25, 50))
        .line(peak("SA2", 4, "", 30, 60));
    if (reaches)
        p.line(peak("R1", 6, "", 45, 90))
            .line(peak("R1", 6, "ALT", 55, 99))
            .line(peak("DOWNSTREAM", -1, "", 44, 88))
            .line(peak("DOWNSTREAM", -1, "ALT", 54, 98));
    p.line(peak("OUTLET", 8, "ALT", 70, 140))
        .line(peak("OUTLET", 8, "", 60, 120))
        .line("")
        .line("  End of run");
    return p;
}

// Duration tables of storm 10YR: SA1, R1 with its DOWNSTREAM row, OUTLET.
// The stage table's banner carries "Base" unless it comes first.
Page durationTables(bool percent, bool stage, bool stageFirst = false)
{
    Page p;
    p.storm("", "10YR").table("SA1", "", 1).table("R1", "Upstream", 10).table("R1", "Downstream", 20);
    p.storm("", "10YR").table("OUTLET", "", 30);
    auto rows = [&p](double base) {
        auto row = [](const QByteArray &name, double v) {
            return at(at(name, 21, "10YR"), 41, num(v) + num(v + 1) + num(v + 2) + num(v + 3));
        };
        p.line(row("SA1", base)).line(row("R1", base + 10)).line(row("DOWNSTREAM", base + 20)).line(row("OUTLET", base + 30));
    };
    auto percentTable = [&] {
        p.line("").line(at("", 43, "Flow Duration @ selected Peak Flow %"));
        p.line(at("Location  Alternate Storm", 41, "        50        75        90        95"));
        p.line("(hours)").line("");
        rows(1);
    };
    auto stageTable = [&] {
        p.line("").line(at(at("", 33, stageFirst ? "" : "Base"), 43, "Flow Duration @ stage above base elev."));
        p.line(at("Location  Alternate Storm", 41, "       0.5        1.        2.        3."));
        p.line("(hours)").line("");
        rows(101);
    };
    p.line("").line(at("", 35, "----------- Peak Flow by Storm -----------")).line(at("", 32, "10YR")).line("").line("");
    if (stage && stageFirst)
        stageTable();
    if (percent)
        percentTable();
    if (stage && !stageFirst)
        stageTable();
    return p;
}

} // namespace

class TestOutputReader : public QObject
{
    Q_OBJECT
private slots:
    void hydrographSeries_data();
    void hydrographSeries();
    void timeSteps_data();
    void timeSteps();
    void lastLineIsRead();
    void flowsThatAreNoNumbers();
    void peakFlows_data();
    void peakFlows();
    void pageBreakAnywhere_data();
    void pageBreakAnywhere();
    void durations_data();
    void durations();
    void fileReading();
    void standInOutput();
};

// Which table each series takes: storms, alternates and locations are told
// apart at every storm line and location row.
void TestOutputReader::hydrographSeries_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QStringList>("wanted"); // alternate/storm/location/qualifier per series
    QTest::addColumn<QList<QList<double>>>("expected");

    const QByteArray twoStorms =
        Page().storm("", "100YR").table("SA1", "", 1).table("OUTLET", "", 100).storm("", "10YR").table("OUTLET", "", 50).bytes();
    QTest::newRow("two storms at the outlet") << twoStorms << QStringList{"/100YR/Outlet/", "/10YR/Outlet/"}
                                              << QList<QList<double>>{range(100, 14), range(50, 14)};
    QTest::newRow("two storms, later one asked first")
        << twoStorms << QStringList{"/10yr/outlet/", "/100YR/Outlet/"} << QList<QList<double>>{range(50, 14), range(100, 14)};

    const QByteArray alternates = Page()
                                      .storm("", "10YR")
                                      .table("R1", "Upstream", 1)
                                      .table("R1", "Downstream", 20)
                                      .storm("ALT", "10YR")
                                      .table("R1", "Downstream", 40)
                                      .bytes();
    QTest::newRow("base data and an alternate")
        << alternates << QStringList{"ALT/10YR/R1/Downstream", "  /10YR/R1/Downstream"}
        << QList<QList<double>>{range(40, 14), range(20, 14)};
    QTest::newRow("reach ends and a sub-area")
        << Page().storm("", "10YR").table("SA1", "", 5).table("R1", "Upstream", 1).bytes()
        << QStringList{"/10YR/R1/Upstream", "/10YR/SA1/", "/10YR/R1/Downstream"}
        << QList<QList<double>>{range(1, 14), range(5, 14), {}};
    QTest::newRow("no storm line matches")
        << alternates << QStringList{"/100YR/R1/Upstream"} << QList<QList<double>>{{}};

    // A form feed before a page header inside a table: the header is skipped.
    Page broken;
    broken.storm("", "10YR").banner().location("SA1").flowValues().row(0, range(1, 7)).header(2).row(0.7, range(8, 7));
    QTest::newRow("page header with a form feed") << broken.bytes() << QStringList{"/10YR/SA1/"}
                                                  << QList<QList<double>>{range(1, 14)};
    // A location row that matches no series stops the taking of rows.
    Page stray;
    stray.storm("", "10YR").table("SA1", "", 1, 1).table("OTHER", "", 50, 1);
    QTest::newRow("location row of another location") << stray.bytes() << QStringList{"/10YR/SA1/"}
                                                      << QList<QList<double>>{range(1, 7)};
    // Without banners, the table of a storm that was not asked for is no
    // continuation of the table before it.
    Page unbannered;
    unbannered.storm("", "10YR").location("SA1").flowValues().row(0, range(1, 7));
    unbannered.storm("", "100YR").location("SA1").flowValues().row(0, range(50, 7));
    QTest::newRow("storm not asked for, no banners") << unbannered.bytes() << QStringList{"/10YR/SA1/"}
                                                     << QList<QList<double>>{range(1, 7)};
    // Rows with fewer flows than seven end at the first empty field.
    Page shortRow;
    shortRow.storm("", "10YR").banner().location("SA1").flowValues().row(0, range(1, 7)).row(0.7, range(8, 4));
    QTest::newRow("four flows in the last row") << shortRow.bytes() << QStringList{"/10YR/SA1/"}
                                                << QList<QList<double>>{range(1, 11)};
    // A line without a time is no row, even with numbers where flows stand.
    Page totals;
    totals.storm("", "10YR").table("SA1", "", 1).line(QByteArray("Volume").leftJustified(10) + num(1.25) + num(2.5));
    QTest::newRow("line without a time after the table") << totals.bytes() << QStringList{"/10YR/SA1/"}
                                                         << QList<QList<double>>{range(1, 14)};
}

void TestOutputReader::hydrographSeries()
{
    QFETCH(QByteArray, page);
    QFETCH(QStringList, wanted);
    QFETCH(QList<QList<double>>, expected);
    std::vector<OutputSeries> list;
    for (const QString &w : wanted) {
        const QStringList f = w.split(QLatin1Char('/'));
        list.push_back(series(f[0], f[1], f[2], f[3]));
    }
    OutputRequest rq = request(KindOutputHydrograph, list);
    bool anyPoints = false;
    for (const QList<double> &e : expected)
        anyPoints = anyPoints || !e.isEmpty();
    QCOMPARE(ReadOutputPlotData(page, rq), anyPoints);
    for (std::size_t s = 0; s < rq.series.size(); ++s) {
        QCOMPARE(flows(rq.series[s]), expected[int(s)]);
        if (!expected[int(s)].isEmpty())
            QCOMPARE(rq.series[s].startTime, QStringLiteral("      0.00"));
    }
}

// Each series keeps its own time step: the flow-values line gives it, the
// rows' own times correct it from the second row of a table on.
void TestOutputReader::timeSteps_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QList<double>>("steps"); // of SA1 and SA2

    Page given;
    given.storm("", "10YR").banner().location("SA1").flowValues("0.2500 hr").row(0, range(1, 7));
    given.banner().location("SA2").flowValues("  0.5").row(3, range(1, 3));
    QTest::newRow("from the flow-values lines") << given.bytes() << QList<double>{0.25, 0.5};

    Page rows;
    rows.storm("", "10YR").banner().location("SA1").flowValues().row(0, range(1, 7)).row(1, range(8, 7));
    rows.banner().location("SA2").flowValues().row(0, range(1, 7)).row(1.4, range(1, 7)).row(2.8, range(1, 7));
    QTest::newRow("from the rows' times") << rows.bytes() << QList<double>{1.0 / 7, 0.2};

    // Two tables after one banner, and tables without any banner.
    Page oneBanner;
    oneBanner.storm("", "10YR").banner().location("SA1").flowValues().row(0, range(1, 7)).row(0.7, range(1, 7)).row(1.4, range(1, 7));
    oneBanner.storm("", "10YR").location("SA2").flowValues().row(0, range(1, 7)).row(1.4, range(1, 7));
    QTest::newRow("two tables after one banner") << oneBanner.bytes() << QList<double>{0.1, 0.2};
    Page noBanner;
    noBanner.storm("", "10YR").location("SA1").flowValues().row(0, range(1, 7)).row(0.7, range(1, 7)).row(1.4, range(1, 7));
    noBanner.storm("", "10YR").location("SA2").flowValues().row(2, range(1, 7)).row(4.1, range(1, 7));
    QTest::newRow("no banner") << noBanner.bytes() << QList<double>{0.1, 0.3};
    // A line after the last table that is no row of it keeps the step.
    Page closed;
    closed.storm("", "10YR").banner().location("SA1").flowValues().row(0, range(1, 7)).row(0.7, range(1, 7));
    closed.banner().location("SA2").flowValues().row(0, range(1, 7)).row(1.4, range(1, 7)).line("  End of run");
    QTest::newRow("closing line after the last table") << closed.bytes() << QList<double>{0.1, 0.2};
}

void TestOutputReader::timeSteps()
{
    QFETCH(QByteArray, page);
    QFETCH(QList<double>, steps);
    OutputRequest rq = request(KindOutputHydrograph, {series("", "10YR", "SA1"), series("", "10YR", "SA2")});
    QVERIFY(ReadOutputPlotData(page, rq));
    for (int s = 0; s < 2; ++s)
        QVERIFY2(std::abs(rq.series[std::size_t(s)].timeStep - steps[s]) < 1e-9,
                 qPrintable(QString::number(rq.series[std::size_t(s)].timeStep)));
}

void TestOutputReader::lastLineIsRead()
{
    Page p;
    p.storm("", "10YR").banner().location("SA1").flowValues().row(0, range(1, 7)).row(0.7, range(8, 3));
    for (const QByteArray &end : {QByteArray("\r\n"), QByteArray("\n"), QByteArray()}) {
        OutputRequest rq = request(KindOutputHydrograph, {series("", "10YR", "SA1")});
        QVERIFY(ReadOutputPlotData(p.lines.join(end.isEmpty() ? "\n" : end) + end, rq));
        QCOMPARE(flows(rq.series[0]), range(1, 10));
    }
    // A page whose only data line is its last.
    Page single;
    single.storm("", "10YR").banner().location("SA1").flowValues().row(0, {4});
    OutputRequest rq = request(KindOutputHydrograph, {series("", "10YR", "SA1")});
    QVERIFY(ReadOutputPlotData(single.lines.join("\n"), rq));
    QCOMPARE(flows(rq.series[0]), QList<double>{4});
}

// A flow that is not a number gives no point, and no later flow of its
// table is shifted onto its time.
void TestOutputReader::flowsThatAreNoNumbers()
{
    Page p;
    p.storm("", "10YR").banner().location("SA1").flowValues();
    p.line(num(0) + num(1) + num(2) + "  ********" + num(4));
    p.row(0.7, range(8, 7));
    p.table("SA2", "", 30, 1);
    OutputRequest rq = request(KindOutputHydrograph, {series("", "10YR", "SA1"), series("", "10YR", "SA2")});
    QVERIFY(ReadOutputPlotData(p.bytes(), rq));
    QCOMPARE(flows(rq.series[0]), (QList<double>{1, 2}));
    QCOMPARE(flows(rq.series[1]), range(30, 7));

    for (const QByteArray &bad : {QByteArray("1e"), QByteArray("inf"), QByteArray("nan"), QByteArray("1.2.3"),
                                  QByteArray("1e999"), QByteArray("0x10"), QByteArray("--1")}) {
        Page q;
        q.storm("", "10YR").banner().location("SA1").flowValues().line(num(0) + bad.rightJustified(10));
        OutputRequest r = request(KindOutputHydrograph, {series("", "10YR", "SA1")});
        QVERIFY2(!ReadOutputPlotData(q.bytes(), r), bad.constData());
    }
    Page good;
    good.storm("", "10YR").banner().location("SA1").flowValues().line(num(0) + "      +1.5       -2.      .5e1");
    OutputRequest r = request(KindOutputHydrograph, {series("", "10YR", "SA1")});
    QVERIFY(ReadOutputPlotData(good.bytes(), r));
    QCOMPARE(flows(r.series[0]), (QList<double>{1.5, -2, 5}));
}

void TestOutputReader::peakFlows_data()
{
    QTest::addColumn<bool>("reaches");
    QTest::addColumn<QStringList>("classes");
    QTest::addColumn<QString>("storm");
    QTest::addColumn<QString>("alternate");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QList<QList<double>>>("x");
    QTest::addColumn<QList<QList<double>>>("y");

    using L = QList<QList<double>>;
    QTest::newRow("sub-areas, base data") << true << QStringList{"Subarea"} << "10YR" << "" << "cfs" << L{{2, 4}} << L{{20, 30}};
    QTest::newRow("sub-areas, alternate") << true << QStringList{"Subarea"} << "100YR" << "alt" << "cfs" << L{{2}} << L{{50}};
    QTest::newRow("reach and outlet") << true << QStringList{"Reach", "Outlet"} << "100YR" << "" << "cfs"
                                      << L{{6, 6}, {8}} << L{{90, 88}, {120}};
    QTest::newRow("all classes") << true << QStringList{"Subarea", "Reach", "Outlet"} << "10YR" << "" << "cfs"
                                 << L{{2, 4}, {6, 6}, {8}} << L{{20, 30}, {45, 44}, {60}};
    QTest::newRow("outlet alone, per area") << true << QStringList{"Outlet"} << "10YR" << "" << "csm" << L{{8}} << L{{7.5}};
    QTest::newRow("alternate's outlet") << true << QStringList{"Outlet"} << "10YR" << "ALT" << "cfs" << L{{8}} << L{{70}};
    QTest::newRow("storm not in the table")
        << true << QStringList{"Subarea", "Outlet"} << "2YR" << "" << "cfs" << L{{}, {}} << L{{}, {}};
    // Without reaches the outlet row still reaches the outlet series, and
    // the reach series takes no sub-area's point.
    QTest::newRow("no reaches, all classes") << false << QStringList{"Subarea", "Reach", "Outlet"} << "10YR" << "" << "cfs"
                                             << L{{2, 4}, {}, {8}} << L{{20, 30}, {}, {60}};
    QTest::newRow("no reaches, reach and outlet")
        << false << QStringList{"Reach", "Outlet"} << "100YR" << "" << "cfs" << L{{}, {8}} << L{{}, {120}};
    QTest::newRow("no reaches, reach alone") << false << QStringList{"Reach"} << "10YR" << "" << "cfs" << L{{}} << L{{}};
}

void TestOutputReader::peakFlows()
{
    QFETCH(bool, reaches);
    QFETCH(QStringList, classes);
    QFETCH(QString, storm);
    QFETCH(QString, alternate);
    QFETCH(QString, unit);
    QFETCH(QList<QList<double>>, x);
    QFETCH(QList<QList<double>>, y);
    std::vector<OutputSeries> list;
    for (const QString &c : classes)
        list.push_back(series(alternate, storm, c));
    OutputRequest rq = request(KindPeakFlow, list);
    rq.peakFlowUnit = unit;
    const bool anyPoints = std::any_of(x.begin(), x.end(), [](const QList<double> &v) { return !v.isEmpty(); });
    QCOMPARE(ReadOutputPlotData(peakTable(reaches).bytes(), rq), anyPoints);
    for (int s = 0; s < classes.size(); ++s) {
        QCOMPARE(areas(rq.series[std::size_t(s)]), x[s]);
        QCOMPARE(flows(rq.series[std::size_t(s)]), y[s]);
    }

    // A blank line where the first row belongs does not become a point.
    QByteArray gap = peakTable(reaches).bytes();
    gap.replace("--------- --------- ---------\r\n", "--------- --------- ---------\r\n\r\n");
    OutputRequest again = request(KindPeakFlow, list);
    again.peakFlowUnit = unit;
    ReadOutputPlotData(gap, again);
    for (int s = 0; s < classes.size(); ++s)
        QCOMPARE(flows(again.series[std::size_t(s)]), y[s]);
}

// The model breaks its page wherever its line count says: a page header,
// with its title lines, put before any line of a hydrograph, peak or
// duration table changes nothing that is read.
void TestOutputReader::pageBreakAnywhere_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QStringList>("wanted"); // alternate/storm/location/qualifier per series

    Page hydrographs;
    hydrographs.storm("", "10YR").table("SA1", "", 1).table("R1", "Upstream", 20, 3);
    QTest::newRow("hydrograph tables") << int(KindOutputHydrograph) << hydrographs.lines
                                       << QStringList{"/10YR/SA1/", "/10YR/R1/Upstream"};
    QTest::newRow("peak table") << int(KindPeakFlow) << peakTable().lines
                                << QStringList{"/10YR/Subarea/", "/10YR/Reach/", "/10YR/Outlet/"};
    QTest::newRow("duration tables") << int(KindTimeAnalysis) << durationTables(true, true).lines
                                     << QStringList{"/10YR/R1/Downstream"};
}

void TestOutputReader::pageBreakAnywhere()
{
    QFETCH(int, kind);
    QFETCH(QByteArrayList, lines);
    QFETCH(QStringList, wanted);
    // Everything the reader fills in, as text.
    auto read = [&](const QByteArrayList &page) {
        std::vector<OutputSeries> list;
        for (const QString &w : wanted) {
            const QStringList f = w.split(QLatin1Char('/'));
            list.push_back(series(f[0], f[1], f[2], f[3]));
        }
        OutputRequest rq = request(kind, list);
        rq.peakFlowUnit = QStringLiteral("cfs");
        ReadOutputPlotData(page.join("\r\n") + "\r\n", rq);
        QStringList got;
        for (const OutputSeries &s : rq.series) {
            QStringList values;
            for (double f : flows(s))
                values << QString::number(f);
            for (double a : kind == KindPeakFlow ? areas(s) : QList<double>())
                values << QString::number(a);
            got << QStringLiteral("%1 points from %2 by %3: ").arg(s.count).arg(s.startTime).arg(s.timeStep)
                       + values.join(QLatin1Char(' '));
        }
        for (const DurationTable *t : {&rq.percentOfPeak, &rq.stage})
            got << QStringList(t->caption.begin(), t->caption.end()).join(QLatin1Char('|'))
                << QStringList(t->value.begin(), t->value.end()).join(QLatin1Char('|'));
        return got;
    };
    const QStringList whole = read(lines);
    QVERIFY(!whole.first().startsWith(QLatin1String("0 points")));
    const QByteArrayList header{"\fQuorvale                            Page    49", "  test run", "", ""};
    // After the first page's header, before every line to the end.
    for (qsizetype at = 4; at <= lines.size(); ++at) {
        QByteArrayList broken = lines;
        for (qsizetype h = header.size() - 1; h >= 0; --h)
            broken.insert(at, header[h]);
        QVERIFY2(read(broken) == whole, qPrintable(QStringLiteral("page header before line %1: %2")
                                                        .arg(at + 1)
                                                        .arg(QString::fromLatin1(at < lines.size() ? lines[at] : "end"))));
    }
}

void TestOutputReader::durations_data()
{
    QTest::addColumn<bool>("percent");
    QTest::addColumn<bool>("stage");
    QTest::addColumn<bool>("stageFirst");
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("qualifier");
    QTest::addColumn<QStringList>("percentValues");
    QTest::addColumn<QStringList>("stageValues");

    const QStringList none{"", "", "", ""};
    QTest::newRow("sub-area, both tables") << true << true << false << "SA1" << "" << QStringList{"1.00", "2.00", "3.00", "4.00"}
                                           << QStringList{"101.00", "102.00", "103.00", "104.00"};
    QTest::newRow("reach upstream") << true << false << false << "R1" << "Upstream" << QStringList{"11.00", "12.00", "13.00", "14.00"} << none;
    QTest::newRow("reach downstream") << true << true << false << "R1" << "Downstream"
                                      << QStringList{"21.00", "22.00", "23.00", "24.00"}
                                      << QStringList{"121.00", "122.00", "123.00", "124.00"};
    QTest::newRow("outlet, stage table only") << false << true << false << "Outlet" << "" << none
                                              << QStringList{"131.00", "132.00", "133.00", "134.00"};
    QTest::newRow("stage table first") << true << true << true << "R1" << "Downstream"
                                       << QStringList{"21.00", "22.00", "23.00", "24.00"}
                                       << QStringList{"121.00", "122.00", "123.00", "124.00"};
}

void TestOutputReader::durations()
{
    QFETCH(bool, percent);
    QFETCH(bool, stage);
    QFETCH(bool, stageFirst);
    QFETCH(QString, location);
    QFETCH(QString, qualifier);
    QFETCH(QStringList, percentValues);
    QFETCH(QStringList, stageValues);
    OutputRequest rq = request(KindTimeAnalysis, {series("", "10YR", location, qualifier)});
    QVERIFY(ReadOutputPlotData(durationTables(percent, stage, stageFirst).bytes(), rq));
    QCOMPARE(rq.series[0].count, 14);
    auto list = [](const std::array<QString, 4> &a) { return QStringList(a.begin(), a.end()); };
    QCOMPARE(list(rq.percentOfPeak.value), percentValues);
    QCOMPARE(list(rq.stage.value), stageValues);
    const QStringList noCaptions{"", "", "", ""};
    const QStringList percentCaptions{"50% of Peak", "75% of Peak", "90% of Peak", "95% of Peak"};
    const QStringList stageCaptions{"0.5 Stage", "1. Stage", "2. Stage", "3. Stage"};
    QCOMPARE(list(rq.percentOfPeak.caption), percent ? percentCaptions : noCaptions);
    QCOMPARE(list(rq.stage.caption), stage ? stageCaptions : noCaptions);

    // What the plot window gets: the durations as reference points, time from 0.
    const PlotRequest plot = OutputPlotRequest(rq, QStringLiteral("/p/run.inp"), QStringLiteral("cfs"), QString());
    QCOMPARE(plot.header(1, 5), QStringLiteral("0.0"));
    QCOMPARE(plot.header(1, 16), percentValues.first());
    QCOMPARE(plot.header(1, 20), stageValues.first());
    QCOMPARE(plot.header(1, 7), QStringLiteral("14"));
}

void TestOutputReader::fileReading()
{
    QTemporaryDir dir;
    OutputRequest missing = request(KindOutputHydrograph, {series("", "10YR", "SA1")});
    const ReadResult gone = ReadOutputPlotFile(dir.filePath(QStringLiteral("none.out")), missing);
    QCOMPARE(gone.status, ReadStatus::Unreadable);
    QVERIFY(!gone.error.isEmpty());

    const QString empty = dir.filePath(QStringLiteral("empty.out"));
    ProgramFolder::writeBytes(empty, QByteArray());
    QCOMPARE(ReadOutputPlotFile(empty, missing).status, ReadStatus::NoData);

    // Over a piece boundary, an overlong line and no line end at the last line,
    // the file reads as its bytes do.
    Page p;
    p.storm("", "10YR").line(QByteArray(300000, 'x')).banner().location("SA1").flowValues();
    for (int r = 0; r < 20000; ++r)
        p.row(0.7 * r, range(r, 7));
    const QByteArray bytes = p.lines.join("\n");
    const QString big = dir.filePath(QStringLiteral("big.out"));
    ProgramFolder::writeBytes(big, bytes);
    OutputRequest fromFile = request(KindOutputHydrograph, {series("", "10YR", "SA1")});
    OutputRequest fromBytes = fromFile;
    QCOMPARE(ReadOutputPlotFile(big, fromFile).status, ReadStatus::Found);
    QVERIFY(ReadOutputPlotData(bytes, fromBytes));
    QCOMPARE(fromFile.series[0].count, 140000);
    QCOMPARE(fromFile.series[0].flow, fromBytes.series[0].flow);
    QCOMPARE(fromFile.series[0].timeStep, fromBytes.series[0].timeStep);
}

// The stand-in engine's page for the demo input: every kind of plot finds
// plausible data.
void TestOutputReader::standInOutput()
{
    ProgramFolder folder;
    folder.installTools();
    Editglob::SetFileName(folder.file(QStringLiteral("Demo.inp")));
    QCOMPARE(Run_Save_Open::RunProgram(QStringLiteral("qv31.fil"), QStringLiteral("qv31.exe")),
             CallShell::WaitResult::Finished);
    const QString out = Editglob::OutFileName;

    OutputRequest storms = request(KindOutputHydrograph, {series("", "100YR", "Outlet"), series("", "10YR", "Outlet"),
                                                           series("", "2YR", "Outlet")});
    QCOMPARE(ReadOutputPlotFile(out, storms).status, ReadStatus::Found);
    float previousPeak = 1e30f;
    for (const OutputSeries &s : storms.series) {
        QCOMPARE(s.count, 241);
        QCOMPARE(s.timeStep, 0.1);
        QCOMPARE(s.startTime.trimmed(), QStringLiteral("0.00"));
        // Rises to a peak and recedes; a smaller storm peaks lower.
        const auto peak = std::max_element(s.flow.begin(), s.flow.end());
        QVERIFY(*peak > 0 && *peak < previousPeak);
        QVERIFY(s.flow.front() < *peak && s.flow.back() < *peak);
        previousPeak = *peak;
    }

    OutputRequest alternates = request(KindOutputHydrograph, {series("", "10YR", "EAST"), series("DEVELOPED", "10YR", "EAST"),
                                                               series("developed", "10YR", "REACH2", "Downstream")});
    QCOMPARE(ReadOutputPlotFile(out, alternates).status, ReadStatus::Found);
    QVERIFY(alternates.series[1].flow != alternates.series[0].flow);
    QCOMPARE(alternates.series[2].count, 241);

    OutputRequest peaks = request(KindPeakFlow, {series("", "100YR", "Subarea"), series("", "100YR", "Reach"),
                                                  series("", "100YR", "Outlet")});
    peaks.peakFlowUnit = QStringLiteral("cfs");
    QCOMPARE(ReadOutputPlotFile(out, peaks).status, ReadStatus::Found);
    auto singles = [](const QList<double> &v) {
        QList<double> out;
        for (double d : v)
            out << double(float(d));
        return out;
    };
    QCOMPARE(areas(peaks.series[0]), singles({1.25, 0.8, 2.1}));
    QCOMPARE(areas(peaks.series[1]), singles({2.05, 2.05, 4.15, 4.15}));
    QCOMPARE(areas(peaks.series[2]), singles({4.15}));
    QCOMPARE(flows(peaks.series[2]), QList<double>{double(storms.series[0].flow[std::size_t(
                                         std::max_element(storms.series[0].flow.begin(), storms.series[0].flow.end())
                                         - storms.series[0].flow.begin())])});

    OutputRequest time = request(KindTimeAnalysis, {series("DEVELOPED", "2YR", "REACH1", "Downstream")});
    QCOMPARE(ReadOutputPlotFile(out, time).status, ReadStatus::Found);
    QCOMPARE(time.percentOfPeak.caption[0], QStringLiteral("50% of Peak"));
    QCOMPARE(time.stage.caption[3], QStringLiteral("4 Stage"));
    for (const QString &v : time.percentOfPeak.value)
        QVERIFY(v.toDouble() > 0);
}

QTEST_MAIN(TestOutputReader)
#include "tst_outputreader.moc"
