#include "sections/network/logic/NetworkFields.h"

#include "core/logic/TextFile.h"

namespace NetworkFields {

QString CutIdentifier(const QString &text) { return text.left(IdentifierWidth); }

bool IsIdentifier(const QString &text) { return !TextFile::isBlank(text); }

bool SameIdentifier(const QString &a, const QString &b)
{
    return TextFile::trimBlanks(a).compare(TextFile::trimBlanks(b), Qt::CaseInsensitive) == 0;
}

QString IdentifierKey(const QString &id) { return TextFile::trimBlanks(id).toCaseFolded(); }

int CodeOption(const QString &code)
{
    const QString first = code.left(1).toUpper();
    if (first.isEmpty() || first == QLatin1String(" "))
        return 3;
    if (first == QLatin1String("Y"))
        return 1;
    if (first == QLatin1String("N"))
        return 2;
    return 0;
}

QString OptionCode(int option)
{
    switch (option) {
    case 1: return QStringLiteral("Y");
    case 2: return QStringLiteral("N");
    default: return QStringLiteral(" ");
    }
}

} // namespace NetworkFields
