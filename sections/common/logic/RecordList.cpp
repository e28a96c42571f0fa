#include "sections/common/logic/RecordList.h"

#include "core/logic/TextFile.h"

namespace RecordList {

bool SameIdentifier(const QString &a, const QString &b, Qt::CaseSensitivity cs)
{
    return TextFile::trimBlanks(a).compare(TextFile::trimBlanks(b), cs) == 0;
}

int Find(const WorkTables &work, const QString &id, int field, Qt::CaseSensitivity cs, Pick pick)
{
    int found = 0;
    for (int k = 1; k <= work.ItemCount; ++k) {
        if (SameIdentifier(work.ItemHeader.value(field, k), id, cs)) {
            found = k;
            if (pick == Pick::First)
                break;
        }
    }
    return found;
}

int FindKey(const WorkTables &work, const QList<int> &fields, const QStringList &values, Qt::CaseSensitivity cs)
{
    for (int k = 1; k <= work.ItemCount; ++k) {
        bool same = true;
        for (qsizetype i = 0; i < fields.size() && same; ++i)
            same = SameIdentifier(work.ItemHeader.value(fields[i], k), values.value(i), cs);
        if (same)
            return k;
    }
    return 0;
}

int Add(WorkTables &work, const QStringList &fields)
{
    const int k = work.AddItem();
    SetFields(work, k, fields);
    return k;
}

QStringList Fields(const WorkTables &work, int k)
{
    QStringList fields;
    for (int f = 1; f <= work.ItemHeader.fieldCount(); ++f)
        fields << work.ItemHeader.value(f, k);
    return fields;
}

void SetFields(WorkTables &work, int k, const QStringList &fields)
{
    if (!work.HasItem(k))
        return;
    const int n = std::min(int(fields.size()), work.ItemHeader.fieldCount());
    for (int f = 1; f <= n; ++f)
        work.ItemHeader(f, k) = fields[f - 1];
}

bool Rename(WorkTables &work, int k, const QString &id, int field, Qt::CaseSensitivity cs)
{
    if (!work.HasItem(k) || field < 1 || field > work.ItemHeader.fieldCount())
        return false;
    for (int other = 1; other <= work.ItemCount; ++other)
        if (other != k && SameIdentifier(work.ItemHeader.value(field, other), id, cs))
            return false;
    work.ItemHeader(field, k) = id;
    return true;
}

void ClearPoints(WorkTables &work, int k)
{
    if (!work.HasItem(k))
        return;
    if (work.HasPoints(k)) {
        const int first = work.ItemFirstPoint[k];
        const int n = work.ItemPointCount(k);
        for (int p = first + n; p <= work.PointCount; ++p)
            for (int f = 1; f <= work.PointTable.fieldCount(); ++f)
                work.PointTable(f, p - n) = work.PointTable(f, p);
        for (int i = 1; i <= work.ItemCount; ++i) {
            if (i != k && work.HasPoints(i) && work.ItemFirstPoint[i] > first) {
                work.ItemFirstPoint[i] -= n;
                work.ItemLastPoint[i] -= n;
            }
        }
        work.PointCount -= n;
        work.PointTable.resize(work.PointTable.fieldCount(), work.PointCount);
    }
    work.ItemFirstPoint[k] = 0;
    work.ItemLastPoint[k] = 0;
}

void Remove(WorkTables &work, int k)
{
    if (!work.HasItem(k))
        return;
    ClearPoints(work, k);
    for (int i = k; i < work.ItemCount; ++i) {
        for (int f = 1; f <= work.ItemHeader.fieldCount(); ++f)
            work.ItemHeader(f, i) = work.ItemHeader(f, i + 1);
        work.ItemFirstPoint[i] = work.ItemFirstPoint[i + 1];
        work.ItemLastPoint[i] = work.ItemLastPoint[i + 1];
    }
    work.SetItemCount(work.ItemCount - 1);
    auto follow = [k](int &item) {
        if (item == k)
            item = 0;
        else if (item > k)
            --item;
    };
    follow(work.CurrentItem);
    follow(work.SelectedItem);
}

} // namespace RecordList
