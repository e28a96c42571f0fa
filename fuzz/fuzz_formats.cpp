// Reads arbitrary bytes as each of the four set-up working files, writes them
// as their windows would, and checks that a second read and write changes
// nothing and that every written line keeps its fields in their columns. The
// texts of the bytes' fields, written as number fields, must read back as the
// numbers they were.
#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"
#include "sections/setup/logic/RainDistFormat.h"
#include "sections/setup/logic/StormFormat.h"
#include "sections/setup/logic/UnitHydFormat.h"
#include "sections/setup/logic/VerificationFormat.h"

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
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

// Reads the bytes, writes what the window writes, and reads and writes that
// again as the working file would hold it: the second pass must give the same
// lines.
template <typename Parse, typename Write>
QStringList twice(const QByteArray &bytes, Parse parse, Write write)
{
    const QStringList first = write(parse(TextFile::linesOf(bytes)));
    const QStringList second = write(parse(TextFile::linesOf(TextFile::joinLines(first))));
    require(second == first);
    return first;
}

// A number that the field check accepts, once written into a number field,
// reads back as the same number and is accepted again; the writer's two
// routines write it alike.
void checkNumberField(const QString &text)
{
    bool ok = false;
    Globsubs::CheckNumeric(false, text, ok);
    if (!ok)
        return;
    const auto number = Globsubs::ParseNumber(text);
    for (int width : {5, 10, int(text.size()) + 1}) {
        QString written;
        Globsubs::AppendField(written, text, width, true);
        require(Globsubs::ParseNumber(written) == number);
        Globsubs::CheckNumeric(false, written, ok);
        require(ok);
        QString pointed = text;
        Globsubs::AddDecimalPoint(pointed, width);
        Globsubs::PadField(width, pointed);
        require(pointed == written);
    }
}

// Every line whole and in its 10-column fields.
void checkNumberFields(const QStringList &lines)
{
    for (const QString &line : lines) {
        checkNumberField(line);
        for (qsizetype c = 0; c < line.size(); c += 10)
            checkNumberField(line.mid(c, 10));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkNumberFields(TextFile::linesOf(bytes));

    const QStringList uh = twice(bytes, UnitHydFormat::ParseUnitHyd, UnitHydFormat::UnitHydLines);
    checkNoInnerBlank(uh, false);
    for (const QString &line : uh.mid(1))
        require(line.size() <= 70);

    const QStringList rd = twice(bytes, RainDistFormat::ParseRainDist, RainDistFormat::RainDistLines);
    checkNoInnerBlank(rd, true);
    for (const QString &line : rd.mid(1))
        require(line.size() <= 70);

    const QStringList st = twice(bytes, StormFormat::ParseStorm, StormFormat::StormLines);
    checkNoInnerBlank(st, false);
    for (const QString &line : st.mid(1))
        require(line.size() == 80);
    for (const QStringList &record : StormFormat::ParseStorm(TextFile::linesOf(bytes)).records)
        (void)StormFormat::ConditionOption(record.value(StormFormat::Condition));

    const QStringList ve = twice(bytes, VerificationFormat::ParseVerification, VerificationFormat::VerificationLines);
    checkNoInnerBlank(ve, true);
    require(ve.size() <= 4);
    return 0;
}
