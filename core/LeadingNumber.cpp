#include "core/LeadingNumber.h"

#include <QByteArray>
#include <cstdlib>

namespace Grid_Stuff {

double LeadingNumber(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    QByteArray number;
    auto isDigit = [&](qsizetype k) { return k < n && text.at(k) >= QLatin1Char('0') && text.at(k) <= QLatin1Char('9'); };
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        number.append(char(text.at(i++).unicode()));
    int digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        if (isDigit(i)) {
            ++digits;
            number.append(char(text.at(i).unicode()));
        } else if (text.at(i) == QLatin1Char('.') && !point) {
            point = true;
            number.append('.');
        } else {
            break;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        qsizetype k = i + 1;
        QByteArray exponent("e");
        if (k < n && (text.at(k) == QLatin1Char('+') || text.at(k) == QLatin1Char('-')))
            exponent.append(char(text.at(k++).unicode()));
        if (isDigit(k)) {
            while (isDigit(k))
                exponent.append(char(text.at(k++).unicode()));
            number.append(exponent);
        }
    }
    // The bytes are plain ASCII digits, so the C locale's reading applies.
    return std::strtod(number.constData(), nullptr);
}

} // namespace Grid_Stuff
