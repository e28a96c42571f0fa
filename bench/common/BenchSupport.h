#pragma once
// Helpers shared by the benchmarks: a synthetic input-file generator, timings
// of several runs told by their median and spread, the plain baselines and
// the peak memory a phase adds.
#include "sections/runoff/logic/LocalLandUseData.h"

#include <QList>
#include <QString>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace Bench {

// The local land uses of the synthetic watershed: the benchmarks write them
// into the program folder's local land-use file. The input file's sub-areas
// and alternates name the first NamedLocalLandUses of them.
QList<LocalLandUseData::LocalLandUse> LocalLandUses();
inline constexpr int NamedLocalLandUses = 50;

// Writes a synthetic input file with all fifteen sections to `path`, growing
// the sub-area and reach sections until the file reaches about `targetBytes`.
// Sub-areas, reaches and alternates are written as the windows write them;
// each sub-area has three LAND AREA lines, one naming a local land use, and
// the Local Land Use section holds those a save builds from LocalLandUses().
// The file is written as it is made, in little memory. Returns the size
// written.
std::int64_t GenerateInputFile(const QString &path, std::int64_t targetBytes);

// The durations of several runs of one measurement.
class Timing
{
public:
    void add(double seconds) { runs_.push_back(seconds); }
    int runs() const { return int(runs_.size()); }
    double median() const;
    double min() const;
    double max() const;
    // "12.34 ms (11.90-13.05, 5 runs)": the median, then the spread, in
    // `unit` (ms or s).
    std::string text(const char *unit = "ms") const;

private:
    std::vector<double> runs_;
};

// Seconds taken by one run of `fn`.
template <class Fn> double Seconds(Fn fn);
// `runs` runs of `fn`.
template <class Fn> Timing Time(int runs, Fn fn);

// Reads `path` line by line and writes it to `copyPath` with buffered
// standard-library streams: the baseline for reading and writing lines.
void StdCopyLines(const QString &path, const QString &copyPath);

// Copies the bytes of `path` to `copyPath` as a file copy does, in blocks;
// with `sync` the copy is on disk before it returns. The least a command
// that reads and writes a whole file must do.
bool CopyFile(const QString &path, const QString &copyPath, bool sync);

// The process's peak resident set so far, in kilobytes (0 where the system
// does not tell).
long PeakRssKb();
// The resident set now, in kilobytes.
long RssKb();

// The peak memory a phase adds to what the process holds when it starts.
// start() hands freed memory back to the system and resets the kernel's
// high-water mark to the resident set of that moment (/proc/self/clear_refs),
// so that earlier, larger phases do not hide this one's peak; addedKb() is
// the high-water mark since then less that resident set. Where the mark
// cannot be reset, addedKb() is the growth of the process's overall peak,
// and exact() is false.
class PeakMemory
{
public:
    void start();
    long addedKb() const;
    bool exact() const { return exact_; }

private:
    long startKb_ = 0;
    bool exact_ = false;
};

} // namespace Bench

template <class Fn> double Bench::Seconds(Fn fn)
{
    const auto t0 = std::chrono::steady_clock::now();
    fn();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

template <class Fn> Bench::Timing Bench::Time(int runs, Fn fn)
{
    Timing timing;
    for (int i = 0; i < runs; ++i)
        timing.add(Seconds(fn));
    return timing;
}
