#include "sections/network/logic/NetworkTables.h"

namespace NetworkTables {

namespace {

template <size_t N> void PutFields(WorkTables &work, int k, std::array<QString, N> &fields, int count)
{
    for (int f = 1; f <= count; ++f)
        work.ItemHeader(f, k) = std::move(fields[size_t(f)]);
}

template <size_t N> void GetFields(const WorkTables &work, int k, std::array<QString, N> &fields, int count)
{
    for (int f = 1; f <= count; ++f)
        fields[size_t(f)] = work.ItemHeader.value(f, k);
}

void AppendRows(WorkTables &work, int k, QList<LandRow> &rows)
{
    if (rows.isEmpty())
        return;
    const int first = work.PointCount + 1;
    work.PointCount += int(rows.size());
    work.PointTable.ensureCount(work.PointCount);
    int p = first;
    for (LandRow &row : rows) {
        work.PointTable(1, p) = std::move(row.LandUseName);
        work.PointTable(2, p) = std::move(row.SoilGroup);
        work.PointTable(3, p) = std::move(row.LandArea);
        ++p;
    }
    work.ItemFirstPoint[k] = first;
    work.ItemLastPoint[k] = work.PointCount;
}

} // namespace

void AppendReaches(WorkTables &work, QList<ReachRecord> reaches)
{
    const int first = work.ItemCount + 1;
    work.SetItemCount(work.ItemCount + int(reaches.size()));
    work.ItemHeader.ensureCount(work.ItemCount);
    for (int k = first; k <= work.ItemCount; ++k)
        PutFields(work, k, reaches[k - first].Field, ReachFields);
}

void AppendSubAreas(WorkTables &work, QList<SubAreaRecord> subAreas)
{
    const int first = work.ItemCount + 1;
    work.SetItemCount(work.ItemCount + int(subAreas.size()));
    work.ItemHeader.ensureCount(work.ItemCount);
    qsizetype rows = 0;
    for (const SubAreaRecord &s : subAreas)
        rows += s.Land.size();
    work.PointTable.ensureCount(work.PointCount + int(rows));
    for (int k = first; k <= work.ItemCount; ++k) {
        SubAreaRecord &s = subAreas[k - first];
        PutFields(work, k, s.Field, SubAreaFields);
        AppendRows(work, k, s.Land);
    }
}

void AppendSubArea(WorkTables &work, SubAreaRecord &&subArea)
{
    const int k = work.AddItem();
    work.ItemHeader.ensureCount(k);
    PutFields(work, k, subArea.Field, SubAreaFields);
    AppendRows(work, k, subArea.Land);
}

ReachRecord Reach(const WorkTables &work, int k)
{
    ReachRecord r;
    GetFields(work, k, r.Field, ReachFields);
    return r;
}

SubAreaRecord SubArea(const WorkTables &work, int k)
{
    SubAreaRecord s;
    GetFields(work, k, s.Field, SubAreaFields);
    if (HasLandRows(work, k))
        for (int p = work.ItemFirstPoint[k]; p <= work.ItemLastPoint[k]; ++p)
            s.Land.append({work.PointTable.value(1, p), work.PointTable.value(2, p), work.PointTable.value(3, p)});
    return s;
}

QList<ReachRecord> Reaches(const WorkTables &work)
{
    QList<ReachRecord> list;
    list.reserve(work.ItemCount);
    for (int k = 1; k <= work.ItemCount; ++k)
        list.append(Reach(work, k));
    return list;
}

QList<SubAreaRecord> SubAreas(const WorkTables &work)
{
    QList<SubAreaRecord> list;
    list.reserve(work.ItemCount);
    for (int k = 1; k <= work.ItemCount; ++k)
        list.append(SubArea(work, k));
    return list;
}

bool HasLandRows(const WorkTables &work, int k) { return work.HasItem(k) && work.HasPoints(k); }

void SetLandRows(WorkTables &work, int k, const QList<LandRow> &rows)
{
    if (!work.HasItem(k))
        return;
    const int need = int(rows.size());
    if (need == 0) {
        work.ItemFirstPoint[k] = 0;
        work.ItemLastPoint[k] = 0;
        return;
    }
    // A shorter list leaves the rest of the run as dead points, never written.
    const int first = work.MakeRoom(k, need);
    for (int i = 0; i < need; ++i) {
        work.PointTable(1, first + i) = rows[i].LandUseName;
        work.PointTable(2, first + i) = rows[i].SoilGroup;
        work.PointTable(3, first + i) = rows[i].LandArea;
    }
    work.ItemFirstPoint[k] = first;
    work.ItemLastPoint[k] = first + need - 1;
}

} // namespace NetworkTables
