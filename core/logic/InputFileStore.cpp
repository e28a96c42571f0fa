#include "core/logic/InputFileStore.h"
#include "core/logic/Editglob.h"

#include <QFileInfo>

#include <algorithm>

namespace InputFileStore {

namespace {

QString UnreadableWorkingFile(const QString &path, const QString &reason)
{
    return QStringLiteral("the working file ") + path + QStringLiteral(" could not be read: ") + reason;
}

} // namespace

QString HeaderKey(const QString &line)
{
    return TextFile::trimBlanks(line.left(40)).toUpper();
}

int SectionOfHeader(const QString &key, QString &line)
{
    QString k = key;
    if (k == QLatin1String("QV-31: BETA TEST") || k == QLatin1String("QV-31: VERSION 2001")) {
        const QString header = Editglob::SectionNames[Editglob::SecIdentifier];
        k = header.toUpper();
        line = line.size() > header.size() ? header + line.right(line.size() - header.size()) : header;
    }
    for (int i = 1; i <= Editglob::SectionCount; ++i)
        if (Editglob::SectionNames[i].toUpper() == k)
            return i;
    return 0;
}

bool CopySectionLines(TextFile::LineReader &reader, QString &line, const QString &path, bool *writeOk)
{
    TextFile::LineWriter writer(path, TextFile::LineWriter::Truncate);
    return CopySectionLines(reader, line, writer, writeOk);
}

namespace {

// Passes on a line from its first piece, reading the rest of it piece by piece;
// spaces are only counted until something else comes, so a line of any length
// costs a bounded buffer. False for a line of nothing but spaces, which is not
// written. A null `writer` only reads past the line.
bool PassLine(TextFile::LineReader &reader, QByteArrayView piece, bool ended, TextFile::LineWriter *writer)
{
    qsizetype spaces = 0;
    bool blank = true;
    for (;;) {
        if (blank && TextFile::isBlank(piece)) {
            spaces += piece.size();
        } else {
            if (writer) {
                if (blank)
                    writer->writeSpaces(spaces);
                writer->write(piece);
            }
            blank = false;
        }
        if (ended || !reader.readLinePiece(piece, ended))
            break; // a read error ends the line like its end
    }
    if (!blank && writer)
        writer->endLine();
    return !blank;
}

} // namespace

bool CopySectionLines(TextFile::LineReader &reader, QString &line, TextFile::LineWriter &writer, bool *writeOk,
                      bool headerEnded)
{
    writer.write(QByteArrayView(line.toLatin1()));
    QByteArrayView piece;
    while (!headerEnded && reader.readLinePiece(piece, headerEnded))
        writer.write(piece);
    writer.endLine();
    // The records are copied as bytes: they pass through unchanged.
    bool endOfInput = true;
    bool ended = true;
    while (reader.readLinePiece(piece, ended)) {
        if (!PassLine(reader, piece, ended, &writer)) {
            endOfInput = false;
            line = QString();
            break;
        }
    }
    const bool ok = writer.commit();
    if (writeOk && !ok)
        *writeOk = false;
    return endOfInput;
}

namespace {

// Reads sections from `reader`; `open(section, writer)` opens the writer of a
// section's working file.
template <class OpenSection> SplitResult SplitFrom(TextFile::LineReader &reader, OpenSection open)
{
    SplitResult result;
    result.opened = true;
    QByteArrayView piece;
    bool ended = true;
    bool writeOk = true;
    while (reader.readLinePiece(piece, ended)) {
        // The key lies in the first 40 columns: a foreign file's long first
        // line is never read whole.
        const QString key = HeaderKey(QString::fromLatin1(piece.first(std::min<qsizetype>(piece.size(), 40))));
        // A blank line is passed over; one with something after a long run of
        // spaces has an empty key and stops the reading below.
        if (TextFile::isBlank(piece) && (ended || !PassLine(reader, piece, ended, nullptr)))
            continue;
        QString probe;
        if (SectionOfHeader(key, probe) == 0) {
            result.unknownKey = key;
            break;
        }
        QString line = QString::fromLatin1(piece);
        const int section = SectionOfHeader(key, line);
        TextFile::LineWriter writer;
        open(section, writer);
        if (CopySectionLines(reader, line, writer, &writeOk, ended))
            break;
    }
    result.writeFailed = !writeOk;
    result.readError = reader.errorString();
    return result;
}

// Writes the sections in save order; `open(section, reader)` opens a
// section's working file, Absent when it has none. False, with `error`, when
// a working file could not be read whole.
template <class OpenSection> bool JoinInto(TextFile::LineWriter &writer, OpenSection open, QString *error)
{
    for (int section : SaveOrder) {
        TextFile::LineReader reader;
        const WorkingFile opened = open(section, reader);
        if (opened == WorkingFile::Unreadable)
            return false;
        if (opened == WorkingFile::Absent)
            continue;
        QByteArrayView piece;
        bool ended = true;
        while (reader.readLinePiece(piece, ended))
            PassLine(reader, piece, ended, &writer);
        if (!ReadWhole(reader, error))
            return false;
        writer.writeLine(QString());
    }
    return true;
}

} // namespace

SplitResult Split(const QString &inputPath, const std::array<QString, 17> &tmpFile)
{
    TextFile::LineReader reader;
    if (!reader.open(inputPath)) {
        SplitResult result;
        result.readError = reader.errorString();
        return result;
    }
    return SplitFrom(reader, [&tmpFile](int section, TextFile::LineWriter &writer) {
        writer.open(tmpFile[section], TextFile::LineWriter::Truncate);
    });
}

SplitResult SplitBytes(const QByteArray &input, std::array<QByteArray, 17> &sections)
{
    TextFile::LineReader reader;
    reader.openBytes(input);
    return SplitFrom(reader, [&sections](int section, TextFile::LineWriter &writer) {
        writer.openBuffer(&sections[std::size_t(section)]);
    });
}

WorkingFile OpenWorkingFile(TextFile::LineReader &reader, const QString &path, QString *error)
{
    if (reader.open(path))
        return WorkingFile::Opened;
    // A dangling link counts as missing, as it does for the section's readers.
    if (!QFileInfo::exists(path))
        return WorkingFile::Absent;
    if (error)
        *error = UnreadableWorkingFile(path, reader.errorString());
    return WorkingFile::Unreadable;
}

bool ReadWhole(const TextFile::LineReader &reader, QString *error)
{
    if (!reader.failed())
        return true;
    if (error)
        *error = UnreadableWorkingFile(reader.fileName(), reader.errorString());
    return false;
}

bool ReadWorkingFile(const QString &path, const std::function<void(TextFile::LineReader &)> &read, QString *error)
{
    TextFile::LineReader reader;
    const WorkingFile opened = OpenWorkingFile(reader, path, error);
    if (opened == WorkingFile::Opened)
        read(reader);
    return opened == WorkingFile::Absent || (opened == WorkingFile::Opened && ReadWhole(reader, error));
}

bool Join(const std::array<QString, 17> &tmpFile, const QString &outputPath, QString *error)
{
    TextFile::LineWriter writer;
    if (!writer.open(outputPath, TextFile::LineWriter::Atomic)) {
        if (error)
            *error = writer.errorString();
        return false;
    }
    // Left uncommitted, the save file goes and the input file stays as it was.
    if (!JoinInto(writer, [&](int section, TextFile::LineReader &reader) {
            return OpenWorkingFile(reader, tmpFile[section], error);
        }, error))
        return false;
    const bool ok = writer.commit();
    if (!ok && error)
        *error = writer.errorString();
    return ok;
}

QByteArray JoinBytes(const std::array<QByteArray, 17> &sections)
{
    QByteArray out;
    TextFile::LineWriter writer;
    writer.openBuffer(&out);
    JoinInto(writer, [&sections](int section, TextFile::LineReader &reader) {
        const QByteArray &bytes = sections[std::size_t(section)];
        if (bytes.isNull())
            return WorkingFile::Absent;
        reader.openBytes(bytes);
        return WorkingFile::Opened;
    }, nullptr);
    writer.commit();
    return out;
}

} // namespace InputFileStore
