// Reading output plots from a large printed-page file: ten hydrographs (one
// location under ten storms) from a file of about 100 MB, beside a plain
// standard-library line read of the same file, and the reader's memory for a
// file a quarter of that size and for the whole one.
#include "common/BenchSupport.h"

#include "plots/logic/OutputReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

using namespace Plots;

namespace {

constexpr int Storms = 10;

QByteArray field(const QByteArray &text, int width) { return text.leftJustified(width, ' ', true); }
QByteArray num(double v) { return QByteArray::number(v, 'f', 2).rightJustified(10); }

// A printed page in the model's layout: per storm a storm line and the
// hydrograph table (241 flows) of each location, pages of 60 lines under page
// headers that begin with a form feed. Locations are added until the file
// holds about `bytes` bytes.
qint64 WritePrintedPage(const QString &path, qint64 bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    const qint64 perLocation = 11 * 40 + 35 * 82;
    const int locations = int(std::max<qint64>(1, bytes / (perLocation * Storms)));
    QByteArray text;
    int page = 0, onPage = 60;
    auto line = [&](const QByteArray &l) {
        if (onPage >= 60) {
            ++page;
            text += (page > 1 ? "\f" : "") + field("Quorvale", 36) + "Page" + QByteArray::number(page).rightJustified(6)
                    + "\r\n  Synthetic watershed\r\n\r\n\r\n";
            onPage = 4;
        }
        text += l + "\r\n";
        ++onPage;
    };
    for (int s = 0; s < Storms; ++s) {
        const QByteArray storm = "S" + QByteArray::number(s + 1);
        line("");
        line(field("Base data", 40) + "STORM    " + field(storm, 10));
        for (int loc = 0; loc < locations; ++loc) {
            const QByteArray name = "LOC" + QByteArray::number(loc);
            line("");
            line(QByteArray(44, ' ') + "------------ Peak Flow ------------");
            line("Location            Qualifier            Peak Flow Peak Time");
            line("----------          ----------          ---------- ----------");
            line("");
            line(field(name, 30) + num(100) + num(12));
            line("");
            line("Line");
            line(QByteArray(26, ' ') + "Flow Values " + field("(cfs)", 20) + "0.1000 hr");
            line("      Time  Flows at seven successive time steps");
            line("");
            for (int r = 0; r < 35; ++r) {
                QByteArray row = num(0.7 * r);
                for (int k = 0; k < 7 && 7 * r + k < 241; ++k)
                    row += num((loc % 97 + 1) * (s + 1) * double((7 * r + k) % 61));
                line(row);
            }
            if (text.size() > (1 << 20)) {
                f.write(text);
                text.clear();
            }
        }
    }
    f.write(text);
    return f.size();
}

OutputRequest TenStorms()
{
    OutputRequest rq;
    rq.kind = KindOutputHydrograph;
    for (int s = 0; s < Storms; ++s) {
        OutputSeries series;
        series.storm = QStringLiteral("S%1").arg(s + 1);
        series.location = QStringLiteral("LOC7");
        rq.series.push_back(series);
    }
    rq.stormCount = Storms;
    return rq;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const long mb = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100;
    QTemporaryDir dir;
    const QString small = dir.filePath(QStringLiteral("small.out"));
    const QString big = dir.filePath(QStringLiteral("big.out"));
    const double smallSize = double(WritePrintedPage(small, (qint64(mb) << 20) / 4)) / (1 << 20);
    const double bigSize = double(WritePrintedPage(big, qint64(mb) << 20)) / (1 << 20);

    // Memory: the high-water mark before and after reading each file.
    const long before = Bench::PeakRssKb();
    OutputRequest smallRequest = TenStorms();
    ReadOutputPlotFile(small, smallRequest);
    const long afterSmall = Bench::PeakRssKb();
    OutputRequest bigRequest = TenStorms();
    ReadOutputPlotFile(big, bigRequest);
    const long afterBig = Bench::PeakRssKb();

    int points = 0;
    const Bench::Timing reader = Bench::Time(5, [&] {
        OutputRequest rq = TenStorms();
        ReadOutputPlotFile(big, rq);
        points = 0;
        for (const OutputSeries &s : rq.series)
            points += s.count;
    });
    std::size_t lines = 0;
    const Bench::Timing baseline = Bench::Time(5, [&] {
        std::ifstream in(big.toStdString(), std::ios::binary);
        std::string line;
        lines = 0;
        while (std::getline(in, line))
            ++lines;
    });

    std::printf("printed-page files: %.1f MB and %.1f MB\n", smallSize, bigSize);
    std::printf("reader, 10 series of the %.1f MB file: %s (%d points)\n", bigSize, reader.text("s").c_str(),
                points);
    std::printf("baseline (std::getline over the same file): %s (%zu lines)\n", baseline.text("s").c_str(), lines);
    std::printf("ratio of the medians: %.2fx the baseline (target: within 2x)\n", reader.median() / baseline.median());
    std::printf("peak memory: %ld kB before reading, %ld kB after the %.1f MB file, %ld kB after the %.1f MB file\n",
                before, afterSmall, smallSize, afterBig, bigSize);
    return 0;
}
