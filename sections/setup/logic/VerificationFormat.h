#pragma once
// The Verification section's working file (~Verif.tmp): a DATA PREP line of
// 30 flags and a PROCESSING line of 11, each flag two columns from column 21.
#include <QString>
#include <QStringList>
#include <array>

namespace VerificationFormat {

inline const QString Header = QStringLiteral("VERIFICATION:");
inline constexpr int HeaderWidth = 40;
inline const QString DataPrepKey = QStringLiteral("DATA PREP");
inline const QString ProcessingKey = QStringLiteral("PROCESSING");

inline constexpr int DataPrepFlags = 30;   // boxes 1..30
inline constexpr int ProcessingFlags = 11; // boxes 31..41
inline constexpr int BoxCount = DataPrepFlags + ProcessingFlags;

// What the window keeps: its tick boxes, box n at index n - 1.
struct VerificationData
{
    std::array<bool, BoxCount> flags{};

    bool box(int n) const { return flags[size_t(n - 1)]; }
    void setBox(int n, bool set) { flags[size_t(n - 1)] = set; }
    bool any() const;
    bool operator==(const VerificationData &) const = default;
};

// Reads the lines of a working file: the header line is skipped and every
// other line up to the end is looked at; a later line of the same key wins.
VerificationData ParseVerification(const QStringList &lines);
VerificationData ReadVerification(const QString &path);

// The lines the window writes at Accept: the header, the DATA PREP line when
// one of its flags is set, the PROCESSING line likewise, and one empty line;
// no lines when no flag is set (the section is absent).
QStringList VerificationLines(const VerificationData &data);

} // namespace VerificationFormat
