#pragma once
// Splitting an input file into section working files and joining them again.
// Plain file logic: the windows and messages around it live in Run_Save_Open.
#include "core/logic/TextFile.h"

#include <QString>
#include <array>
#include <functional>

namespace InputFileStore {

// The order in which sections are joined into a saved input file.
inline constexpr std::array<int, 15> SaveOrder = {13, 11, 8, 1, 9, 7, 10, 5, 2, 6, 15, 3, 4, 12, 14};

// A line's header key: its first 40 characters, trimmed, in capitals.
QString HeaderKey(const QString &line);

// The section number (1..15) of a header key, the older run-identifier keys
// included; 0 when the key names no section. `line` is rebuilt for an old
// run-identifier header, keeping every column after the header in place.
int SectionOfHeader(const QString &key, QString &line);

// Copies a section from `reader` (positioned after its header line, held in
// `line`) into `path`, up to the first blank line. Returns true when the input
// ended inside the section. `writeOk` turns false when the working file could
// not be written.
bool CopySectionLines(TextFile::LineReader &reader, QString &line, const QString &path,
                      bool *writeOk = nullptr);
// The same into a writer already opened. Without `headerEnded` the header
// line did not end within the piece it came in, and its rest follows in
// `reader`.
bool CopySectionLines(TextFile::LineReader &reader, QString &line, TextFile::LineWriter &writer,
                      bool *writeOk = nullptr, bool headerEnded = true);

struct SplitResult
{
    bool opened = false;      // the input file could be opened
    QString unknownKey;       // the key of the header that stopped the reading
    bool writeFailed = false; // a working file could not be written
    QString readError;        // why the input file could not be opened or read to its end
};

// Splits `inputPath` into the working files `tmpFile[1..15]`.
SplitResult Split(const QString &inputPath, const std::array<QString, 17> &tmpFile);

// Opens a section's working file for reading. A missing file is a section
// that is absent; one that is there and cannot be read is no such section,
// and `error` says which file and why.
enum class WorkingFile { Absent, Opened, Unreadable };
WorkingFile OpenWorkingFile(TextFile::LineReader &reader, const QString &path, QString *error);
// After reading an opened working file: true when the reading ended at its
// end, false, with `error` as above, when a read failed on the way.
bool ReadWhole(const TextFile::LineReader &reader, QString *error);
// Both together: `read` reads an opened working file; a missing one reads
// nothing. False, with `error` as above, when the file is there and could not
// be read whole.
bool ReadWorkingFile(const QString &path, const std::function<void(TextFile::LineReader &)> &read, QString *error);

// Joins the working files in save order into `outputPath`, replacing it only
// when every byte was written and every working file that is there was read
// whole. On failure `error` tells why.
bool Join(const std::array<QString, 17> &tmpFile, const QString &outputPath, QString *error);

// The same in memory: the bytes of an input file split into the bytes of its
// working files (a null array for a section that has none), and joined again.
SplitResult SplitBytes(const QByteArray &input, std::array<QByteArray, 17> &sections);
QByteArray JoinBytes(const std::array<QByteArray, 17> &sections);

} // namespace InputFileStore
