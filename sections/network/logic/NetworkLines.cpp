#include "sections/network/logic/NetworkLines.h"

#include "core/logic/Fields.h"
#include "core/logic/LeadingNumber.h"
#include "core/logic/TextFile.h"

using Globsubs::AppendField;

namespace NetworkLines {

namespace {

const QString TenBlanks(FieldWidth, QLatin1Char(' '));
const QString TwentyBlanks(2 * FieldWidth, QLatin1Char(' '));

constexpr int LineWidth = 80;

QString LineStart(const QString &blanks)
{
    QString line;
    line.reserve(LineWidth);
    line += blanks;
    return line;
}

QString DetailStart(const QString &keyword)
{
    QString line = LineStart(TwentyBlanks);
    AppendField(line, keyword, FieldWidth, false);
    return line;
}

void AppendText(QString &line, const QString &value, bool trim, int width = FieldWidth)
{
    AppendField(line, trim ? TextFile::trimBlanks(value) : value, width, false);
}

void AppendNumber(QString &line, const QString &value) { AppendField(line, value, FieldWidth, true); }

template <size_t N> bool AnyGiven(const std::array<QString, N> &f, int first, int last)
{
    for (int i = first; i <= last; ++i)
        if (IsGiven(f[size_t(i)]))
            return true;
    return false;
}

QString SurfaceCode(const QString &code, bool firstLetter) { return firstLetter ? code.left(1) : code; }

} // namespace

bool IsGiven(const QString &value) { return !TextFile::isBlank(value); }

namespace {
QStringView Slice(const QString &line, int first, int last)
{
    if (first < 1 || last < first || first > line.size())
        return {};
    return QStringView(line).mid(first - 1, last - first + 1);
}
} // namespace

bool BlankAt(const QString &line, int first, int last)
{
    for (QChar c : Slice(line, first, last))
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

qsizetype CountMainLines(const QStringList &lines)
{
    qsizetype count = 0;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        if (TextFile::isBlank(lines[n]))
            break;
        if (!BlankAt(lines[n], 11, 20))
            ++count;
    }
    return count;
}

void AppendReachLines(QStringList &out, const ReachRecord &reach, const ReachLineOptions &o)
{
    const auto &f = reach.Field;
    if (!IsGiven(f[1]))
        return;

    QString main = LineStart(TenBlanks);
    for (int i = 1; i <= 4; ++i)
        AppendText(main, f[size_t(i)], false);
    AppendNumber(main, f[5]);
    AppendNumber(main, f[6]);
    for (int i = 8; i <= 13; ++i)
        AppendText(main, f[size_t(i)], o.trimCodes, 1);
    out.append(main);

    if (IsGiven(f[7])) {
        QString line = DetailStart(QStringLiteral("BASE FLOW "));
        AppendNumber(line, f[7]);
        out.append(line);
    }
    if (o.splitLineOnAnyField ? AnyGiven(f, 14, 18) : IsGiven(f[14])) {
        QString line = DetailStart(QStringLiteral("SPLIT FLOW"));
        AppendText(line, f[14], o.trimSplitIds);
        AppendText(line, f[15], o.trimSplitIds);
        for (int i = 16; i <= 18; ++i)
            AppendNumber(line, f[size_t(i)]);
        out.append(line);
    }
    if (IsGiven(f[19]) || IsGiven(f[20])) {
        QString line = DetailStart(QStringLiteral("REACH LOSS"));
        AppendField(line, f[19], FieldWidth, o.reachLossAsNumbers);
        AppendField(line, f[20], FieldWidth, o.reachLossAsNumbers);
        out.append(line);
    }
}

void AppendSubAreaLines(QStringList &out, const SubAreaRecord &subArea, const SubAreaLineOptions &o)
{
    const auto &f = subArea.Field;
    if (!IsGiven(f[1]))
        return;

    QString main = LineStart(TenBlanks);
    for (int i = 1; i <= 3; ++i)
        AppendText(main, f[size_t(i)], o.trimIdsAndCodes);
    for (int i = 4; i <= 6; ++i)
        AppendNumber(main, f[size_t(i)]);
    for (int i = 7; i <= 11; ++i)
        AppendText(main, f[size_t(i)], o.trimIdsAndCodes, 1);
    out.append(main);

    if (o.flowLineOnAnyField ? AnyGiven(f, 12, 15) : IsGiven(f[12])) {
        QString line = DetailStart(QStringLiteral("SHEET"));
        for (int i = 12; i <= 14; ++i)
            AppendNumber(line, f[size_t(i)]);
        AppendText(line, SurfaceCode(f[15], o.surfaceCodeFirstLetter), false);
        out.append(line);
    }
    if (o.flowLineOnAnyField ? AnyGiven(f, 16, 18) : IsGiven(f[16])) {
        QString line = DetailStart(QStringLiteral("SHALLOW"));
        AppendNumber(line, f[16]);
        AppendNumber(line, f[17]);
        line += TenBlanks;
        AppendText(line, SurfaceCode(f[18], o.surfaceCodeFirstLetter), false);
        out.append(line);
    }
    if (AnyGiven(f, 19, 24)) {
        QString line = DetailStart(QStringLiteral("CHANNEL"));
        // The long form carries the channel's geometry; without all of it the
        // line gives the velocity instead.
        const bool longForm = IsGiven(f[20]) && IsGiven(f[21]) && IsGiven(f[22]) && IsGiven(f[23]);
        if (longForm) {
            for (int i = 19; i <= 23; ++i)
                AppendNumber(line, f[size_t(i)]);
        } else {
            AppendNumber(line, f[19]);
            AppendNumber(line, f[24]);
        }
        out.append(line);
    }
    for (const LandRow &row : subArea.Land) {
        if (o.positiveLandRowsOnly && !(Globsubs::LeadingNumber(row.LandArea) > 0))
            continue;
        QString line = DetailStart(QStringLiteral("LAND AREA"));
        AppendField(line, row.LandUseName, LandUseNameWidth, false);
        AppendField(line, row.SoilGroup, SoilGroupWidth, false);
        AppendField(line, row.LandArea, FieldWidth, o.positiveLandRowsOnly);
        out.append(line);
    }
}

} // namespace NetworkLines
