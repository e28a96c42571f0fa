// Opening and saving a large input file as the user does it: the program's own
// File > Open Existing and File > Save, every pass they make (the land-use
// pass of the save included), beside the store's split + join of the same
// file alone and beside copying the file twice with one sync, the disk work
// that opening and saving cannot avoid. Then opening files of the same size
// that hold no line end. Usage: bench_store [MEGABYTES] [RUNS]
#include "common/BenchSupport.h"

#include "core/QvForm.h"
#include "core/frmMain.h"
#include "core/logic/Dialogs.h"
#include "core/logic/Editglob.h"
#include "core/logic/InputFileStore.h"
#include "core/logic/LocalLandUseSection.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

bool SameBytes(const QString &a, const QString &b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    while (!fa.atEnd())
        if (fa.read(1 << 20) != fb.read(1 << 20))
            return false;
    return true;
}

void WriteWithoutLineEnds(const QString &path, const char *head, double megabytes)
{
    std::FILE *f = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!f)
        return;
    const std::string block(1 << 20, 'x');
    std::fputs(head, f);
    for (long i = 0; i < long(megabytes + 0.5); ++i)
        std::fwrite(block.data(), 1, block.size(), f);
    std::fclose(f);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long mb = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 50;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    // The program folder: the program starts in it as a user starts it, with
    // a local land-use file that the input file's sub-areas name.
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    Editglob::InitProjectState(dir.path());
    LocalLandUseData::Write(Editglob::LocalLandUseFile, Bench::LocalLandUses(), nullptr);
    const QString input = dir.filePath(QStringLiteral("big.inp"));
    const double size = double(Bench::GenerateInputFile(input, std::int64_t(mb) << 20)) / (1 << 20);
    const QString original = dir.filePath(QStringLiteral("original.inp"));
    Bench::CopyFile(input, original, false);

    // Every dialog answers as the user would: the open dialog chooses the
    // input file, a message is acknowledged. Anything else is counted.
    int unexpected = 0;
    Dialogs::setHandler([&](const Dialogs::Request &r) {
        if (r.kind == Dialogs::Kind::OpenFile)
            return Dialogs::Response{Dialogs::Answer::OK, input};
        if (r.kind != Dialogs::Kind::Message || r.buttons != Dialogs::Buttons::OK)
            ++unexpected;
        return Dialogs::Response{Dialogs::Answer::OK, {}};
    });
    frmMain *main = frmMain::instance();
    Globsubs::ShowForm(main);
    QApplication::processEvents();
    QAction *openItem = main->findChild<QAction *>(QStringLiteral("mnuFileItem_2"));
    QAction *saveItem = main->findChild<QAction *>(QStringLiteral("mnuFileItem_14"));
    if (!openItem || !saveItem) {
        std::printf("File menu items not found\n");
        return 1;
    }

    // The rounds interleave the measurements, so that a busy moment of the
    // machine spreads over all of them. Each phase starts on a settled disk
    // (sync, not timed): none waits for the write-back of the one before, as
    // a user's open does not wait for that of a save made minutes ago.
    Bench::Timing open, save, openSave, landUsePass, split, join, store, copies;
    long openSaveKb = 0, storeKb = 0, copiesKb = 0;
    bool exact = true;
    bool savedSame = true;
    const QString joined = dir.filePath(QStringLiteral("joined.inp"));
    const QString copy1 = dir.filePath(QStringLiteral("copy1.inp"));
    const QString copy2 = dir.filePath(QStringLiteral("copy2.inp"));
    for (int round = 0; round < runs; ++round) {
        ::sync();
        Bench::PeakMemory memory;
        memory.start();
        const double o = Bench::Seconds([&] {
            openItem->trigger();
            QApplication::processEvents();
        });
        const double s = Bench::Seconds([&] {
            saveItem->trigger();
            QApplication::processEvents();
        });
        openSaveKb = std::max(openSaveKb, memory.addedKb());
        exact = exact && memory.exact();
        open.add(o);
        save.add(s);
        openSave.add(o + s);
        savedSame = savedSame && SameBytes(input, original);
        // The land-use pass alone, on the working files the open left.
        ::sync();
        landUsePass.add(Bench::Seconds([] { LocalLandUseSection::BuildLocalLandUseSection(); }));

        ::sync();
        memory.start();
        const double sp = Bench::Seconds([&] { InputFileStore::Split(input, Editglob::TmpFile); });
        const double jo = Bench::Seconds([&] { InputFileStore::Join(Editglob::TmpFile, joined, nullptr); });
        storeKb = std::max(storeKb, memory.addedKb());
        split.add(sp);
        join.add(jo);
        store.add(sp + jo);

        ::sync();
        memory.start();
        copies.add(Bench::Seconds([&] {
            Bench::CopyFile(input, copy1, false);
            Bench::CopyFile(copy1, copy2, true);
        }));
        copiesKb = std::max(copiesKb, memory.addedKb());
    }

    std::printf("input file: %.1f MB; %d runs of each; figures are the median (min-max)\n", size, runs);
    std::printf("File > Open Existing:          %s\n", open.text().c_str());
    std::printf("File > Save:                   %s\n", save.text().c_str());
    std::printf("  of which the land-use pass:  %s (timed alone)\n", landUsePass.text().c_str());
    std::printf("open + save:                   %s\n", openSave.text().c_str());
    std::printf("store split + join alone:      %s (split %s, join %s)\n", store.text().c_str(),
                split.text().c_str(), join.text().c_str());
    std::printf("two copies + one sync:         %s\n", copies.text().c_str());
    std::printf("open + save: %.2fx the store's split + join (target: within 1.5x), %.2fx the two copies + sync\n",
                openSave.median() / store.median(), openSave.median() / copies.median());
    std::printf("peak memory added%s: open + save %ld kB (target: below 16 MB), split + join %ld kB, "
                "copies %ld kB (largest of the runs)\n",
                exact ? "" : " (growth of the process's peak; it could not be reset)", openSaveKb, storeKb,
                copiesKb);
    std::printf("saved file equals the opened one: %s; unexpected dialogs: %d\n", savedSame ? "yes" : "NO",
                unexpected);

    // Files of the same size without a line end: a header line that never
    // ends, and a header followed by one endless record. The store reads
    // either to its end, in a bounded buffer; it must take no longer than a
    // normal file of the same size, in flat memory.
    // Split after split into the same working files, the disk not settled
    // in between, for the normal file and for each of these.
    const Bench::Timing normalSplit = Bench::Time(runs, [&] { InputFileStore::Split(input, Editglob::TmpFile); });
    std::printf("split of the normal file, again and again: %s\n", normalSplit.text().c_str());
    const struct
    {
        const char *what;
        const char *head;
    } cases[] = {{"no line end at all", "SUB-AREA:                               "},
                 {"a section header, then no line end", "SUB-AREA:\r\n"}};
    const QString oneLine = dir.filePath(QStringLiteral("oneline.inp"));
    for (const auto &c : cases) {
        WriteWithoutLineEnds(oneLine, c.head, size);
        Bench::PeakMemory memory;
        memory.start();
        const Bench::Timing lineSplit =
            Bench::Time(runs, [&] { InputFileStore::Split(oneLine, Editglob::TmpFile); });
        const long added = memory.addedKb();
        const qint64 kept = QFileInfo(Editglob::TmpFile[Editglob::SecSubArea]).size();
        std::printf("split of a file with %s: %s, %.2fx the normal split (target: within 3x); "
                    "%.1f MB of it in the working file; peak memory added %ld kB\n",
                    c.what, lineSplit.text().c_str(), lineSplit.median() / normalSplit.median(), double(kept) / (1 << 20),
                    added);
    }
    Dialogs::setHandler(nullptr);
    qDeleteAll(Forms::created());
    return 0;
}
