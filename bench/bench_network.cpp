// The network windows on a large watershed: the section list opening the
// sub-area and reach windows filled, switching the record shown, and Accept
// writing the working file; beside reading and writing the same working file
// with buffered standard-library streams.
#include "common/BenchSupport.h"
#include "common/NetworkData.h"

#include "core/QvForm.h"
#include "core/logic/Editglob.h"
#include "sections/common/RecordForm.h"
#include "sections/network/logic/ReachFormat.h"
#include "sections/network/logic/SubAreaFormat.h"

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

double Seconds(const std::chrono::steady_clock::time_point &t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Opens `name` as the section list does, switches the shown record `switches`
// times and accepts; prints each time beside the baseline on `path`.
void Measure(const char *title, const QString &name, const QString &path, const QString &prefix, int count,
             const QString &copyPath)
{
    const Bench::Timing baseline = Bench::Time(5, [&] { Bench::StdCopyLines(path, copyPath); });

    Bench::Timing open, accept, switching;
    constexpr int rounds = 5;
    constexpr int switches = 100;
    std::srand(7);
    for (int round = 0; round < rounds; ++round) {
        auto t0 = std::chrono::steady_clock::now();
        Globsubs::ShowForm(name);
        QApplication::processEvents();
        open.add(Seconds(t0));
        auto *form = qobject_cast<RecordForm *>(Forms::get(name));
        if (!form) {
            std::printf("%s: window not found\n", title);
            return;
        }
        for (int i = 0; i < switches; ++i) {
            const QString id = prefix + QString::number(1 + std::rand() % count);
            t0 = std::chrono::steady_clock::now();
            form->Cmbinp(1)->setEditText(id);
            int index = 1;
            form->Cmbinp_LostFocus(index);
            QApplication::processEvents();
            switching.add(Seconds(t0));
        }
        if (form->selectedRecord() <= 0)
            std::printf("%s: no record chosen\n", title);
        t0 = std::chrono::steady_clock::now();
        form->cmdFinished_Click();
        accept.add(Seconds(t0));
        if (form->isLoaded())
            std::printf("%s: Accept did not close the window\n", title);
    }
    std::printf("%s (the median (min-max) of the runs)\n", title);
    std::printf("  open, filled:      %s   (target under 0.5 s)\n", open.text("s").c_str());
    std::printf("  switch record:     %s   (target under 16 ms)\n", switching.text().c_str());
    std::printf("  accept, write:     %s   (target under 0.5 s)\n", accept.text("s").c_str());
    std::printf("  baseline (std read+write of the same file): %s; open %.1fx, accept %.1fx\n",
                baseline.text("s").c_str(), open.median() / baseline.median(), accept.median() / baseline.median());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 20000;
    QTemporaryDir dir;
    Editglob::InitProjectState(dir.path());
    const QString subPath = Editglob::TmpFile[Editglob::SecSubArea];
    const QString reachPath = Editglob::TmpFile[Editglob::SecReach];
    SubAreaFormat::WriteSubAreaSection(subPath, Bench::MakeSubAreas(count));
    ReachFormat::WriteReachSection(reachPath, Bench::MakeReaches(count));
    std::printf("%d sub-areas (3 land rows, 2 flow lines each), %d reaches\n", count, count);

    const QString copy = dir.filePath(QStringLiteral("copy.tmp"));
    Measure("Sub-Area window", QStringLiteral("frmSubArea"), subPath, QStringLiteral("S"), count, copy);
    Measure("Stream Reach window", QStringLiteral("frmReaches"), reachPath, QStringLiteral("R"), count, copy);
    qDeleteAll(Forms::created());
    return 0;
}
