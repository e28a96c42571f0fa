// Splits arbitrary bytes as an input file and joins the working files again.
#include "core/logic/Editglob.h"
#include "core/logic/InputFileStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static const bool ready = Editglob::InitProjectState(dir.path());
    (void)ready;
    const QString input = dir.filePath(QStringLiteral("in.inp"));
    {
        QFile f(input);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    QDir temp(Editglob::TempDir);
    for (const QString &n : temp.entryList({QStringLiteral("*.tmp")}, QDir::Files))
        temp.remove(n);
    InputFileStore::Split(input, Editglob::TmpFile);
    InputFileStore::Join(Editglob::TmpFile, dir.filePath(QStringLiteral("out.inp")), nullptr);
    return 0;
}
