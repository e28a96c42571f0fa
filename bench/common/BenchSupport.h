#pragma once
// Helpers shared by the benchmarks: a synthetic input-file generator, a timer
// and the plain standard-library baseline.
#include <QString>
#include <cstdint>

namespace Bench {

// Writes a synthetic input file with all fifteen sections to `path`, growing
// the sub-area and reach sections until the file reaches about `targetBytes`.
// Returns the size written.
std::int64_t GenerateInputFile(const QString &path, std::int64_t targetBytes);

// Seconds taken by `fn`, best of `repeats` runs.
template <class Fn> double BestSeconds(int repeats, Fn fn);

// Reads `path` line by line and writes it to `copyPath` with buffered
// standard-library streams: the baseline for file throughput.
void StdCopyLines(const QString &path, const QString &copyPath);

// The process's peak resident set so far, in kilobytes (0 where the system
// does not tell).
long PeakRssKb();

} // namespace Bench

#include <chrono>
template <class Fn> double Bench::BestSeconds(int repeats, Fn fn)
{
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        fn();
        const std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
        best = std::min(best, d.count());
    }
    return best;
}
