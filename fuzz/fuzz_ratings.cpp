// Reads arbitrary bytes as each of the three rating and hydrograph working
// files, writes them as their windows would and reads them again: the second
// read must give what the first write was made from, and every written line
// must keep its fields in their columns.
#include "core/logic/TextFile.h"
#include "sections/ratings/logic/RatingFormats.h"

#include <cstdint>
#include <cstdlib>

using namespace RatingFormats;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// The lines as a file holds them after a write and a read.
QStringList throughFile(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &l : lines)
        bytes += TextFile::toLatin1(l) + "\r\n";
    return SplitLines(bytes);
}

// Only the closing line may be blank, and no line is longer than its fields.
void checkShape(const QStringList &lines, int maxLength)
{
    if (lines.isEmpty())
        return;
    require(lines.last().isEmpty());
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        require(!TextFile::isBlank(lines[i]));
        require(lines[i].size() <= maxLength);
    }
    for (qsizetype i = 1; i + 1 < lines.size(); ++i)
        require(TextFile::isBlank(TextFile::colsRaw(lines[i], 1, 10)));
}

template <typename Parse, typename Write>
Items fixedPoint(const QStringList &input, Parse parse, Write write, int maxLength)
{
    Items first = parse(input);
    const QStringList written = write(first);
    checkShape(written, maxLength);
    const Items second = parse(throughFile(written));
    require(write(second) == written);
    return first;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = SplitLines(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    fixedPoint(lines, Struct::Parse, Struct::Lines, 50);
    fixedPoint(lines, Xsect::Parse, Xsect::Lines, 70);
    const Items items = fixedPoint(lines, InpHyd::Parse, InpHyd::Lines, 80);
    // Rows kept apart from their items must come back to the same items.
    WorkTables work;
    ToWorkTables(items, InpHyd::HeaderFields, InpHyd::PointFields, work);
    require(FromWorkTables(work, InpHyd::HeaderFields, InpHyd::PointFields) == items);
    return 0;
}
