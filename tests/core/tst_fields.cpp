#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"

#include <QTest>

using namespace Globsubs;

class TestFields : public QObject
{
    Q_OBJECT
private slots:
    void appendField_data();
    void appendField();
    void appendNumberValues();
    void checks_data();
    void checks();
    void integerRange_data();
    void integerRange();
    void checkLength();
    void columns_data();
    void columns();
};

void TestFields::appendField_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<QString>("expected");
    QTest::newRow("number gets point") << "12" << 10 << true << "12.       ";
    QTest::newRow("text keeps digits") << "12" << 10 << false << "12        ";
    QTest::newRow("number trimmed") << " 5 " << 10 << true << "5.        ";
    QTest::newRow("text untrimmed") << " 5 " << 10 << false << " 5        ";
    QTest::newRow("no second point") << "3.5" << 10 << true << "3.5       ";
    QTest::newRow("blank number") << "" << 10 << true << "          ";
    QTest::newRow("nine digits fill") << "123456789" << 10 << true << "123456789.";
    QTest::newRow("ten digits no point") << "1234567890" << 10 << true << "1234567890";
    QTest::newRow("eleven digits whole") << "12345678901" << 10 << true << "12345678901";
    QTest::newRow("identifier as number") << "S1" << 10 << true << "S1.       ";
    // A point after an exponent would leave no number to read back.
    QTest::newRow("exponent: point before it") << "1E1" << 10 << true << "1.E1      ";
    QTest::newRow("signed exponent") << " -2e-3 " << 10 << true << "-2.e-3    ";
    QTest::newRow("exponent fills width with point") << "1E1" << 4 << true << "1.E1";
    QTest::newRow("exponent at full width") << "1E1" << 3 << true << "1E1";
    QTest::newRow("exponent as text") << "1E1" << 10 << false << "1E1       ";
    QTest::newRow("bare exponent is no number") << "1E" << 10 << true << "1E.       ";
    QTest::newRow("header 40") << "STREAM REACH:" << 40 << false
                               << QStringLiteral("STREAM REACH:") + QString(27, QLatin1Char(' '));
}

void TestFields::appendField()
{
    QFETCH(QString, value);
    QFETCH(int, width);
    QFETCH(bool, isNumber);
    QFETCH(QString, expected);
    QString line = QStringLiteral("AB");
    AppendField(line, value, width, isNumber);
    QCOMPARE(line, QStringLiteral("AB") + expected);
    if (!isNumber)
        return;
    QString field = value;
    AddDecimalPoint(field, width);
    PadField(width, field);
    QCOMPARE(field, expected);
    // A number written reads back as the same number, and its check takes it again.
    if (const auto number = ParseNumber(value)) {
        QCOMPARE(ParseNumber(expected), number);
        bool ok = false;
        CheckNumeric(false, expected, ok);
        QVERIFY(ok);
    }
}

void TestFields::appendNumberValues()
{
    QString line;
    AppendField(line, 12, 10, true);
    AppendField(line, 0.25, 10, true);
    AppendField(line, -3.0, 6, false);
    QCOMPARE(line, QStringLiteral("12.       0.25      -3    "));
}

// One row per text and check: the expected OK for each of the bounded checks.
void TestFields::checks_data()
{
    QTest::addColumn<QString>("check");
    QTest::addColumn<bool>("allowBlank");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::newRow("range blank allowed") << "range" << true << 0.0 << 1.0 << "" << true;
    QTest::newRow("range blank refused") << "range" << false << 0.0 << 1.0 << " " << false;
    QTest::newRow("range upper bound") << "range" << true << 0.0 << 1.0 << "1" << true;
    QTest::newRow("range above") << "range" << true << 0.0 << 1.0 << "1.01" << false;
    QTest::newRow("range minus zero") << "range" << true << 0.0 << 1.0 << "-0" << true;
    QTest::newRow("range letters") << "range" << true << 0.0 << 1.0 << "abc" << false;
    QTest::newRow("range exponent") << "range" << true << 0.0 << 1000.0 << " 1E3 " << true;
    QTest::newRow("atleast zero") << "atleast" << true << 0.0 << 0.0 << "0" << true;
    QTest::newRow("greater zero") << "greater" << true << 0.0 << 0.0 << "0" << false;
    QTest::newRow("atleast fractional bound") << "atleast" << true << 0.01 << 0.0 << "0.01" << true;
    QTest::newRow("greater fractional bound") << "greater" << true << 0.1 << 0.0 << "0.1" << false;
    QTest::newRow("range fractional bounds") << "range" << true << 0.1 << 0.3 << "0.3" << true;
    QTest::newRow("numeric huge") << "numeric" << true << 0.0 << 0.0 << "1e300" << false;
    QTest::newRow("atleast huge") << "atleast" << true << 0.0 << 0.0 << "1e400" << false;
    QTest::newRow("numeric inf") << "numeric" << true << 0.0 << 0.0 << "inf" << false;
    QTest::newRow("numeric nan") << "numeric" << true << 0.0 << 0.0 << "nan" << false;
    QTest::newRow("numeric thousands") << "numeric" << true << 0.0 << 0.0 << "1,000" << false;
    QTest::newRow("numeric two points") << "numeric" << true << 0.0 << 0.0 << "1.2.3" << false;
    QTest::newRow("numeric lone point") << "numeric" << true << 0.0 << 0.0 << "." << false;
    QTest::newRow("numeric leading point") << "numeric" << true << 0.0 << 0.0 << "-.5" << true;
    QTest::newRow("numeric bare exponent") << "numeric" << true << 0.0 << 0.0 << "1e" << false;
    QTest::newRow("numeric inner blank") << "numeric" << true << 0.0 << 0.0 << "1 2" << false;
}

void TestFields::checks()
{
    QFETCH(QString, check);
    QFETCH(bool, allowBlank);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    bool result = !ok;
    if (check == QLatin1String("range"))
        CheckRange(allowBlank, min, max, text, result);
    else if (check == QLatin1String("atleast"))
        CheckAtLeast(allowBlank, min, text, result);
    else if (check == QLatin1String("greater"))
        CheckGreaterThan(allowBlank, min, text, result);
    else
        CheckNumeric(allowBlank, text, result);
    QCOMPARE(result, ok);
}

void TestFields::integerRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value"); // -1: untouched
    QTest::newRow("inside") << "2" << true << 2;
    QTest::newRow("bound") << "3" << true << 3;
    QTest::newRow("above") << "4" << false << 4;
    QTest::newRow("whole with point") << "2.0" << true << 2;
    QTest::newRow("fraction refused") << "2.5" << false << -1;
    QTest::newRow("beyond 16 bits") << "70000" << false << -1;
    QTest::newRow("far beyond") << "1e30" << false << -1;
    QTest::newRow("blank allowed") << "  " << true << -1;
    QTest::newRow("letters") << "x" << false << -1;
}

void TestFields::integerRange()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    bool result = !ok;
    short stored = -1;
    CheckIntegerRange(true, 0, 3, text, result, stored);
    QCOMPARE(result, ok);
    QCOMPARE(int(stored), value);
}

void TestFields::checkLength()
{
    bool ok = false;
    QString result;
    const QString longText = QStringLiteral("  ") + QString(83, QLatin1Char('x'));
    CheckLength(1, 80, longText, ok, result);
    QVERIFY(ok);
    QCOMPARE(result, longText.left(80));
    CheckLength(1, 80, QStringLiteral("   "), ok, result);
    QVERIFY(!ok);
    QCOMPARE(result, QString());
    CheckLength(1, 80, QStringLiteral(" ab "), ok, result);
    QVERIFY(ok);
    QCOMPARE(result, QStringLiteral("ab"));
}

void TestFields::columns_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("expected");
    QTest::newRow("inside") << "          S1        R1" << 11 << 20 << "S1";
    QTest::newRow("short line") << "          S1" << 11 << 20 << "S1";
    QTest::newRow("past end") << "abc" << 11 << 20 << "";
    QTest::newRow("latin-1 one column") << "\u00e9t\u00e9 x" << 1 << 3 << "\u00e9t\u00e9";
    QTest::newRow("tab is data") << "\tA " << 1 << 3 << "\tA";
}

void TestFields::columns()
{
    QFETCH(QString, line);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, expected);
    QCOMPARE(TextFile::cols(line, first, last), expected);
}

QTEST_GUILESS_MAIN(TestFields)
#include "tst_fields.moc"
