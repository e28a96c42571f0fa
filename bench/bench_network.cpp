// The network sections on a large watershed: reading and writing the Sub-Area
// and Stream Reach working files, beside reading and writing the same files
// with buffered standard-library streams.
#include "common/BenchSupport.h"
#include "common/NetworkData.h"

#include "core/logic/Editglob.h"
#include "sections/network/logic/ReachFormat.h"
#include "sections/network/logic/SubAreaFormat.h"

#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 20000;
    QTemporaryDir dir;
    Editglob::InitProjectState(dir.path());
    const QString subPath = Editglob::TmpFile[Editglob::SecSubArea];
    const QString reachPath = Editglob::TmpFile[Editglob::SecReach];
    SubAreaFormat::WriteSubAreaSection(subPath, Bench::MakeSubAreas(count));
    ReachFormat::WriteReachSection(reachPath, Bench::MakeReaches(count));
    std::printf("%d sub-areas (3 land rows, 2 flow lines each), %d reaches\n", count, count);

    const auto report = [&](const char *what, const QString &path, auto readWrite) {
        const double t = Bench::BestSeconds(3, readWrite);
        const double base = Bench::BestSeconds(3, [&] { Bench::StdCopyLines(path, dir.filePath(QStringLiteral("copy"))); });
        std::printf("%-28s %.3f s   baseline (std read+write) %.3f s   ratio %.1fx\n", what, t, base, t / base);
    };
    report("sub-area read + write:", subPath,
           [&] { SubAreaFormat::WriteSubAreaSection(subPath, SubAreaFormat::ReadSubAreas(subPath)); });
    report("reach read + write:", reachPath,
           [&] { ReachFormat::WriteReachSection(reachPath, ReachFormat::ReadReaches(reachPath)); });
    return 0;
}
