#pragma once
// Reach and sub-area records built field by field, and working-file lines
// with texts placed by column, for the network format tests.
#include "sections/common/logic/SubAreaRecord.h"
#include "sections/network/logic/ReachRecord.h"

#include <QList>
#include <QString>
#include <initializer_list>
#include <utility>

namespace NetworkRecords {

// Field numbers with their texts.
using Fields = std::initializer_list<std::pair<int, const char *>>;

inline QString L1(const char *text) { return QString::fromLatin1(text); }

// A line's text, given as Latin-1 bytes or as a QString.
struct Text
{
    Text(const char *text) : value(QString::fromLatin1(text)) {}
    Text(QString text) : value(std::move(text)) {}
    QString value;
};

// A line with texts placed at 1-based columns, blank-filled to `width`.
inline QString at(std::initializer_list<std::pair<int, Text>> fields, int width = 0)
{
    QString line;
    for (const auto &[column, text] : fields) {
        if (line.size() < column - 1)
            line += QString(column - 1 - line.size(), QLatin1Char(' '));
        line += text.value;
    }
    return line.leftJustified(width, QLatin1Char(' '));
}

inline ReachRecord reach(Fields fields)
{
    ReachRecord r;
    for (const auto &[n, text] : fields)
        r.Field[size_t(n)] = L1(text);
    return r;
}

inline SubAreaRecord subArea(Fields fields, QList<LandRow> land = {})
{
    SubAreaRecord s;
    for (const auto &[n, text] : fields)
        s.Field[size_t(n)] = L1(text);
    s.Land = land;
    return s;
}

inline LandRow land(const char *name, const char *soil, const char *area) { return {L1(name), L1(soil), L1(area)}; }

} // namespace NetworkRecords
