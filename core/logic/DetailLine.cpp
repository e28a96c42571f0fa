#include "core/logic/DetailLine.h"

#include <algorithm>

namespace DetailLine {

namespace {

// Columns 21-30 trimmed of blanks (a tab is data), for text or bytes alike.
template <typename View>
View KeywordOf(View line)
{
    if (line.size() <= 20)
        return {};
    View v = line.sliced(20, std::min<qsizetype>(10, line.size() - 20));
    while (!v.isEmpty() && v.front() == QLatin1Char(' '))
        v = v.sliced(1);
    while (!v.isEmpty() && v.back() == QLatin1Char(' '))
        v.chop(1);
    return v;
}

template <typename View>
bool IsLandRowIn(View line)
{
    const View keyword = KeywordOf(line);
    return keyword.compare(QLatin1StringView("LAND AREA"), Qt::CaseInsensitive) == 0
           || keyword.compare(QLatin1StringView("WEIGHT CN"), Qt::CaseInsensitive) == 0;
}

} // namespace

bool HasKeyword(QStringView line, QLatin1StringView keyword)
{
    return KeywordOf(line).compare(keyword, Qt::CaseInsensitive) == 0;
}

bool IsLandRow(QStringView line) { return IsLandRowIn(line); }

bool IsLandRow(QLatin1StringView line) { return IsLandRowIn(line); }

} // namespace DetailLine
