#pragma once
// What the working-file formats of the set-up sections share: the item
// shape the table windows load into their work tables, the five-value lines of
// the value series, and the rules that keep every field inside its columns.
#include "core/logic/LeadingNumber.h"
#include <QString>
#include <QStringList>

namespace SetupFormat {

// One item as the work tables hold it: its header fields and its values, all
// as texts.
struct FormatItem
{
    QStringList header;
    QStringList values;

    bool operator==(const FormatItem &) const = default;
};

// Nearly every record field is 10 columns wide.
inline constexpr int FieldWidth = 10;
inline constexpr int ValuesPerLine = 5;

using Globsubs::LeadingNumber;

// A number field's text made to fit `width` columns, so that it never pushes
// the later fields of its line out of their columns: a longer number is
// rounded to the most decimals that fit; a longer text that is no number (or
// whose whole part alone is too wide) is cut.
QString FitNumber(const QString &text, int width = FieldWidth);

// A text field cut to `width` characters; a longer text loses its surrounding
// blanks first, so that the cut keeps as much of it as it can.
QString FitText(const QString &text, int width = FieldWidth);

// True when columns 21-70 of a line hold anything but blanks.
bool IsValueLine(const QString &line);

// The non-blank fields of a value line (columns 21, 31, 41, 51, 61, ten
// each), trimmed, in order.
QStringList ValueLineFields(const QString &line);

// The values with any blank one left out. A blank value would read back as no
// value at all, and a line of five blank ones would end the section early.
QStringList NonBlankValues(const QStringList &values);

// Appends the value lines of a series: 20 blanks, then up to five number
// fields of 10 columns each.
void AppendValueLines(QStringList &lines, const QStringList &values);

// A section header line: the text blank-filled to `width` columns.
QString HeaderLine(const QString &text, int width);

// The record lines of a working file: those after its header line, up to the
// first blank line, which ends the section.
QStringList RecordLines(const QStringList &lines);

} // namespace SetupFormat
