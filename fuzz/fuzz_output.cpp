// Reads arbitrary bytes as a printed page for a request made from names that
// the bytes themselves hold (where storm lines, location rows and peak rows
// keep them), then sets the plot up from what was read.
#include "plots/logic/OutputReader.h"

#include <cstdint>
#include <cstdlib>

using namespace Plots;

namespace {

QString columns(QByteArrayView line, int first, int last)
{
    if (line.size() < first)
        return QString();
    return QString::fromLatin1(line.sliced(first - 1, std::min<qsizetype>(last - first + 1, line.size() - first + 1)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const int choice = size > 0 ? data[0] : 0;
    QStringList names{QString(), QStringLiteral("Outlet")};
    qsizetype pos = 0;
    for (int n = 0; n < 64 && pos < bytes.size(); ++n) {
        qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = bytes.sliced(pos, end - pos);
        for (const auto &[first, last] : {std::pair{1, 10}, {11, 20}, {21, 30}, {31, 40}, {50, 59}})
            names << columns(line, first, last);
        pos = end + 1;
    }

    OutputRequest rq;
    rq.kind = KindOutputHydrograph + choice % 3;
    rq.peakFlowUnit = (choice & 8) ? QStringLiteral("csm") : QStringLiteral("cfs");
    static const char *const classes[] = {"Subarea", "Reach", "Outlet"};
    static const char *const ends[] = {"", "Upstream", "Downstream"};
    const int count = 1 + (choice >> 4) % (rq.kind == KindTimeAnalysis ? 1 : 10);
    for (int i = 0; i < count; ++i) {
        const int k = int(size > std::size_t(i + 1) ? data[i + 1] : i);
        OutputSeries s;
        s.alternate = names.at((k * 7) % names.size());
        s.storm = names.at((k * 13 + 1) % names.size());
        s.location = rq.kind == KindPeakFlow ? QString::fromLatin1(classes[(k + i) % 3])
                                             : names.at((k * 5 + 2) % names.size());
        s.qualifier = (k & 4) ? names.at((k * 3) % names.size()) : QString::fromLatin1(ends[k % 3]);
        rq.series.push_back(s);
    }

    ReadOutputPlotData(bytes, rq);
    for (const OutputSeries &s : rq.series)
        if (s.count < 0 || s.count > int(s.flow.size()) || (rq.kind == KindPeakFlow && s.count > int(s.area.size())))
            std::abort();
    DescribeRequest(rq);
    const PlotRequest plot = OutputPlotRequest(rq, QStringLiteral("/p/run.inp"), QStringLiteral("cfs"),
                                               QStringLiteral("sq mi"));
    SetupPlot(plot);
    return 0;
}
