// The input hydrograph and structure rating windows on large records: an input hydrograph of
// 100,000 flows and a structure rating of 10,000 rows. For each: opening the
// window and choosing the record (the window filled), Accept (the working file
// written), and "Display Data" (the plot shown), beside a plain
// standard-library copy of the same working file.
// Then the cross-section window's stream list at 5,000 and 20,000 cross
// sections: entering the Stream Identifier box offers the streams of every
// cross section, beside filling an empty combo with those streams at once.
#include "common/BenchSupport.h"

#include "core/QvForm.h"
#include "core/logic/Editglob.h"
#include "core/logic/TextFile.h"
#include "plots/frmIO_Plots.h"
#include "sections/ratings/frmInpHyd.h"
#include "sections/ratings/frmStruct.h"
#include "sections/ratings/frmXsect.h"
#include "sections/ratings/logic/RatingFormats.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

void printRow(const char *what, const Bench::Timing &t, const Bench::Timing &baseline, const char *target)
{
    std::printf("%-28s %-34s baseline %-34s (target: %s)\n", what, t.text().c_str(), baseline.text().c_str(), target);
}

void writeHydrographs(const QString &path, int flows)
{
    RatingFormats::Item big{{QStringLiteral("BIG"), QStringLiteral("R1"), QString(), QStringLiteral("0"),
                             QStringLiteral("0.1"), QStringLiteral("12.5"), QStringLiteral("3")},
                            {}};
    for (int i = 0; i < flows; ++i)
        big.rows << QStringList{QString::number((i % 977) * 1.25)};
    RatingFormats::Item small{{QStringLiteral("SMALL"), QStringLiteral("R2"), QString(), QStringLiteral("0"),
                               QStringLiteral("1"), QString(), QString()},
                              {{QStringLiteral("0")}, {QStringLiteral("5")}}};
    TextFile::writeLines(path, RatingFormats::InpHyd::Lines({small, big}));
}

void writeStructures(const QString &path, int rows)
{
    RatingFormats::Item big{{QStringLiteral("DAM"), QStringLiteral("100")}, {}};
    for (int r = 0; r < rows; ++r)
        big.rows << QStringList{QString::number(100 + r * 0.01, 'f', 2), QString::number(r * 2.5),
                                QString::number(r * 0.75)};
    RatingFormats::Item small{{QStringLiteral("WEIR"), QStringLiteral("5")},
                              {{QStringLiteral("5"), QStringLiteral("0"), QStringLiteral("0")}}};
    TextFile::writeLines(path, RatingFormats::Struct::Lines({small, big}));
}

// Opens the window and chooses record `id`, as a user leaving the identifier box.
template <class W> W *openOn(const QString &id)
{
    auto *form = Forms::instance<W>();
    Globsubs::ShowForm(form);
    form->Cmbinp(1)->setEditText(id);
    int index = 1;
    form->Cmbinp_LostFocus(index);
    QApplication::processEvents();
    return form;
}

template <class W> void measure(const char *name, const QString &id, const QString &workFile)
{
    const QString copy = workFile + QStringLiteral(".copy");
    const Bench::Timing baseline = Bench::Time(5, [&] { Bench::StdCopyLines(workFile, copy); });
    W *form = nullptr;
    const Bench::Timing opening = Bench::Time(5, [&] {
        if (form)
            form->unload();
        form = openOn<W>(id);
    });
    frmIO_Plots *plot = Forms::instance<frmIO_Plots>();
    const Bench::Timing display = Bench::Time(5, [&] {
        if (plot->isLoaded())
            plot->unload();
        form->CmdPlot_Click();
        QApplication::processEvents();
    });
    const bool plotted = plot->isVisible();
    plot->unload();
    Bench::Timing accept;
    for (int i = 0; i < 5; ++i) {
        if (!form->isLoaded())
            form = openOn<W>(id);
        accept.add(Bench::Seconds([&] { form->cmdFinished_Click(); }));
    }
    const bool written = !form->isLoaded() && QFileInfo(workFile).size() > 0;
    std::printf("%s (%s, %s)\n", name, plotted ? "plot shown" : "NO PLOT", written ? "file written" : "NOT WRITTEN");
    printRow("  open and show the record", opening, baseline, "< 500 ms");
    printRow("  Accept", accept, baseline, "< 500 ms");
    printRow("  Display Data", display, baseline, "< 200 ms");
}

// Cross sections of two rating rows each; every two of them lie on one stream.
QStringList writeCrossSections(const QString &path, int count)
{
    RatingFormats::Items items;
    QStringList streams;
    for (int i = 0; i < count; ++i) {
        const QString stream = QStringLiteral("ST") + QString::number(i / 2);
        if (i % 2 == 0)
            streams << stream;
        items << RatingFormats::Item{{QStringLiteral("X") + QString::number(i), QStringLiteral("10.5"),
                                      QStringLiteral("100"), stream, QString::number(i * 10)},
                                     {{QStringLiteral("100"), QStringLiteral("0"), QStringLiteral("0"),
                                       QStringLiteral("0"), QStringLiteral("0.01")},
                                      {QStringLiteral("102"), QStringLiteral("50"), QStringLiteral("40"),
                                       QStringLiteral("30"), QStringLiteral("0.02")}}};
    }
    TextFile::writeLines(path, RatingFormats::Xsect::Lines(items));
    return streams;
}

// Moves the focus as a click does, in the window made active.
void clickInto(QWidget *w)
{
    QApplication::setActiveWindow(w->window());
    w->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
}

// Times entering the stream box of the cross-section window: the first time
// after opening (an empty list), and again (the list already full).
double measureStreamList(int count)
{
    const QStringList streams = writeCrossSections(Editglob::TmpFile[Editglob::SecXsect], count);
    const Bench::Timing baseline = Bench::Time(5, [&] {
        QComboBox combo;
        combo.addItems(streams);
    });
    frmXsect *form = nullptr;
    const auto station = [&] { return form->findChild<QLineEdit *>(QStringLiteral("txtinp_5")); };
    Bench::Timing first;
    for (int i = 0; i < 5; ++i) {
        if (form)
            form->unload();
        form = openOn<frmXsect>(QStringLiteral("X1"));
        clickInto(station());
        first.add(Bench::Seconds([&] { clickInto(form->Cmbinp(4)); }));
    }
    const int listed = form->Cmbinp(4)->count();
    Bench::Timing again;
    for (int i = 0; i < 5; ++i) {
        clickInto(station());
        again.add(Bench::Seconds([&] { clickInto(form->Cmbinp(4)); }));
    }
    form->unload();
    std::printf("Cross-section stream list, %d cross sections (%d streams listed of %d)\n", count, listed,
                int(streams.size()));
    printRow("  enter the stream box", first, baseline, "< 200 ms");
    printRow("  enter it again", again, baseline, "< 200 ms");
    return first.median();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int flows = argc > 1 ? std::max(10, std::atoi(argv[1])) : 100000;
    const int rows = argc > 2 ? std::max(10, std::atoi(argv[2])) : 10000;
    QTemporaryDir dir;
    Editglob::InitProjectState(dir.path());

    writeHydrographs(Editglob::TmpFile[Editglob::SecInpHyd], flows);
    writeStructures(Editglob::TmpFile[Editglob::SecStruct], rows);
    std::printf("input hydrograph of %d flows, structure rating of %d rows; figures: the median (min-max) of the "
                "runs\n",
                flows, rows);
    measure<frmInpHyd>("Input hydrograph", QStringLiteral("BIG"), Editglob::TmpFile[Editglob::SecInpHyd]);
    measure<frmStruct>("Structure rating", QStringLiteral("DAM"), Editglob::TmpFile[Editglob::SecStruct]);
    const double small = measureStreamList(5000);
    const double large = measureStreamList(20000);
    std::printf("stream list: 20,000 cross sections take %.1f times as long as 5,000 (linear: about 4)\n",
                large / small);
    qDeleteAll(Forms::created());
    return 0;
}
