#include "core/logic/WorkTables.h"

#include <algorithm>

void TextTable::resize(int fields, int count)
{
    fields = std::max(fields, 0);
    count = std::max(count, 0);
    if (fields == fields_) {
        data_.resize(size_t(fields) * size_t(count));
        count_ = count;
        return;
    }
    std::vector<QString> data(size_t(fields) * size_t(count));
    const int keepFields = std::min(fields, fields_);
    const int keepCount = std::min(count, count_);
    for (int p = 0; p < keepCount; ++p)
        for (int f = 0; f < keepFields; ++f)
            data[size_t(p) * size_t(fields) + size_t(f)] = std::move(data_[size_t(p) * size_t(fields_) + size_t(f)]);
    data_ = std::move(data);
    fields_ = fields;
    count_ = count;
}

QString TextTable::value(int field, int index) const
{
    if (field < 1 || field > fields_ || index < 1 || index > count_)
        return QString();
    return data_[at(field, index)];
}

QString &TextTable::operator()(int field, int index)
{
    Q_ASSERT(field >= 1 && field <= fields_ && index >= 1 && index <= count_);
    return data_[at(field, index)];
}

const QString &TextTable::operator()(int field, int index) const
{
    Q_ASSERT(field >= 1 && field <= fields_ && index >= 1 && index <= count_);
    return data_[at(field, index)];
}

void TextTable::moveUp(int first, int last, int by)
{
    if (first > last || by <= 0 || fields_ == 0)
        return;
    Q_ASSERT(first >= 1 && last + by <= count_);
    auto begin = data_.begin() + qsizetype(at(1, first));
    auto end = data_.begin() + qsizetype(at(1, last + 1));
    std::copy_backward(begin, end, end + qsizetype(by) * fields_);
}

void WorkTables::Reset(int headerFields, int pointFields)
{
    ItemHeader = TextTable();
    ItemHeader.resize(headerFields, 0);
    PointTable = TextTable();
    PointTable.resize(pointFields, 0);
    ItemFirstPoint = {0};
    ItemLastPoint = {0};
    ItemCount = 0;
    PointCount = 0;
    CurrentItem = 0;
    SelectedItem = 0;
}

int WorkTables::AddItem()
{
    SetItemCount(ItemCount + 1);
    return ItemCount;
}

void WorkTables::SetItemCount(int count)
{
    count = std::max(count, 0);
    ItemFirstPoint.resize(count + 1);
    ItemLastPoint.resize(count + 1);
    for (int i = ItemCount + 1; i <= count; ++i)
        ItemFirstPoint[i] = ItemLastPoint[i] = 0;
    ItemHeader.resize(ItemHeader.fieldCount(), count);
    ItemCount = count;
}

bool WorkTables::HasPoints(int item) const
{
    return HasItem(item) && ItemFirstPoint[item] > 0 && ItemLastPoint[item] >= ItemFirstPoint[item];
}

int WorkTables::ItemPointCount(int item) const
{
    return HasPoints(item) ? ItemLastPoint[item] - ItemFirstPoint[item] + 1 : 0;
}

int WorkTables::MakeRoom(int item, int n)
{
    Q_ASSERT(HasItem(item) && n >= 1);
    if (!HasPoints(item)) {
        // Also an item whose run was emptied: its old first point may be where
        // another item's run starts, so it never grows in place.
        ItemFirstPoint[item] = PointCount + 1;
        ItemLastPoint[item] = PointCount;
        PointCount += n;
        PointTable.ensureCount(PointCount);
        return ItemFirstPoint[item];
    }
    const int first = ItemFirstPoint[item];
    const int had = ItemPointCount(item);
    if (n > had) {
        const int grow = n - had;
        const int last = ItemLastPoint[item];
        PointTable.ensureCount(PointCount + grow);
        PointTable.moveUp(last + 1, std::min(PointCount, PointTable.count() - grow), grow);
        PointCount += grow;
        for (int i = 1; i <= ItemCount; ++i) {
            if (i != item && ItemFirstPoint[i] > first) {
                ItemFirstPoint[i] += grow;
                ItemLastPoint[i] += grow;
            }
        }
    }
    PointTable.ensureCount(first + n - 1);
    return first;
}
