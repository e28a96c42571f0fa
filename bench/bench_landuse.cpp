// The land-use window with 500 local land uses beside the 81 standard ones:
// opening it on a sub-area, and one typed area with its totals, beside a bare
// QTableWidget filled with the same texts and one cell text set; and "Return
// to Sub-Area" on 20,000 sub-areas of three land rows, which checks every
// area and hands back the sub-areas changed, beside one pass comparing every
// land row with a copy.
#include "common/BenchSupport.h"

#include "core/FlexGrid.h"
#include "core/QvForm.h"
#include "core/logic/Editglob.h"
#include "sections/runoff/frmLandUse.h"
#include "sections/runoff/logic/LocalLandUseData.h"
#include "sections/runoff/logic/StandardLandUse.h"

#include <QApplication>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QKeyEvent>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int localCount = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    const int subAreaCount = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20000;
    QTemporaryDir dir;
    Editglob::InitProjectState(dir.path());
    Standard_Land_Use::LoadStandardLandUse();

    QList<LocalLandUseData::LocalLandUse> local;
    for (int i = 0; i < localCount; ++i)
        local << LocalLandUseData::LocalLandUse{QStringLiteral("Local land use %1").arg(i),
                                                 {QString::number(40 + i % 20), QString::number(60 + i % 20),
                                                  i % 7 ? QString::number(70 + i % 20) : QString(),
                                                  QString::number(80 + i % 20)}};
    LocalLandUseData::Write(Editglob::LocalLandUseFile, local, nullptr);

    SubAreaRecord record;
    record.Field[1] = QStringLiteral("S1");
    for (int i = 0; i < 40; ++i)
        record.Land << LandRow{QStringLiteral("Local land use %1").arg(i * 12), QStringLiteral("B"),
                               QString::number(0.5 + i)};
    SubAreaDetailRequest request;
    request.SubAreas = {record};
    request.Current = 0;

    auto *form = qobject_cast<frmLandUse *>(Forms::get(QStringLiteral("frmLandUse")));
    const Bench::Timing open = Bench::Time(5, [&] {
        form->unload();
        form->OpenOn(nullptr, request);
        QApplication::processEvents();
    });
    const int rows = form->grid()->Rows();
    const Bench::Timing openBaseline = Bench::Time(5, [&] {
        QTableWidget table(rows, 9);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < 9; ++c)
                table.setItem(r, c, new QTableWidgetItem(form->grid()->TextMatrix(r, c)));
        table.show();
        QApplication::processEvents();
    });

    FlexGrid *grid = form->grid();
    grid->setCurrentCell(300, 3);
    QTableWidget *table = grid->table();
    int keys = 0;
    const Bench::Timing typed = Bench::Time(50, [&] {
        const bool erase = keys++ % 2;
        QKeyEvent key(QEvent::KeyPress, erase ? Qt::Key_Backspace : Qt::Key_7, Qt::NoModifier,
                      erase ? QStringLiteral("\b") : QStringLiteral("7"));
        QApplication::sendEvent(table, &key);
        QApplication::processEvents();
    });
    const Bench::Timing typedBaseline = Bench::Time(50, [&] {
        grid->setTextMatrix(301, 3, QString::number(keys++));
        QApplication::processEvents();
    });
    std::printf("grid rows: %d (%d local + 81 standard); figures: the median (min-max) of the runs\n", rows - 1,
                localCount);
    std::printf("open on a sub-area:     %s   baseline (bare table fill) %s   (target: under 300 ms)\n",
                open.text().c_str(), openBaseline.text().c_str());
    std::printf("one typed area + sums:  %s   baseline (one cell text)   %s   (target: under 16 ms)\n",
                typed.text().c_str(), typedBaseline.text().c_str());

    // Return on many sub-areas, each with rows on a local and a standard land use.
    SubAreaDetailRequest many;
    many.SubAreas.reserve(subAreaCount);
    for (int i = 0; i < subAreaCount; ++i) {
        SubAreaRecord s;
        s.Field[1] = QStringLiteral("SA%1").arg(i);
        s.Land << LandRow{QStringLiteral("Local land use %1").arg(i % localCount), QStringLiteral("A"),
                          QString::number(1 + i % 9)}
               << LandRow{Standard_Land_Use::StdLandUse[1][1 + i % 81], QStringLiteral("B"), QStringLiteral("2.5")}
               << LandRow{Standard_Land_Use::StdLandUse[1][1 + (i + 7) % 81], QStringLiteral("D"), QStringLiteral("0.5")};
        many.SubAreas << s;
    }
    many.Current = subAreaCount / 2;
    int handedBack = 0;
    many.OnReturn = [&handedBack](const auto &changed) { handedBack += int(changed.size()); };
    Bench::Timing returned;
    for (int run = 0; run < 5; ++run) {
        form->unload();
        form->OpenOn(nullptr, many);
        QApplication::processEvents();
        returned.add(Bench::Seconds([&] { form->cmdFinished_Click(); }));
        if (form->isLoaded())
            std::printf("Return did not close the window\n");
    }
    long same = 0;
    const Bench::Timing compare = Bench::Time(5, [&] {
        const QList<SubAreaRecord> copy = many.SubAreas;
        for (qsizetype k = 0; k < copy.size(); ++k)
            for (qsizetype r = 0; r < copy[k].Land.size(); ++r) {
                const LandRow &a = copy[k].Land[r];
                const LandRow &b = many.SubAreas[k].Land[r];
                same += a.LandUseName == b.LandUseName && a.SoilGroup == b.SoilGroup && a.LandArea == b.LandArea;
            }
    });
    std::printf("Return, %d sub-areas:  %s   baseline (compare rows)    %s   (target: under 500 ms)\n",
                subAreaCount, returned.text().c_str(), compare.text().c_str());
    std::printf("(%ld rows compared, %d handed back)\n", same, handedBack);
    form->unload();
    return 0;
}
