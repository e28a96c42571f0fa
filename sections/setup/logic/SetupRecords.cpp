#include "sections/setup/logic/SetupRecords.h"

#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"

using Globsubs::AppendField;
using TextFile::cols;
using TextFile::isBlank;

namespace SetupRecords {

namespace {
const QString One = QStringLiteral("1");
const QString Zero = QStringLiteral("0");

QString Code(bool on) { return on ? One : Zero; }

bool YesAt(const QString &line, int column)
{
    return TextFile::colsRaw(line, column, column).toUpper() == QLatin1String("Y");
}

bool AnyValue(const auto &values)
{
    for (const QString &v : values)
        if (!isBlank(v))
            return true;
    return false;
}
} // namespace

Identifier ReadIdentifier(const QStringList &lines)
{
    Identifier id;
    if (lines.isEmpty())
        return id;
    const QString &head = lines[0];
    id.metricInput = cols(head, 41, 50) == One;
    id.metricOutput = cols(head, 51, 60) == One;
    id.minimumHydrograph = cols(head, 61, 70);
    id.noScreenOutput = cols(head, 71, 80) == One;
    for (int i = 0; i < 2 && i + 1 < lines.size(); ++i)
        id.description[i] = TextFile::trimBlanks(lines[i + 1]);
    return id;
}

QStringList WriteIdentifier(const Identifier &id)
{
    QString head;
    AppendField(head, QStringLiteral("Quorvale: Version 1.0"), 40, false);
    AppendField(head, Code(id.metricInput), FieldWidth, false);
    AppendField(head, Code(id.metricOutput), FieldWidth, false);
    AppendField(head, TextFile::trimBlanks(id.minimumHydrograph), FieldWidth, true);
    AppendField(head, Code(id.noScreenOutput), FieldWidth, false);
    QStringList lines{head};
    for (const QString &text : id.description)
        if (!isBlank(text))
            lines.append(text);
    return lines;
}

DurationIncrement ReadDurationIncrement(const QStringList &lines)
{
    DurationIncrement d;
    if (lines.isEmpty())
        return d;
    const QString &line = lines[0];
    d.days = cols(line, 41, 50).toUpper() == QLatin1String("DAYS");
    for (int i = 0; i < 3; ++i)
        d.duration[i] = cols(line, 51 + 10 * i, 60 + 10 * i);
    return d;
}

QStringList WriteDurationIncrement(const DurationIncrement &d)
{
    if (!AnyValue(d.duration))
        return {};
    QString line;
    AppendField(line, QStringLiteral("DURATION INCREMENT:"), 40, false);
    AppendField(line, d.days ? QStringLiteral("Days") : QStringLiteral("Hours"), FieldWidth, false);
    for (const QString &v : d.duration)
        AppendField(line, TextFile::trimBlanks(v), FieldWidth, true);
    return {line};
}

GlobalOutput ReadGlobalOutput(const QStringList &lines)
{
    GlobalOutput g;
    if (lines.size() < 2)
        return g;
    const QString &line = lines[1];
    g.printPrecision = cols(line, 11, 20);
    g.minimumDisplayFlow = cols(line, 21, 30);
    g.printTimeIncrement = cols(line, 31, 40);
    for (int k = 0; k < 5; ++k)
        g.subAreaYes[k] = YesAt(line, 41 + k);
    for (int k = 0; k < 6; ++k)
        g.reachYes[k] = YesAt(line, 51 + k);
    return g;
}

QStringList WriteGlobalOutput(const GlobalOutput &g)
{
    bool any = AnyValue(std::array{g.printPrecision, g.minimumDisplayFlow, g.printTimeIncrement});
    for (bool yes : g.subAreaYes)
        any = any || yes;
    for (bool yes : g.reachYes)
        any = any || yes;
    if (!any)
        return {};
    QString head;
    AppendField(head, QStringLiteral("GLOBAL OUTPUT:"), 40, false);
    QString line;
    AppendField(line, QStringLiteral(" "), FieldWidth, false);
    AppendField(line, TextFile::trimBlanks(g.printPrecision), FieldWidth, false);
    AppendField(line, TextFile::trimBlanks(g.minimumDisplayFlow), FieldWidth, true);
    AppendField(line, TextFile::trimBlanks(g.printTimeIncrement), FieldWidth, true);
    for (bool yes : g.subAreaYes)
        AppendField(line, yes ? QStringLiteral("Y") : QStringLiteral("N"), 1, false);
    AppendField(line, QStringLiteral(" "), 5, false);
    for (bool yes : g.reachYes)
        AppendField(line, yes ? QStringLiteral("Y") : QStringLiteral("N"), 1, false);
    return {head, line};
}

TimeAnalysis ReadTimeAnalysis(const QStringList &lines)
{
    TimeAnalysis t;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const QString &line = lines[n];
        const QString key = cols(line, 11, 20);
        std::array<QString, 4> *row = nullptr;
        if (key == QLatin1String("FLOW"))
            row = &t.flow;
        else if (key == QLatin1String("ELEVATION"))
            row = &t.elevation;
        if (!row)
            continue;
        for (int i = 0; i < 4; ++i)
            (*row)[i] = cols(line, 21 + 10 * i, 30 + 10 * i);
    }
    return t;
}

QStringList WriteTimeAnalysis(const TimeAnalysis &t)
{
    const auto row = [](const char *key, const std::array<QString, 4> &values) {
        QString line;
        AppendField(line, QStringLiteral(" "), FieldWidth, false);
        AppendField(line, QString::fromLatin1(key), FieldWidth, false);
        for (const QString &v : values)
            AppendField(line, TextFile::trimBlanks(v), FieldWidth, true);
        return line;
    };
    QStringList lines;
    if (AnyValue(t.flow))
        lines.append(row("FLOW", t.flow));
    if (AnyValue(t.elevation))
        lines.append(row("ELEVATION", t.elevation));
    if (!lines.isEmpty()) {
        QString head;
        AppendField(head, QStringLiteral("TIME ANALYSIS:"), 40, false);
        lines.prepend(head);
    }
    return lines;
}

} // namespace SetupRecords
