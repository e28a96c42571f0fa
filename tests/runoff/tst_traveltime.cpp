// Travel times of the sheet, shallow and channel segments and the time of
// concentration, worked by hand for each row; the rows below the worked
// examples are entries that give no time and must show none.
#include "sections/runoff/logic/TravelTime.h"

#include <QTest>

using namespace TravelTime;

namespace {

// Inputs as "P2; sheet L,s,n,code; shallow L,s,code; channel L,s,n,A,P,V":
// the texts of fields 0 and 12 to 24, each trimmed of outer blanks.
QStringList in(const QString &text)
{
    QStringList fields;
    const QList<qsizetype> sizes{1, 4, 3, 6};
    const QStringList groups = text.split(QLatin1Char(';'));
    if (groups.size() != sizes.size())
        qFatal("bad case %s", qPrintable(text));
    for (int g = 0; g < groups.size(); ++g) {
        const QStringList items = groups[g].split(QLatin1Char(','));
        if (items.size() != sizes[g])
            qFatal("bad group in %s", qPrintable(text));
        for (const QString &item : items)
            fields << item.trimmed();
    }
    return fields;
}
QStringList in(const char *text) { return in(QString::fromLatin1(text)); }

QStringList out(const char *text)
{
    QStringList fields;
    for (const QString &item : QString::fromLatin1(text).split(QLatin1Char(',')))
        fields << item.trimmed();
    return fields;
}

TcFields fieldsOf(const QStringList &inputs)
{
    TcFields f;
    f[TwoYearRain] = inputs.value(0);
    for (int i = 1; i < inputs.size(); ++i)
        f[SheetLength + i - 1] = inputs[i];
    return f;
}

} // namespace

class TestTravelTime : public QObject
{
    Q_OBJECT
private slots:
    void segments_data();
    void segments();
    void totalFollowsTheSegmentHandledLast();
    void rounding_data();
    void rounding();
    void texts();
    void surfaceCodes();
};

void TestTravelTime::segments_data()
{
    QTest::addColumn<QStringList>("inputs");
    // Shallow velocity, sheet, shallow and channel times, channel velocity, total.
    QTest::addColumn<QStringList>("expected");

    // Sheet: n .24 from "F" (field 14 not read), L 100, s .01, P2 3.5 -> 0.30008.
    // Shallow unpaved: 16.1345 * .02^.5 = 2.28176 -> 2.282; 500 / 2.282 / 3600 = 0.06086.
    // Channel: 1.49 * (10/8)^(2/3) * .1 / .04 = 4.32248 replaces 9; 2000 / 4.322 / 3600 = 0.12854.
    QTest::newRow("worked example") << in("3.5; 100,.01,0.5,F; 500,.02,U; 2000,.01,.04,10,8,9")
                                    << out("2.282, 0.3, 0.061, 0.129, 4.322, 0.49");
    // Paved: 20.3282 * .02^.5 = 2.87484 -> 2.875; 500 / 2.875 / 3600 = 0.04831.
    QTest::newRow("paved") << in("3.5; 100,.01,,F Grass (Dense); 500,.02,P; 2000,.01,.04,10,8,")
                           << out("2.875, 0.3, 0.048, 0.129, 4.322, 0.477");
    // Codes from a file in lower case are the same surfaces.
    QTest::newRow("lower-case codes") << in("3.5; 100,.01,,f; 500,.02,u; 2000,.01,.04,10,8,")
                                      << out("2.282, 0.3, 0.061, 0.129, 4.322, 0.49");
    // Typed n .011 (single precision), L 300, s .02, P2 2.7 -> 0.05294.
    // Short channel: 2000 / 4 / 3600 = 0.13889.
    QTest::newRow("typed n, entered velocity") << in("2.7; 300,.02,.011,; ,,; 2000,,,,  ,4")
                                               << out(", 0.053, , 0.139, 4, 0.192");
    QTest::newRow("unknown code, typed n") << in("3.5; 100,.01,.24,K; ,,; 2000,,,,,4")
                                           << out(", 0.3, , 0.139, 4, 0.439");
    QTest::newRow("one geometry field blank") << in("; ,,,; ,,; 2000,.01,.04,10,,4")
                                              << out(", , , 0.139, 4, 0.139");
    QTest::newRow("zero lengths") << in("3.5; 0,.01,,F; ,,; 0,,,,,1") << out(", 0, , 0, 1, 0");
    // Sheet entries and channel geometry count by their leading number, as a
    // box that failed its check still shows it: L 12 -> 0.05503.
    QTest::newRow("leading numbers") << in("3.5; 12x,.01,,F; ,,; 2000,.01 ft,.04,10 sq,8,9")
                                     << out(", 0.055, , 0.129, 4.322, 0.184");

    // Sheet incomplete: no n, no rain, zero or negative slope, unknown code
    // without n, text where a number belongs. The total comes from the
    // channel, handled last, and counts a missing time as nothing.
    const QString channel = QStringLiteral("; ,,; 2000,,,,,4");
    const QStringList channelOnly = out(", , , 0.139, 4, 0.139");
    for (const char *sheet : {"3.5; 100,.01,,", "0; 100,.01,,F", "; 100,.01,,F", "3.5; 100,0,,F",
                              "3.5; 100,-.01,,F", "3.5; -100,.01,,F", "3.5; 100,.01,,K", "3.5; 100,.01,0,",
                              "3.5; 100,.01,abc,", "3.5; 100,1e999,,F"})
        QTest::addRow("sheet %s", sheet) << in(QString::fromLatin1(sheet) + channel) << channelOnly;

    // Shallow incomplete: its velocity is emptied with its time.
    for (const char *shallow : {"500,.02,X", "500,,U", "500,1E-10,U", "500,-.02,P", "500,.0x,P", "5x,.02,P"})
        QTest::addRow("shallow %s", shallow)
            << in(QStringLiteral("; ,,,; ") + QString::fromLatin1(shallow) + QStringLiteral("; 2000,,,,,4"))
            << channelOnly;

    // Channel incomplete: total emptied; a geometry that gives no number
    // empties the velocity it would have replaced.
    QTest::newRow("channel, length blank") << in("; ,,,; ,,; ,,,,,4") << out(", , , , 4, ");
    QTest::newRow("channel, velocity 0") << in("; ,,,; ,,; 2000,,,,,0") << out(", , , , 0, ");
    QTest::newRow("channel, velocity text") << in("; ,,,; ,,; 2000,,,,,4 ft") << out(", , , , 4 ft, ");
    QTest::newRow("channel, perimeter 0") << in("; ,,,; ,,; 2000,.01,.04,10,0,9") << out(", , , , , ");
    QTest::newRow("channel, n 0") << in("; ,,,; ,,; 2000,.01,0,10,8,9") << out(", , , , , ");
    QTest::newRow("channel, negative area") << in("; ,,,; ,,; 2000,.01,.04,-10,8,9") << out(", , , , , ");
    QTest::newRow("channel, negative slope") << in("; ,,,; ,,; 2000,-.01,.04,10,8,9") << out(", , , , , ");
    // 1.49 * (.0001/8)^(2/3) * .01 / .04 = 0.0002 -> 0: shown, but it gives no time.
    QTest::newRow("channel, velocity rounds to 0") << in("; ,,,; ,,; 2000,.0001,.04,.0001,8,9")
                                                   << out(", , , , 0, ");
    // Shown segments stay shown; the total needs the channel, handled last.
    QTest::newRow("no channel") << in("3.5; 100,.01,,F; 500,.02,U; ,,,,,") << out("2.282, 0.3, 0.061, , , ");
}

void TestTravelTime::segments()
{
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, expected);
    TcFields f = fieldsOf(inputs);
    // Stale results of another sub-area must not survive.
    for (int i = ShallowVelocity; i <= TcTotal; ++i)
        f[i] = QStringLiteral("9.999");
    ComputeAll(f);
    const QStringList got{f[ShallowVelocity],   f[SheetTravelTime],     f[ShallowTravelTime],
                          f[ChannelTravelTime], f[ChannelFlowVelocity], f[TcTotal]};
    QCOMPARE(got, expected);
}

void TestTravelTime::totalFollowsTheSegmentHandledLast()
{
    TcFields f = fieldsOf(in("3.5; 100,.01,,F; 500,.02,U; 2000,.01,.04,10,8,"));
    ComputeAll(f);
    QCOMPARE(f[TcTotal], QStringLiteral("0.49"));

    // A shallow length entered while the slope is blank empties that segment
    // and the total, though the sheet time stays.
    f[ShallowSlope].clear();
    ComputeTravelTime(ShallowLength, f);
    QCOMPARE(f[ShallowVelocity], QString());
    QCOMPARE(f[ShallowTravelTime], QString());
    QCOMPARE(f[SheetTravelTime], QStringLiteral("0.3"));
    QCOMPARE(f[TcTotal], QString());

    // Accepting a sheet field brings the total back, summing what is shown.
    ComputeTravelTime(SheetSlope, f);
    QCOMPARE(f[TcTotal], QStringLiteral("0.429"));

    // No segment: nothing computed, the total emptied.
    ComputeTravelTime(TcTotal, f);
    QCOMPARE(f[TcTotal], QString());
    QCOMPARE(f[SheetTravelTime], QStringLiteral("0.3"));
}

void TestTravelTime::rounding_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("half to even, down") << 0.0625 << QStringLiteral("0.062");
    QTest::newRow("half to even, up") << 0.1875 << QStringLiteral("0.188");
    QTest::newRow("below half") << 0.06086 << QStringLiteral("0.061");
    QTest::newRow("whole") << 0.9996 << QStringLiteral("1");
    QTest::newRow("tiny") << 0.0004 << QStringLiteral("0");
    QTest::newRow("large") << 123456789.1234 << QStringLiteral("123456789.123");
}

void TestTravelTime::rounding()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(ValueText(Round3(value)), text);
}

void TestTravelTime::texts()
{
    // At most 15 significant digits: sums show as the user would add them.
    QCOMPARE(ValueText(0.1 + 0.2), QStringLiteral("0.3"));
    QCOMPARE(ValueText((0.3 + 0.061) + 0.129), QStringLiteral("0.49"));
    QCOMPARE(ValueText(1e20), QStringLiteral("100000000000000000000"));
    QCOMPARE(ValueText(0.00001), QStringLiteral("0.00001"));
    QCOMPARE(ValueText(std::nan("")), QString());
    // A single-precision rainfall shows as typed.
    QCOMPARE(SingleText(2.7f), QStringLiteral("2.7"));
    QCOMPARE(SingleText(0.1f), QStringLiteral("0.1"));
    QCOMPARE(SingleText(1e-5f), QStringLiteral("0.00001"));
    QCOMPARE(SingleText(3.0f), QStringLiteral("3"));
}

void TestTravelTime::surfaceCodes()
{
    QCOMPARE(SheetSurfaceTexts().size(), SheetSurfaceCount);
    QCOMPARE(SheetSurfaceTexts().at(5), QStringLiteral("F Grass (Dense)"));
    QCOMPARE(SheetSurfaceRow(QStringLiteral("F Grass (Dense)")), 6);
    QCOMPARE(SheetSurfaceRow(QStringLiteral(" j")), 10);
    QCOMPARE(SheetSurfaceRow(QStringLiteral("K")), 0);
    QCOMPARE(SheetSurfaceRow(QStringLiteral(" ")), 0);
    QCOMPARE(SheetSurfaceN(6), 0.24f);
    QCOMPARE(SheetSurfaceN(1), 0.011f);
    QCOMPARE(ShallowSurfaceRow(QStringLiteral("Unpaved")), 2);
    QCOMPARE(ShallowSurfaceRow(QStringLiteral("p")), 1);
    QCOMPARE(ShallowSurfaceRow(QStringLiteral("X")), 0);
}

QTEST_APPLESS_MAIN(TestTravelTime)
#include "tst_traveltime.moc"
