// A keyed-row grid of 10,000 rating rows: loading it from the work tables,
// finding, inserting and deleting a row in key order and storing it back,
// beside the same work done on plain standard-library containers and a bare
// QTableWidget fill.
#include "common/BenchSupport.h"

#include "core/FlexGrid.h"
#include "core/GridState.h"
#include "core/GridStuff.h"
#include "core/logic/WorkTables.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int Fields = 5;

WorkTables makeTables(int rows)
{
    WorkTables work;
    work.Reset(1, Fields);
    const int item = work.AddItem();
    const int first = work.MakeRoom(item, rows);
    work.ItemLastPoint[item] = first + rows - 1;
    for (int r = 0; r < rows; ++r) {
        // Even keys, so that odd keys insert between rows.
        work.PointTable(1, first + r) = QString::number(1000 + 2 * r);
        for (int f = 2; f <= Fields; ++f)
            work.PointTable(f, first + r) = QString::number(r * f * 0.25);
    }
    work.CurrentItem = work.SelectedItem = item;
    return work;
}

void printRow(const char *what, const Bench::Timing &t, const Bench::Timing &baseline, const char *target)
{
    std::printf("%-32s %-34s baseline %-34s (target: %s)\n", what, t.text().c_str(), baseline.text().c_str(), target);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::max(10, std::atoi(argv[1])) : 10000;

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *keyBox = new QLineEdit(&window);
    keyBox->setObjectName(QStringLiteral("txtinp_3"));
    layout->addWidget(keyBox);
    auto *table = new QTableWidget(&window);
    layout->addWidget(table);
    FlexGrid grid(table);
    grid.setCols(Fields);
    grid.setRows(1);
    grid.setFixedRows(1);
    window.resize(640, 480);
    window.show();
    QApplication::processEvents();

    GridState s;
    s.KeyBox = keyBox;
    s.BoxBase = 3;
    const ControlArray boxes = ControlArray::find(&window, QStringLiteral("txtinp"));
    WorkTables work = makeTables(rows);

    // Loading: the work tables into the grid.
    const Bench::Timing load = Bench::Time(5, [&] {
        Grid_Stuff::LoadGridRows(grid, s, work, 1);
        QApplication::processEvents();
    });
    QTableWidget bare;
    bare.setColumnCount(Fields);
    const Bench::Timing loadBare = Bench::Time(5, [&] {
        bare.setRowCount(0);
        bare.setRowCount(rows + 1);
        for (int r = 0; r < rows; ++r)
            for (int f = 1; f <= Fields; ++f)
                bare.setItem(r + 1, f - 1, new QTableWidgetItem(work.PointTable(f, r + 1)));
    });
    std::vector<std::vector<QString>> plain;
    const Bench::Timing loadPlain = Bench::Time(5, [&] {
        plain.assign(size_t(rows), std::vector<QString>(Fields));
        for (int r = 0; r < rows; ++r)
            for (int f = 1; f <= Fields; ++f)
                plain[size_t(r)][size_t(f - 1)] = work.PointTable(f, r + 1);
    });

    // Finding a key in the middle, inserting one there and deleting it again.
    const QString middleKey = QString::number(1000 + rows);     // present
    const QString insertKey = QString::number(1000 + rows + 1); // between two rows
    const Bench::Timing find = Bench::Time(9, [&] {
        keyBox->setText(middleKey);
        Grid_Stuff::FindOrInsertGridRow(grid, s);
    });
    Bench::Timing insert, remove;
    for (int i = 0; i < 9; ++i) {
        insert.add(Bench::Seconds([&] {
            keyBox->setText(insertKey);
            Grid_Stuff::FindOrInsertGridRow(grid, s);
            Grid_Stuff::SelectGridRow(grid, s, boxes, false);
            QApplication::processEvents();
        }));
        remove.add(Bench::Seconds([&] {
            Grid_Stuff::DeleteGridRow(grid, s, boxes);
            QApplication::processEvents();
        }));
    }
    const Bench::Timing store = Bench::Time(5, [&] { Grid_Stuff::GridRowsToTable(grid, s, work); work.CurrentItem = 1; });

    std::vector<float> keys(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r)
        keys[size_t(r)] = float(1000 + 2 * r);
    const float wanted = float(1000 + rows);
    const Bench::Timing findPlain = Bench::Time(9, [&] {
        volatile auto at = std::find_if(keys.begin(), keys.end(), [&](float k) { return k >= wanted; }) - keys.begin();
        (void)at;
    });
    const Bench::Timing editPlain = Bench::Time(9, [&] {
        const auto at = plain.begin() + rows / 2;
        plain.insert(at, std::vector<QString>(Fields));
        plain.erase(plain.begin() + rows / 2);
    });

    std::printf("keyed-row grid of %d rows, %d columns; figures: the median (min-max) of the runs\n", rows, Fields);
    printRow("load from the work tables", load, loadBare, "under 500 ms; baseline: bare QTableWidget fill");
    std::printf("%-67s plain copy %s\n", "", loadPlain.text().c_str());
    printRow("find a row by its key", find, findPlain, "under 50 ms; baseline: linear scan of floats");
    printRow("insert a row in key order", insert, editPlain, "under 50 ms; baseline: vector insert + erase");
    printRow("delete a row", remove, editPlain, "under 50 ms; baseline: vector insert + erase");
    printRow("store the rows into the tables", store, loadPlain, "none; baseline: plain copy");
    std::printf("grid rows after the run: %d (data rows %d)\n", grid.Rows(), s.GridRowCount);
    return 0;
}
