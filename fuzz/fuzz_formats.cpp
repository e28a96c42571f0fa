// Reads arbitrary bytes as each of the four set-up working files, writes them
// as their windows would, and checks that a second read and write changes
// nothing and that every written line keeps its fields in their columns.
#include "core/logic/TextFile.h"
#include "sections/setup/logic/RainDistFormat.h"
#include "sections/setup/logic/StormFormat.h"
#include "sections/setup/logic/UnitHydFormat.h"
#include "sections/setup/logic/VerificationFormat.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void writeBytes(const QString &path, const uint8_t *data, size_t size)
{
    QFile f(path);
    require(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(reinterpret_cast<const char *>(data), qint64(size));
}

// No line but a closing empty one may be blank: a blank line ends a section
// when the input file is read again.
void checkNoInnerBlank(const QStringList &lines, bool endsEmpty)
{
    const qsizetype inner = endsEmpty && !lines.isEmpty() ? lines.size() - 1 : lines.size();
    for (qsizetype i = 0; i < inner; ++i)
        require(!TextFile::isBlank(lines[i]));
    if (endsEmpty && !lines.isEmpty())
        require(lines.last().isEmpty());
}

// Reads `path`, writes what the window writes back into it, and does it again:
// the second pass must give the same lines.
template <typename Read, typename Write>
QStringList twice(const QString &path, Read read, Write write)
{
    const QStringList first = write(read(path));
    require(TextFile::writeLines(path, first));
    const QStringList second = write(read(path));
    require(second == first);
    return first;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("~work.tmp"));

    writeBytes(path, data, size);
    const QStringList uh = twice(path, UnitHydFormat::ReadUnitHyd, UnitHydFormat::UnitHydLines);
    checkNoInnerBlank(uh, false);
    for (const QString &line : uh.mid(1))
        require(line.size() <= 70);

    writeBytes(path, data, size);
    const QStringList rd = twice(path, RainDistFormat::ReadRainDist, RainDistFormat::RainDistLines);
    checkNoInnerBlank(rd, true);
    for (const QString &line : rd.mid(1))
        require(line.size() <= 70);

    writeBytes(path, data, size);
    const QStringList st = twice(path, StormFormat::ReadStorm, StormFormat::StormLines);
    checkNoInnerBlank(st, false);
    for (const QString &line : st.mid(1))
        require(line.size() == 80);
    for (const QStringList &record : StormFormat::ReadStorm(path).records)
        (void)StormFormat::ConditionOption(record.value(StormFormat::Condition));

    writeBytes(path, data, size);
    const QStringList ve = twice(path, VerificationFormat::ReadVerification, VerificationFormat::VerificationLines);
    checkNoInnerBlank(ve, true);
    require(ve.size() <= 4);
    return 0;
}
