// Loading a 20 MB printed-page file into the output viewer, beside reading the
// same file with the standard library.
#include "common/BenchSupport.h"

#include "core/logic/Editglob.h"
#include "core/TextView.h"
#include "core/frmFileDisp.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

// A printed-page file of about `bytes` bytes: pages of hydrograph rows under
// page headers, each page ended by a form feed.
static qint64 WritePrintedPage(const QString &path, qint64 bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    int page = 0;
    while (f.size() < bytes) {
        ++page;
        QByteArray text;
        text += QStringLiteral("Quorvale                            Page%1\r\n").arg(page, 6).toLatin1();
        text += "  Synthetic watershed for the viewer benchmark\r\n\r\n\r\n";
        for (int row = 0; row < 55; ++row) {
            text += QByteArray::number(row * 0.7, 'f', 2).rightJustified(10);
            for (int k = 0; k < 7; ++k)
                text += QByteArray::number((page * 131 + row * 17 + k * 7) % 10000 / 3.0, 'f', 2).rightJustified(10);
            if (row == 54)
                text += '\f';
            text += "\r\n";
        }
        f.write(text);
    }
    return f.size();
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long mb = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 20;
    QTemporaryDir dir;
    Editglob::InitProjectState(dir.path());
    const QString input = dir.filePath(QStringLiteral("big.inp"));
    const QString out = dir.filePath(QStringLiteral("big.out"));
    QFile(input).open(QIODevice::WriteOnly);
    const double size = double(WritePrintedPage(out, qint64(mb) << 20)) / (1 << 20);
    Editglob::SetFileName(input);
    Editglob::ViewFileIndex = 4;

    frmFileDisp *viewer = Forms::instance<frmFileDisp>();
    qsizetype shown = 0;
    // Each round starts from a closed viewer whose old text is already freed.
    Bench::Timing load;
    for (int round = 0; round < 5; ++round) {
        viewer->unload();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        load.add(Bench::Seconds([&] {
            Globsubs::ShowForm(viewer);
            QApplication::processEvents();
        }));
        shown = viewer->findChild<TextView *>(QStringLiteral("RichTextBox1"))->lines().bytes().size();
    }
    std::size_t baselineBytes = 0;
    const Bench::Timing baseline = Bench::Time(5, [&] {
        std::ifstream in(out.toStdString(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        baselineBytes = text.str().size();
    });
    std::printf("printed-page file: %.1f MB (%lld bytes shown)\n", size, static_cast<long long>(shown));
    std::printf("viewer load: %s\n", load.text("s").c_str());
    std::printf("baseline (std read of the whole file): %s (%zu bytes)\n", baseline.text("s").c_str(), baselineBytes);
    std::printf("ratio of the medians: %.1fx the baseline (target: viewer load under 1 s)\n",
                load.median() / baseline.median());
    viewer->unload();
    return 0;
}
