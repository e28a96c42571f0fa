#include "sections/common/logic/InvalidValue.h"

#include "core/logic/Dialogs.h"
#include "core/logic/TextFile.h"

namespace InvalidValues {

QString Message(const InvalidValue &value)
{
    QString where = value.fieldName;
    if (!value.recordName.isEmpty())
        where = value.recordName + QStringLiteral(" - ") + where;
    return QStringLiteral("%1: \"%2\" is not a valid value.").arg(where, TextFile::trimBlanks(value.text));
}

void Tell(const InvalidValue &value, const QString &title)
{
    Dialogs::message(Message(value), Dialogs::Buttons::OK, Dialogs::Icon::Exclamation, title);
}

} // namespace InvalidValues
