#include "core/logic/IdentifierLists.h"

#include "core/logic/Editglob.h"
#include "core/logic/Fields.h"
#include "core/logic/TextFile.h"
#include "sections/network/logic/AlternateFormat.h"

#include <QHash>
#include <QSet>
#include <cmath>
#include <limits>
#include <optional>

using TextFile::cols;

namespace Globsubs {

namespace {

QString uniqueKey(const QString &text) { return TextFile::trimBlanks(text).toUpper(); }

} // namespace

UniqueAdder::UniqueAdder(const ListRef &list) : list_(list)
{
    const int n = list.ListCount();
    keys_.reserve(n);
    for (int i = 0; i < n; ++i)
        keys_.insert(uniqueKey(list.List(i)));
}

void UniqueAdder::add(const QString &item)
{
    const QString key = uniqueKey(item);
    if (keys_.contains(key))
        return;
    keys_.insert(key);
    list_.AddItem(TextFile::trimBlanks(item));
}

namespace {

SectionBytesSource &sectionSource()
{
    static SectionBytesSource source;
    return source;
}

// The lines of the last section handed over by the source. The fillers read
// the same sections over and over; the bytes are split once while they stay
// the same. Holding the array keeps its data alive, so an unchanged pointer
// means unchanged bytes.
struct SplitCache
{
    QByteArray bytes;
    QStringList lines;
};

const QStringList &splitLines(const QByteArray &bytes)
{
    static SplitCache cache;
    const bool same = (bytes.constData() == cache.bytes.constData() && bytes.size() == cache.bytes.size())
        || bytes == cache.bytes;
    if (!same || cache.bytes.isNull()) {
        cache.lines = TextFile::linesOf(bytes);
        cache.bytes = bytes;
    }
    return cache.lines;
}

// Calls `fn` for every line of working file `slot` (header included) until it
// returns false.
template <class Fn> void forEachLine(int slot, Fn fn)
{
    if (sectionSource()) {
        const QByteArray bytes = sectionSource()(slot);
        if (bytes.isNull())
            return;
        const QStringList lines = splitLines(bytes);
        for (const QString &line : lines)
            if (!fn(line))
                return;
        return;
    }
    TextFile::LineReader reader(Editglob::TmpFile[slot]);
    if (!reader.isOpen())
        return;
    QString line;
    while (reader.readLine(line))
        if (!fn(line))
            return;
}

// Calls `fn` for every line after the header of working file `slot`.
template <class Fn> void forEachRecord(int slot, Fn fn)
{
    bool header = true;
    forEachLine(slot, [&](const QString &line) {
        if (!header)
            fn(line);
        header = false;
        return true;
    });
}

bool isMainLine(const QString &line) { return !cols(line, 11, 20).isEmpty(); }

bool isSplitFlowLine(const QString &line)
{
    return cols(line, 11, 20).isEmpty() && cols(line, 21, 30).toUpper() == QLatin1String("SPLIT FLOW");
}

// The record identifiers (columns 11-20) of the REACHES or AREAS blocks of
// ~Alter.tmp, by the rules of the section's reader: the scan ends at the first
// blank line, an alternate line closes both blocks, and only a block line as
// the writer emits it switches blocks (a record named AREAS is a record).
void scanAlterBlocks(AlternateFormat::Block wanted, UniqueAdder &adder)
{
    AlternateFormat::Block block = AlternateFormat::Block::None;
    bool header = true;
    forEachLine(Editglob::SecAlternate, [&](const QString &line) {
        if (header) {
            header = false;
            return true;
        }
        if (TextFile::isBlank(line))
            return false;
        if (!cols(line, 1, 10).isEmpty()) {
            block = AlternateFormat::Block::None;
            return true;
        }
        if (const auto opened = AlternateFormat::BlockOf(line, block); opened != AlternateFormat::Block::None) {
            block = opened;
            return true;
        }
        const QString id = cols(line, 11, 20);
        if (block == wanted && !id.isEmpty())
            adder.add(id);
        return true;
    });
}

bool singleValue(const QString &text, float &result)
{
    const auto value = ParseNumber(text);
    if (!value || std::fabs(*value) > double(std::numeric_limits<float>::max()))
        return false;
    result = float(*value);
    return true;
}

} // namespace

const QStringList &StandardRainDistributions()
{
    static const QStringList names{
        QStringLiteral("Type I"),     QStringLiteral("Type IA"),    QStringLiteral("Type II"),
        QStringLiteral("Type III"),   QStringLiteral("Type I(48)"), QStringLiteral("TypeII(48)"),
        QStringLiteral("Type NM60"),  QStringLiteral("Type NM65"),  QStringLiteral("Type NM70"),
        QStringLiteral("Type NM75")};
    return names;
}

void SetSectionBytesSource(SectionBytesSource source) { sectionSource() = std::move(source); }

void AddUniqueItem(const ListRef &list, const QString &item)
{
    const QString key = uniqueKey(item);
    const int n = list.ListCount();
    for (int i = 0; i < n; ++i)
        if (uniqueKey(list.List(i)) == key)
            return;
    list.AddItem(TextFile::trimBlanks(item));
}

void RemoveCurrentItem(const ListRef &list)
{
    const QString current = list.Text();
    const int n = list.ListCount();
    for (int i = 0; i < n; ++i) {
        if (list.List(i) == current) {
            list.RemoveItem(i);
            return;
        }
    }
}

void LookupSubAreaField(const QString &name, QString &result)
{
    bool header = true;
    forEachLine(Editglob::SecSubArea, [&](const QString &line) {
        if (header) {
            header = false;
            return true;
        }
        if (cols(line, 11, 20) == name) {
            result = cols(line, 31, 40);
            return false;
        }
        return true;
    });
}

void FillAlternateList(const ListRef &list, bool addBlank)
{
    UniqueAdder adder(list);
    forEachRecord(Editglob::SecAlternate, [&](const QString &line) {
        const QString id = cols(line, 1, 10);
        if (!id.isEmpty())
            adder.add(id);
    });
    if (addBlank)
        list.AddItem(QString(10, QLatin1Char(' ')));
}

void FillInputHydList(const ListRef &list)
{
    UniqueAdder adder(list);
    forEachRecord(Editglob::SecInpHyd, [&](const QString &line) {
        if (isMainLine(line))
            adder.add(cols(line, 11, 20));
    });
}

void FillLocationList(const ListRef &list, bool removeOutlet)
{
    {
        UniqueAdder adder(list);
        forEachRecord(Editglob::SecInpHyd, [&](const QString &line) {
            if (isMainLine(line))
                adder.add(cols(line, 21, 30));
        });
        forEachRecord(Editglob::SecReach, [&](const QString &line) {
            if (isMainLine(line)) {
                adder.add(cols(line, 11, 20));
                adder.add(cols(line, 21, 30));
            } else if (isSplitFlowLine(line)) {
                adder.add(cols(line, 31, 40));
            }
        });
        forEachRecord(Editglob::SecSubArea, [&](const QString &line) {
            if (isMainLine(line))
                adder.add(cols(line, 21, 30));
        });
        scanAlterBlocks(AlternateFormat::Block::Reaches, adder);
    }
    if (removeOutlet) {
        for (int i = list.ListCount() - 1; i >= 0; --i)
            if (list.List(i).toUpper() == QLatin1String("OUTLET"))
                list.RemoveItem(i);
    }
}

void FillStormList(const ListRef &list)
{
    UniqueAdder adder(list);
    forEachRecord(Editglob::SecInpHyd, [&](const QString &line) {
        if (isMainLine(line))
            adder.add(cols(line, 31, 40));
    });
    forEachRecord(Editglob::SecStorm, [&](const QString &line) {
        if (isMainLine(line))
            adder.add(cols(line, 11, 20));
    });
}

void FillRainGageList(const ListRef &list)
{
    using namespace Editglob;
    // Emptied first in every case: a missing or empty file must not leave the
    // gages of an earlier data set behind.
    RainGageIds = {QString()};
    RainGageTwoYear = {0.0f};
    RainGageCount = 0;
    UniqueAdder adder(list);
    QHash<QString, int> entryOf;
    forEachRecord(SecStorm, [&](const QString &line) {
        const QString gage = cols(line, 21, 30);
        if (!gage.isEmpty())
            adder.add(gage);
        const QString rainText = cols(line, 71, 80);
        float rain = 0.0f;
        const bool hasRain = !rainText.isEmpty() && singleValue(rainText, rain);
        const auto found = entryOf.constFind(gage);
        if (found != entryOf.constEnd()) {
            if (hasRain)
                RainGageTwoYear[*found] = rain;
            return;
        }
        ++RainGageCount;
        entryOf.insert(gage, RainGageCount);
        RainGageIds.append(gage);
        RainGageTwoYear.append(hasRain ? rain : 0.0f);
    });
    forEachRecord(SecSubArea, [&](const QString &line) {
        if (isMainLine(line))
            adder.add(cols(line, 31, 40));
    });
}

void FillRainDistList(bool addStandard, const ListRef &list)
{
    const QStringList &standard = StandardRainDistributions();
    if (addStandard)
        for (const QString &name : standard)
            list.AddItem(name);
    QSet<QString> standardKeys;
    for (const QString &name : standard)
        standardKeys.insert(name.toUpper());
    UniqueAdder adder(list);
    forEachRecord(Editglob::SecRainDist, [&](const QString &line) {
        if (isMainLine(line))
            adder.add(cols(line, 11, 20));
    });
    forEachRecord(Editglob::SecStorm, [&](const QString &line) {
        const QString table = cols(line, 51, 60);
        if (!table.isEmpty() && !standardKeys.contains(table.toUpper()))
            adder.add(table);
    });
}

void FillStructureList(const ListRef &list)
{
    UniqueAdder adder(list);
    forEachRecord(Editglob::SecStruct, [&](const QString &line) {
        if (isMainLine(line))
            adder.add(cols(line, 11, 20));
    });
    forEachRecord(Editglob::SecReach, [&](const QString &line) {
        const QString structure = cols(line, 41, 50);
        if (isMainLine(line) && !structure.isEmpty())
            adder.add(structure);
    });
}

void FillSubAreaList(const ListRef &list)
{
    UniqueAdder adder(list);
    forEachRecord(Editglob::SecSubArea, [&](const QString &line) {
        if (isMainLine(line))
            adder.add(cols(line, 11, 20));
    });
    scanAlterBlocks(AlternateFormat::Block::Areas, adder);
}

void FillXsectList(const ListRef &list)
{
    UniqueAdder adder(list);
    // A header line that an import left inside the section (columns 1-10 not
    // blank) names no cross section.
    forEachRecord(Editglob::SecXsect, [&](const QString &line) {
        if (isMainLine(line) && cols(line, 1, 10).isEmpty())
            adder.add(cols(line, 11, 20));
    });
    forEachRecord(Editglob::SecReach, [&](const QString &line) {
        if (isMainLine(line))
            adder.add(cols(line, 31, 40));
        else if (isSplitFlowLine(line))
            adder.add(cols(line, 41, 50));
    });
}

} // namespace Globsubs
