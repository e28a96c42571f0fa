#include "BenchSupport.h"
#include "NetworkData.h"

#include "core/logic/Fields.h"
#include "core/logic/LocalLandUseSection.h"
#include "core/logic/TextFile.h"
#include "sections/network/logic/AlternateFormat.h"
#include "sections/network/logic/NetworkLines.h"

#include <QFile>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace Bench {

namespace {

QString Header(const QString &text, int width = 40)
{
    QString line;
    Globsubs::AppendField(line, text, width, false);
    return line;
}

// Sub-area `i` of the synthetic file: its third land row names a local land use.
SubAreaRecord SubAreaOf(int i, const QList<LocalLandUseData::LocalLandUse> &local)
{
    SubAreaRecord s = MakeSubArea(i);
    s.Land[2].LandUseName = local[i % NamedLocalLandUses].Name;
    return s;
}

} // namespace

QList<LocalLandUseData::LocalLandUse> LocalLandUses()
{
    QList<LocalLandUseData::LocalLandUse> list;
    for (int i = 1; i <= NamedLocalLandUses + 10; ++i) {
        // Every tenth name carries an accented Latin-1 letter.
        const QString name = i % 10 ? QStringLiteral("Local use %1").arg(i)
                                    : QString::fromLatin1("Pr\xe9 de fauche %1").arg(i);
        list.append({name,
                     {QString::number(40 + i % 20), QString::number(60 + i % 20), QString::number(70 + i % 20),
                      QString::number(80 + i % 15)}});
    }
    return list;
}

std::int64_t GenerateInputFile(const QString &path, std::int64_t targetBytes)
{
    TextFile::LineWriter out(path, TextFile::LineWriter::Truncate);
    if (!out.isOpen())
        return 0;
    const QList<LocalLandUseData::LocalLandUse> local = LocalLandUses();
    std::int64_t written = 0;
    auto put = [&out, &written](const QString &line) {
        out.writeLine(line);
        written += line.size() + 2;
    };
    auto putAll = [&put](const QStringList &lines) {
        for (const QString &line : lines)
            put(line);
    };
    put(Header(QStringLiteral("Quorvale: Version 1.0")) + QStringLiteral("Y         N"));
    put(QStringLiteral("Synthetic watershed for benchmarks"));
    put(QString());

    // Twenty alternates of 25 reaches and 25 sub-areas each.
    QList<Alternate> alternates;
    for (int a = 1; a <= 20; ++a) {
        Alternate &alt = alternates.emplace_back();
        alt.Id = QStringLiteral("ALT%1").arg(a);
        alt.Description = QStringLiteral("Alternate number %1").arg(a);
        for (int k = 1; k <= 25; ++k) {
            alt.Reaches.append(MakeReach(a * 25 + k, 1 << 30));
            alt.SubAreas.append(SubAreaOf(a * 25 + k, local));
        }
    }
    const QStringList alternateLines = AlternateFormat::AlternateSectionLines(alternates);
    std::int64_t fixedBytes = 4000;
    for (const QString &line : alternateLines)
        fixedBytes += line.size() + 2;

    // Sub-areas and reaches take the rest of the file, written one at a time.
    QStringList lines;
    NetworkLines::AppendSubAreaLines(lines, SubAreaOf(1, local), NetworkLines::SubAreaLineOptions::Section());
    NetworkLines::AppendReachLines(lines, MakeReach(1, 2), NetworkLines::ReachLineOptions::Section());
    std::int64_t perPair = 0;
    for (const QString &line : lines)
        perPair += line.size() + 2;
    const int count = int(std::max<std::int64_t>(1, (targetBytes - fixedBytes) / perPair));

    put(Header(QStringLiteral("SUB-AREA:")));
    for (int i = 1; i <= count; ++i) {
        lines.clear();
        NetworkLines::AppendSubAreaLines(lines, SubAreaOf(i, local), NetworkLines::SubAreaLineOptions::Section());
        putAll(lines);
    }
    put(QString());
    put(Header(QStringLiteral("STREAM REACH:")));
    for (int i = 1; i <= count; ++i) {
        lines.clear();
        NetworkLines::AppendReachLines(lines, MakeReach(i, count), NetworkLines::ReachLineOptions::Section());
        putAll(lines);
    }
    put(QString());
    putAll(alternateLines);

    const char *const rest[] = {"STORM ANALYSIS:", "STREAM CROSS SECTION:", "STRUCTURE RATING:", "INPUT HYDROGRAPH:",
                                "DIMENSIONLESS UNIT HYDROGRAPH:", "RAINFALL DISTRIBUTION:"};
    for (const char *h : rest) {
        put(Header(QString::fromLatin1(h)));
        for (int k = 0; k < 20; ++k)
            put(QStringLiteral("          ID%1      1.5       2.5       3.5").arg(k, -2));
        put(QString());
    }
    // The section exactly as a save builds it from the local land-use file.
    put(LocalLandUseSection::Header);
    for (int k = 0; k < NamedLocalLandUses; ++k)
        put(LocalLandUseSection::SectionLine(local[k]));
    put(QString());
    for (const char *h : {"DURATION INCREMENT:", "GLOBAL OUTPUT:", "TIME ANALYSIS:", "VERIFICATION:"}) {
        put(Header(QString::fromLatin1(h)));
        for (int k = 0; k < 20; ++k)
            put(QStringLiteral("          ID%1      1.5       2.5       3.5").arg(k, -2));
        put(QString());
    }
    return out.commit() ? written : 0;
}

double Timing::median() const
{
    if (runs_.empty())
        return 0;
    std::vector<double> sorted = runs_;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

double Timing::min() const { return runs_.empty() ? 0 : *std::min_element(runs_.begin(), runs_.end()); }

double Timing::max() const { return runs_.empty() ? 0 : *std::max_element(runs_.begin(), runs_.end()); }

std::string Timing::text(const char *unit) const
{
    const double scale = std::string(unit) == "s" ? 1 : std::string(unit) == "us" ? 1e6 : 1e3;
    const int decimals = scale == 1 ? 3 : 2;
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*f %s (%.*f-%.*f, %d runs)", decimals, median() * scale, unit, decimals,
                  min() * scale, decimals, max() * scale, runs());
    return buffer;
}

void StdCopyLines(const QString &path, const QString &copyPath)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ofstream out(copyPath.toStdString(), std::ios::binary | std::ios::trunc);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        out << line << "\r\n";
    }
}

bool CopyFile(const QString &path, const QString &copyPath, bool sync)
{
    const int in = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (in < 0)
        return false;
    const int out = ::open(QFile::encodeName(copyPath).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0) {
        ::close(in);
        return false;
    }
    std::vector<char> block(std::size_t(1) << 17);
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(in, block.data(), block.size());
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        if (::write(out, block.data(), std::size_t(n)) != n) {
            ok = false;
            break;
        }
    }
    if (sync && ::fsync(out) != 0)
        ok = false;
    ::close(in);
    ::close(out);
    return ok;
}

namespace {
long StatusKb(const char *key)
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == key) {
            long kb = 0;
            status >> kb;
            return kb;
        }
        std::getline(status, word);
    }
    return 0;
}
} // namespace

long PeakRssKb() { return StatusKb("VmHWM:"); }

long RssKb() { return StatusKb("VmRSS:"); }

void PeakMemory::start()
{
    malloc_trim(0);
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5" << std::flush;
    exact_ = bool(clear);
    startKb_ = exact_ ? RssKb() : PeakRssKb();
}

long PeakMemory::addedKb() const { return PeakRssKb() - startKb_; }

} // namespace Bench
