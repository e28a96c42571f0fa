#pragma once
// Reads output plots from the model's printed-page file: the hydrographs of
// chosen storms, alternates and locations, the peak flows of one storm against
// drainage area, and the flow-duration values of one location.
//
// The reader walks the file once, line by line, and keeps only the values it
// was asked for, so its memory does not grow with the file. It looks at the
// lines, columns and texts listed below and nothing else; every other part of
// the page is the model's business.
//   page header    "Quorvale" in columns 1-8 and "Page" in 37-40 (a form feed
//                  before it is ignored); passed over with the three lines
//                  after it wherever it falls, inside a table's heading too
//   storm line     "STORM" in columns 41-49; alternate 31-40, storm 50-59
//   peak banner    "------------ Peak Flow ------------" in columns 45-79,
//                  then three lines, then the location row (name 1-10,
//                  qualifier 21-30)
//   "Line"         then the flow-values line ("Flow Values " in 27-38, the
//                  time step from column 59 up to the last "h" of 59-68), then
//                  three lines, then rows of a time (1-10) and seven flows
//   peak table     "----------- Peak Flow by Storm -----------" in 35-76, the
//                  storm line (five storms at 32-41, 42-51, ...), three lines,
//                  then rows: location 1-10, area 11-20, alternate 21-30,
//                  peaks 31-40, 41-50, ...
//   durations      "Flow Duration @ selected Peak Flow %" in 43-78 or
//                  "Flow Duration @ stage above base elev." in 43-80, a caption
//                  line (41-80), three lines, then rows: location 1-10,
//                  alternate 11-20, storm 21-30, four values 41-80
#include "plots/logic/PlotModel.h"

#include <QByteArrayView>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace Plots {

// One series of an output plot: what is looked for, and what the page gave.
struct OutputSeries
{
    // Hydrographs and time analysis: alternate (blank = base data), storm,
    // location (a sub-area, a reach or "Outlet") and, for a reach, its end
    // ("Upstream" or "Downstream"; empty for sub-areas and the outlet).
    // Peak flows: `location` is the class "Subarea", "Reach" or "Outlet"; the
    // storm and alternate of the first series count for all.
    QString alternate;
    QString storm;
    QString location;
    QString qualifier;

    // Found: the time column of the first hydrograph row, as printed, and the
    // time step in hours.
    QString startTime;
    double timeStep = 0;
    // Points 1..count at indexes 0..count-1; `area` only for peak flows.
    std::vector<float> flow;
    std::vector<float> area;
    int count = 0;
};

// One flow-duration table of a time analysis: four captions and the four
// durations (hours) of the requested location, as printed.
struct DurationTable
{
    std::array<QString, 4> caption;
    std::array<QString, 4> value;
};

struct OutputRequest
{
    int kind = 0; // KindOutputHydrograph, KindPeakFlow or KindTimeAnalysis
    std::vector<OutputSeries> series;
    // Peak flows: per unit of drainage area when "csm" or "m^3/sec/sq km".
    QString peakFlowUnit;
    // Hydrographs: how many storms and alternates the series stand for.
    int stormCount = 1;
    int altCount = 1;
    // Time analysis, filled by the reader.
    DurationTable percentOfPeak;
    DurationTable stage;
};

// The lines of a printed page, one at a time, without their line ends.
class OutputLineSource
{
public:
    virtual ~OutputLineSource() = default;
    // False at the end; the view stays valid until the next call.
    virtual bool next(QByteArrayView &line) = 0;
};

// Completes `request` from the lines of `source`. True when a requested
// series got at least one point.
bool ReadOutputPlotData(OutputLineSource &source, OutputRequest &request);
bool ReadOutputPlotData(QByteArrayView bytes, OutputRequest &request);

enum class ReadStatus { Found, NoData, Unreadable };
struct ReadResult
{
    ReadStatus status = ReadStatus::NoData;
    QString error; // why an unreadable file could not be read
};

// The same for the file `path`, read in pieces.
ReadResult ReadOutputPlotFile(const QString &path, OutputRequest &request);

// The plot window's request for a completed output request. `fileName` is the
// input file; the units are those of the model's output.
PlotRequest OutputPlotRequest(const OutputRequest &request, const QString &fileName, const QString &outFlowUnit,
                              const QString &outAreaUnit);

// What an output plot is drawn from, kept with the plot so that it can be
// drawn again when a run rewrites the printed page or a save removes it.
struct OutputPlotSource
{
    QString printedPage;
    OutputRequest request; // as the chooser built it, before reading
    QString fileName, outFlowUnit, outAreaUnit;
};

// The plot of `source` as its printed page now holds it, with `completed` the
// request as the reader completed it; none when the file cannot be read or
// holds none of the requested data.
std::optional<PlotRequest> ReadOutputPlot(const OutputPlotSource &source, OutputRequest &completed);

} // namespace Plots
