#include "NetworkData.h"

#include <QString>

namespace Bench {

SubAreaRecord MakeSubArea(int i)
{
    static const char *const uses[] = {"Open Space (Good)", "Woods (Fair)", "Pasture (Good)"};
    SubAreaRecord s;
    auto &f = s.Field;
    f[1] = QStringLiteral("S%1").arg(i);
    f[2] = QStringLiteral("R%1").arg(i);
    f[3] = QStringLiteral("G%1").arg(i % 5 + 1);
    f[4] = QString::number(0.5 + i % 97);
    f[7] = QStringLiteral("Y");
    f[12] = QStringLiteral("100");
    f[13] = QStringLiteral("0.02");
    f[15] = QStringLiteral("F");
    f[19] = QStringLiteral("2500");
    f[24] = QStringLiteral("2.5");
    for (int k = 0; k < 3; ++k)
        s.Land.append({QString::fromLatin1(uses[k]), QString(QLatin1Char(char('A' + (i + k) % 4))),
                       QString::number(10 + k)});
    return s;
}

QList<SubAreaRecord> MakeSubAreas(int count)
{
    QList<SubAreaRecord> list;
    list.reserve(count);
    for (int i = 1; i <= count; ++i)
        list.append(MakeSubArea(i));
    return list;
}

ReachRecord MakeReach(int i, int count)
{
    ReachRecord r;
    auto &f = r.Field;
    f[1] = QStringLiteral("R%1").arg(i);
    f[2] = i == count ? QStringLiteral("OUTLET") : QStringLiteral("R%1").arg(i + 1);
    f[3] = QStringLiteral("X%1").arg(i % 50 + 1);
    f[5] = QStringLiteral("1200");
    f[6] = QStringLiteral("1100");
    f[8] = QStringLiteral("Y");
    f[9] = QStringLiteral("N");
    if (i % 10 == 0)
        f[7] = QStringLiteral("0.5");
    return r;
}

QList<ReachRecord> MakeReaches(int count)
{
    QList<ReachRecord> list;
    list.reserve(count);
    for (int i = 1; i <= count; ++i)
        list.append(MakeReach(i, count));
    return list;
}

} // namespace Bench
