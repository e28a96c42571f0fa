#pragma once
// The local land-use file (Local_Land_Use_Data.txt): the user's own land uses
// with their runoff curve numbers for the hydrologic soil groups A to D. One
// record a line, five items (name, CN A, CN B, CN C, CN D), quoted unless
// they hold a quote; the last line is the terminator, one empty item.
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace LocalLandUseData {

// A name must fit the 35 columns of a LAND AREA line.
constexpr int MaxNameLength = 35;

struct LocalLandUse
{
    QString Name;                // as read or typed
    std::array<QString, 4> CN;   // curve numbers of groups A to D, as texts
};

// The records of the file's bytes: the first five items of each line (missing
// ones empty); a line whose name is blank (the terminator) names no land use
// and is passed over, wherever it stands.
QList<LocalLandUse> Parse(QByteArrayView bytes);
// The same from the file; an empty list when it cannot be read.
QList<LocalLandUse> Read(const QString &path, bool *opened = nullptr);

// Bytes of the records and the terminator; nothing when a field cannot be
// written to be read back as it is.
std::optional<QByteArray> Bytes(const QList<LocalLandUse> &records);
// Replaces the file through a save file; false with the reason when it could
// not be written (the old file then stays as it was).
bool Write(const QString &path, const QList<LocalLandUse> &records, QString *error);

// True when every field of a record the program adds can be written between
// quotes, as the records it writes are.
bool CanAdd(const LocalLandUse &record);
// True when every field can be written in some form and read back as it is,
// as every record the file holds can.
bool CanHold(const LocalLandUse &record);

// The check of the curve number of group `group` (0 for A to 3 for D): blank
// (the land use is not on that group) or a number from 30 to 100 not below
// the curve number of the group before it.
bool CurveNumberPasses(const std::array<QString, 4> &cn, int group);
// The order part of that check alone: blank, group A, or not below the
// curve number of the group before it.
bool CurveNumberInOrder(const std::array<QString, 4> &cn, int group);

// Land-use names are matched trimmed and without regard to case.
QString NameKey(const QString &name);

} // namespace LocalLandUseData
