#pragma once
// Records of the run set-up sections as their working files hold them: the
// run identifier, duration increment, global output and time analysis.
// QtCore only; the windows read and build their files through these.
#include <QString>
#include <QStringList>
#include <array>

namespace SetupRecords {

// Width of a record field, and of a watershed description line.
constexpr int FieldWidth = 10;
constexpr int DescriptionWidth = 80;

struct Identifier
{
    bool metricInput = false;
    bool metricOutput = false;
    QString minimumHydrograph;
    bool noScreenOutput = false;
    std::array<QString, 2> description; // as written: untrimmed, unpadded
};
Identifier ReadIdentifier(const QStringList &lines);
// Line 1 always; each description line only when it is not blank.
QStringList WriteIdentifier(const Identifier &id);

struct DurationIncrement
{
    bool days = false;
    std::array<QString, 3> duration;
};
DurationIncrement ReadDurationIncrement(const QStringList &lines);
// No line when every duration is blank.
QStringList WriteDurationIncrement(const DurationIncrement &d);

struct GlobalOutput
{
    QString printPrecision;
    QString minimumDisplayFlow;
    QString printTimeIncrement;
    std::array<bool, 5> subAreaYes{};
    std::array<bool, 6> reachYes{};
};
GlobalOutput ReadGlobalOutput(const QStringList &lines);
// No line when the values are blank and every code is No.
QStringList WriteGlobalOutput(const GlobalOutput &g);

struct TimeAnalysis
{
    std::array<QString, 4> flow;
    std::array<QString, 4> elevation;
};
TimeAnalysis ReadTimeAnalysis(const QStringList &lines);
// A row is written when any of its values is not blank, its values in their
// places; no line when neither row is.
QStringList WriteTimeAnalysis(const TimeAnalysis &t);

} // namespace SetupRecords
