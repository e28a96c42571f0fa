// Opening (split) and saving (join) a large input file, beside reading and
// writing the same file twice with buffered standard-library streams; then
// opening files of the same size that hold no line end.
#include "common/BenchSupport.h"

#include "core/logic/Editglob.h"
#include "core/logic/InputFileStore.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char **argv)
{
    const long mb = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 50;
    QTemporaryDir dir;
    Editglob::InitProjectState(dir.path());
    const QString input = dir.filePath(QStringLiteral("big.inp"));
    const double size = double(Bench::GenerateInputFile(input, std::int64_t(mb) << 20)) / (1 << 20);
    const long rssBefore = Bench::PeakRssKb();

    const double store = Bench::BestSeconds(3, [&] {
        InputFileStore::Split(input, Editglob::TmpFile);
        InputFileStore::Join(Editglob::TmpFile, dir.filePath(QStringLiteral("saved.inp")), nullptr);
    });
    const long rssAfter = Bench::PeakRssKb();
    const double baseline = Bench::BestSeconds(3, [&] {
        Bench::StdCopyLines(input, dir.filePath(QStringLiteral("copy1.inp")));
        Bench::StdCopyLines(dir.filePath(QStringLiteral("copy1.inp")), dir.filePath(QStringLiteral("copy2.inp")));
    });
    std::printf("input file: %.1f MB\n", size);
    std::printf("split + save: %.3f s (%.1f MB/s)\n", store, size / store);
    std::printf("baseline (std read+write twice): %.3f s (%.1f MB/s)\n", baseline, size / baseline);
    std::printf("ratio: %.2fx the baseline (target: within 3x)\n", store / baseline);
    std::printf("peak memory grew by %ld kB while splitting and saving\n", rssAfter - rssBefore);

    // Files of the same size without a single line end: a foreign file opened
    // by mistake, and an input file whose first record lost its line ends.
    // Opening either must take no longer than a normal one, in flat memory.
    const double normalOpen = Bench::BestSeconds(3, [&] { InputFileStore::Split(input, Editglob::TmpFile); });
    std::printf("open of a normal file: %.3f s\n", normalOpen);
    const struct
    {
        const char *what;
        const char *head;
    } cases[] = {{"no line end at all", ""}, {"a section header, then no line end", "SUB-AREA:\r\n"}};
    for (const auto &c : cases) {
        const QString oneLine = dir.filePath(QStringLiteral("oneline.inp"));
        {
            std::FILE *f = std::fopen(QFile::encodeName(oneLine).constData(), "wb");
            const std::string block(1 << 20, 'x');
            if (f)
                std::fputs(c.head, f);
            for (long i = 0; f && i < long(size + 0.5); ++i)
                std::fwrite(block.data(), 1, block.size(), f);
            if (f)
                std::fclose(f);
        }
        const long rssBeforeLine = Bench::PeakRssKb();
        const double lineOpen =
            Bench::BestSeconds(3, [&] { InputFileStore::Split(oneLine, Editglob::TmpFile); });
        const long rssAfterLine = Bench::PeakRssKb();
        std::printf("open of a file with %s: %.3f s, %.2fx the normal open (target: within 3x); "
                    "peak memory grew by %ld kB\n",
                    c.what, lineOpen, lineOpen / normalOpen, rssAfterLine - rssBeforeLine);
    }
    return 0;
}
