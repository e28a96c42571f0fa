#pragma once
// The local soil file (Local_Soil_HSG.txt): the user's own soils with the
// hydrologic soil groups that apply to each. Read item by item: an item is an
// identifier, and the item after a non-blank identifier is its group text
// ("A/C/D"); a blank identifier stands alone, so the end record (one empty
// item) and a stray empty item are passed over.
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace LocalSoilData {

struct LocalSoil
{
    QString Id;     // as read
    QString Groups; // the group text as stored
};

QList<LocalSoil> Parse(QByteArrayView bytes);
QList<LocalSoil> Read(const QString &path, bool *opened = nullptr);

// The letters A to D found in a group text, upper-cased, as four flags.
std::array<bool, 4> GroupFlags(const QString &groups);
// The letters of the set flags in the order A to D, joined by "/".
QString GroupText(const std::array<bool, 4> &flags);

// Bytes of the soils (identifier and group text) and the end record; nothing
// when a field cannot be written to be read back as it is.
std::optional<QByteArray> Bytes(const QList<LocalSoil> &soils);
bool Write(const QString &path, const QList<LocalSoil> &soils, QString *error);

} // namespace LocalSoilData
