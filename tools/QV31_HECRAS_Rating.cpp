// Stand-in for the HEC-RAS reformatter.
//
// Reads the HEC-RAS output named on line 1 of "qv31_HECRAS.fil" in its own
// program folder and writes beside it base & "inp" (Stream Cross Section
// records) and base & "err".
//
// HEC-RAS output (this stand-in's contract): a text file whose lines are read
// as blank-separated words. A line starting with "XS" begins a cross section:
//   XS <id> <bankfull elevation> <low ground elevation> <stream> <station>
// and each following line of five numbers is a rating point:
//   <elevation> <discharge> <end area> <top width> <friction slope>
// Blank lines and lines starting with "#" are skipped. Any other line is
// reported in the error file and skipped.
//
// Output: lines 1 to 4 describe the conversion, line 5 is the header
// "STREAM CROSS SECTION:" padded to 40 columns, then the cross-section lines
// (id 11-20, bankfull 21-30, low ground 41-50, stream 51-60, station 61-70)
// and rating point lines (columns 21-70, ten columns per value).
#include "standin_common.h"

#include <QRegularExpression>

using namespace Standin;

namespace {
// A value in ten columns; a number without a point gets one.
QString value(const QString &text)
{
    QString v = text;
    if (!v.isEmpty() && !v.contains(QLatin1Char('.')) && v.size() < 10)
        v += QLatin1Char('.');
    return Field(v, 10);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString source = ControlledFile(QStringLiteral("qv31_HECRAS.fil"));
    if (source.isEmpty())
        return 1;
    const QString base = Base(source);
    const QString errFile = base + QStringLiteral("err");

    QStringList lines;
    if (!ReadLines(source, lines)) {
        WriteLines(errFile, {QStringLiteral("HEC-RAS reformatter: errors found"),
                             QStringLiteral("*** ERROR: file not found: ") + source});
        return 2;
    }
    QStringList out{QStringLiteral("HEC-RAS cross sections reformatted for Quorvale"),
                    QStringLiteral("Source: ") + source, QString(),
                    QStringLiteral("Records follow the Stream Cross Section header"),
                    Field(QStringLiteral("STREAM CROSS SECTION:"), 40)};
    QStringList errors;
    bool inSection = false;
    int number = 0;
    for (const QString &line : lines) {
        ++number;
        const QString t = line.trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char('#')))
            continue;
        const QStringList w = t.split(QRegularExpression(QStringLiteral("\\s+")));
        if (w.first().compare(QLatin1String("XS"), Qt::CaseInsensitive) == 0 && w.size() >= 2) {
            // The identifiers are texts: only the elevations and the station are numbers.
            out << QString(10, QLatin1Char(' ')) + Field(w.value(1).left(10), 10) + value(w.value(2))
                       + QString(10, QLatin1Char(' ')) + value(w.value(3)) + Field(w.value(4).left(10), 10)
                       + value(w.value(5));
            inSection = true;
        } else if (inSection && w.size() == 5) {
            QString row(20, QLatin1Char(' '));
            for (const QString &v : w)
                row += value(v.left(10));
            out << row;
        } else {
            errors << QStringLiteral("*** line %1 not understood: %2").arg(number).arg(t.left(60));
        }
    }
    QStringList err{QStringLiteral("HEC-RAS reformatter: reformatting completed")};
    if (lines.join(QLatin1Char('\n')).contains(QLatin1String("STANDIN:ERRORS")))
        errors << QStringLiteral("*** ERROR: errors requested by the file (STANDIN:ERRORS)");
    if (!errors.isEmpty())
        err = QStringList{QStringLiteral("HEC-RAS reformatter: errors found")} + errors;
    bool ok = WriteLines(base + QStringLiteral("inp"), out);
    ok = WriteLines(errFile, err) && ok;
    return ok ? 0 : 3;
}
