#include "core/logic/InputFileStore.h"
#include "core/logic/Editglob.h"

#include <QFileInfo>

#include <algorithm>

namespace InputFileStore {

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

bool CopySectionLines(TextFile::LineReader &reader, QString &line, TextFile::LineWriter &writer, bool *writeOk)
{
    writer.writeLine(line);
    // The records are copied as bytes: they pass through unchanged.
    bool endOfInput = true;
    QByteArrayView bytes;
    while (!reader.atEnd()) {
        if (!reader.readLineBytes(bytes))
            break; // a read error ends the input like its end
        if (TextFile::isBlank(bytes)) {
            endOfInput = false;
            line = QString();
            break;
        }
        writer.writeLine(bytes);
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
    QString line;
    QByteArrayView bytes;
    bool writeOk = true;
    for (;;) {
        // A line that is no header is known by its first 40 columns: a foreign
        // file's long first line is turned away before it is read whole. The
        // 41st byte shows that no line end cuts those columns short.
        const QByteArrayView ahead = reader.peek(41);
        if (ahead.size() == 41 && !ahead.contains('\n') && !TextFile::isBlank(ahead.first(40))) {
            const QString key = HeaderKey(QString::fromLatin1(ahead.first(40)));
            QString probe;
            if (SectionOfHeader(key, probe) == 0) {
                result.unknownKey = key;
                break;
            }
        }
        if (!reader.readLineBytes(bytes))
            break;
        if (TextFile::isBlank(bytes))
            continue;
        // The key lies in the first 40 columns: a foreign file's long first
        // line is never turned into text whole.
        const QString key = HeaderKey(QString::fromLatin1(bytes.first(std::min<qsizetype>(bytes.size(), 40))));
        QString probe;
        if (SectionOfHeader(key, probe) == 0) {
            result.unknownKey = key;
            break;
        }
        line = QString::fromLatin1(bytes);
        const int section = SectionOfHeader(key, line);
        TextFile::LineWriter writer;
        open(section, writer);
        if (CopySectionLines(reader, line, writer, &writeOk))
            break;
    }
    result.writeFailed = !writeOk;
    return result;
}

// Writes the sections in save order; `open(section, reader)` opens a
// section's working file, false when it has none.
template <class OpenSection> void JoinInto(TextFile::LineWriter &writer, OpenSection open)
{
    for (int section : SaveOrder) {
        TextFile::LineReader reader;
        if (!open(section, reader))
            continue;
        QByteArrayView line;
        while (reader.readLineBytes(line))
            if (!TextFile::isBlank(line))
                writer.writeLine(line);
        writer.writeLine(QString());
    }
}

} // namespace

SplitResult Split(const QString &inputPath, const std::array<QString, 17> &tmpFile)
{
    TextFile::LineReader reader;
    if (!reader.open(inputPath))
        return SplitResult();
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

bool Join(const std::array<QString, 17> &tmpFile, const QString &outputPath, QString *error)
{
    TextFile::LineWriter writer;
    if (!writer.open(outputPath, TextFile::LineWriter::Atomic)) {
        if (error)
            *error = writer.errorString();
        return false;
    }
    JoinInto(writer, [&tmpFile](int section, TextFile::LineReader &reader) { return reader.open(tmpFile[section]); });
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
            return false;
        reader.openBytes(bytes);
        return true;
    });
    writer.commit();
    return out;
}

} // namespace InputFileStore
