// The alternate window on 200 alternates of 500 records each (250 reaches and
// 250 sub-areas with three land rows): opening it on the working file until
// an alternate is shown with its record lists, and accepting it (writing the
// working file), beside copying the same file with buffered standard-library
// streams.
#include "common/BenchSupport.h"
#include "common/NetworkData.h"

#include "core/QvForm.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "sections/network/frmAlternate.h"
#include "sections/network/logic/AlternateFormat.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int alternates = argc > 1 ? std::atoi(argv[1]) : 200;
    const int records = argc > 2 ? std::atoi(argv[2]) : 500;
    QTemporaryDir dir;
    Editglob::InitProjectState(dir.path());
    Dialogs::setHandler([](const Dialogs::Request &) { return Dialogs::Response{Dialogs::Answer::OK, {}}; });
    const QString path = Editglob::TmpFile[Editglob::SecAlternate];

    QList<Alternate> tables;
    const QList<ReachRecord> reaches = Bench::MakeReaches(records / 2);
    const QList<SubAreaRecord> subAreas = Bench::MakeSubAreas(records - records / 2);
    for (int a = 1; a <= alternates; ++a)
        tables.append({QStringLiteral("ALT%1").arg(a), QStringLiteral("Alternate number %1").arg(a), reaches, subAreas});
    AlternateFormat::WriteAlternateSection(path, tables);
    std::printf("%d alternates of %d records (%lld bytes)\n", alternates, records,
                static_cast<long long>(QFileInfo(path).size()));

    auto *form = qobject_cast<frmAlternate *>(Forms::get(QStringLiteral("frmAlternate")));
    const Bench::Timing base =
        Bench::Time(5, [&] { Bench::StdCopyLines(path, dir.filePath(QStringLiteral("copy"))); });
    const Bench::Timing open = Bench::Time(5, [&] {
        form->unload();
        Globsubs::ShowForm(form);
        form->Cmbinp(1)->setEditText(QStringLiteral("ALT%1").arg(alternates));
        int index = 1;
        form->Cmbinp_LostFocus(index);
        app.processEvents();
    });
    const bool filled = form->AltCount() == alternates && form->lstDisp(2)->count() == records / 2;
    Bench::Timing accept;
    for (int i = 0; i < 5; ++i) {
        Globsubs::ShowForm(form); // loaded again after the previous Accept; not timed
        accept.add(Bench::Seconds([&] { form->cmdFinished_Click(); }));
    }
    std::printf("figures: the median (min-max) of the runs\n");
    std::printf("open, show the last alternate:  %s%s\n", open.text("s").c_str(), filled ? "" : " (NOT FILLED)");
    std::printf("accept (write ~Alter.tmp):      %s\n", accept.text("s").c_str());
    std::printf("baseline (std read+write):      %s\n", base.text("s").c_str());
    std::printf("ratios to the baseline: open %.1fx, accept %.1fx\n", open.median() / base.median(),
                accept.median() / base.median());
    return 0;
}
