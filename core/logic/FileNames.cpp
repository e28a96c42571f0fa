#include "core/logic/FileNames.h"
#include "core/logic/TextFile.h"

#include <algorithm>

namespace Run_Save_Open {

qsizetype LastSeparator(const QString &name)
{
    return std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
}

QString StripExtension(const QString &name)
{
    // Only a dot of the file part counts: a dotted folder must never turn the
    // output files of one input file into files of another folder.
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0 && dot > LastSeparator(name))
        return name.left(dot + 1);
    return name + QLatin1Char('.');
}

QString WithInputExtension(const QString &name)
{
    if (name.isEmpty() || name.mid(LastSeparator(name) + 1).contains(QLatin1Char('.')))
        return name;
    return name + QStringLiteral(".inp");
}

bool IsPlausibleFileName(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == QChar::ReplacementCharacter)
            return false;
    return true;
}

QString GetPath(const QString &name)
{
    const qsizetype sep = LastSeparator(TextFile::trimBlanks(name));
    if (sep < 0)
        return name;
    // The position is counted in the trimmed name; leading blanks shift it.
    qsizetype lead = 0;
    while (lead < name.size() && name.at(lead) == QLatin1Char(' '))
        ++lead;
    return name.left(lead + sep + 1);
}

} // namespace Run_Save_Open
