#pragma once
// The fixed-column field writer and the checks that entry windows run on the
// text of an entry box. Pure functions: no messages, no widgets.
#include <QString>
#include <optional>

namespace Globsubs {

// Appends one field: a number field is trimmed and gets a "." when it has none
// and room for it (before the exponent of a number: 1.E1); then the text is
// blank-filled to `width` (never cut).
void AppendField(QString &line, const QString &value, int width, bool isNumber);
void AppendField(QString &line, int value, int width, bool isNumber);
void AppendField(QString &line, double value, int width, bool isNumber);

void AddDecimalPoint(QString &text, int width);
void PadField(int width, QString &text);

// Plain decimal text of a number, without exponent or leading blank.
QString NumberText(double value);

// Strict number reading of typed text: surrounding blanks, an optional sign,
// digits with at most one ".", an optional exponent. No locale, no inf or nan.
std::optional<double> ParseNumber(const QString &text);

// True when `text` is a number that can be written into a field of `width`
// columns without changing more than its last decimals: its whole part (sign
// included) fits.
bool FitsNumberField(const QString &text, int width);

void CheckLength(int minLen, int maxLen, const QString &text, bool &ok, QString &result);
void CheckIntegerRange(bool allowBlank, double min, double max, const QString &text, bool &ok,
                       short &value);
void CheckAtLeast(bool allowBlank, double min, const QString &text, bool &ok);
void CheckGreaterThan(bool allowBlank, double min, const QString &text, bool &ok);
void CheckNumeric(bool allowBlank, const QString &text, bool &ok);
void CheckRange(bool allowBlank, double min, double max, const QString &text, bool &ok);

} // namespace Globsubs
