// Travel times of 20,000 sub-areas of three segments each, computed from their
// field texts, beside the same formulas on numbers already parsed; the
// time-of-concentration window opening on them, beside a bare list filled with
// their identifiers; and its "Return to Sub-Area", which checks every
// sub-area's segments and hands back those changed, beside one pass comparing
// every segment field with a copy.
#include "common/BenchSupport.h"

#include "core/logic/IdentifierLists.h"
#include "core/QvForm.h"
#include "sections/runoff/frmTc.h"
#include "sections/runoff/logic/TravelTime.h"

#include <QApplication>
#include <QComboBox>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

QList<SubAreaRecord> makeRecords(int count)
{
    QList<SubAreaRecord> records;
    records.reserve(count);
    const QString codes = QStringLiteral("ABCDEFGHIJ");
    for (int i = 0; i < count; ++i) {
        SubAreaRecord r;
        auto &f = r.Field;
        f[1] = QStringLiteral("SA%1").arg(i);
        f[3] = QStringLiteral("G%1").arg(i % 3 + 1);
        f[12] = QString::number(50 + i % 50);
        f[13] = QString::number(0.005 + (i % 7) * 0.002);
        if (i % 2)
            f[14] = QString::number(0.02 + (i % 5) * 0.01);
        else
            f[15] = codes.at(i % 10);
        f[16] = QString::number(200 + i % 300);
        f[17] = QString::number(0.01 + (i % 4) * 0.005);
        f[18] = i % 3 ? QStringLiteral("U") : QStringLiteral("P");
        f[19] = QString::number(1000 + i % 2000);
        if (i % 4) {
            f[20] = QStringLiteral("0.01");
            f[21] = QStringLiteral("0.04");
            f[22] = QString::number(5 + i % 20);
            f[23] = QString::number(4 + i % 10);
        } else {
            f[24] = QStringLiteral("3.5");
        }
        records.append(r);
    }
    return records;
}

void printRow(const char *what, const Bench::Timing &t, const char *baselineWhat, const Bench::Timing &baseline,
              const char *target)
{
    std::printf("%-26s %-34s %s %-34s (target: %s)\n", what, t.text().c_str(), baselineWhat, baseline.text().c_str(),
                target);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(10, std::atoi(argv[1])) : 20000;

    Editglob::RainGageIds = {QString(), QStringLiteral("G1"), QStringLiteral("G2"), QStringLiteral("G3")};
    Editglob::RainGageTwoYear = {0.0f, 2.7f, 3.5f, 4.1f};
    Editglob::RainGageCount = 3;
    const QList<SubAreaRecord> records = makeRecords(count);

    // The computation: every sub-area's three segments from its texts.
    double checksum = 0;
    const Bench::Timing compute = Bench::Time(5, [&] {
        for (const SubAreaRecord &r : records) {
            TravelTime::TcFields f;
            f[0] = TravelTime::SingleText(Editglob::RainGageTwoYear[r.Field[3].back().digitValue()]);
            for (int i = 12; i <= 24; ++i)
                f[std::size_t(i)] = r.Field[std::size_t(i)];
            TravelTime::ComputeAll(f);
            checksum += f[TravelTime::TcTotal].size();
        }
    });
    // Baseline: the same formulas on numbers parsed beforehand.
    std::vector<std::array<double, 10>> numbers;
    for (const SubAreaRecord &r : records) {
        const auto &f = r.Field;
        numbers.push_back({f[12].toDouble(), f[13].toDouble(), 0.05, 3.5, f[16].toDouble(), f[17].toDouble(),
                           f[19].toDouble(), f[22].isEmpty() ? 5.0 : f[22].toDouble(),
                           f[23].isEmpty() ? 4.0 : f[23].toDouble(), 0.01});
    }
    const Bench::Timing formulas = Bench::Time(5, [&] {
        for (const auto &v : numbers) {
            const double sheet = 0.007 * std::pow(v[2] * v[0], 0.8) / (std::pow(v[3], 0.5) * std::pow(v[1], 0.4));
            const double shallow = v[4] / (16.1345 * std::pow(v[5], 0.5)) / 3600;
            const double channel = v[6] / (1.49 * std::pow(v[7] / v[8], 2.0 / 3.0) * std::sqrt(v[9]) / 0.04) / 3600;
            checksum += std::nearbyint((sheet + shallow + channel) * 1000);
        }
    });
    std::printf("%d sub-areas of 3 segments; figures: the median (min-max) of the runs\n", count);
    printRow("travel times from texts", compute, "formulas on numbers", formulas, "under 50 ms");

    // The window opening on them, showing one in the middle.
    QWidget owner;
    owner.show();
    auto *form = qobject_cast<frmTc *>(Forms::get(QStringLiteral("frmTc")));
    SubAreaDetailRequest request;
    request.SubAreas = records;
    request.Current = count / 2;
    const Bench::Timing open = Bench::Time(5, [&] {
        form->OpenOn(&owner, request);
        QApplication::processEvents();
        form->close();
        QApplication::processEvents();
    });
    QStringList ids;
    for (const SubAreaRecord &r : records)
        ids << r.Field[1];
    const Bench::Timing bareList = Bench::Time(5, [&] {
        QComboBox box;
        box.addItems(ids);
        box.show();
        QApplication::processEvents();
    });
    printRow("window opens and closes", open, "bare list of the ids", bareList, "under 500 ms");

    Bench::Timing returned;
    int handedBack = 0;
    request.OnReturn = [&handedBack](const auto &changed) { handedBack += int(changed.size()); };
    for (int run = 0; run < 5; ++run) {
        form->OpenOn(&owner, request);
        QApplication::processEvents();
        returned.add(Bench::Seconds([&] { form->cmdFinished_Click(); }));
        if (form->isLoaded())
            std::printf("Return did not close the window\n");
        QApplication::processEvents();
    }
    const Bench::Timing compare = Bench::Time(5, [&] {
        const QList<SubAreaRecord> copy = request.SubAreas;
        for (qsizetype k = 0; k < copy.size(); ++k)
            for (std::size_t f = 12; f <= 24; ++f)
                checksum += copy[k].Field[f] == records[k].Field[f] ? 1 : 0;
    });
    printRow("Return to Sub-Area", returned, "compare segments w/ a copy", compare, "under 500 ms");
    std::printf("(%d handed back)\n", handedBack);
    request.OnReturn = {};
    std::printf("(checksum %g)\n", checksum);
    delete form;
    return 0;
}
