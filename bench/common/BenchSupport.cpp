#include "BenchSupport.h"

#include "core/logic/Fields.h"

#include <QFile>
#include <fstream>
#include <string>

namespace Bench {

namespace {
QString Header(const QString &text, int width = 40)
{
    QString line;
    Globsubs::AppendField(line, text, width, false);
    return line;
}
} // namespace

std::int64_t GenerateInputFile(const QString &path, std::int64_t targetBytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    auto put = [&f](const QString &line) { f.write(line.toLatin1() + "\r\n"); };
    put(Header(QStringLiteral("Quorvale: Version 1.0")) + QStringLiteral("Y         N"));
    put(QStringLiteral("Synthetic watershed for benchmarks"));
    put(QString());

    // Sub-areas and reaches take most of the file: each sub-area a main line,
    // three land-use lines and two flow-segment lines; each reach one line.
    const std::int64_t perArea = 435; // bytes of one sub-area block and its reach line
    const std::int64_t count = std::max<std::int64_t>(1, targetBytes / perArea);
    put(Header(QStringLiteral("SUB-AREA:")));
    for (std::int64_t i = 1; i <= count; ++i) {
        QString line;
        Globsubs::AppendField(line, QString(), 10, false);
        Globsubs::AppendField(line, QStringLiteral("S%1").arg(i), 10, false);
        Globsubs::AppendField(line, QStringLiteral("R%1").arg(i), 10, false);
        Globsubs::AppendField(line, QStringLiteral("G1"), 10, false);
        Globsubs::AppendField(line, QString::number(0.5 + i % 97), 10, true);
        Globsubs::AppendField(line, QStringLiteral("75"), 10, true);
        Globsubs::AppendField(line, QStringLiteral("0.2"), 10, true);
        Globsubs::AppendField(line, QStringLiteral("1.0"), 10, true);
        put(line);
        for (int k = 0; k < 3; ++k)
            put(QStringLiteral("LANDUSE   Open Space (Good)                  B    %1").arg(10 + k, 10));
        put(QStringLiteral("SHEET     0.011     100.      0.02"));
        put(QStringLiteral("CHANNEL   0.035     2500.     0.005     4.        2."));
    }
    put(QString());
    put(Header(QStringLiteral("STREAM REACH:")));
    for (std::int64_t i = 1; i <= count; ++i)
        put(QStringLiteral("          R%1 R%2 X%1        0.035     1200.     0.004")
                .arg(i, -9).arg(i + 1 > count ? QStringLiteral("OUTLET") : QString::number(i + 1), -9));
    put(QString());
    const char *const rest[] = {"ALTERNATE ANALYSIS:", "STORM ANALYSIS:", "STREAM CROSS SECTION:",
                                "STRUCTURE RATING:", "INPUT HYDROGRAPH:", "DIMENSIONLESS UNIT HYDROGRAPH:",
                                "RAINFALL DISTRIBUTION:", "LOCAL LAND USE:", "DURATION INCREMENT:",
                                "GLOBAL OUTPUT:", "TIME ANALYSIS:", "VERIFICATION:"};
    for (const char *h : rest) {
        put(Header(QString::fromLatin1(h)));
        for (int k = 0; k < 20; ++k)
            put(QStringLiteral("          ID%1      1.5       2.5       3.5").arg(k, -2));
        put(QString());
    }
    return f.size();
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

long PeakRssKb()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        std::getline(status, key);
    }
    return 0;
}

} // namespace Bench
