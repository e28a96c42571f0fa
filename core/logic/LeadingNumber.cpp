#include "core/logic/LeadingNumber.h"

#include <QByteArray>
#include <cmath>

namespace Globsubs {

double LeadingNumber(const QString &text)
{
    QByteArray s;
    for (QChar c : text)
        if (c != QLatin1Char(' '))
            s.append(c.toLatin1());
    int i = 0;
    const int len = int(s.size());
    auto digits = [&] {
        const int from = i;
        while (i < len && s[i] >= '0' && s[i] <= '9')
            ++i;
        return i - from;
    };
    if (i < len && (s[i] == '+' || s[i] == '-'))
        ++i;
    int mantissaDigits = digits();
    if (i < len && s[i] == '.') {
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0)
        return 0.0;
    int end = i;
    if (i < len && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < len && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digits() > 0)
            end = i;
    }
    bool ok = false;
    const double v = s.left(end).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

} // namespace Globsubs
